#pragma once
// File > Export and File > Import over the three CSV layouts: the export writes the chosen one, the
// import recognises encoding, separator and layout by the file's first line (CsvDetection).
#include "csv/CsvImport.h"
#include "csv/CsvImportReport.h"
#include "csv/CsvLayout.h"
#include "image/CloneImage.h"
#include <QIODevice>

struct CsvFileImport {
    CsvLayout layout = CsvLayout::Original;
    CsvImportResult original; // the original layout's outcome (layout Original)
    CsvReport report;         // the outcome of the full and CHIRP layouts
    bool fileEmpty = false;   // the file holds no byte at all
    // The original layout's import took nothing from a file whose first line is the original export's
    // header: the file is this program's own export, which only the full layout brings back.
    bool ownOriginalExport = false;
    // Nothing was taken and the first line names no layout: why, quoting that line ("" otherwise).
    QString unrecognised;

    FileStatus status() const { return layout == CsvLayout::Original ? original.status : report.status; }
    QString detail() const { return layout == CsvLayout::Original ? original.detail : report.detail; }
    int taken() const { return layout == CsvLayout::Original ? original.taken : report.taken; }
    // Nothing was taken from a file that holds something: every line was refused or passed over.
    bool nothingTaken() const { return status() == FileStatus::Ok && taken() == 0 && !fileEmpty; }
};

CsvFileImport ImportCsvFile(const QString &path, CloneImage &image);
CsvFileImport ImportCsvFileDevice(QIODevice &device, CloneImage &image, int chunkBytes = 64 * 1024);
CsvFileImport ImportCsvFileBytes(const QByteArray &data, CloneImage &image);

// Writes the image in a layout. For CHIRP, notCarried (when given) gets what the file cannot bring back.
FileStatus ExportCsvLayout(const QString &path, const CloneImage &image, CsvLayout layout,
                           CsvReport *notCarried = nullptr, QString *detail = nullptr);
// The bytes of that export.
QByteArray CsvLayoutBytes(const CloneImage &image, CsvLayout layout, CsvReport *notCarried = nullptr);
