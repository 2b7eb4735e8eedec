// kt-m40-cli export-csv: writes a clone file's channel list as CSV, in the original layout as File > Export
// does, or in the full or the CHIRP layout.
#include "cli/CliSupport.h"
#include "csv/CsvLayoutFiles.h"
#include "files/NewImage.h"
#include <QTextStream>
#include <cstdio>

namespace {
int run(const QStringList &args) {
    QCommandLineParser p;
    p.addOption({{"o", "output"}, "CSV file to write", "OUT.csv"});
    p.addOption({"layout", "original (default), full or chirp", "LAYOUT", "original"});
    p.addPositionalArgument("FILE.M40", "clone file to export");
    if (!ParseCommandLine(p, "export-csv", args)) return ExitUsage;
    if (const int usage = RequireArguments(p, "export-csv", {"FILE.M40"}, {"o"})) return usage;
    CsvLayout layout = CsvLayout::Original;
    if (!CsvLayoutFromName(p.value("layout"), layout))
        return UsageError("export-csv", "--layout is original, full or chirp, not " + p.value("layout"));
    CloneImage image = NewCloneImage(VariantJ, false);
    if (const int status = CheckOutputOrReport(p.value("output"))) return status;
    if (const int status = OpenCloneFileOrReport(p.positionalArguments().first(), image)) return status;
    QString detail;
    CsvReport notCarried;
    const bool toStdout = IsStandardStream(p.value("output"));
    const FileStatus status =
        toStdout ? (WriteOutputOrReport("-", CsvLayoutBytes(image, layout, &notCarried)), FileStatus::Ok)
                 : ExportCsvLayout(p.value("output"), image, layout, &notCarried, &detail);
    if (status == FileStatus::Ok && notCarried.itemCount() > 0) {
        // what the CHIRP layout cannot carry is never dropped silently
        QTextStream err(stderr);
        err << notCarried.itemCount() << " values not carried by CHIRP CSV:\n";
        for (const CsvReportItem &item : notCarried.items)
            err << "  " << CsvReportItemText(item) << "\n";
        if (notCarried.itemsLeftOut > 0) err << "  ... and " << notCarried.itemsLeftOut << " more\n";
    }
    return ReportFileStatus(status, detail.isEmpty() ? p.value("output") : p.value("output") + ": " + detail);
}

CommandRegistrar reg("export-csv",
                     {"export a clone file's channel list to CSV (original, full or CHIRP layout)",
                      "Usage: kt-m40-cli export-csv FILE.M40 -o OUT.csv [--layout original|full|chirp]\n"
                      "Opens FILE.M40 with every check of File > Open and writes its channel list.\n"
                      "  original  what File > Export has always written: the header line, VFO A, VFO B\n"
                      "            and each used channel 0 to 199, every value in double quotes\n"
                      "  full      every VFO and all 604 channels under the grid titles, lossless\n"
                      "  chirp     the used channels as CHIRP CSV; what it cannot carry is listed on\n"
                      "            stderr\n"
                      "CR LF line ends. OUT.csv '-' is standard output.\n",
                      run});
} // namespace
