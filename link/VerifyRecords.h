#pragma once
// Verify: what the radio holds, read back record by record, against what a write of the image would send.
#include "files/ImageDiff.h"
#include "image/CloneImage.h"
#include <QMap>

// Record texts read from the radio, by address (0x300, 0x320, 0x400, 0x500, 0x600 + 0x20 k).
using RadioRecords = QMap<int, QString>;

// Differences between the records in radio and the ones a write of image would send, for every address
// that radio holds. Each differing record is listed by its label ("Settings", "VFO A", a channel's row
// label) and field; a record that differs only in bytes no field shows is listed as field "Other bytes".
QList<ImageDifference> CompareWithRadio(const CloneImage &image, const RadioRecords &radio);
