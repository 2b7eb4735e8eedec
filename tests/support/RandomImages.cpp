#include "support/RandomImages.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/NewImage.h"
#include <cstring>

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
    const auto frequency = [&]() -> std::uint32_t {
        if (!o.anyFrequencies || rng() % 2) return std::uint32_t(range.low) + rng() % span;
        const std::uint32_t edges[] = {0,        1,        100,      149999,   1599999,    30000000,
                                       31000000, 35000000, 40000000, 50000000, 4294967295u};
        return rng() % 2 ? edges[rng() % (sizeof edges / sizeof *edges)] : std::uint32_t(rng());
    };
    WriteLe32(b, 16, frequency());
    WriteLe32(b, 28, rng() % 4 == 0 ? ReadLe32(b, 16) : frequency());
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

// The characters stand in code order from 0x30 on.
int NameCodeOf(char c) {
    const char *at = c ? std::strchr(nameChars, c) : nullptr;
    return at ? 0x30 + int(at - nameChars) : 0;
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
