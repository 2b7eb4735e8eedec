// The print command: a clone file's printed document (channels, settings, VFOs) as a PDF, as File > Print
// prints it.
#include "cli/CliSupport.h"
#include "cli/PrintCommand.h"
#include "files/LocalName.h"
#include "files/NewImage.h"
#include "print/PrintPainter.h"
#include "print/document/PrintDocument.h"
#include <QBuffer>
#include <QDate>
#include <QPdfWriter>

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
    p.addOption({{"o", "output"}, "PDF file to write ('-' for standard output)", "OUT.pdf"});
    p.addOption({"page-size", "A4 (default), Letter, Legal, A3 or A5", "SIZE", "A4"});
    p.addPositionalArgument("FILE.M40", "clone file to print");
    if (!ParseCommandLine(p, "print", args)) return ExitUsage;
    if (const int usage = RequireArguments(p, "print", {"FILE.M40"}, {"o"})) return usage;
    if (const int usage = RefuseOutputOverInput("print", "o", p.value("output"),
                                                {{"FILE.M40", p.positionalArguments()[0]}}))
        return usage;
    QPageSize size;
    if (!pageSizeFor(p.value("page-size"), size))
        return UsageError("print", "--page-size is A4, Letter, Legal, A3 or A5, not " + p.value("page-size"));
    const QString output = p.value("output");
    if (const int status = CheckOutputOrReport(output)) return status;

    const QString path = p.positionalArguments().first();
    CloneImage image = NewCloneImage(VariantJ, false);
    if (const int status = OpenCloneFileOrReport(path, image)) return status;
    const PrintDocument doc = BuildPrintDocument(image, ShownFileName(path), QDate::currentDate());

    // Painted into memory (a PDF of 600 channels is some 100 KB), then written as every command writes.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(size);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setTitle(doc.fileName);
        writer.setCreator(QStringLiteral("kt-m40-cli"));
        if (PaintPrintDocument(doc, &writer) == 0) return ReportFileStatus(FileStatus::FileOpenError, output);
    } // the PDF is complete once its writer is gone
    return WriteOutputOrReport(output, pdf.data());
}
