#include "channels/ChannelBulkEdit.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelEdit.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "image/TextTables.h"
#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {
struct FieldInfo {
    ChannelField column;
    const QStringList &(*items)();
};
const QStringList &skipItems() {
    // one thread: the guard of this local static never waits for another
    static const QStringList items = {"Off", "On"};
    return items;
}
FieldInfo infoOf(BulkField field) {
    // a case for every value: the way past the switch is for a value outside the enum
    switch (field) {
    case BulkField::Mode:
        return {FieldMode, EditModeItems};
    case BulkField::Gain:
        return {FieldGain, EditGainItems};
    case BulkField::AGC:
        return {FieldAGC, EditAGCItems};
    case BulkField::Power:
        return {FieldPwr, EditPowerItems};
    case BulkField::Filter:
        return {FieldFilter, EditFilterItems};
    case BulkField::Tone:
        return {FieldTone, EditOnOffItems};
    case BulkField::NB:
        return {FieldNB, EditOnOffItems};
    case BulkField::Skip:
        break;
    }
    return {FieldSkip, skipItems};
}

// The slot the edit dialog's OK stores for list item `value` of a field.
FieldSlot slotFor(BulkField field, int value) {
    // a case for every value: the way past the switch is for a value outside the enum
    switch (field) {
    case BulkField::Mode:
        return {Tables().ModeTable.value(value), double(value)};
    case BulkField::Gain:
        return {GainText(value), double(value)};
    case BulkField::AGC:
        return {AGCText(value), double(value)};
    case BulkField::Power:
        return {PwrText(value), double(value)};
    case BulkField::Filter:
        return {FilterText(value), double(value)};
    case BulkField::Tone:
        return value ? FieldSlot{QStringLiteral("On"), 128} : FieldSlot{QStringLiteral("Off"), 0};
    case BulkField::NB:
        return {NBText(value), double(value)};
    case BulkField::Skip:
        break;
    }
    return value ? FieldSlot{QStringLiteral("Skip"), 1} : FieldSlot{QString(), 0};
}

BulkEdit refused(const QString &message) {
    BulkEdit e;
    e.message = message;
    return e;
}
} // namespace

QString BulkFieldName(BulkField field) {
    return ChannelFieldNames()[infoOf(field).column];
}

QString ShownBulkFieldName(BulkField field) {
    return ShownFieldName(infoOf(field).column);
}

QStringList BulkFieldValues(BulkField field) {
    return infoOf(field).items();
}

BulkEdit SetChannelField(CloneImage &image, const QList<int> &channels, BulkField field, int value) {
    const FieldInfo info = infoOf(field);
    if (value < 0 || value >= info.items().size())
        return refused(QCoreApplication::translate("ChannelBulkEdit", "No value chosen."));
    const FrequencyRange range = FrequencyRangeFor(image.WideRange);
    QList<int> used;
    for (int k : channels) {
        if (!image.ChannelUsed[k]) continue;
        for (ChannelField f : {FieldFrequency, FieldSplitFreq})
            if (!range.contains(std::llround(image.ChannelTable[k].field[f].value)))
                return refused(
                    QCoreApplication::translate("ChannelBulkEdit", "Row %1, %2: %3")
                        .arg(ShortRowLabel(k), ChannelFieldNames()[f], OutOfRangeMessage(image.WideRange)));
        used << k;
    }
    if (used.isEmpty())
        return refused(QCoreApplication::translate("ChannelBulkEdit", "No used channel is selected."));
    const FieldSlot slot = slotFor(field, value);
    BulkEdit done;
    done.ok = true;
    for (int k : used) {
        FieldSlot &target = image.ChannelTable[k].field[info.column];
        if (target == slot) continue;
        target = slot;
        ++done.changed;
    }
    return done;
}

BulkEdit SortChannels(CloneImage &image, const QList<int> &channels, SortKey key) {
    QList<int> rows = channels;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.size() < 2)
        return refused(QCoreApplication::translate("ChannelBulkEdit", "Select at least two rows to sort."));
    struct Held {
        ChannelEntry entry;
        bool used;
    };
    QList<Held> held;
    for (int k : rows)
        held.append({image.ChannelTable[k], image.ChannelUsed[k]});
    auto frequencyOf = [](const Held &h) { return h.entry.field[FieldFrequency].value; };
    auto nameOf = [](const Held &h) { return h.entry.field[FieldName].text; };
    std::stable_sort(held.begin(), held.end(), [&](const Held &a, const Held &b) {
        if (a.used != b.used) return a.used; // empty channels last
        if (!a.used) return false;
        if (key == SortKey::Frequency) {
            if (frequencyOf(a) != frequencyOf(b)) return frequencyOf(a) < frequencyOf(b);
            return nameOf(a).compare(nameOf(b), Qt::CaseInsensitive) < 0;
        }
        const int byName = nameOf(a).compare(nameOf(b), Qt::CaseInsensitive);
        if (byName != 0) return byName < 0;
        return frequencyOf(a) < frequencyOf(b);
    });
    BulkEdit done;
    done.ok = true;
    for (int i = 0; i < rows.size(); ++i) {
        const int k = rows[i];
        if (image.ChannelUsed[k] == held[i].used && image.ChannelTable[k] == held[i].entry) continue;
        image.ChannelTable[k] = held[i].entry;
        image.ChannelUsed[k] = held[i].used;
        ++done.changed;
    }
    return done;
}

int FindChannel(const CloneImage &image, const QString &query, FindBy by, int after) {
    const QString text = query.trimmed();
    if (text.isEmpty()) return -1;
    const qint64 hz = by == FindBy::Frequency ? ParseFrequencyText(text) : 0;
    if (hz < 0) return -1;
    for (int step = 1; step <= ChannelCount; ++step) {
        const int k = ((after + step) % ChannelCount + ChannelCount) % ChannelCount;
        if (!image.ChannelUsed[k]) continue;
        const ChannelEntry &c = image.ChannelTable[k];
        if (by == FindBy::Name ? c.field[FieldName].text.contains(text, Qt::CaseInsensitive)
                               : std::llround(c.field[FieldFrequency].value) == hz)
            return k;
    }
    return -1;
}
