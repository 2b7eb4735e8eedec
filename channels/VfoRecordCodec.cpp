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
