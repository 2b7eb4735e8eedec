// The CSV importer on arbitrary bytes. Without a record taken the image is as it was, and reading the file in
// small chunks gives exactly what reading it whole gives (chunk boundaries fall anywhere inside fields).
#include "FuzzSupport.h"
#include "csv/CsvImport.h"
#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const int chunk = 1 + data[0] % 17;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const CloneImage &base = FuzzBaseImage();

    CloneImage whole = base;
    const CsvImportResult r = ImportCsvBytes(bytes, whole);
    FUZZ_CHECK(r.status == FileStatus::Ok, "reading from memory cannot fail");
    FUZZ_CHECK(r.taken >= 0 && r.dropped >= 0, "negative counts");
    if (r.taken == 0) FUZZ_CHECK(whole == base, "no record taken, yet the image changed");

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CloneImage chunked = base;
    const CsvImportResult c = ImportCsvDevice(buffer, chunked, chunk);
    FUZZ_CHECK(c.taken == r.taken && c.dropped == r.dropped, "chunked read counts differ");
    FUZZ_CHECK(chunked == whole, "chunked read stores something else");
    return 0;
}
