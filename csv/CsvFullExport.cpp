#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "csv/CsvFullColumns.h"
#include "csv/CsvFullLayout.h"
#include "csv/CsvRecordWriter.h"
#include "files/FileTarget.h"
#include <cmath>

namespace {
// "Gain=7 Tone=140" for the codes the texts do not carry; "" when every text says its code.
QString codesOf(const FieldSlot *fields) {
    QStringList codes;
    for (ChannelField f : CodedFields()) {
        const long long code = std::llround(fields[f].value);
        if (code != CodedFieldDialogCode(f, fields[f].text))
            codes << ChannelFieldNames()[f] + QLatin1Char('=') + QString::number(code);
    }
    return codes.join(QLatin1Char(' '));
}

QStringList lineOf(const QString &label, const FieldSlot *fields, int fieldCount) {
    QStringList values{label};
    for (int f = 0; f < ChannelFieldCount; ++f)
        values << (f < fieldCount ? fields[f].text : QString());
    return values << codesOf(fields);
}
} // namespace

QByteArray FullCsvBytes(const CloneImage &image) {
    QByteArray bytes = CsvRecordLine(FullCsvFirstLine(image.Variant, image.WideRange));
    bytes += CsvRecordLine(FullCsvTitles());
    for (int n = 0; n < VfoCount; ++n)
        bytes += CsvRecordLine(lineOf(VfoLabel(n), image.VfoTable[n].field.data(), VfoFieldCount));
    for (int k = 0; k < ChannelCount; ++k) {
        if (image.ChannelUsed[k])
            bytes +=
                CsvRecordLine(lineOf(RowLabel(k), image.ChannelTable[k].field.data(), ChannelFieldCount));
        else
            bytes += CsvRecordLine(QStringList{RowLabel(k)} + QStringList(ChannelFieldCount + 1));
    }
    return bytes;
}

FileStatus ExportFullCsv(const QString &path, const CloneImage &image, QString *detail) {
    // written as every other file: atomically, in place for a pipe or a device, with the system's reason
    return WriteFileBytes(path, FullCsvBytes(image), detail) ? FileStatus::Ok : FileStatus::FileOpenError;
}
