#include "csv/CsvImport.h"
#include "channels/VfoRecordCodec.h"
#include "csv/CsvFieldReader.h"
#include "csv/CsvRecordMapping.h"
#include <QBuffer>
#include <algorithm>
#include <cmath>

namespace {
// CHANNEL of a record: the VFO or channel index, or -1 when the record is passed over.
int recordIndex(CsvBank bank, const std::string &channel) {
    if (channel.empty()) return -1;
    if (bank == CsvBank::Vfo) {
        for (int n = 0; n < VfoCount; ++n)
            if (QString::fromLatin1(channel.data(), qsizetype(channel.size())) == VfoLabel(n)) return n;
        return -1;
    }
    const double number = CsvNumber(channel);
    if (!(number >= 0 && number <= 199)) return -1;
    return int(std::lround(number));
}
} // namespace

CsvImportResult ImportCsvDevice(QIODevice &device, CloneImage &image, int chunkBytes, char separator) {
    CsvImportResult result;
    CsvFieldReader reader(device, chunkBytes, separator);
    // with another separator a comma in a number column is a decimal comma
    const auto decimalPoint = [separator](std::string &number) {
        if (separator != ',') std::replace(number.begin(), number.end(), ',', '.');
    };
    CsvRecognizer recognizer;
    std::string field;
    std::string values[CsvValueColumnCount];
    while (!reader.atEnd()) {
        reader.readField(field);
        if (field != "KT-M40") continue;
        if (!reader.readField(field)) break;
        const bool vfo = field == "VFO";
        if (!vfo && field != "MEMORY") continue;
        const CsvBank bank = vfo ? CsvBank::Vfo : CsvBank::Memory;
        if (!reader.readField(field)) break;
        if (bank == CsvBank::Memory) decimalPoint(field);
        const int index = recordIndex(bank, field);
        if (index < 0) continue;
        bool whole = true;
        for (std::string &value : values)
            whole = whole && reader.readField(value);
        if (!whole) { // cut short by the end of the file
            ++result.dropped;
            break;
        }
        for (int column : {CsvFrequency, CsvTxTone, CsvRxTone, CsvDcs, CsvShiftFrequency, CsvAtt})
            decimalPoint(values[column]);
        CsvRecord record;
        if (recognizer.recognize(values, record) && StoreCsvRecord(record, bank, index, image))
            ++result.taken;
        else
            ++result.dropped;
    }
    if (reader.readFailed()) {
        result.status = FileStatus::FileOpenError;
        result.detail = device.errorString();
    }
    return result;
}

CsvImportResult ImportCsvBytes(const QByteArray &data, CloneImage &image) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return ImportCsvDevice(buffer, image);
}
