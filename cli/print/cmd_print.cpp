// The print command: a clone file's printed document (channels, settings, VFOs) as a PDF, as File > Print
// prints it.
#include "cli/CliSupport.h"
#include "cli/PrintCommand.h"
#include "files/PrintDocument.h"
#include "print/PrintPainter.h"
#include <QBuffer>
#include <QDate>
#include <QPdfWriter>
#include <cstdio>
#include <memory>

namespace {
bool pageSizeFor(const QString &name, QPageSize &size) {
    static const std::pair<const char *, QPageSize::PageSizeId> sizes[] = {{"A4", QPageSize::A4},
                                                                           {"A3", QPageSize::A3},
                                                                           {"A5", QPageSize::A5},
                                                                           {"Letter", QPageSize::Letter},
                                                                           {"Legal", QPageSize::Legal}};
    for (const auto &[text, id] : sizes)
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0) {
            size = QPageSize(id);
            return true;
        }
    return false;
}

} // namespace

int RunPrintCommand(const QStringList &args) {
    QCommandLineParser p;
    p.addOption({{"o", "output"}, "PDF file to write (- for standard output)", "OUT.pdf"});
    p.addOption({"page-size", "A4 (default), Letter, Legal, A3 or A5", "SIZE", "A4"});
    p.addPositionalArgument("FILE.M40", "clone file to print");
    if (!ParseCommandLine(p, "print", args)) return ExitUsage;
    if (!p.isSet("output") || p.positionalArguments().size() != 1)
        return UsageError("print", "needs FILE.M40 and -o OUT.pdf");
    QPageSize size;
    if (!pageSizeFor(p.value("page-size"), size))
        return UsageError("print", "unknown page size '" + p.value("page-size") + "'");

    const QString path = p.positionalArguments().first();
    CloneImage image = NewCloneImage(VariantJ, false);
    if (const int status = OpenCloneFileOrReport(path, image)) return status;
    const PrintDocument doc = BuildPrintDocument(image, path, QDate::currentDate());

    const QString output = p.value("output");
    const bool toStdout = output == QLatin1String("-");
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer =
        toStdout ? std::make_unique<QPdfWriter>(&buffer) : std::make_unique<QPdfWriter>(output);
    writer->setPageSize(size);
    writer->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer->setTitle(doc.fileName);
    writer->setCreator(QStringLiteral("kt-m40-cli"));
    if (toStdout) buffer.open(QIODevice::WriteOnly);
    if (PaintPrintDocument(doc, writer.get()) == 0)
        return ReportFileStatus(FileStatus::FileOpenError, output);
    writer.reset(); // the PDF is complete once its writer is gone
    if (toStdout) {
        const QByteArray &bytes = buffer.data();
        if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
            std::fflush(stdout) != 0)
            return ReportFileStatus(FileStatus::FileOpenError, QStringLiteral("standard output"));
    }
    return ExitOk;
}
