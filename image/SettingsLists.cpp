#include "image/SettingsLists.h"
#include "image/TextTables.h"

namespace {
QStringList numbers(int from, int to, int width = 0, const QString &suffix = {}, int step = 1) {
    QStringList items;
    for (int i = from; i <= to; i += step)
        items << QString::number(i).rightJustified(width, QLatin1Char('0')) + suffix;
    return items;
}

std::vector<SettingsList> make() {
    const QStringList offOn = {"Off", "On"};
    return {
        {"cmbRit", "RIT / TXIT", {"Off", "RIT", "TXIT", "RIT/TXIT"}, 0, 6, 0},
        {"cmbWPM", "Key Speed(WPM)", numbers(6, 40), 0, 7, 14},
        {"cmbKeyLock", "Key Lock", {"Off", "Dial Lock", "Key Lock"}, 0, 10, 0},
        {"cmbSSBStep", "SSB Step", {"100Hz", "500Hz", "1.0KHz", "2.5KHz"}, 0, 13, 0},
        {"cmbAMStep", "AM Step", {"1.0KHz", "2.5KHz", "5.0KHz", "9.0KHz", "10.0KHz"}, 0, 14, 0},
        {"cmbFMStep", "FM Step", {"2.5KHz", "5.0KHz", "10.0KHz", "12.5KHz", "20.0KHz"}, 0, 15, 0},
        {"cmbMrDisable", "Memory Protection", offOn, 0, 16, 0},
        {"cmbMrAccess", "Memory Access", {"On", "Off"}, 0, 17, 0},
        {"cmbScanType",
         "Scan Time",
         {" Off", "  0",  "  1S", "  2S", "  3S", "  5S", "  7S", " 10S", " B0",  " B1S", " B2S", " B3S",
          " B5S", "B10S", "B20S", "B30S", " B1M", " B2M", " B3M", " B5M", "B10M", "B20M", "B30M"},
         0,
         18,
         0},
        {"cmbDimmer", "Dimmer", numbers(0, 64, 2), 0, 19, 32},
        {"cmbBeep", "Beep", offOn, 0, 20, 0},
        {"cmbSSBAuto", "Auto USB/LSB", offOn, 0, 21, 0},
        {"cmbTXIT", "TXIT Enable", offOn, 0, 22, 0},
        {"cmbElekey", "Electronic Keyer", offOn, 0, 23, 0},
        {"cmbPaddle", "Key Paddle", {"Normal", "Revers"}, 0, 23, 0},
        {"cmbSideTone", "Side Tone", numbers(400, 1000, 0, "Hz", 50), 0, 24, 8},
        {"cmbBreakIn", "Break In", QStringList{"FULL"} + numbers(1, 7) + QStringList{"AUTO"}, 0, 25, 8},
        {"cmbTone", "Tone Frequency", Tables().ToneTable, 0, 26, 8},
        {"cmbComp", "Speech Compressor", offOn, 0, 27, 0},
        {"cmbPTTL", "PTT Lock", offOn, 0, 28, 0},
        {"cmbAPO", "Auto Power Off", {"Off", " 30", " 60", " 90", "120"}, 0, 29, 0},
        {"cmbSplit", "Split", offOn, 1, 3, 0},
        {"cmbScanMode", "Scan Type", {"Band", "Program", "Search", "Select"}, 1, 8, 0},
        {"cmbScanRange", "Search Range", {" 50KHz", "100KHz", "200KHz"}, 1, 9, 0},
        {"cmbScanSkip", "Scan Skip", {"No Skip", "Skip"}, 1, 10, 0},
        {"cmbAGCAuto", "Auto AGC", offOn, 1, 11, 0},
        {"cmbKeyRatio", "Key Ratio", {"2.5", "3.0", "3.5", "4.0", "4.5"}, 1, 12, 0},
        {"cmbUD", "Up Down Key", {"Repeat", "Scan"}, 1, 13, 0},
        {"cmbFunc", "Func Key Resume", {"Manual", "Auto"}, 1, 14, 0},
    };
}
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
