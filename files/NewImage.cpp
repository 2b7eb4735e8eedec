#include "files/NewImage.h"
#include "channels/VfoRecordCodec.h"
#include "settings/SettingsCodec.h"

void NewImage(CloneImage &image) {
    LoadDefaultSettings(image);
    UpdateSetData(image);
    LoadDefaultVfo(image);
    EmptyMemory(image);
}

CloneImage NewCloneImage(int variant, bool wideRange) {
    CloneImage image;
    ClearTables(image);
    image.Variant = variant;
    image.WideRange = wideRange;
    NewImage(image);
    return image;
}
