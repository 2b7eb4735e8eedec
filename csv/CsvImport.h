#pragma once
// File > Import: takes VFO and channel records (channels 0 to 199) from a CSV file into the image.
//
// The file is read field by field (CsvFieldReader). A record starts at a field equal to "KT-M40"; then
// BANK must be "VFO" or "MEMORY" and CHANNEL a VFO row label ("VFO A", "VFO B") or a number from 0 to 199
// (rounded to the nearest channel), else reading goes on with the field after the one refused. The
// fifteen value fields follow and are recognized by CsvRecognizer; StoreCsvRecord puts them in place.
//
// taken:   records started (KT-M40, a good BANK, a good CHANNEL) and stored; a channel or VFO stored twice
//          counts twice.
// dropped: records started but not stored: TXTONE, RXTONE or DCS not recognized, a frequency or split
//          frequency outside the range, or the record cut short by the end of the file (which then ends
//          the import normally).
// Unrecognized text and dropped records leave the image as it was. status is FileOpenError only when the
// file cannot be opened or read; records stored before a read failure stay.
#include "image/CloneImage.h"
#include "image/Messages.h"
#include <QByteArray>
#include <QIODevice>
#include <QString>

struct CsvImportResult {
    FileStatus status = FileStatus::Ok;
    int taken = 0;
    int dropped = 0;
    QString detail;
};

// From memory (a file is read through ImportCsvFile, which tells the layout first).
CsvImportResult ImportCsvBytes(const QByteArray &data, CloneImage &image);
// From an open device; chunkBytes is the read size. separator: ',' for the layout as written; ';' or TAB
// for a file a spreadsheet saved so, whose number columns may then hold decimal commas ("7,05").
CsvImportResult ImportCsvDevice(QIODevice &device, CloneImage &image, int chunkBytes = 64 * 1024,
                                char separator = ',');
