#include "csv/CsvFullColumns.h"
#include "channels/ChannelEdit.h"
#include "channels/ChannelRecord.h"
#include "csv/CsvLayout.h"

QStringList FullCsvFirstLine(int variant, bool wideRange) {
    return {FullCsvTag, QStringLiteral("variant ") + VariantLetter(variant),
            QStringLiteral("range ") + FrequencyRangeFor(wideRange).text};
}

const QStringList &FullCsvTitles() {
    // one thread: the guard of this local static never waits for another
    static const QStringList titles =
        QStringList{FullCsvRowTitle} + ChannelFieldNames() + QStringList{FullCsvCodesTitle};
    return titles;
}

const QList<ChannelField> &CodedFields() {
    // one thread: the guard of this local static never waits for another
    static const QList<ChannelField> fields = {FieldGain,   FieldAGC,  FieldPwr,
                                               FieldFilter, FieldTone, FieldNB};
    return fields;
}

QString CodedFieldText(ChannelField field, int code) {
    // callers pass only CodedFields(): the way past the switch is not taken
    switch (field) {
    case FieldGain:
        return GainText(code);
    case FieldAGC:
        return AGCText(code);
    case FieldPwr:
        return PwrText(code);
    case FieldFilter:
        return FilterText(code);
    case FieldTone:
        return ToneText(code);
    case FieldNB:
        return NBText(code);
    default:
        return QString();
    }
}

const QStringList &CodedFieldItems(ChannelField field) {
    switch (field) {
    case FieldGain:
        return EditGainItems();
    case FieldAGC:
        return EditAGCItems();
    case FieldPwr:
        return EditPowerItems();
    case FieldFilter:
        return EditFilterItems();
    default:
        return EditOnOffItems();
    }
}

int CodedFieldDialogCode(ChannelField field, const QString &text) {
    const int index = int(CodedFieldItems(field).indexOf(text));
    if (field == FieldTone && index == 1) return 128;
    return index;
}
