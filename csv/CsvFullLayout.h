#pragma once
// The full CSV layout: the whole channel list, lossless, for spreadsheets and for moving between images.
//
//   KT-M40 full CSV,variant J,range (1.6MHz - 30MHz)
//   Row,Frequency,Mode,Gain,AGC,Pwr,Filter,Tone,NB,Split Freq.,Name,Skip,Codes
//   VFO A,7.050.000,LSB,0,Slow,High,Wide,Off,Off,,,,
//   VFO B,...
//   0,7.050.000,LSB,0,Fast,High,Wide,Off,Off,7.050.000,CQ AB-9,,
//   1,,,,,,,,,,,,
//   ... one line per channel, all 604, under their row labels ("A  0", "A-P1", "B199", "B-P2") ...
//
// Every field is the grid's text; an empty channel is a line of empty fields. RFC 4180 quoting.
// Codes carries what no grid text can: a code outside a field's list, or a tone byte other than 0 and 128,
// as "Gain=7 Tone=140" (field title, equals sign, the code 0..255), empty on almost every line. With it the
// round trip is byte-exact: every byte the clone file holds for a VFO or channel comes back.
//
// Import reads the columns by their titles in line 2 (any letter case, their order is free, Codes may be
// missing) and reads each value as Paste does (FieldValueReader): a frequency as grid text, hertz or
// megahertz, any a record can hold (the range is not checked: the layout restores what a clone file held),
// each listed field one of its list's texts in any case (Gain also "10", as spreadsheets turn "+10"), a row
// label in any case and spacing ("A5" is "A  5"), a name of at most eight characters the radio can store
// (lower case is stored upper case), Skip "" or "Skip". A line that breaks any rule, or whose quote was
// left open, is refused whole and each broken field is reported; lines missing
// from the file leave their channel as it is; a row given twice is refused the second time. A code in
// Codes is kept only while its text is the one the line shows: after the text was edited the code is left
// out (reported as a change). The variant and range of the first line are not applied: the image keeps
// its own, and a difference is reported.
#include "csv/CsvImportReport.h"
#include "image/CloneImage.h"
#include <QByteArray>
#include <QIODevice>
#include <QString>

// The whole file's bytes.
QByteArray FullCsvBytes(const CloneImage &image);
// Writes atomically: a failed export leaves any previous file whole.
FileStatus ExportFullCsv(const QString &path, const CloneImage &image, QString *detail = nullptr);

// Reads a full-layout file from an open device into image; streams, memory independent of the size.
// separator: ',' as written, ';' or TAB as spreadsheets in many locales save it (decimal commas then read).
CsvReport ImportFullCsvDevice(QIODevice &device, CloneImage &image, int chunkBytes = 64 * 1024,
                              char separator = ',');
