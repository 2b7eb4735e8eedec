#include "channels/ChannelEdit.h"
#include "channels/ChannelRecord.h"
#include "channels/NameCharset.h"
#include "image/Messages.h"
#include "image/TextTables.h"
#include <cmath>

// One thread: the guards of the lists' local statics below never wait for another.
const QStringList &EditModeItems() {
    static const QStringList items = {"USB", "LSB", "CWU", "CWL", "AM", "FM"};
    return items;
}
const QStringList &EditGainItems() {
    static const QStringList items = {"0", "-10", "-20", "+10"};
    return items;
}
const QStringList &EditAGCItems() {
    static const QStringList items = {"Fast", "Slow"};
    return items;
}
const QStringList &EditPowerItems() {
    static const QStringList items = {"High", "Low", "S-Low"};
    return items;
}
const QStringList &EditFilterItems() {
    static const QStringList items = {"Wide", "Narrow"};
    return items;
}
const QStringList &EditOnOffItems() {
    static const QStringList items = {"Off", "On"};
    return items;
}

namespace {
// A stored code as a combo index: -1 when the list has no item for it.
int comboIndex(double value, int itemCount) {
    const long long code = std::llround(value);
    // codes are bytes, never negative
    return code >= 0 && code < itemCount ? int(code) : -1;
}

void loadRadioFields(const FieldSlot *f, EditFields &e) {
    e.frequency = SplitFrequency(std::llround(f[FieldFrequency].value));
    e.mode = comboIndex(f[FieldMode].value, EditModeItems().size());
    e.gain = comboIndex(f[FieldGain].value, EditGainItems().size());
    e.agc = comboIndex(f[FieldAGC].value, EditAGCItems().size());
    e.power = comboIndex(f[FieldPwr].value, EditPowerItems().size());
    e.filter = comboIndex(f[FieldFilter].value, EditFilterItems().size());
    e.tone = f[FieldTone].value > 127 ? 1 : 0;
    e.nb = comboIndex(f[FieldNB].value, EditOnOffItems().size());
}

// A combo's choice into its slot; an empty combo keeps what was stored.
void storeChoice(FieldSlot &slot, int index, const QString &text) {
    if (index < 0) return;
    slot = {text, double(index)};
}

void storeRadioFields(const EditFields &e, qint64 hz, FieldSlot *f) {
    f[FieldFrequency] = {FormatFrequencyText(hz), double(hz)};
    // an index past the list would be a caller's mistake; -1 keeps the stored mode
    if (e.mode >= 0 && e.mode < EditModeItems().size())
        f[FieldMode] = {Tables().ModeTable.value(e.mode), double(e.mode)};
    storeChoice(f[FieldGain], e.gain, GainText(e.gain));
    storeChoice(f[FieldAGC], e.agc, AGCText(e.agc));
    storeChoice(f[FieldPwr], e.power, PwrText(e.power));
    storeChoice(f[FieldFilter], e.filter, FilterText(e.filter));
    f[FieldTone] = e.tone == 1 ? FieldSlot{QStringLiteral("On"), 128} : FieldSlot{QStringLiteral("Off"), 0};
    storeChoice(f[FieldNB], e.nb, NBText(e.nb));
}
} // namespace

EditFields NewChannelFields(int variant) {
    EditFields e;
    e.frequency = {QStringLiteral("7"), variant == VariantJ ? QStringLiteral("050") : QStringLiteral("100"),
                   QStringLiteral("000")};
    e.split = e.frequency;
    return e;
}

EditFields EditFieldsFor(const CloneImage &image, EditSource source, int index) {
    if (source == EditSource::Vfo) {
        EditFields e;
        loadRadioFields(image.VfoTable[index].field.data(), e);
        return e;
    }
    if (!image.ChannelUsed[index]) return NewChannelFields(image.Variant);
    const ChannelEntry &c = image.ChannelTable[index];
    EditFields e;
    loadRadioFields(c.field.data(), e);
    e.split = SplitFrequency(std::llround(c.field[FieldSplitFreq].value));
    e.skip = c.field[FieldSkip].value > 0;
    e.name = c.field[FieldName].text;
    return e;
}

qint64 FrequencyFromBoxes(const FrequencyBoxes &boxes) {
    qint64 parts[3] = {0, 0, 0};
    const QString *texts[3] = {&boxes.mhz, &boxes.khz, &boxes.hz};
    for (int i = 0; i < 3; ++i) {
        const QString &t = *texts[i];
        if (t.isEmpty() || t.size() > 9) return -1;
        for (QChar c : t)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return -1;
        parts[i] = t.toLongLong();
    }
    return parts[0] * 1000000 + parts[1] * 1000 + parts[2];
}

QString OutOfRangeMessage(bool wideRange) {
    return OutOfRangeText + QStringLiteral("\r\n\t") + FrequencyRangeFor(wideRange).text;
}

bool ApplyEditFields(CloneImage &image, EditSource source, int index, const EditFields &fields,
                     QString *message) {
    const FrequencyRange range = FrequencyRangeFor(image.WideRange);
    const qint64 hz = FrequencyFromBoxes(fields.frequency);
    const qint64 splitHz = source == EditSource::Memory ? FrequencyFromBoxes(fields.split) : hz;
    if (!range.contains(hz) || !range.contains(splitHz)) {
        if (message) *message = OutOfRangeMessage(image.WideRange);
        return false;
    }
    StoreEditFields(image, source, index, fields);
    return true;
}

void StoreEditFields(CloneImage &image, EditSource source, int index, const EditFields &fields) {
    const qint64 hz = FrequencyFromBoxes(fields.frequency);
    if (source == EditSource::Vfo) {
        storeRadioFields(fields, hz, image.VfoTable[index].field.data());
        return;
    }
    const qint64 splitHz = FrequencyFromBoxes(fields.split);
    ChannelEntry &c = image.ChannelTable[index];
    storeRadioFields(fields, hz, c.field.data());
    c.field[FieldSplitFreq] = {FormatFrequencyText(splitHz), double(splitHz)};
    c.field[FieldSkip] = fields.skip ? FieldSlot{QStringLiteral("Skip"), 1} : FieldSlot{QString(), 0};
    // Typing keeps the name to the radio's characters; a pasted name is cut where the radio could not store
    // it.
    c.field[FieldName] = {StorableName(fields.name.toUpper()), 0};
    image.ChannelUsed[index] = true;
}
