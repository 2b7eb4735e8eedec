#include "image/SettingsLists.h"
#include "image/TextTables.h"
#include <QCoreApplication>

namespace {
QStringList numbers(int from, int to, int width = 0, const QString &suffix = {}, int step = 1) {
    QStringList items;
    for (int i = from; i <= to; i += step)
        items << QString::number(i).rightJustified(width, QLatin1Char('0')) + suffix;
    return items;
}

// clang-format off
std::vector<SettingsList> make() {
    const QStringList offOn = {QT_TRANSLATE_NOOP("SettingsLists", "Off"), QT_TRANSLATE_NOOP("SettingsLists", "On")};
    return {
        {"cmbRit", QT_TRANSLATE_NOOP("SettingsLists", "RIT / TXIT"), {QT_TRANSLATE_NOOP("SettingsLists", "Off"), "RIT", "TXIT", "RIT/TXIT"}, 0, 6, 0},
        {"cmbWPM", QT_TRANSLATE_NOOP("SettingsLists", "Key Speed(WPM)"), numbers(6, 40), 0, 7, 14},
        {"cmbKeyLock", QT_TRANSLATE_NOOP("SettingsLists", "Key Lock"), {QT_TRANSLATE_NOOP("SettingsLists", "Off"), QT_TRANSLATE_NOOP("SettingsLists", "Dial Lock"), QT_TRANSLATE_NOOP("SettingsLists", "Key Lock")}, 0, 10, 0},
        {"cmbSSBStep", QT_TRANSLATE_NOOP("SettingsLists", "SSB Step"), {"100Hz", "500Hz", "1.0KHz", "2.5KHz"}, 0, 13, 0},
        {"cmbAMStep", QT_TRANSLATE_NOOP("SettingsLists", "AM Step"), {"1.0KHz", "2.5KHz", "5.0KHz", "9.0KHz", "10.0KHz"}, 0, 14, 0},
        {"cmbFMStep", QT_TRANSLATE_NOOP("SettingsLists", "FM Step"), {"2.5KHz", "5.0KHz", "10.0KHz", "12.5KHz", "20.0KHz"}, 0, 15, 0},
        {"cmbMrDisable", QT_TRANSLATE_NOOP("SettingsLists", "Memory Protection"), offOn, 0, 16, 0},
        {"cmbMrAccess", QT_TRANSLATE_NOOP("SettingsLists", "Memory Access"), {QT_TRANSLATE_NOOP("SettingsLists", "On"), QT_TRANSLATE_NOOP("SettingsLists", "Off")}, 0, 17, 0},
        {"cmbScanType",
         QT_TRANSLATE_NOOP("SettingsLists", "Scan Time"),
         {" Off", "  0",  "  1S", "  2S", "  3S", "  5S", "  7S", " 10S", " B0",  " B1S", " B2S", " B3S",
          " B5S", "B10S", "B20S", "B30S", " B1M", " B2M", " B3M", " B5M", "B10M", "B20M", "B30M"},
         0,
         18,
         0},
        {"cmbDimmer", QT_TRANSLATE_NOOP("SettingsLists", "Dimmer"), numbers(0, 64, 2), 0, 19, 32},
        {"cmbBeep", QT_TRANSLATE_NOOP("SettingsLists", "Beep"), offOn, 0, 20, 0},
        {"cmbSSBAuto", QT_TRANSLATE_NOOP("SettingsLists", "Auto USB/LSB"), offOn, 0, 21, 0},
        {"cmbTXIT", QT_TRANSLATE_NOOP("SettingsLists", "TXIT Enable"), offOn, 0, 22, 0},
        {"cmbElekey", QT_TRANSLATE_NOOP("SettingsLists", "Electronic Keyer"), offOn, 0, 23, 0},
        {"cmbPaddle", QT_TRANSLATE_NOOP("SettingsLists", "Key Paddle"), {QT_TRANSLATE_NOOP("SettingsLists", "Normal"), QT_TRANSLATE_NOOP("SettingsLists", "Revers")}, 0, 23, 0},
        {"cmbSideTone", QT_TRANSLATE_NOOP("SettingsLists", "Side Tone"), numbers(400, 1000, 0, "Hz", 50), 0, 24, 8},
        {"cmbBreakIn", QT_TRANSLATE_NOOP("SettingsLists", "Break In"), QStringList{QT_TRANSLATE_NOOP("SettingsLists", "FULL")} + numbers(1, 7) + QStringList{QT_TRANSLATE_NOOP("SettingsLists", "AUTO")}, 0, 25, 8},
        {"cmbTone", QT_TRANSLATE_NOOP("SettingsLists", "Tone Frequency"), Tables().ToneTable, 0, 26, 8},
        {"cmbComp", QT_TRANSLATE_NOOP("SettingsLists", "Speech Compressor"), offOn, 0, 27, 0},
        {"cmbPTTL", QT_TRANSLATE_NOOP("SettingsLists", "PTT Lock"), offOn, 0, 28, 0},
        {"cmbAPO", QT_TRANSLATE_NOOP("SettingsLists", "Auto Power Off"), {QT_TRANSLATE_NOOP("SettingsLists", "Off"), " 30", " 60", " 90", "120"}, 0, 29, 0},
        {"cmbSplit", QT_TRANSLATE_NOOP("SettingsLists", "Split"), offOn, 1, 3, 0},
        {"cmbScanMode", QT_TRANSLATE_NOOP("SettingsLists", "Scan Type"), {QT_TRANSLATE_NOOP("SettingsLists", "Band"), QT_TRANSLATE_NOOP("SettingsLists", "Program"), QT_TRANSLATE_NOOP("SettingsLists", "Search"), QT_TRANSLATE_NOOP("SettingsLists", "Select")}, 1, 8, 0},
        {"cmbScanRange", QT_TRANSLATE_NOOP("SettingsLists", "Search Range"), {" 50KHz", "100KHz", "200KHz"}, 1, 9, 0},
        {"cmbScanSkip", QT_TRANSLATE_NOOP("SettingsLists", "Scan Skip"), {QT_TRANSLATE_NOOP("SettingsLists", "No Skip"), QT_TRANSLATE_NOOP("SettingsLists", "Skip")}, 1, 10, 0},
        {"cmbAGCAuto", QT_TRANSLATE_NOOP("SettingsLists", "Auto AGC"), offOn, 1, 11, 0},
        {"cmbKeyRatio", QT_TRANSLATE_NOOP("SettingsLists", "Key Ratio"), {"2.5", "3.0", "3.5", "4.0", "4.5"}, 1, 12, 0},
        {"cmbUD", QT_TRANSLATE_NOOP("SettingsLists", "Up Down Key"), {QT_TRANSLATE_NOOP("SettingsLists", "Repeat"), QT_TRANSLATE_NOOP("SettingsLists", "Scan")}, 1, 13, 0},
        {"cmbFunc", QT_TRANSLATE_NOOP("SettingsLists", "Func Key Resume"), {QT_TRANSLATE_NOOP("SettingsLists", "Manual"), QT_TRANSLATE_NOOP("SettingsLists", "Auto")}, 1, 14, 0},
    };
}
// clang-format on
} // namespace

const std::vector<SettingsList> &SettingsLists() {
    // one thread: the guard of this local static never waits for another
    static const std::vector<SettingsList> lists = make();
    return lists;
}

int SettingsListIndex(const QString &name) {
    // callers name lists of the table only: the loop always returns
    const auto &lists = SettingsLists();
    for (int i = 0; i < int(lists.size()); ++i)
        if (lists[i].name == name) return i;
    return -1;
}

SettingsSelection InitialSettingsSelection() {
    SettingsSelection s;
    const auto &lists = SettingsLists();
    for (int i = 0; i < SettingsListCount; ++i)
        s[i] = lists[i].initialIndex;
    return s;
}

QString ShownSettingsText(const QString &text) {
    return QCoreApplication::translate("SettingsLists", text.toUtf8().constData());
}
