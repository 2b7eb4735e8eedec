// kt-m40-cli import-csv: takes the records of a CSV list into a clone file, as File > Import.
#include "cli/CliSupport.h"
#include "files/CloneFile.h"
#include "files/CsvImport.h"
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {
int run(const QStringList &args) {
    QCommandLineParser p;
    p.addOption({"into", "clone file the records go into", "BASE.M40"});
    p.addOption({{"o", "output"}, "clone file to write", "OUT.M40"});
    p.addOption({"json", "print {\"taken\": n, \"dropped\": m} on stdout"});
    p.addPositionalArgument("IN.csv", "CSV file to import");
    if (!ParseCommandLine(p, "import-csv", args)) return ExitUsage;
    if (const int usage = RequireArguments(p, "import-csv", {"IN.csv"}, {"into", "o"})) return usage;
    CloneImage image = NewCloneImage(VariantJ, false);
    if (const int status = OpenCloneFileOrReport(p.value("into"), image)) return status;
    const QString in = p.positionalArguments().first();
    CsvImportResult result;
    if (IsStandardStream(in)) {
        QFile input;
        if (input.open(stdin, QIODevice::ReadOnly)) {
            result = ImportCsvDevice(input, image);
        } else {
            result.status = FileStatus::FileOpenError;
            result.detail = input.errorString();
        }
    } else {
        result = ImportCsv(in, image);
    }
    if (result.status != FileStatus::Ok)
        return ReportFileStatus(result.status, result.detail.isEmpty() ? in : in + ": " + result.detail);
    if (const int status = SaveCloneFileOrReport(p.value("output"), image)) return status;
    // with the clone file on standard output, the counts go to stderr
    QTextStream out(IsStandardStream(p.value("output")) ? stderr : stdout);
    if (p.isSet("json"))
        out << "{\"taken\": " << result.taken << ", \"dropped\": " << result.dropped << "}\n";
    else
        out << result.taken << " records taken, " << result.dropped << " dropped\n";
    return ExitOk;
}

CommandRegistrar reg("import-csv",
                     {"take the records of a CSV list into a clone file",
                      "Usage: kt-m40-cli import-csv IN.csv --into BASE.M40 -o OUT.M40 [--json]\n"
                      "Opens BASE.M40, takes the VFO and channel (0-199) records of IN.csv into it\n"
                      "as File > Import does and writes the result to OUT.M40. Prints how many\n"
                      "records were taken and how many dropped (--json: {\"taken\": n, \"dropped\": m}).\n"
                      "IN.csv '-' reads standard input; OUT.M40 '-' writes standard output (the\n"
                      "counts then go to stderr).\n",
                      run});
} // namespace
