#include "settings/SettingsPageLayout.h"

const std::vector<SettingsPlace> &SettingsPagePlaces() {
    // First column from the fifth row down (the model frame is above it), the middle column's first three
    // at rows 1..3 and the rest from row 5, the third column from row 5.
    // one thread: the guard of this local static never waits for another
    static const std::vector<SettingsPlace> places = {
        {"cmbSSBStep", 0, 5},  {"cmbAMStep", 0, 6},    {"cmbFMStep", 0, 7},    {"cmbMrDisable", 0, 8},
        {"cmbMrAccess", 0, 9}, {"cmbScanType", 0, 10}, {"cmbScanMode", 0, 11}, {"cmbScanRange", 0, 12},
        {"cmbKeyLock", 1, 1},  {"cmbRit", 1, 2},       {"cmbSplit", 1, 3},     {"cmbScanSkip", 1, 5},
        {"cmbDimmer", 1, 6},   {"cmbBeep", 1, 7},      {"cmbSSBAuto", 1, 8},   {"cmbAGCAuto", 1, 9},
        {"cmbTXIT", 1, 10},    {"cmbElekey", 1, 11},   {"cmbWPM", 1, 12},      {"cmbPaddle", 2, 5},
        {"cmbSideTone", 2, 6}, {"cmbBreakIn", 2, 7},   {"cmbKeyRatio", 2, 8},  {"cmbTone", 2, 9},
        {"cmbComp", 2, 10},    {"cmbPTTL", 2, 11},     {"cmbAPO", 2, 12},      {"cmbUD", 2, 13},
        {"cmbFunc", 2, 14},
    };
    return places;
}
