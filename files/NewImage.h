#pragma once
// The image File > New gives: the default settings decoded into the lists, the default VFO records and an
// empty memory.
#include "image/CloneImage.h"

// Fills image with the defaults; the variant and the range flag are kept.
void NewImage(CloneImage &image);
// A whole new image as the program starts it (tables cleared) and File > New fills it, for a variant and
// range.
CloneImage NewCloneImage(int variant = VariantJ, bool wideRange = false);
