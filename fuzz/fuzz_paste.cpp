// Paste on arbitrary clipboard text, in both forms (tab-separated grid text and the lossless records).
// The first byte picks the row pasted at. Properties: a refused paste leaves the image exactly as it was and
// says why; a paste that goes ahead writes as many channels as the text has lines, and what it wrote reads
// back the same: copied in the same form and pasted into the untouched image, it gives the same image.
#include "FuzzSupport.h"
#include "channels/ChannelClipboard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const int first = (data[0] * 7) % ChannelCount;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const CloneImage &base = FuzzBaseImage();

    CloneImage image = base;
    const ChannelPaste p = PasteChannels(image, first, text);
    if (!p.ok) {
        FUZZ_CHECK(image == base, "a refused paste changed the image");
        FUZZ_CHECK(!p.message.isEmpty(), "a refused paste says nothing");
        return 0;
    }
    FUZZ_CHECK(p.count > 0 && first + p.count <= ChannelCount, "the count does not fit the list");
    QList<int> rows;
    for (int k = first; k < first + p.count; ++k)
        rows << k;
    // the form is told by the first line, as Paste tells it
    QString firstLine = text.section(QLatin1Char('\n'), 0, 0);
    if (firstLine.endsWith(QLatin1Char('\r'))) firstLine.chop(1);
    const bool lossless = firstLine == LosslessHeader;
    const QString copy = lossless ? ChannelsToLossless(image, rows) : ChannelsToTsv(image, rows);
    CloneImage again = base;
    const ChannelPaste back = PasteChannels(again, first, copy);
    FUZZ_CHECK(back.ok, "the program's own copy of pasted channels is refused");
    FUZZ_CHECK(again == image, "what was pasted does not read back the same");
    return 0;
}
