#pragma once
// The process-wide look-up texts: value tables and the clone file's fixed lines. Built once, never changed.
#include <QString>
#include <QStringList>
#include <array>

struct TextTables {
    QStringList ModeTable;                            // 6 mode names by mode byte
    QStringList ToneTable;                            // 39 tone texts, "67.0Hz" .. "250.3Hz"
    QStringList DcsTable;                             // 104 DCS codes as three octal digits
    QStringList StepTable;                            // 19 slots, 0..6 filled, the rest ""
    std::array<std::array<QString, 2>, 4> FileHeader; // [variant][WideRange]
    QString FileEndLine;
    QString AppTitle;
};

// Fills the tables on the first call; later calls do nothing.
void BuildTextTables();
// The tables (built on first use if BuildTextTables has not run yet).
const TextTables &Tables();

// Header line match: variant 0..3 in turn, WideRange false before true. False when no header equals the line.
bool MatchFileHeader(const QString &line, int &variant, bool &wideRange);
