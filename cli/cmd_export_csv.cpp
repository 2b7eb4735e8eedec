// kt-m40-cli export-csv: writes a clone file's VFOs and channels 0 to 199 as a CSV list, as File > Export.
#include "cli/CliSupport.h"
#include "files/CsvExport.h"

namespace {
int run(const QStringList &args) {
    QCommandLineParser p;
    p.addOption({{"o", "output"}, "CSV file to write", "OUT.csv"});
    p.addPositionalArgument("FILE.M40", "clone file to export");
    if (!ParseCommandLine(p, "export-csv", args)) return ExitUsage;
    if (const int usage = RequireArguments(p, "export-csv", {"FILE.M40"}, {"o"})) return usage;
    CloneImage image = NewCloneImage(VariantJ, false);
    if (const int status = OpenCloneFileOrReport(p.positionalArguments().first(), image)) return status;
    if (IsStandardStream(p.value("output"))) return WriteOutputOrReport("-", CsvExportBytes(image));
    QString detail;
    const FileStatus status = ExportCsv(p.value("output"), image, &detail);
    return ReportFileStatus(status, detail.isEmpty() ? p.value("output") : p.value("output") + ": " + detail);
}

CommandRegistrar reg("export-csv",
                     {"export a clone file's VFOs and channels 0-199 to CSV",
                      "Usage: kt-m40-cli export-csv FILE.M40 -o OUT.csv\n"
                      "Opens FILE.M40 with every check of File > Open and writes what File > Export\n"
                      "writes: the header line, VFO A, VFO B and each used channel 0 to 199, every\n"
                      "value in double quotes, CR LF line ends. OUT.csv '-' is standard output.\n",
                      run});
} // namespace
