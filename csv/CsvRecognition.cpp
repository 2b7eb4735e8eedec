#include "csv/CsvRecognition.h"
#include "image/TextTables.h"
#include <QByteArray>
#include <vector>

double CsvNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            break;
    }
    if (!digits) return 0;
    return QByteArray(text.data(), qsizetype(i)).toDouble();
}

namespace {
QString latin1(const std::string &s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// "####.0000": four decimals, no digit forced before the point
QString fourDecimalsText(double x) {
    QString t = QString::number(x, 'f', 4);
    if (t.startsWith(QLatin1String("0.")))
        t.remove(0, 1);
    else if (t.startsWith(QLatin1String("-0.")))
        t.remove(1, 1);
    return t;
}

std::vector<double> numbersOf(const QStringList &table) {
    std::vector<double> out;
    for (const QString &t : table)
        out.push_back(CsvNumber(t.toStdString()));
    return out;
}

int indexOf(const std::vector<double> &numbers, double value) {
    for (std::size_t i = 0; i < numbers.size(); ++i)
        if (numbers[i] == value) return int(i);
    return -1;
}

CsvValue choose(const std::string &field, const char *match, double hit, const char *hitText, double miss,
                const char *missText) {
    return field == match ? CsvValue{hit, QLatin1String(hitText)} : CsvValue{miss, QLatin1String(missText)};
}
} // namespace

// the tables never change once built, so their numbers are worked out once
int CsvToneIndex(double value) {
    // one thread: the guard of this local static never waits for another
    static const std::vector<double> numbers = numbersOf(Tables().ToneTable);
    return indexOf(numbers, value);
}

int CsvDcsIndex(double value) {
    // one thread: the guard of this local static never waits for another
    static const std::vector<double> numbers = numbersOf(Tables().DcsTable);
    return indexOf(numbers, value);
}

bool CsvRecognizer::recognize(const std::string *f, CsvRecord &r) {
    const TextTables &t = Tables();
    const int txTone = CsvToneIndex(CsvNumber(f[CsvTxTone]));
    const int rxTone = CsvToneIndex(CsvNumber(f[CsvRxTone]));
    const int dcs = CsvDcsIndex(CsvNumber(f[CsvDcs]));

    const double frequency = CsvNumber(f[CsvFrequency]);
    r.value[CsvFrequency] = {frequency, fourDecimalsText(frequency)};

    const QString step = latin1(f[CsvStep]);
    for (int i = 0; i < 7; ++i)
        if (step == t.StepTable[i]) lastStep_ = i;
    r.value[CsvStep] = {double(lastStep_), t.StepTable[lastStep_]};

    const std::string &tone = f[CsvTone];
    r.value[CsvTone] = tone == "Tone"  ? CsvValue{1, QStringLiteral("Tone")}
                       : tone == "TSQ" ? CsvValue{3, QStringLiteral("TSQ")}
                       : tone == "DCS" ? CsvValue{12, QStringLiteral("DCS")}
                                       : CsvValue{0, QStringLiteral("None")};
    if (txTone < 0 || rxTone < 0 || dcs < 0) return false;
    r.value[CsvTxTone] = {double(txTone), t.ToneTable[txTone]};
    r.value[CsvRxTone] = {double(rxTone), t.ToneTable[rxTone]};
    r.value[CsvDcs] = {double(dcs), t.DcsTable[dcs]};

    const std::string &shift = f[CsvShift];
    r.value[CsvShift] = shift == "-Shift"   ? CsvValue{1, QStringLiteral("-Shift")}
                        : shift == "+Shift" ? CsvValue{2, QStringLiteral("+Shift")}
                                            : CsvValue{0, QStringLiteral("None")};
    const double shiftFrequency = CsvNumber(f[CsvShiftFrequency]);
    r.value[CsvShiftFrequency] = {shiftFrequency, QString::number(shiftFrequency, 'f', 4)};

    r.value[CsvPower] = choose(f[CsvPower], "Hi", 1, "Hi", 0, "Lo");
    const double att = CsvNumber(f[CsvAtt]);
    r.value[CsvAtt] = att == 10   ? CsvValue{16, QStringLiteral("10dB")}
                      : att == 20 ? CsvValue{17, QStringLiteral("20dB")}
                                  : CsvValue{0, QStringLiteral("Off")};
    r.value[CsvBs] = choose(f[CsvBs], "Off", 1, "Off", 0, "On");
    r.value[CsvClock] = choose(f[CsvClock], "On", 1, "On", 0, "Off");
    r.value[CsvBclo] = choose(f[CsvBclo], "On", 1, "On", 0, "Off");
    r.value[CsvName] = {0, latin1(f[CsvName].substr(0, 6))};
    r.value[CsvSkip] = {f[CsvSkip] == "On" ? 1.0 : 0.0, QString()};
    return true;
}
