#include "files/ImageDiff.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"

namespace {
// Two slots differ when the record would carry something else: the code, or for the name its text.
bool sameSlot(const FieldSlot &x, const FieldSlot &y, int field) {
    // a slot's text follows its code: equal codes with other texts are not met
    return field == FieldName ? x.text == y.text : x.value == y.value && x.text == y.text;
}

QString slotText(const FieldSlot &s, int field) {
    // a code outside the lists shows the same text as another code: say the code too
    if (field == FieldName || field == FieldFrequency || field == FieldSplitFreq || field == FieldSkip)
        return s.text;
    return QStringLiteral("%1 (%2)").arg(s.text).arg(s.value);
}

void diffFields(QList<ImageDifference> &out, const QString &record, const FieldSlot *a, const FieldSlot *b,
                int count) {
    for (int f = 0; f < count; ++f)
        if (!sameSlot(a[f], b[f], f))
            out.append({record, ChannelFieldNames()[f], slotText(a[f], f), slotText(b[f], f)});
}

// A channel held on one side only: every field, so that a new or lost channel can be seen whole.
ImageDifference usedDifference(const QString &record, const ChannelEntry &channel, bool inFirst) {
    ImageDifference d{record, QStringLiteral("Used"), {}, {}, {}};
    QStringList parts;
    for (int f = 0; f < ChannelFieldCount; ++f) {
        const QString &name = ChannelFieldNames()[f];
        const QString &text = channel.field[f].text;
        d.content.append({name, text});
        // the name quoted (it may hold blanks or nothing), other empty texts as "-" (Skip when not skipped)
        parts << name + QLatin1Char(' ') +
                     (f == FieldName   ? QLatin1Char('"') + text + QLatin1Char('"')
                      : text.isEmpty() ? QStringLiteral("-")
                                       : text);
    }
    (inFirst ? d.first : d.second) = parts.join(QStringLiteral(", "));
    (inFirst ? d.second : d.first) = QStringLiteral("empty");
    return d;
}
} // namespace

QList<ImageDifference> DiffModel(const CloneImage &a, const CloneImage &b) {
    QList<ImageDifference> out;
    if (a.Variant != b.Variant)
        out.append({"Model", "Variant", VariantCaption(a.Variant), VariantCaption(b.Variant)});
    if (a.WideRange != b.WideRange)
        out.append(
            {"Model", "Range", FrequencyRangeFor(a.WideRange).text, FrequencyRangeFor(b.WideRange).text});
    return out;
}

QList<ImageDifference> DiffSettings(const CloneImage &a, const CloneImage &b) {
    QList<ImageDifference> out;
    const auto &lists = SettingsLists();
    for (int i = 0; i < SettingsListCount; ++i)
        if (a.Settings[i] != b.Settings[i])
            out.append({"Settings", lists[i].label, lists[i].items.value(a.Settings[i]),
                        lists[i].items.value(b.Settings[i])});
    return out;
}

QList<ImageDifference> DiffVfo(const CloneImage &a, const CloneImage &b, int n) {
    QList<ImageDifference> out;
    diffFields(out, VfoLabel(n), a.VfoTable[n].field.data(), b.VfoTable[n].field.data(), VfoFieldCount);
    return out;
}

QList<ImageDifference> DiffChannel(const CloneImage &a, const CloneImage &b, int k) {
    QList<ImageDifference> out;
    if (a.ChannelUsed[k] != b.ChannelUsed[k])
        out.append(usedDifference(RowLabel(k), a.ChannelUsed[k] ? a.ChannelTable[k] : b.ChannelTable[k],
                                  a.ChannelUsed[k]));
    else if (a.ChannelUsed[k])
        diffFields(out, RowLabel(k), a.ChannelTable[k].field.data(), b.ChannelTable[k].field.data(),
                   ChannelFieldCount);
    return out;
}

QList<ImageDifference> DiffImages(const CloneImage &a, const CloneImage &b) {
    QList<ImageDifference> out = DiffModel(a, b) + DiffSettings(a, b);
    for (int n = 0; n < VfoCount; ++n)
        out += DiffVfo(a, b, n);
    for (int k = 0; k < ChannelCount; ++k)
        out += DiffChannel(a, b, k);
    return out;
}
