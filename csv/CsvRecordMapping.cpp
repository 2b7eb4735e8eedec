#include "csv/CsvRecordMapping.h"
#include "channels/ChannelRecord.h"
#include "channels/NameCharset.h"
#include "image/TextTables.h"
#include <cmath>

namespace {
FieldSlot frequencySlot(qint64 hz) {
    return {FormatFrequencyText(hz), double(hz)};
}

QString storableUpperName(const QString &text) {
    QString upper = text;
    for (QChar &c : upper)
        c = c.toUpper(); // one character for one, so that a cut never lands inside a mapping like "ß" -> "SS"
    return StorableName(upper);
}
} // namespace

ChannelEntry CsvNewChannelEntry(int variant) {
    ChannelEntry e;
    const qint64 hz = variant == VariantJ ? 7050000 : 7100000;
    e.field[FieldFrequency] = frequencySlot(hz);
    e.field[FieldMode] = {Tables().ModeTable[1], 1};
    e.field[FieldGain] = {GainText(0), 0};
    e.field[FieldAGC] = {AGCText(1), 1};
    e.field[FieldPwr] = {PwrText(0), 0};
    e.field[FieldFilter] = {FilterText(0), 0};
    e.field[FieldTone] = {ToneText(0), 0};
    e.field[FieldNB] = {NBText(0), 0};
    e.field[FieldSplitFreq] = frequencySlot(hz);
    e.field[FieldName] = {QString(), 0};
    e.field[FieldSkip] = {QString(), 0};
    return e;
}

bool StoreCsvRecord(const CsvRecord &r, CsvBank bank, int index, CloneImage &image) {
    const FrequencyRange range = FrequencyRangeFor(image.WideRange);
    // worked out in doubles first: a number of any size must fail the range check, not overflow
    const auto inRange = [&](double hz) {
        return hz >= double(range.low) && hz < double(range.highExclusive);
    };
    const double hz = std::round(r.value[CsvFrequency].code * 1e6);
    const double shift = std::round(r.value[CsvShiftFrequency].code * 1e6);
    const int direction = int(r.value[CsvShift].code); // 1 "-Shift", 2 "+Shift"
    const double splitHz = direction == 1 ? hz - shift : direction == 2 ? hz + shift : hz;
    if (!inRange(hz) || (bank == CsvBank::Memory && !inRange(splitHz))) return false;

    ChannelEntry e = CsvNewChannelEntry(image.Variant);
    e.field[FieldFrequency] = frequencySlot(qint64(hz));
    const double att = r.value[CsvAtt].code; // 16 for 10 dB, 17 for 20 dB
    const int gain = att == 16 ? 1 : att == 17 ? 2 : 0;
    e.field[FieldGain] = {GainText(gain), double(gain)};
    const int power = r.value[CsvPower].code == 1 ? 0 : 1; // "Hi" is code 1
    e.field[FieldPwr] = {PwrText(power), double(power)};
    const int tone = r.value[CsvTone].code != 0 ? 128 : 0; // "Tone", "TSQ" or "DCS"
    e.field[FieldTone] = {ToneText(tone), double(tone)};

    if (bank == CsvBank::Vfo) {
        VfoRecord &vfo = image.VfoTable[index];
        std::copy(e.field.begin(), e.field.begin() + VfoFieldCount, vfo.field.begin());
        return true;
    }
    e.field[FieldSplitFreq] = frequencySlot(qint64(splitHz));
    e.field[FieldName] = {storableUpperName(r.value[CsvName].text), 0};
    if (r.value[CsvSkip].code == 1) e.field[FieldSkip] = {QStringLiteral("Skip"), 1};
    image.ChannelTable[index] = e;
    image.ChannelUsed[index] = true;
    return true;
}
