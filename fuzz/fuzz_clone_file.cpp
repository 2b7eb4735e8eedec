// The clone-file reader on arbitrary bytes. A refused file changes nothing, except that a good header with
// a wrong end line moves the variant and the range flag; a taken file encodes and reads back to itself.
#include "FuzzSupport.h"
#include "files/CloneFile.h"
#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const CloneImage &base = FuzzBaseImage();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    CloneImage image = base;
    const CloneFileLoad load = ParseCloneFile(bytes, image);
    if (load.status != FileStatus::Ok) {
        CloneImage expected = base;
        if (load.variantSelected) {
            FUZZ_CHECK(load.status == FileStatus::DataError, "only a wrong end line moves the variant");
            expected.Variant = image.Variant;
            expected.WideRange = image.WideRange;
        }
        FUZZ_CHECK(image == expected, "a refused file changed the image");
        return 0;
    }
    // what was taken is saved and read back as it is
    const QByteArray saved = CloneFileBytes(image);
    CloneImage again = base;
    FUZZ_CHECK(ParseCloneFile(saved, again).status == FileStatus::Ok, "a saved file is refused");
    FUZZ_CHECK(CloneFileBytes(again) == saved, "a saved file does not read back to the same file");
    return 0;
}
