// The one CHIRP mapping, both directions (the table is in CsvChirp.h).
#include "channels/ChannelEdit.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/FieldValueReader.h"
#include "channels/FrequencyEntry.h"
#include "channels/NameCharset.h"
#include "csv/CsvChirp.h"
#include "csv/CsvChirpLine.h"
#include "image/TextTables.h"
#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

const QStringList &ChirpColumns() {
    // one thread: the guard of this local static never waits for another
    static const QStringList columns = {
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
    return columns;
}

QString ChirpMHzText(qint64 hz) {
    const qint64 a = hz < 0 ? -hz : hz;
    return QStringLiteral("%1%2.%3")
        .arg(hz < 0 ? QStringLiteral("-") : QString())
        .arg(a / 1000000)
        .arg(a % 1000000, 6, 10, QLatin1Char('0'));
}

bool ChirpHz(const QString &text, qint64 &hz, bool *rounded, bool decimalComma) {
    const FrequencyReading r = ReadFrequencyText(text, PlainUnit::MHz, decimalComma);
    if (r.hz < 0) return false;
    hz = r.hz;
    if (rounded) *rounded = r.rounded;
    return true;
}

namespace {
const QStringList chirpModes = {"USB", "LSB", "CW", "CWR", "AM", "FM"}; // by mode code 0..5

// The settings page's tone frequency as CHIRP writes tones ("88.5").
QString settingsTone(const CloneImage &image) {
    QString t = Tables().ToneTable.value(image.Settings.byName(QStringLiteral("cmbTone")));
    // every text of the tone table ends in Hz
    return t.endsWith(QStringLiteral("Hz")) ? t.chopped(2) : t;
}

void notCarried(CsvReport *report, int k, const QString &field, const QString &shown) {
    if (report)
        report->add(
            CsvReportItem::NotCarried, QString::number(k), field,
            QCoreApplication::translate("CsvChirpMapping", "%1 is not carried by CHIRP CSV").arg(shown));
}
} // namespace

QStringList ChirpValuesOf(const CloneImage &image, int k, CsvReport *report) {
    const ChannelEntry &c = image.ChannelTable[k];
    const qint64 hz = std::llround(c.field[FieldFrequency].value);
    const qint64 splitHz = std::llround(c.field[FieldSplitFreq].value);
    const int mode = int(std::llround(c.field[FieldMode].value));
    QString duplex, offset = ChirpMHzText(0);
    if (splitHz != hz && mode == 5) { // FM: a repeater's shift
        duplex = splitHz > hz ? QStringLiteral("+") : QStringLiteral("-");
        offset = ChirpMHzText(splitHz > hz ? splitHz - hz : hz - splitHz);
    } else if (splitHz != hz) {
        duplex = QStringLiteral("split");
        offset = ChirpMHzText(splitHz);
    }
    const double toneByte = c.field[FieldTone].value;
    const QString tone = settingsTone(image);
    const EditFields shown = EditFieldsFor(image, EditSource::Memory, k);
    const EditFields fresh = NewChannelFields(image.Variant);
    const QStringList &names = ChannelFieldNames();
    if (shown.gain != fresh.gain) notCarried(report, k, names[FieldGain], c.field[FieldGain].text);
    if (shown.agc != fresh.agc) notCarried(report, k, names[FieldAGC], c.field[FieldAGC].text);
    if (shown.filter != fresh.filter) notCarried(report, k, names[FieldFilter], c.field[FieldFilter].text);
    if (shown.nb != fresh.nb) notCarried(report, k, names[FieldNB], c.field[FieldNB].text);
    if (shown.power < 0)
        notCarried(
            report, k, names[FieldPwr],
            QCoreApplication::translate("CsvChirpMapping", "power code %1").arg(c.field[FieldPwr].value));
    if (toneByte != 0 && toneByte != 128)
        notCarried(report, k, names[FieldTone],
                   QCoreApplication::translate("CsvChirpMapping", "tone byte %1").arg(toneByte));
    return {QString::number(k),
            c.field[FieldName].text,
            ChirpMHzText(hz),
            duplex,
            offset,
            toneByte >= 128 ? QStringLiteral("Tone") : QString(),
            tone,
            tone,
            QStringLiteral("023"),
            QStringLiteral("NN"),
            QStringLiteral("023"),
            QStringLiteral("Tone->Tone"),
            chirpModes.value(mode),
            QStringLiteral("5.00"),
            c.field[FieldSkip].value > 0 ? QStringLiteral("S") : QString(),
            c.field[FieldPwr].text,
            RowLabel(k),
            QString(),
            QString(),
            QString(),
            QString()};
}

namespace {
qint64 hzOf(ChirpLine &line, const QString &column, const FrequencyRange &range, bool checkRange) {
    const QString t = line.text(column);
    qint64 hz = -1;
    bool rounded = false;
    if (!ChirpHz(t, hz, &rounded, line.decimalComma)) {
        line.refuse(
            column,
            t.isEmpty()
                ? QCoreApplication::translate("CsvChirpMapping", "empty")
                : QCoreApplication::translate("CsvChirpMapping", "“%1” is not a frequency in MHz").arg(t));
        return -1;
    }
    if (rounded)
        line.change(
            column,
            QCoreApplication::translate("CsvChirpMapping", "rounded to %1 MHz").arg(ChirpMHzText(hz)));
    if (checkRange && !range.contains(hz))
        line.refuse(column, QCoreApplication::translate("CsvChirpMapping", "%1 MHz is outside the range %2")
                                .arg(ChirpMHzText(hz), range.text));
    return hz;
}

// The tone switch from Tone (and CrossMode); a tone other than the settings page's is listed.
void takeTone(ChirpLine &line, const QString &pageTone, EditFields &e) {
    if (!line.has(QStringLiteral("Tone"))) return;
    const QString mode = line.text(QStringLiteral("Tone")).trimmed();
    const auto is = [&](const char *name) {
        return mode.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    QString sent; // the column whose frequency the radio would send
    if (mode.isEmpty()) {
        e.tone = 0;
    } else if (is("Tone")) {
        e.tone = 1;
        sent = QStringLiteral("rToneFreq");
    } else if (is("TSQL")) {
        e.tone = 1;
        sent = QStringLiteral("cToneFreq");
        line.change(QStringLiteral("Tone"),
                    QCoreApplication::translate("CsvChirpMapping",
                                                "TSQL: the radio sends the tone but does not squelch on it"));
    } else if (is("DTCS")) {
        e.tone = 0;
        line.change(QStringLiteral("Tone"),
                    QCoreApplication::translate("CsvChirpMapping", "DTCS: the radio has no DCS; tone off"));
    } else if (is("Cross")) {
        const QString cross = line.text(QStringLiteral("CrossMode")).trimmed();
        e.tone = cross.startsWith(QStringLiteral("Tone->"), Qt::CaseInsensitive) ? 1 : 0;
        if (e.tone) sent = QStringLiteral("rToneFreq");
        line.change(QStringLiteral("Tone"),
                    cross.isEmpty()
                        ? QCoreApplication::translate("CsvChirpMapping",
                                                      "Cross without a CrossMode: stored as tone %1")
                              .arg(EditOnOffItems()[e.tone])
                        : QCoreApplication::translate("CsvChirpMapping", "Cross %1: stored as tone %2")
                              .arg(cross, EditOnOffItems()[e.tone]));
    } else {
        line.refuse(QStringLiteral("Tone"),
                    QCoreApplication::translate("CsvChirpMapping", "“%1” is not a tone mode").arg(mode));
        return;
    }
    if (sent.isEmpty() || !line.has(sent)) return;
    const QString given = line.text(sent).trimmed();
    bool ok = false;
    QString number = given;
    if (line.decimalComma) number.replace(QLatin1Char(','), QLatin1Char('.'));
    const double hz = number.toDouble(&ok);
    if (!ok || std::fabs(hz - pageTone.toDouble()) > 0.05)
        line.change(sent, QCoreApplication::translate(
                              "CsvChirpMapping", "%1 Hz: the radio sends the settings page's tone, %2 Hz")
                              .arg(given, pageTone));
}

void takeMode(ChirpLine &line, EditFields &e) {
    const QString mode = line.text(QStringLiteral("Mode")).trimmed();
    if (mode.isEmpty()) return; // no column or no value: the channel keeps its mode
    int code = ReadListText(mode, chirpModes);
    if (code < 0) {
        // one thread: the guard of this local static never waits for another
        static const QHash<QString, QString> near = {{"NFM", "FM"}, {"DIG", "USB"}, {"RTTY", "LSB"}};
        const QString to = near.value(mode.toUpper());
        if (to.isEmpty()) {
            line.refuse(QStringLiteral("Mode"),
                        QCoreApplication::translate("CsvChirpMapping", "the radio has no mode %1").arg(mode));
            return;
        }
        code = int(chirpModes.indexOf(to));
        line.change(QStringLiteral("Mode"),
                    QCoreApplication::translate("CsvChirpMapping", "%1 stored as %2").arg(mode, to));
    }
    e.mode = code;
}

void takeName(ChirpLine &line, EditFields &e) {
    if (!line.has(QStringLiteral("Name"))) return;
    const QString given = line.text(QStringLiteral("Name"));
    QString stored;
    for (const QString &c : TextCharacters(given)) { // a character outside the BMP is one, and dropped
        QString upper;
        if (ReadNameText(c, upper) && stored.size() < NameBoxLength) stored += upper;
    }
    if (stored != given)
        line.change(QStringLiteral("Name"),
                    QCoreApplication::translate("CsvChirpMapping", "“%1” stored as “%2”").arg(given, stored));
    e.name = stored;
}

void takeSkipAndPower(ChirpLine &line, EditFields &e) {
    if (line.has(QStringLiteral("Skip"))) {
        const QString skip = line.text(QStringLiteral("Skip")).trimmed().toUpper();
        if (skip == QStringLiteral("S"))
            e.skip = true;
        else if (skip.isEmpty() || skip == QStringLiteral("P")) {
            e.skip = false;
            if (!skip.isEmpty())
                line.change(QStringLiteral("Skip"),
                            QCoreApplication::translate("CsvChirpMapping",
                                                        "P: the radio has no priority scan; not skipped"));
        } else {
            line.refuse(
                QStringLiteral("Skip"),
                QCoreApplication::translate("CsvChirpMapping", "“%1” is not S, P or empty").arg(skip));
        }
    }
    const QString power = line.text(QStringLiteral("Power")).trimmed();
    if (power.isEmpty()) return;
    if (const int level = ReadListText(power, EditPowerItems()); level >= 0) {
        e.power = level;
        return;
    }
    // a stored code outside the list has no text to name: the channel keeps it all the same
    line.change(QStringLiteral("Power"),
                e.power >= 0
                    ? QCoreApplication::translate("CsvChirpMapping",
                                                  "%1 is no power level of the radio; the channel keeps %2")
                          .arg(power, EditPowerItems()[e.power])
                    : QCoreApplication::translate(
                          "CsvChirpMapping", "%1 is no power level of the radio; the channel keeps its power")
                          .arg(power));
}
} // namespace

void TakeChirpLine(ChirpLine &line, int k, CloneImage &image, CsvReport &report) {
    const FrequencyRange range = FrequencyRangeFor(image.WideRange);
    EditFields e = EditFieldsFor(image, EditSource::Memory, k);
    const qint64 hz = hzOf(line, QStringLiteral("Frequency"), range, true);
    qint64 splitHz = hz;
    const QString duplex = line.text(QStringLiteral("Duplex")).trimmed().toLower();
    // the untaken branches here are Qt's inlined string code: the literals' destructors
    if (duplex == QStringLiteral("+") || duplex == QStringLiteral("-")) {
        const qint64 shift = line.text(QStringLiteral("Offset")).trimmed().isEmpty()
                                 ? 0
                                 : hzOf(line, QStringLiteral("Offset"), range, false);
        splitHz = duplex == QStringLiteral("+") ? hz + shift : hz - shift;
        if (hz >= 0 && shift >= 0 && !range.contains(splitHz))
            line.refuse(QStringLiteral("Offset"),
                        QCoreApplication::translate("CsvChirpMapping",
                                                    "the transmit frequency %1 MHz is outside the range %2")
                            .arg(ChirpMHzText(splitHz), range.text));
    } else if (duplex == QStringLiteral("split")) {
        splitHz = hzOf(line, QStringLiteral("Offset"), range, true);
    } else if (duplex == QStringLiteral("off")) {
        line.change(QStringLiteral("Duplex"),
                    QCoreApplication::translate("CsvChirpMapping",
                                                "off: the radio cannot forbid sending; stored as simplex"));
    } else if (!duplex.isEmpty()) {
        line.refuse(QStringLiteral("Duplex"),
                    QCoreApplication::translate("CsvChirpMapping", "“%1” is not +, -, split, off or empty")
                        .arg(duplex));
    }
    takeTone(line, settingsTone(image), e);
    takeMode(line, e);
    takeName(line, e);
    takeSkipAndPower(line, e);
    if (line.refused()) {
        ++report.refused;
        return;
    }
    e.frequency = SplitFrequency(hz);
    e.split = SplitFrequency(splitHz);
    QString message;
    if (!ApplyEditFields(image, EditSource::Memory, k, e,
                         &message)) { // the checks above make this not happen
        line.refuse(QString(), message);
        ++report.refused;
        return;
    }
    line.reportChanges();
    ++report.taken;
    if (line.changed()) ++report.changed;
    // the branches counted at this brace are the inlined destructors' checks of Qt's shared data
}
