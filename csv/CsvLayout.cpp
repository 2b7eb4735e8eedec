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

QByteArray FirstLineOfDevice(QIODevice &device) {
    QByteArray head = device.peek(4096);
    if (head.startsWith("\xEF\xBB\xBF")) head.remove(0, 3);
    const qsizetype end = head.indexOf('\n');
    QByteArray line = end >= 0 ? head.left(end) : head;
    if (line.endsWith('\r')) line.chop(1);
    const qsizetype cr = line.indexOf('\r'); // a file with lone CR line ends
    return cr >= 0 ? line.left(cr) : line;
}

CsvLayout CsvLayoutOfFirstLine(const QByteArray &firstLine) {
    QByteArray line = firstLine;
    if (line.startsWith("\xEF\xBB\xBF")) line.remove(0, 3);
    const std::vector<std::string> fields = CsvSplitLine(line.toStdString());
    const QString first =
        QString::fromUtf8(fields.front().data(), qsizetype(fields.front().size())).trimmed();
    if (first == FullCsvTag) return CsvLayout::Full;
    if (first == QStringLiteral("Location")) return CsvLayout::Chirp;
    return CsvLayout::Original;
}

CsvLayout CsvLayoutOfDevice(QIODevice &device) {
    return CsvLayoutOfFirstLine(FirstLineOfDevice(device));
}

QByteArray OriginalExportHeader() {
    return CsvExportBytes(NewCloneImage()).split('\r').constFirst();
}

bool IsOriginalExportHeader(const QByteArray &firstLine) {
    // one thread: the guard of this local static never waits for another
    static const QByteArray header = OriginalExportHeader();
    return firstLine == header;
}
