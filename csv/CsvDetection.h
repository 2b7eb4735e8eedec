#pragma once
// How a CSV file was written, worked out from its start the way spreadsheets save it in any locale: its
// character encoding (UTF-8 with or without a byte order mark, UTF-16 LE or BE with one), its separator
// (comma, semicolon or TAB) and its layout, by the first line that is not blank.
//   full layout:  first field "KT-M40 full CSV"
//   CHIRP CSV:    a column "Location", or "Frequency" with one of CHIRP's own columns (Duplex, Offset, ...)
//   original:     first field "MODEL"
// Names in any letter case, blanks around them ignored. A separator other than the comma is taken only
// when it makes the line one of these, so that a file of the original layout is read exactly as always.
// A file whose first line is none of them is read as the original layout, which passes over any text.
#include "csv/CsvLayout.h"
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <memory>

struct CsvDetection {
    CsvLayout layout = CsvLayout::Original;
    bool recognised = false; // the first line names the layout
    char separator = ',';
    QByteArray firstLine; // the first line that is not blank, UTF-8 without its line end
};

// Peeks at the start of an open device (UTF-8) without consuming it.
CsvDetection DetectCsv(QIODevice &device);
CsvDetection DetectCsvLine(const QByteArray &firstLine);

// A device that gives the text of device as UTF-8: for UTF-16 with a byte order mark a converter reading
// it in chunks, else nullptr (read device itself).
std::unique_ptr<QIODevice> CsvUtf8Device(QIODevice &device);

// Why a file whose first line names no layout gave nothing: that line quoted, what was expected.
QString CsvUnrecognisedReason(const CsvDetection &detection);

// True when the line holds the original export's 18 column names in their order (quotes, letter case and
// separator aside): the file is this program's own export in the original layout, perhaps re-saved by a
// spreadsheet, whose columns hold grid texts that the original import does not read.
bool IsOriginalExportHeader(const CsvDetection &detection);
