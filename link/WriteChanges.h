#pragma once
// Write Changes: read what the radio holds, keep it as a backup, write only the records that differ from
// what Write would send, then read those back. The pure parts: which records, their labels, the backup's
// bytes, the progress across the three phases and the closing line.
#include "link/VerifyRecords.h"
#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMetaType>
#include <QString>

struct ChangedRecord {
    int address = 0;
    QString label;  // "Settings block 0300", "VFO A", a channel's row label
    QString digits; // what is written
    bool operator==(const ChangedRecord &) const = default; // member by member: the compiler's branches
};

// "0640"
QString RecordAddressText(int address);
// The label a record is listed by: "Settings block 0300", "VFO A", or the channel's row label ("A-P1").
QString RecordLabel(int address);
// The addresses read in the first phase, in address order: the settings and VFO records, the channels.
QList<int> WriteChangesAddresses(bool settings, bool memory);
// What a write of image sends for each address (encoded now, settings from the page's selections).
RadioRecords RecordsToWrite(const CloneImage &image, const QList<int> &addresses);
// The records of radio that differ from what a write of image would send, in address order.
QList<ChangedRecord> ChangedRecords(const CloneImage &image, const RadioRecords &radio);
// A clone file of what the radio holds, every record as read; records not read and the header come from
// image.
QByteArray RadioCloneFileBytes(const CloneImage &image, const RadioRecords &radio);

// Progress across the whole run. The work is counted in character times at the radio's pace (a pause
// counted as the ten characters 10 ms take at 9600 baud), so that writes weigh what they take.
struct WriteChangesProgress {
    enum class Phase { Reading, Writing, Checking };
    Phase phase = Phase::Reading;
    int done = 0;  // records of this phase
    int total = 0; // records in this phase
    qint64 workDone = 0;
    qint64 workTotal = 0; // of the whole run as known so far (during the reads: the differences found)
    qint64 elapsedMs = 0;

    // -1 before any work is done.
    qint64 remainingMs() const;
    // "Write Changes: reading 300 of 608 records, 0:31 elapsed, 1:02 left", in the window's language.
    QString text() const;
};
Q_DECLARE_METATYPE(WriteChangesProgress) // (its branches are Qt's registration code)

// The closing line: "3 records differed, 3 written, all verified", or with stillDiffering > 0
// "3 records differed, 3 written, 1 differs after writing", in the window's language.
QString WriteChangesSummary(int differed, int written, int stillDiffering);

// One Write Changes run as the session keeps it.
struct WriteChangesRun {
    bool settings = true;
    bool memory = true;
    QString backupFolder;
    QElapsedTimer clock;          // since the run started
    QList<int> addresses;         // read in the first phase
    RadioRecords expected;        // what Write would send, as the run began (for the estimate while reading)
    int read = 0;                 // records read so far in the first phase
    int differingSoFar = 0;       // of those, how many differ
    QList<ChangedRecord> changed; // the compare's result, written in this order
    int written = 0;              // block writes answered OK
    int checked = 0;              // records read back
    QString backupPath;           // the backup of what the radio held

    WriteChangesProgress progress(WriteChangesProgress::Phase phase) const;
    // The written records that radio (read back) does not hold as written, in address order.
    QList<ChangedRecord> notHeld(const RadioRecords &radio) const;
    // Those records' differences from image by field, as Verify lists them.
    QList<ImageDifference> stillDiffering(const CloneImage &image, const RadioRecords &radio) const;
};
