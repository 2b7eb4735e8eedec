#include "csv/CsvLayout.h"
#include "csv/CsvExport.h"
#include "csv/CsvRecordReader.h"
#include "files/NewImage.h"
#include "image/CloneImage.h"
#include <QCoreApplication>

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
        return QCoreApplication::translate("CsvLayout",
                                           "Original layout (18 columns, VFOs and channels 0-199)");
    case CsvLayout::Full:
        return QCoreApplication::translate("CsvLayout",
                                           "Full layout (all 604 channels and both VFOs, lossless)");
    case CsvLayout::Chirp:
        return QCoreApplication::translate("CsvLayout", "CHIRP CSV (channels for other programs)");
    }
    return QString();
}

QString CsvLayoutShortTitle(CsvLayout layout) {
    // a case for every value: the way past the switch is for a value outside the enum
    switch (layout) {
    case CsvLayout::Original:
        return QCoreApplication::translate("CsvLayout", "original layout");
    case CsvLayout::Full:
        return QCoreApplication::translate("CsvLayout", "full layout");
    case CsvLayout::Chirp:
        return QStringLiteral("CHIRP CSV");
    }
    return QString();
}
