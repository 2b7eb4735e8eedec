// kt-m40-cli import-csv: takes a CSV channel list into a clone file; the layout is recognised by the
// file's first line.
#include "cli/CliSupport.h"
#include "csv/CsvLayoutFiles.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <cstdio>

namespace {
QString kindName(CsvReportItem::Kind kind) {
    return kind == CsvReportItem::Refused ? QStringLiteral("refused") : QStringLiteral("changed");
}

QByteArray reportJson(const CsvFileImport &r) {
    QJsonArray items;
    for (const CsvReportItem &i : r.report.items)
        items.append(QJsonObject{
            {"row", i.row}, {"field", i.field}, {"reason", i.reason}, {"kind", kindName(i.kind)}});
    QJsonObject o{{"layout", CsvLayoutName(r.layout)},
                  {"taken", r.report.taken},
                  {"changed", r.report.changed},
                  {"refused", r.report.refused},
                  {"items", items}};
    if (r.report.itemsLeftOut > 0) o.insert("itemsLeftOut", double(r.report.itemsLeftOut));
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

// toStderr: the clone file itself goes to standard output
void printReport(const CsvFileImport &r, bool json, bool toStderr) {
    QTextStream out(toStderr ? stderr : stdout);
    if (r.layout == CsvLayout::Original) {
        if (json)
            out << "{\"taken\": " << r.original.taken << ", \"dropped\": " << r.original.dropped << "}\n";
        else
            out << r.original.taken << " records taken, " << r.original.dropped << " dropped\n";
        return;
    }
    if (json) {
        out << reportJson(r) << "\n";
        return;
    }
    out << CsvLayoutName(r.layout) << " layout: " << r.report.taken << " lines taken (" << r.report.changed
        << " with changes), " << r.report.refused << " refused\n";
    for (const CsvReportItem &item : r.report.items)
        out << "  " << CsvReportItemText(item) << "\n";
    if (r.report.itemsLeftOut > 0) out << "  ... and " << r.report.itemsLeftOut << " more\n";
}

int run(const QStringList &args) {
    QCommandLineParser p;
    p.addOption({"into", "clone file the records go into", "BASE.M40"});
    p.addOption({{"o", "output"}, "clone file to write", "OUT.M40"});
    p.addOption({"json", "print the outcome as JSON on stdout"});
    p.addPositionalArgument("IN.csv", "CSV file to import");
    if (!ParseCommandLine(p, "import-csv", args)) return ExitUsage;
    if (const int usage = RequireArguments(p, "import-csv", {"IN.csv"}, {"into", "o"})) return usage;
    if (const int status = CheckOutputOrReport(p.value("output"))) return status;
    CloneImage image = NewCloneImage(VariantJ, false);
    if (const int status = OpenCloneFileOrReport(p.value("into"), image)) return status;
    const QString in = p.positionalArguments().first();
    CsvFileImport result;
    if (IsStandardStream(in)) {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly))
            return ReportFileStatus(FileStatus::FileOpenError, "standard input: " + input.errorString());
        result = ImportCsvFileDevice(input, image);
    } else {
        result = ImportCsvFile(in, image);
    }
    if (result.status() != FileStatus::Ok)
        return ReportFileStatus(result.status(),
                                result.detail().isEmpty() ? in : in + ": " + result.detail());
    if (const int status = SaveCloneFileOrReport(p.value("output"), image)) return status;
    printReport(result, p.isSet("json"), IsStandardStream(p.value("output")));
    if (result.taken() == 0 && !result.fileEmpty) {
        QTextStream err(stderr);
        err << "kt-m40-cli import-csv: nothing was taken from " << in << "\n";
        if (result.ownOriginalExport)
            err << "  it is this program's export in the original layout, whose columns the import reads as\n"
                   "  another vocabulary; export with --layout full to bring its channels back\n";
    }
    return ExitOk;
}

CommandRegistrar reg("import-csv",
                     {"take a CSV channel list (original, full or CHIRP layout) into a clone file",
                      "Usage: kt-m40-cli import-csv IN.csv --into BASE.M40 -o OUT.M40 [--json]\n"
                      "Opens BASE.M40, takes the channel list of IN.csv into it and writes the result\n"
                      "to OUT.M40. The layout is recognised by the first line of IN.csv:\n"
                      "  original  the VFO and channel (0-199) records, as File > Import; prints how\n"
                      "            many were taken and dropped (--json: {\"taken\": n, \"dropped\": m})\n"
                      "  full      every line through the edit dialog's rules\n"
                      "  chirp     CHIRP CSV, by the program's mapping\n"
                      "For full and chirp it prints the lines taken, changed and refused and each\n"
                      "change and refusal by row and field (--json: {\"layout\", \"taken\", \"changed\",\n"
                      "\"refused\", \"items\": [{\"row\", \"field\", \"reason\", \"kind\"}]}).\n"
                      "An import that takes nothing from a non-empty file says so on stderr.\n"
                      "IN.csv '-' reads standard input; OUT.M40 '-' writes standard output (the\n"
                      "counts and lists then go to stderr).\n",
                      run});
} // namespace
