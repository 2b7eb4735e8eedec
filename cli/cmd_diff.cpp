// kt-m40-cli diff: what differs between two clone files.
#include "cli/CliSupport.h"
#include "cli/DifferenceReport.h"
#include "files/NewImage.h"

namespace {
int run(const QStringList &args) {
    QCommandLineParser p;
    p.addOption({"json", "print one JSON object"});
    p.addOption({{"o", "output"}, "file to write instead of standard output", "OUT", "-"});
    p.addPositionalArgument("A.M40", "first clone file");
    p.addPositionalArgument("B.M40", "second clone file");
    if (!ParseCommandLine(p, "diff", args)) return ExitUsage;
    if (const int usage = RequirePositionals(p, "diff", {"A.M40", "B.M40"})) return usage;
    CloneImage a = NewCloneImage(VariantJ, false);
    CloneImage b = a;
    if (const int status = OpenCloneFileOrReport(p.positionalArguments()[0], a)) return status;
    if (const int status = OpenCloneFileOrReport(p.positionalArguments()[1], b)) return status;
    const QList<ImageDifference> diffs = DiffImages(a, b);
    const QString text = DifferencesText(diffs, p.isSet("json"),
                                         {"a", "b", QStringLiteral("%1  %2: %3 -> %4"),
                                          QStringLiteral("The files hold the same data."),
                                          QStringLiteral("%1 difference(s).")});
    if (const int status = WriteOutputOrReport(p.value("output"), text.toUtf8())) return status;
    return diffs.isEmpty() ? ExitOk : ExitDifferent;
}

CommandRegistrar
    reg("diff", {"compare two clone files setting by setting and channel by channel",
                 "Usage: kt-m40-cli diff A.M40 B.M40 [--json] [-o OUT]\n"
                 "Lists every difference by record (Model, Settings, VFO A/B, channel row label)\n"
                 "and field, as 'record  field: A -> B'. Exit status 0 when the files hold the same\n"
                 "data, 5 when they differ, 3/4 when a file cannot be opened.\n"
                 "With --json: {\"equal\": bool, \"differences\": [{\"record\", \"field\", \"a\", \"b\"}]}.\n"
                 "-o OUT writes into a file ('-', the default, is standard output).\n",
                 run});
} // namespace
