#pragma once
// CHIRP CSV, the channel-list format of the widely used open channel-programming tool, both ways.
//
// Columns: Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,
// CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE. The export writes all of them;
// the import reads them by name from the first line, so files with fewer columns (or another order) are
// read too; Location and Frequency are needed, a missing column keeps what the channel holds.
//
// The mapping, both directions (export -> file, file -> import):
//   Location   channel index k 0..603 (VFOs are not carried)   | a whole number 0..603, else refused
//   Name       the name                                        | upper case, characters the radio lacks
//                                                              |   dropped, cut to 8 (a change is listed)
//   Frequency  MHz, six decimals                               | MHz; outside the image's range refused
//   Duplex     FM with a split: "+" or "-" and Offset the      | "" simplex; "+"/"-" Offset is the shift;
//   Offset       shift; other modes with a split: "split" and  |   "split" Offset is the transmit frequency;
//                Offset the transmit frequency; simplex ""     |   "off" simplex (listed: the radio cannot
//                and 0.000000                                  |   forbid sending); the split frequency
//                                                              |   outside the range is refused
//   Tone       tone on: "Tone", else ""                        | "" off; "Tone" on; "TSQL" on (listed: no
//   rToneFreq  the settings page's tone frequency              |   tone squelch); "DTCS" off (listed: no
//   cToneFreq  the same                                        |   DCS); "Cross" on when CrossMode starts
//                                                              |   "Tone->", else off (listed). A tone other
//                                                              |   than the settings page's is listed: the
//                                                              |   radio sends the page's one
//   Mode       USB, LSB, CWU as CW, CWL as CWR, AM, FM          | the same; NFM as FM, DIG as USB, RTTY as
//                                                              |   LSB (listed); any other mode refused
//   Skip       "S" when skipped, else ""                       | "S" skip; "" or "P" not (P listed: no
//                                                              |   priority scan)
//   Power      "High", "Low", "S-Low"                          | the same in any case; other texts keep the
//                                                              |   channel's power (listed)
//   Comment    the grid's row label ("A  0", "B-P1")           | not read
//   DtcsCode 023, DtcsPolarity NN, RxDtcsCode 023, CrossMode Tone->Tone, TStep 5.00, URCALL, RPT1CALL,
//   RPT2CALL, DVCODE empty: fixed on export, not read.
// Gain, AGC, Filter and Noise Blanker have no column: an import keeps the channel's own (a new channel
// gets the edit dialog's new-channel values), and the export lists every channel whose values differ
// from those, and every tone byte other than 0 and 128, as not carried. Each line goes through the edit
// dialog's rules; a refused line stores nothing.
#include "csv/CsvImportReport.h"
#include "image/CloneImage.h"
#include <QByteArray>
#include <QIODevice>
#include <QStringList>

const QStringList &ChirpColumns();

// The export of every used channel; notCarried (when given) gets what the file cannot bring back.
QByteArray ChirpCsvBytes(const CloneImage &image, CsvReport *notCarried = nullptr);
// Writes atomically: a failed export leaves any previous file whole.
FileStatus ExportChirpCsv(const QString &path, const CloneImage &image, CsvReport *notCarried = nullptr,
                          QString *detail = nullptr);

// Reads a CHIRP CSV file from an open device into image; streams, memory independent of the size.
// separator: ',' as written, ';' or TAB as spreadsheets in many locales save it (decimal commas then read).
CsvReport ImportChirpCsvDevice(QIODevice &device, CloneImage &image, int chunkBytes = 64 * 1024,
                               char separator = ',');

// 7050000 gives "7.050000", -300000 "-0.300000".
QString ChirpMHzText(qint64 hz);
// "7.05", "7.050000", "14" in hertz (FieldValueReader's frequency with megahertz for a plain number); false
// when the text is no such number. rounded is set when more than six decimals had to be rounded to whole
// hertz.
bool ChirpHz(const QString &text, qint64 &hz, bool *rounded = nullptr, bool decimalComma = false);
