#pragma once
// VFO records: 32 bytes <-> VfoTable record 0 (VFO A) or 1 (VFO B).
#include "image/CloneImage.h"
#include <QString>

// False when the mode byte is above 5; the record is then left as it was.
bool UpdateVFORecord(CloneImage &image, const QString &record, int n);
QString MakeVFOData(const CloneImage &image, int n);
// "VFO A", "VFO B"
QString VfoLabel(int n);
// Both VFO records get the defaults of the image's current variant.
void LoadDefaultVfo(CloneImage &image);
