#include "csv/CsvLayoutFiles.h"
#include "csv/CsvChirp.h"
#include "csv/CsvDetection.h"
#include "csv/CsvExport.h"
#include "csv/CsvFullLayout.h"
#include "files/LocalName.h"
#include <QBuffer>
#include <QFile>

CsvFileImport ImportCsvFileDevice(QIODevice &device, CloneImage &image, int chunkBytes) {
    CsvFileImport result;
    const std::unique_ptr<QIODevice> converted = CsvUtf8Device(device);
    QIODevice &text = converted ? *converted : device;
    const CsvDetection detection = DetectCsv(text);
    result.fileEmpty = text.peek(1).isEmpty();
    result.layout = detection.layout;
    // a case for every value: the way past the switch is for a value outside the enum
    switch (result.layout) {
    case CsvLayout::Original:
        result.original = ImportCsvDevice(text, image, chunkBytes, detection.separator);
        if (result.original.taken == 0 && result.original.status == FileStatus::Ok) {
            result.ownOriginalExport = IsOriginalExportHeader(detection);
            if (!detection.recognised && result.original.dropped == 0 && !result.fileEmpty)
                result.unrecognised = CsvUnrecognisedReason(detection);
        }
        break;
    case CsvLayout::Full:
        result.report = ImportFullCsvDevice(text, image, chunkBytes, detection.separator);
        break;
    case CsvLayout::Chirp:
        result.report = ImportChirpCsvDevice(text, image, chunkBytes, detection.separator);
        break;
    }
    return result;
}

CsvFileImport ImportCsvFile(const QString &path, CloneImage &image) {
    LocalFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CsvFileImport result;
        result.original.status = FileStatus::FileOpenError;
        result.original.detail = file.errorString();
        return result;
    }
    return ImportCsvFileDevice(file, image);
}

CsvFileImport ImportCsvFileBytes(const QByteArray &data, CloneImage &image) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return ImportCsvFileDevice(buffer, image);
}

QByteArray CsvLayoutBytes(const CloneImage &image, CsvLayout layout, CsvReport *notCarried) {
    switch (layout) {
    case CsvLayout::Full:
        return FullCsvBytes(image);
    case CsvLayout::Chirp:
        return ChirpCsvBytes(image, notCarried);
    default:
        return CsvExportBytes(image);
    }
}

FileStatus ExportCsvLayout(const QString &path, const CloneImage &image, CsvLayout layout,
                           CsvReport *notCarried, QString *detail) {
    switch (layout) {
    case CsvLayout::Full:
        return ExportFullCsv(path, image, detail);
    case CsvLayout::Chirp:
        return ExportChirpCsv(path, image, notCarried, detail);
    default:
        return ExportCsv(path, image, detail);
    }
}
