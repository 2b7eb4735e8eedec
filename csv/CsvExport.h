#pragma once
// File > Export: the two VFO records and the used channels 0 to 199 as an 18-column CSV file.
//
// Line 1 is the header "MODEL" ... "Skip"; then VFO A, VFO B, then one line per used channel in ascending
// order. Every value is written in double quotes, separated by single commas, each line ended by CR LF.
// The values are the grids' display texts placed by position under the fixed header names:
//   VFO line:     "KT-M40","VFO",row label, the eight field texts, five "", "No","Off"
//   channel line: "KT-M40","MEMORY",k, the eleven field texts, three "", "Off"
// Banks A and B, the program-scan edges and the settings are not exported. The last column is "Off" for
// every channel: an imported skip lives in the channel's Skip field like any other.
#include "image/CloneImage.h"
#include "image/Messages.h"
#include <QByteArray>
#include <QString>

QByteArray CsvExportBytes(const CloneImage &image);

// Writes straight into the file (not through a temporary one): when writing fails the result is
// FileOpenError and the lines written so far stay in the file. detail gets the system's reason.
FileStatus ExportCsv(const QString &path, const CloneImage &image, QString *detail = nullptr);
