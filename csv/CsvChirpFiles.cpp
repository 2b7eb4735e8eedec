// CHIRP CSV files: the export of the used channels and the streaming import (the mapping is in
// CsvChirpMapping.cpp).
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "csv/CsvChirp.h"
#include "csv/CsvChirpLine.h"
#include "csv/CsvRecordReader.h"
#include "csv/CsvRecordWriter.h"
#include "files/FileTarget.h"
#include <QCoreApplication>
#include <QRegularExpression>
#include <bitset>

QByteArray ChirpCsvBytes(const CloneImage &image, CsvReport *notCarried) {
    QByteArray bytes = CsvRecordLine(ChirpColumns());
    for (int n = 0; n < VfoCount; ++n)
        if (notCarried)
            notCarried->add(CsvReportItem::NotCarried, VfoLabel(n), QString(),
                            QCoreApplication::translate("CsvChirpFiles", "CHIRP CSV has no VFOs"));
    for (int k = 0; k < ChannelCount; ++k)
        if (image.ChannelUsed[k]) {
            bytes += CsvRecordLine(ChirpValuesOf(image, k, notCarried));
            if (notCarried) ++notCarried->taken;
        }
    return bytes;
}

FileStatus ExportChirpCsv(const QString &path, const CloneImage &image, CsvReport *notCarried,
                          QString *detail) {
    // written as every other file: atomically, in place for a pipe or a device, with the system's reason
    return WriteFileBytes(path, ChirpCsvBytes(image, notCarried), detail) ? FileStatus::Ok
                                                                          : FileStatus::FileOpenError;
}

CsvReport ImportChirpCsvDevice(QIODevice &device, CloneImage &image, int chunkBytes, char separator) {
    CsvReport report;
    CsvRecordReader reader(device, chunkBytes, separator);
    std::vector<std::string> fields;
    bool header = false;
    while (!header && reader.readRecord(fields)) // blank lines before the column names are passed over
        header = !CsvBlankRecord(fields);
    // defensive: the caller recognised this layout by the first line
    if (!header) return report;
    // the first line names the columns: by name, in the file's own order, spelled in any case
    QHash<QString, int> columns;
    std::vector<bool> singleLine(fields.size(), false);
    std::vector<QString> names(fields.size());
    for (std::size_t c = 0; c < fields.size(); ++c) {
        const QString name = QString::fromUtf8(fields[c].data(), qsizetype(fields[c].size())).trimmed();
        for (const QString &known : ChirpColumns())
            if (name.compare(known, Qt::CaseInsensitive) == 0) {
                // a comment may hold line breaks; no other column the import reads can
                singleLine[c] = known != QStringLiteral("Comment");
                names[c] = known;
                if (!columns.contains(known)) columns.insert(known, int(c));
            }
    }
    reader.setSingleLineColumns(singleLine);
    bool usable = true;
    for (const QString &needed : {QStringLiteral("Location"), QStringLiteral("Frequency")})
        if (!columns.contains(needed)) {
            report.add(CsvReportItem::Refused, QCoreApplication::translate("CsvChirpFiles", "line 1"), needed,
                       QCoreApplication::translate("CsvChirpFiles",
                                                   "the first line has no such column: nothing is taken"));
            usable = false;
        }
    // one thread: the guard of this local static never waits for another
    static const QRegularExpression whole(QStringLiteral("^\\d{1,9}$"));
    std::bitset<ChannelCount> seen;
    const int lc = columns.value(QStringLiteral("Location"));
    while (usable && reader.readRecord(fields)) {
        if (CsvBlankRecord(fields)) continue; // a spreadsheet's empty line
        const QString location =
            lc < int(fields.size())
                ? QString::fromUtf8(fields[std::size_t(lc)].data(), qsizetype(fields[std::size_t(lc)].size()))
                      .trimmed()
                : QString();
        const bool number = whole.match(location).hasMatch();
        const int k = number ? location.toInt() : -1;
        ChirpLine line(fields, columns,
                       number
                           ? location
                           : QCoreApplication::translate("CsvChirpFiles", "line %1").arg(reader.recordLine()),
                       report, separator != ',');
        if (reader.openQuoteColumn() >= 0) {
            const QString column = names[std::size_t(reader.openQuoteColumn())];
            line.refuse(column,
                        CsvOpenQuoteReason(reader.openQuoteLine(), reader.openQuoteEndLine(), column));
            ++report.refused;
            continue;
        }
        if (k < 0 || k >= ChannelCount) {
            line.refuse(QStringLiteral("Location"),
                        QCoreApplication::translate("CsvChirpFiles", "“%1” is not a channel number 0 to 603")
                            .arg(location));
            ++report.refused;
            continue;
        }
        if (seen.test(std::size_t(k))) {
            line.refuse(QStringLiteral("Location"),
                        QCoreApplication::translate(
                            "CsvChirpFiles", "the Location came before in the file; this line is left out"));
            ++report.refused;
            continue;
        }
        seen.set(std::size_t(k));
        const QString before = MakeMemData(image, k);
        TakeChirpLine(line, k, image, report);
        if (MakeMemData(image, k) != before) ++report.records;
    }
    if (reader.readFailed()) {
        report.status = FileStatus::FileOpenError;
        report.detail = device.errorString();
    }
    return report;
}
