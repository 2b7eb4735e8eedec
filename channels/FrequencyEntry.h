#pragma once
// How the edit dialog's frequency and name boxes behave while the user types: which keys they take, when
// the focus moves on by itself, how a box is completed when it is left, and how a frequency is split into
// the megahertz, kilohertz and hertz boxes.
#include <QChar>
#include <QString>

constexpr int MHzBoxLength = 2;
constexpr int KHzBoxLength = 3;
constexpr int HzBoxLength = 3;
constexpr int NameBoxLength = 8;
constexpr ushort BackspaceCode = 8;

// The three boxes of one frequency: whole megahertz, kilohertz and hertz.
struct FrequencyBoxes {
    QString mhz;
    QString khz;
    QString hz;
    bool operator==(const FrequencyBoxes &) const = default;
};

// 14195000 gives 14 / 195 / 000; 150000 gives 0 / 150 / 000.
FrequencyBoxes SplitFrequency(qint64 hz);

// The frequency boxes keep "0".."9" and backspace; every other typed character is discarded.
bool FrequencyKeyKept(QChar typed);
// Whether a key typed into a box of maxLength characters moves the focus on, judged by the box's state
// before the key: one short of full with nothing selected, or full with exactly one character selected.
// It holds for discarded keys and backspace as well.
bool FrequencyKeyAdvances(int maxLength, int textLength, int selectionLength);

// Leaving the megahertz box: an empty box becomes "0".
QString CompleteMHzBox(const QString &text);
// Leaving the kilohertz or hertz box: "0" in front until three characters ("" -> "000", "5" -> "005").
QString CompleteThreeDigitBox(const QString &text);

// The name box: blank, digits, upper-case letters and # $ ( ) * + - / = \ _ are kept, lower-case letters
// become upper case, backspace is kept; anything else gives a null QChar (the key is discarded).
QChar FilterNameKey(QChar typed);
