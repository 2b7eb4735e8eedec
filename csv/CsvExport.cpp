#include "csv/CsvExport.h"
#include "channels/VfoRecordCodec.h"
#include "files/FileTarget.h"
#include "files/LocalName.h"
#include <QFile>
#include <QList>

namespace {
constexpr int ExportedChannels = 200;

QByteArray csvLine(const QStringList &values) {
    QByteArray line;
    for (const QString &v : values) {
        if (!line.isEmpty()) line += ',';
        line += '"' + v.toUtf8() + '"';
    }
    return line + "\r\n";
}

QList<QByteArray> exportLines(const CloneImage &image) {
    QList<QByteArray> lines;
    lines << csvLine({"MODEL", "BANK", "CHANNEL", "FREQUENCY", "STEP", "TONE", "TXTONE", "RXTONE", "DCS",
                      "SHIFT", "SHIFT FREQUENCY", "Power", "ATT", "BS", "Clock", "BCLO", "Name", "Skip"});
    for (int n = 0; n < VfoCount; ++n) {
        QStringList values{"KT-M40", "VFO", VfoLabel(n)};
        for (const FieldSlot &slot : image.VfoTable[n].field)
            values << slot.text;
        values << ""
               << ""
               << ""
               << ""
               << ""
               << "No"
               << "Off";
        lines << csvLine(values);
    }
    for (int k = 0; k < ExportedChannels; ++k) {
        if (!image.ChannelUsed[k]) continue;
        QStringList values{"KT-M40", "MEMORY", QString::number(k)};
        for (const FieldSlot &slot : image.ChannelTable[k].field)
            values << slot.text;
        values << ""
               << ""
               << ""
               << "Off";
        lines << csvLine(values);
    }
    return lines;
}
} // namespace

QByteArray CsvExportBytes(const CloneImage &image) {
    return exportLines(image).join();
}

FileStatus ExportCsv(const QString &path, const CloneImage &image, QString *detail) {
    LocalFile file(path);
    QString reason;
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    if (!ok) reason = file.errorString();
    // line by line, so that a failure keeps what was written before it
    for (const QByteArray &line : exportLines(image)) {
        if (!ok) break;
        ok = WriteAll(file, line, &reason);
    }
    // unbuffered: every line reached the system in WriteAll, so closing has nothing left to fail on
    if (!ok && detail) *detail = reason;
    return ok ? FileStatus::Ok : FileStatus::FileOpenError;
}
