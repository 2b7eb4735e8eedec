#include "channels/FieldValueReader.h"
#include "channels/ChannelRecord.h"
#include "channels/NameCharset.h"
#include <QRegularExpression>
#include <cmath>

namespace {
constexpr qint64 MaxRecordHz = 4294967295; // four bytes in the record

// digits "." decimals scaled by 10^places, rounded half up; false on overflow
bool scaled(const QString &digits, const QString &decimals, int places, qint64 &out, bool &rounded) {
    if (digits.size() > 10) return false;
    QString kept = decimals.left(places).leftJustified(places, QLatin1Char('0'));
    const QString rest = decimals.mid(places);
    rounded = rest.contains(QRegularExpression(QStringLiteral("[1-9]")));
    const bool up = !rest.isEmpty() && rest[0] >= QLatin1Char('5');
    qint64 v = digits.toLongLong();
    for (int i = 0; i < places; ++i)
        v *= 10;
    out = v + kept.toLongLong() + (up ? 1 : 0);
    return out <= MaxRecordHz;
}
} // namespace

FrequencyReading ReadFrequencyText(const QString &input, PlainUnit plainUnit, bool decimalComma) {
    // one thread: the guards of these local statics never wait for another
    static const QRegularExpression withUnit(QStringLiteral("^(.*?)\\s*(hz|khz|mhz)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression dotted(QStringLiteral("^(\\d{1,4})\\.(\\d{3})\\.(\\d{3})$"));
    static const QRegularExpression number(QStringLiteral("^(\\d*)(?:\\.(\\d*))?$"));
    FrequencyReading r;
    const QRegularExpressionMatch u = withUnit.match(input.trimmed());
    QString t = u.captured(1);
    const QString unit = u.captured(2).toLower();
    if (decimalComma && !t.contains(QLatin1Char('.'))) t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (unit.isEmpty()) {
        if (const QRegularExpressionMatch m = dotted.match(t); m.hasMatch()) {
            const qint64 hz = m.captured(1).toLongLong() * 1000000 + m.captured(2).toLongLong() * 1000 +
                              m.captured(3).toLongLong();
            if (hz <= MaxRecordHz) r.hz = hz;
            return r;
        }
    }
    const QRegularExpressionMatch m = number.match(t);
    if (!m.hasMatch() || (m.captured(1).isEmpty() && m.captured(2).isEmpty())) return r;
    const bool point = m.capturedLength(2) > 0 || t.contains(QLatin1Char('.'));
    const int places = unit == QLatin1String("hz")            ? 0
                       : unit == QLatin1String("khz")         ? 3
                       : unit == QLatin1String("mhz")         ? 6
                       : point || plainUnit == PlainUnit::MHz ? 6
                                                              : 0;
    qint64 hz = 0;
    if (scaled(m.captured(1), m.captured(2), places, hz, r.rounded))
        r.hz = hz;
    else
        r.rounded = false;
    return r;
}

int ReadListText(const QString &text, const QStringList &items) {
    const auto bare = [](const QString &s) {
        const QString t = s.trimmed();
        return t.startsWith(QLatin1Char('+')) ? t.mid(1) : t;
    };
    const QString t = bare(text);
    for (int i = 0; i < items.size(); ++i)
        if (bare(items[i]).compare(t, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int ReadSkipText(const QString &text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t == QLatin1String("0")) return 0;
    if (t == QLatin1String("1") || t.compare(QLatin1String("Skip"), Qt::CaseInsensitive) == 0) return 1;
    return -1;
}

int ReadRowLabel(const QString &text) {
    // one thread: the guard of this local static never waits for another
    static const QRegularExpression label(
        QStringLiteral("^(?:(vfo)\\s*([ab])|([ab])\\s*-\\s*p\\s*([12])|([ab])?\\s*(\\d{1,3}))$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = label.match(text.trimmed());
    if (!m.hasMatch()) return RowLabelUnknown;
    const auto bankB = [](const QString &letter) {
        return letter.compare(QLatin1String("b"), Qt::CaseInsensitive) == 0;
    };
    if (m.capturedLength(1) > 0) return -1 - (bankB(m.captured(2)) ? 1 : 0);
    if (m.capturedLength(3) > 0) return (bankB(m.captured(3)) ? 602 : 400) + m.captured(4).toInt() - 1;
    const int n = m.captured(6).toInt();
    if (n > 199) return RowLabelUnknown;
    if (m.capturedLength(5) == 0) return n;
    return (bankB(m.captured(5)) ? 402 : 200) + n;
}

QStringList TextCharacters(const QString &text) {
    QStringList out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        out << text.mid(i, pair ? 2 : 1);
        if (pair) ++i;
    }
    return out;
}

bool ReadNameText(const QString &text, QString &stored, QString *bad) {
    stored.clear();
    const QStringList characters = TextCharacters(text);
    for (const QString &c : characters) {
        // one character for one, so that a mapping like "ß" -> "SS" never lengthens the name
        const QChar upper = c.size() == 1 ? c[0].toUpper() : QChar();
        if (upper.isNull() || NameCode(upper) < 0) {
            if (bad) *bad = c;
            return false;
        }
        stored += upper;
    }
    if (characters.size() > 8) {
        if (bad) bad->clear();
        return false;
    }
    return true;
}
