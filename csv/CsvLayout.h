#pragma once
// The three CSV layouts the program writes and reads, and how a file's first line tells them apart.
//   Original: the 18-column layout of File > Export since the first version ("MODEL","BANK",...).
//   Full:     every VFO and channel under the grid titles; first line "KT-M40 full CSV,variant J,...".
//   Chirp:    CHIRP CSV; first line the column names, among them "Location".
// A file whose first line names none of them is read as the original layout (CsvDetection.h).
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

enum class CsvLayout { Original, Full, Chirp };

// "original", "full", "chirp"; and back (false when the name is none of them).
QString CsvLayoutName(CsvLayout layout);
bool CsvLayoutFromName(const QString &name, CsvLayout &layout);
// What the window's choice shows: "Original (18 columns)", "Full (every channel, lossless)", "CHIRP CSV".
QString CsvLayoutTitle(CsvLayout layout);
// The same in short, for summaries: "original layout", "full layout", "CHIRP CSV".
QString CsvLayoutShortTitle(CsvLayout layout);

// The first field of the full layout's first line.
inline const QString FullCsvTag = QStringLiteral("KT-M40 full CSV");
