#pragma once
// Start-up pieces that need no window: the command-line file rule, the column widths and the string table.
#include "image/UiLanguage.h"
#include <QString>
#include <QStringList>
#include <array>

// The clone file named by a command-line text: longer than five characters loses its first and last
// character (the quotes around a path); one to five characters stay as they are.
QString StartupFileFromCommandLine(const QString &commandLine);
// The same rule where the system hands over arguments already split: they are joined by blanks and
// wrapped in double quotes first, so a path arrives whole (a name too short to lose its quotes arrives as
// it is). No arguments give "".
QString StartupFileFromArguments(const QStringList &arguments);

// Grid column widths in twips, index 0 first.
const std::array<int, 14> &ColumnWidths();
// Twips to pixels at 96 dots per inch (15 twips a pixel), before any high-DPI scaling.
inline int TwipsToPixels(int twips) {
    return (twips + 7) / 15;
}

// The caption of a string id (1000..1207) in a language; "" for an id the table does not hold.
QString ResString(int id, UiLanguage language);
