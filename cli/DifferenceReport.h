#pragma once
// Prints a list of differences as lines or as one JSON object (diff and verify share the form).
#include "files/ImageDiff.h"

struct DifferenceWording {
    QString firstKey, secondKey; // JSON keys of the two sides ("a"/"b", "file"/"radio")
    QString lineFormat;          // record, field, first, second: "%1  %2: %3 -> %4"
    QString sameText;            // the closing line when nothing differs
    QString countFormat;         // the closing line otherwise, %1 the count
    int retries = -1;            // exchanges sent again (JSON "retries"), -1 where nothing was sent
};

// Lines, or {"equal": bool, "differences": [{"record", "field", firstKey, secondKey}]} with json.
QString DifferencesText(const QList<ImageDifference> &diffs, bool json, const DifferenceWording &wording);
// The same on standard output.
void PrintDifferences(const QList<ImageDifference> &diffs, bool json, const DifferenceWording &wording);
