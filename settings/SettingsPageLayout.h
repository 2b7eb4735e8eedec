#pragma once
// Where each of the 29 lists sits on the settings page: three columns, read top to bottom. The window
// places its lists by it and the printed page lists the settings in the same columns.
#include <vector>

struct SettingsPlace {
    const char *name; // control name, e.g. "cmbSSBStep"
    int column;       // 0..2
    int row;          // the list's row in the page's design, 360 twips a row (1 = top)
};

// Column 0 first, each column top to bottom.
const std::vector<SettingsPlace> &SettingsPagePlaces();
