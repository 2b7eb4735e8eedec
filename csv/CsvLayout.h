#pragma once
// The three CSV layouts the program writes and reads, and how a file's first line tells them apart.
//   Original: the 18-column layout of File > Export since the first version ("MODEL","BANK",...).
//   Full:     every VFO and channel under the grid titles; first line "KT-M40 full CSV,variant J,...".
//   Chirp:    CHIRP CSV; first line the column names, starting "Location".
// A file whose first line is neither of the two new ones is read as the original layout.
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

// The layout of a file by its first line (a UTF-8 byte order mark skipped).
CsvLayout CsvLayoutOfFirstLine(const QByteArray &firstLine);
// Peeks at the start of an open device without consuming it.
CsvLayout CsvLayoutOfDevice(QIODevice &device);

// The header line the original layout's export writes, without its line end.
QByteArray OriginalExportHeader();
// True when firstLine is exactly that header: the file is this program's own export in the original
// layout, whose columns hold grid texts that the original import does not read.
bool IsOriginalExportHeader(const QByteArray &firstLine);
// The first line of an open device (no line end, BOM skipped), without consuming it.
QByteArray FirstLineOfDevice(QIODevice &device);
