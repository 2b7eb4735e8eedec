#pragma once
// Progress of a memory transfer as a person reads it: records done of 604, time spent and time left.
#include <QString>

struct TransferProgress {
    int done = 0;         // records moved so far
    int total = 604;      // records in the transfer
    qint64 elapsedMs = 0; // since the transfer started

    // Estimated time left from the pace so far; -1 before the first record.
    qint64 remainingMs() const;
    // "300 of 604 records, 0:31 elapsed, 0:32 left" ("left" unknown before the first record: "--:--").
    QString text() const;
};

// m:ss, or h:mm:ss from an hour on.
QString FormatDuration(qint64 ms);
