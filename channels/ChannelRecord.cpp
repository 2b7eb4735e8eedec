#include "channels/ChannelRecord.h"
#include "channels/NameCharset.h"
#include "image/TextTables.h"
#include <QCoreApplication>
#include <cmath>

QString FormatFrequencyText(qint64 hz) {
    QString d = QString::number(hz < 0 ? -hz : hz).rightJustified(7, QLatin1Char('0'));
    const int head = d.size() - 6; // one digit for seven, two for eight
    return d.left(head) + QLatin1Char('.') + d.mid(head, 3) + QLatin1Char('.') + d.right(3);
}

QString GainText(int code) {
    switch (code) {
    case 0:
        return QStringLiteral("0");
    case 1:
        return QStringLiteral("-10");
    case 2:
        return QStringLiteral("-20");
    default:
        return QStringLiteral("+10");
    }
}
QString AGCText(int code) {
    return code == 0 ? QStringLiteral("Fast") : QStringLiteral("Slow");
}
QString PwrText(int code) {
    return code == 0 ? QStringLiteral("High") : code == 1 ? QStringLiteral("Low") : QStringLiteral("S-Low");
}
QString FilterText(int code) {
    return code == 0 ? QStringLiteral("Wide") : QStringLiteral("Narrow");
}
QString ToneText(int code) {
    return code < 128 ? QStringLiteral("Off") : QStringLiteral("On");
}
QString NBText(int code) {
    return code == 0 ? QStringLiteral("Off") : QStringLiteral("On");
}

QString ShownFieldName(int field) {
    return QCoreApplication::translate("ChannelFields",
                                       ChannelFieldNames().value(field).toUtf8().constData());
}

QString ShownFieldValue(const QString &text) {
    // one thread: the guard of this local static never waits for another
    static const QStringList words = {
        QT_TRANSLATE_NOOP("ChannelValues", "Fast"),   QT_TRANSLATE_NOOP("ChannelValues", "Slow"),
        QT_TRANSLATE_NOOP("ChannelValues", "High"),   QT_TRANSLATE_NOOP("ChannelValues", "Low"),
        QT_TRANSLATE_NOOP("ChannelValues", "S-Low"),  QT_TRANSLATE_NOOP("ChannelValues", "Wide"),
        QT_TRANSLATE_NOOP("ChannelValues", "Narrow"), QT_TRANSLATE_NOOP("ChannelValues", "Off"),
        QT_TRANSLATE_NOOP("ChannelValues", "On"),     QT_TRANSLATE_NOOP("ChannelValues", "Skip")};
    if (!words.contains(text)) return text;
    return QCoreApplication::translate("ChannelValues", text.toUtf8().constData());
}

const QStringList &ChannelFieldNames() {
    // one thread: the guard of this local static never waits for another
    static const QStringList names = {
        QT_TRANSLATE_NOOP("ChannelFields", "Frequency"),   QT_TRANSLATE_NOOP("ChannelFields", "Mode"),
        QT_TRANSLATE_NOOP("ChannelFields", "Gain"),        QT_TRANSLATE_NOOP("ChannelFields", "AGC"),
        QT_TRANSLATE_NOOP("ChannelFields", "Pwr"),         QT_TRANSLATE_NOOP("ChannelFields", "Filter"),
        QT_TRANSLATE_NOOP("ChannelFields", "Tone"),        QT_TRANSLATE_NOOP("ChannelFields", "NB"),
        QT_TRANSLATE_NOOP("ChannelFields", "Split Freq."), QT_TRANSLATE_NOOP("ChannelFields", "Name"),
        QT_TRANSLATE_NOOP("ChannelFields", "Skip")};
    return names;
}

namespace {
std::uint32_t roundedHz(double value) {
    return static_cast<std::uint32_t>(std::llround(value));
}
const int byteOfField[] = {-1, 1, 2, 3, 4, 6, 7, 9}; // record byte of fields 1..7
} // namespace

bool DecodeRadioFields(const RecordBytes &b, FieldSlot *fields) {
    if (b[1] > 5) return false;
    const std::uint32_t freq = ReadLe32(b, 16);
    fields[FieldFrequency] = {FormatFrequencyText(freq), double(freq)};
    fields[FieldMode] = {Tables().ModeTable[b[1]], double(b[1])};
    fields[FieldGain] = {GainText(b[2]), double(b[2])};
    fields[FieldAGC] = {AGCText(b[3]), double(b[3])};
    fields[FieldPwr] = {PwrText(b[4]), double(b[4])};
    fields[FieldFilter] = {FilterText(b[6]), double(b[6])};
    fields[FieldTone] = {ToneText(b[7]), double(b[7])};
    fields[FieldNB] = {NBText(b[9]), double(b[9])};
    return true;
}

void EncodeRadioFields(const FieldSlot *fields, RecordBytes &b) {
    for (int f = FieldMode; f <= FieldNB; ++f)
        b[byteOfField[f]] = static_cast<std::uint8_t>(static_cast<int>(fields[f].value));
    WriteLe32(b, 16, roundedHz(fields[FieldFrequency].value));
}

bool UpdateMemData(CloneImage &image, const QString &record, int k) {
    const RecordBytes b = ReadRecordBytes(record);
    if (b[0] != 0x80 && b[0] != 0x88) {
        EmptyChannel(image, k);
        return true;
    }
    ChannelEntry e;
    if (!DecodeRadioFields(b, e.field.data()))
        return false; // no mode text: the caller abandons its operation, the entry stays as it was
    const std::uint32_t split = ReadLe32(b, 28);
    e.field[FieldSplitFreq] = {FormatFrequencyText(split), double(split)};
    NameBytes name;
    std::copy(b.begin() + 20, b.begin() + 28, name.begin());
    e.field[FieldName] = {DecodeName(name), 0};
    e.field[FieldSkip] = b[0] == 0x88 ? FieldSlot{QStringLiteral("Skip"), 1} : FieldSlot{QString(), 0};
    image.ChannelTable[k] = e;
    image.ChannelUsed[k] = true;
    return true;
}

QString MakeMemData(const CloneImage &image, int k) {
    const ChannelEntry &e = image.ChannelTable[k];
    RecordBytes b{};
    b[0] = !image.ChannelUsed[k] ? 0x00 : e.field[FieldSkip].value == 0 ? 0x80 : 0x88;
    EncodeRadioFields(e.field.data(), b);
    const NameBytes name = EncodeName(e.field[FieldName].text);
    std::copy(name.begin(), name.end(), b.begin() + 20);
    WriteLe32(b, 28, roundedHz(e.field[FieldSplitFreq].value));
    return RecordText(b);
}
