#include "settings/SettingsCodec.h"
#include "image/HexText.h"

namespace {
const int ElekeyList = 13; // byte 23, bit 0
const int PaddleList = 14; // byte 23, bit 7
} // namespace

int UpdateSetData(CloneImage &image) {
    const RecordBytes blocks[2] = {ReadRecordBytes(image.SetData1), ReadRecordBytes(image.SetData2)};
    const auto &lists = SettingsLists();
    for (int i = 0; i < SettingsListCount; ++i) {
        int value = blocks[lists[i].block][lists[i].byte];
        if (i == ElekeyList)
            value %= 2;
        else if (i == PaddleList)
            value /= 128; // bits 1 to 6 of byte 23 are not looked at
        if (value >= lists[i].items.size()) return i;
        image.Settings[i] = value;
    }
    return -1;
}

void MakeSetData(CloneImage &image) {
    RecordBytes blocks[2] = {};
    blocks[0][0] = 0xA5; // the fixed bytes; every other byte no list owns is 00
    blocks[0][5] = 0x03;
    const auto &lists = SettingsLists();
    for (int i = 0; i < SettingsListCount; ++i)
        blocks[lists[i].block][lists[i].byte] = static_cast<std::uint8_t>(image.Settings[i]);
    blocks[0][23] = static_cast<std::uint8_t>(128 * image.Settings[PaddleList] + image.Settings[ElekeyList]);
    image.SetData1 = RecordText(blocks[0]);
    image.SetData2 = RecordText(blocks[1]);
}
