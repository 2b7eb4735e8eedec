#include "csv/CsvLayout.h"
#include "csv/CsvDetection.h"
#include "csv/CsvExport.h"
#include "csv/CsvRecordReader.h"
#include "files/NewImage.h"
#include "image/CloneImage.h"
#include "image/UiText.h"

QString CsvLayoutName(CsvLayout layout) {
    // a case for every value: the way past the switch is for a value outside the enum
    switch (layout) {
    case CsvLayout::Original:
        return QStringLiteral("original");
    case CsvLayout::Full:
        return QStringLiteral("full");
    case CsvLayout::Chirp:
        return QStringLiteral("chirp");
    }
    return QString();
}

bool CsvLayoutFromName(const QString &name, CsvLayout &layout) {
    for (CsvLayout l : {CsvLayout::Original, CsvLayout::Full, CsvLayout::Chirp})
        if (name == CsvLayoutName(l)) {
            layout = l;
            return true;
        }
    return false;
}

QString CsvLayoutTitle(CsvLayout layout) {
    // a case for every value: the way past the switch is for a value outside the enum
    switch (layout) {
    case CsvLayout::Original:
        return UiText("Original layout (18 columns, VFOs and channels 0-199)",
                      "従来の形式 (18列、VFOとチャンネル0-199)");
    case CsvLayout::Full:
        return UiText("Full layout (all 604 channels and both VFOs, lossless)",
                      "完全な形式 (全604チャンネルと両VFO、欠落なし)");
    case CsvLayout::Chirp:
        return UiText("CHIRP CSV (channels for other programs)", "CHIRP CSV (他のプログラム用のチャンネル)");
    }
    return QString();
}

QString CsvLayoutShortTitle(CsvLayout layout) {
    // a case for every value: the way past the switch is for a value outside the enum
    switch (layout) {
    case CsvLayout::Original:
        return UiText("original layout", "従来の形式");
    case CsvLayout::Full:
        return UiText("full layout", "完全な形式");
    case CsvLayout::Chirp:
        return QStringLiteral("CHIRP CSV");
    }
    return QString();
}

CsvLayout CsvLayoutOfFirstLine(const QByteArray &firstLine) {
    return DetectCsvLine(firstLine).layout;
}
