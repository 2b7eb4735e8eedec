// File > Import on arbitrary bytes, through the layout detection with the full and the CHIRP layout behind
// it. The first byte picks a head put before the rest (none, the full layout's two lines, CHIRP's column
// names with commas or with semicolons), so that the fuzzer spends its time inside the layouts; the second
// the read size. Properties: reading from memory never fails; a file that takes nothing leaves the image
// as it was; read in small chunks it gives what reading it whole gives; and what was taken reads back the
// same: the image exported in the full layout and imported into the untouched image is that image again.
#include "FuzzSupport.h"
#include "csv/CsvFullLayout.h"
#include "csv/CsvLayoutFiles.h"
#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2) return 0;
    static const QByteArray heads[] = {
        QByteArray(),
        "KT-M40 full CSV,variant T,range (150KHz - 35MHz)\r\n"
        "Row,Frequency,Mode,Gain,AGC,Pwr,Filter,Tone,NB,Split Freq.,Name,Skip,Codes\r\n",
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,CrossMode,Mode,Skip,Power,"
        "Comment\r\n",
        "Location;Name;Frequency;Duplex;Offset;Tone;rToneFreq;Mode;Skip;Power;Comment\r\n"};
    const QByteArray bytes =
        heads[data[0] % 4] + QByteArray(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    const int chunk = 1 + data[1] % 17;
    const CloneImage &base = FuzzBaseImage();

    CloneImage whole = base;
    const CsvFileImport r = ImportCsvFileBytes(bytes, whole);
    FUZZ_CHECK(r.status() == FileStatus::Ok, "reading from memory cannot fail");
    if (r.taken() == 0) FUZZ_CHECK(whole == base, "nothing taken, yet the image changed");
    if (r.layout != CsvLayout::Original)
        FUZZ_CHECK(r.report.records <= r.report.taken, "more records changed than lines taken");

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CloneImage chunked = base;
    const CsvFileImport c = ImportCsvFileDevice(buffer, chunked, chunk);
    FUZZ_CHECK(c.layout == r.layout && c.taken() == r.taken(), "chunked read counts differ");
    FUZZ_CHECK(c.report.items == r.report.items, "chunked read reports otherwise");
    FUZZ_CHECK(chunked == whole, "chunked read stores something else");

    if (r.taken() > 0) {
        CloneImage again = base;
        const CsvFileImport back = ImportCsvFileBytes(FullCsvBytes(whole), again);
        FUZZ_CHECK(back.report.refused == 0, "the full layout refuses its own export");
        FUZZ_CHECK(again == whole, "what was taken does not read back the same");
    }
    return 0;
}
