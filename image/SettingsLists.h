#pragma once
// The 29 set-mode lists of the settings page: name, label, items, and the byte each one owns.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

constexpr int SettingsListCount = 29;

struct SettingsList {
    QString name;      // control name, e.g. "cmbRit"
    QString label;     // e.g. "RIT / TXIT"
    QStringList items; // index 0 first, texts exact (leading blanks included)
    int block;         // 0 for block 0300, 1 for block 0320
    int byte;          // byte inside the block
    int initialIndex;  // selection the built lists get when the page opens (0 for the designed ones)
};

// The lists in table order: cmbRit first, cmbFunc last.
const std::vector<SettingsList> &SettingsLists();
// Index of a list by its control name, -1 when there is none.
int SettingsListIndex(const QString &name);

// The list selections of the settings page: the working copy between a decode and the next encode.
struct SettingsSelection {
    std::array<int, SettingsListCount> index{};
    int &operator[](int list) { return index[list]; }
    int operator[](int list) const { return index[list]; }
    int &byName(const QString &name) { return index[SettingsListIndex(name)]; }
    int byName(const QString &name) const { return index[SettingsListIndex(name)]; }
    bool operator==(const SettingsSelection &) const = default;
};

// The selections the page has once its lists are built, before the first decode.
SettingsSelection InitialSettingsSelection();

// A list's label or item as the window shows it, in the window's language (the lists hold the radio's
// English texts, which files and the command-line tool use).
QString ShownSettingsText(const QString &text);
