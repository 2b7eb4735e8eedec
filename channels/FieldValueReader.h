#pragma once
// Reading a channel field's value from text pasted or imported: one set of rules for Paste and both CSV
// importers (full layout and CHIRP CSV), lenient in the same ways (blanks around a value, letter case,
// frequency units, a spreadsheet's "10" for "+10") and strict in the same ways (anything else is refused).
// The range of the radio is no concern here: the editing paths check it, the lossless copy does not.
#include <QString>
#include <QStringList>

// A unitless whole number ("7050000", "14"): hertz in the grid's paths, megahertz in CHIRP's.
enum class PlainUnit { Hz, MHz };

struct FrequencyReading {
    qint64 hz = -1;       // -1: not a frequency a record can hold (0 to 4,294,967,295 Hz)
    bool rounded = false; // decimals finer than a hertz were rounded away (half up)
};

// "7.050.000" (the grid's text), a whole number in plainUnit, a number with one decimal point in MHz
// ("7.05", "14.195"), each optionally followed by a unit "Hz", "kHz" or "MHz" in any case. With
// decimalComma (a file separated by semicolons or TABs), "7,05" is read as "7.05".
FrequencyReading ReadFrequencyText(const QString &text, PlainUnit plainUnit = PlainUnit::Hz,
                                   bool decimalComma = false);

// The index of text in items, blanks around and letter case aside, a leading "+" optional on either
// side ("10" is "+10"); -1 when it is none of them.
int ReadListText(const QString &text, const QStringList &items);

// Skip: "" or "0" is 0, "Skip" (any case) or "1" is 1, anything else -1. Blanks around are ignored.
int ReadSkipText(const QString &text);

// A grid row label in any case and spacing: "7", "A  5", "A5", "a 5", "A-P1", "b-p2", "VFO A", "vfoa".
// Channel index 0..603, VFO n as -1 - n; RowLabelUnknown when the text names no row.
constexpr int RowLabelUnknown = -1000;
int ReadRowLabel(const QString &text);

// A name as the radio stores it: lower-case letters upper-cased, blanks kept where they are. False when it
// has more than eight characters or one the radio cannot store; *bad then gets that character (a whole
// character, also one outside the Basic Multilingual Plane), or "" when the name is too long.
bool ReadNameText(const QString &text, QString &stored, QString *bad = nullptr);
// The characters of a text one by one, a pair of surrogates as one.
QStringList TextCharacters(const QString &text);
