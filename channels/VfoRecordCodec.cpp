#include "channels/VfoRecordCodec.h"
#include "channels/ChannelRecord.h"

bool UpdateVFORecord(CloneImage &image, const QString &record, int n) {
    // byte 0 is not looked at
    VfoRecord r;
    if (!DecodeRadioFields(ReadRecordBytes(record), r.field.data())) return false;
    image.VfoTable[n] = r;
    return true;
}

QString MakeVFOData(const CloneImage &image, int n) {
    RecordBytes b{};
    b[0] = 0x80;
    EncodeRadioFields(image.VfoTable[n].field.data(), b);
    return RecordText(b);
}

QString VfoLabel(int n) {
    return n == 0 ? QStringLiteral("VFO A") : QStringLiteral("VFO B");
}

void LoadDefaultVfo(CloneImage &image) {
    const qint64 hz = image.Variant == VariantJ ? 7050000 : 7100000;
    VfoRecord &a = image.VfoTable[0];
    a.field[FieldFrequency] = {FormatFrequencyText(hz), double(hz)};
    a.field[FieldMode] = {QStringLiteral("LSB"), 1};
    a.field[FieldGain] = {QStringLiteral("0"), 0};
    a.field[FieldAGC] = {QStringLiteral("Slow"), 1};
    a.field[FieldPwr] = {QStringLiteral("High"), 0};
    a.field[FieldFilter] = {QStringLiteral("Wide"), 0};
    a.field[FieldTone] = {QStringLiteral("Off"), 0};
    a.field[FieldNB] = {QStringLiteral("Off"), 0};
    image.VfoTable[1] = a;
}
