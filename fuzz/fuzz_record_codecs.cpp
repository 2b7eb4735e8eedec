// The record decoders on arbitrary 64-character texts: UpdateSetData, UpdateMemData, UpdateVFORecord.
// A refused record leaves its entry (or, for the settings, the refused list and the ones after it) as it
// was; a taken one encodes and decodes back to the same entry.
//
// Input: one selector byte (which decoder, which channel or VFO, whether the text is squeezed onto hex
// digits), then the characters of the text (Latin-1; a short input is padded with '0').
#include "FuzzSupport.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "image/SettingsLists.h"
#include "settings/SettingsCodec.h"

namespace {
QString textFrom(const uint8_t *data, size_t size, size_t at, bool hexOnly) {
    static const char digits[] = "0123456789ABCDEF";
    QString text;
    for (size_t i = 0; i < 64; ++i) {
        const size_t p = at + i;
        const uint8_t c = p < size ? data[p] : uint8_t('0');
        text += QChar(hexOnly ? uint8_t(digits[c % 16]) : c);
    }
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2) return 0;
    const uint8_t selector = data[0];
    const bool hexOnly = selector & 0x80;
    const CloneImage &base = FuzzBaseImage();
    CloneImage image = base;

    switch (selector % 3) {
    case 0: {
        image.SetData1 = textFrom(data, size, 1, hexOnly);
        image.SetData2 = textFrom(data, size, 65, hexOnly);
        const int failed = UpdateSetData(image);
        FUZZ_CHECK(failed >= -1 && failed < SettingsListCount, "result out of range");
        for (int list = failed < 0 ? SettingsListCount : failed; list < SettingsListCount; ++list)
            FUZZ_CHECK(image.Settings[list] == base.Settings[list],
                       "a list at or after the refused one moved");
        for (int list = 0; list < SettingsListCount; ++list)
            FUZZ_CHECK(image.Settings[list] >= 0 &&
                           image.Settings[list] < SettingsLists()[std::size_t(list)].items.size(),
                       "a selection outside its list");
        if (failed < 0) {
            CloneImage again = image;
            MakeSetData(again);
            again.Settings = base.Settings;
            FUZZ_CHECK(UpdateSetData(again) == -1 && again.Settings == image.Settings,
                       "encoded settings do not decode to the same selections");
        }
        break;
    }
    case 1: {
        const int k = int(data[1]) * 3 % ChannelCount;
        const QString text = textFrom(data, size, 2, hexOnly);
        if (!UpdateMemData(image, text, k)) {
            FUZZ_CHECK(image == base, "a refused channel record changed the image");
            break;
        }
        for (int j = 0; j < ChannelCount; ++j)
            if (j != k)
                FUZZ_CHECK(image.ChannelTable[std::size_t(j)] == base.ChannelTable[std::size_t(j)] &&
                               image.ChannelUsed[std::size_t(j)] == base.ChannelUsed[std::size_t(j)],
                           "another channel changed");
        CloneImage again = base;
        FUZZ_CHECK(UpdateMemData(again, MakeMemData(image, k), k), "an encoded channel is refused");
        FUZZ_CHECK(again.ChannelTable[std::size_t(k)] == image.ChannelTable[std::size_t(k)] &&
                       again.ChannelUsed[std::size_t(k)] == image.ChannelUsed[std::size_t(k)],
                   "an encoded channel decodes to another entry");
        break;
    }
    default: {
        const int n = data[1] & 1;
        const QString text = textFrom(data, size, 2, hexOnly);
        if (!UpdateVFORecord(image, text, n)) {
            FUZZ_CHECK(image == base, "a refused VFO record changed the image");
            break;
        }
        FUZZ_CHECK(image.VfoTable[std::size_t(1 - n)] == base.VfoTable[std::size_t(1 - n)],
                   "the other VFO changed");
        CloneImage again = base;
        FUZZ_CHECK(UpdateVFORecord(again, MakeVFOData(image, n), n), "an encoded VFO record is refused");
        FUZZ_CHECK(again.VfoTable[std::size_t(n)] == image.VfoTable[std::size_t(n)],
                   "an encoded VFO record decodes to another record");
        break;
    }
    }
    return 0;
}
