#include "support/RandomImages.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/NewImage.h"

namespace {
const char nameChars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ *#+-/\\=()$_";

int code(std::mt19937 &rng, int listSize, bool anyCodes, bool tone) {
    if (anyCodes && rng() % 3 == 0) return int(rng() % 256);
    const int index = int(rng() % unsigned(listSize));
    return tone ? index * 128 : index;
}

RecordBytes radioBytes(std::mt19937 &rng, const FrequencyRange &range, const RandomImageOptions &o) {
    RecordBytes b{};
    for (auto &x : b)
        x = std::uint8_t(rng()); // bytes the codecs do not keep are noise
    b[1] = std::uint8_t(rng() % 6);
    b[2] = std::uint8_t(code(rng, 4, o.anyCodes, false));
    b[3] = std::uint8_t(code(rng, 2, o.anyCodes, false));
    b[4] = std::uint8_t(code(rng, 3, o.anyCodes, false));
    b[6] = std::uint8_t(code(rng, 2, o.anyCodes, false));
    b[7] = std::uint8_t(code(rng, 2, o.anyCodes, true));
    b[9] = std::uint8_t(code(rng, 2, o.anyCodes, false));
    const auto span = std::uint32_t(range.highExclusive - range.low);
    WriteLe32(b, 16, std::uint32_t(range.low) + rng() % span);
    WriteLe32(b, 28, rng() % 4 == 0 ? ReadLe32(b, 16) : std::uint32_t(range.low) + rng() % span);
    const int nameLength = int(rng() % 9);
    for (int i = 0; i < 8; ++i)
        b[20 + i] = i < nameLength ? std::uint8_t(NameCodeOf(nameChars[rng() % (sizeof nameChars - 1)]))
                                   : std::uint8_t(rng() % 2 ? 0 : rng() % 0x30);
    return b;
}

void fill(CloneImage &image, std::mt19937 &rng, const RandomImageOptions &o) {
    const FrequencyRange range = FrequencyRangeFor(image.WideRange);
    for (int n = 0; n < VfoCount; ++n)
        UpdateVFORecord(image, RecordText(radioBytes(rng, range, o)), n);
    for (int k = 0; k < ChannelCount; ++k) {
        RecordBytes b = radioBytes(rng, range, o);
        const bool used = int(rng() % 100) < o.usedPercent;
        b[0] = used ? (rng() % 4 == 0 ? 0x88 : 0x80) : std::uint8_t(rng() % 2 ? 0x00 : 0xFF);
        UpdateMemData(image, RecordText(b), k);
    }
}
} // namespace

int NameCodeOf(char c) {
    if (c >= '0' && c <= '9') return c;
    if (c >= 'A' && c <= 'Z') return c - 7;
    const char symbols[] = " *#+-/\\=()$_";
    for (int i = 0; i < 12; ++i)
        if (symbols[i] == c) return 0x54 + i;
    return 0;
}

CloneImage RandomImage(std::mt19937 &rng, const RandomImageOptions &options) {
    CloneImage image = NewCloneImage(int(rng() % 4), rng() % 2 == 0);
    fill(image, rng, options);
    return image;
}

CloneImage RandomImageLike(const CloneImage &like, std::mt19937 &rng, const RandomImageOptions &options) {
    CloneImage image = like;
    fill(image, rng, options);
    return image;
}
