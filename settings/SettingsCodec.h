#pragma once
// Between the two settings blocks (SetData1, SetData2) and the 29 list selections.
#include "image/CloneImage.h"

// Decodes the blocks into image.Settings, list by list in table order. Returns -1 on success, else the
// index of the first list whose byte names no item: the lists before it hold the new values, that list and
// the ones after it keep theirs.
int UpdateSetData(CloneImage &image);
// Rebuilds SetData1 and SetData2 from the selections, with the fixed bytes.
void MakeSetData(CloneImage &image);
