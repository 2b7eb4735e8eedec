#pragma once
// What the radio holds after a faithful write of an image: every block by its address.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "link/VerifyRecords.h"
#include "settings/SettingsCodec.h"

inline RadioRecords written(CloneImage image) {
    MakeSetData(image);
    RadioRecords r{{0x300, image.SetData1}, {0x320, image.SetData2}};
    for (int n = 0; n < VfoCount; ++n)
        r[0x400 + 0x100 * n] = MakeVFOData(image, n);
    for (int k = 0; k < ChannelCount; ++k)
        r[0x600 + 0x20 * k] = MakeMemData(image, k);
    return r;
}
