// kt-m40-cli save-as: opens a clone file and saves it again, as Open then Save As would.
#include "cli/CliSupport.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"

namespace {
int run(const QStringList &args) {
    QCommandLineParser p;
    p.addOption({{"o", "output"}, "clone file to write", "OUT.M40"});
    p.addPositionalArgument("IN.M40", "clone file to open");
    if (!ParseCommandLine(p, "save-as", args)) return ExitUsage;
    if (const int usage = RequireArguments(p, "save-as", {"IN.M40"}, {"o"})) return usage;
    if (const int status = CheckOutputOrReport(p.value("output"))) return status;
    CloneImage image = NewCloneImage(VariantJ, false);
    if (const int status = OpenCloneFileOrReport(p.positionalArguments().first(), image)) return status;
    return SaveCloneFileOrReport(p.value("output"), image);
}

CommandRegistrar reg("save-as", {"open a clone file and save it under another name",
                                 "Usage: kt-m40-cli save-as IN.M40 -o OUT.M40\n"
                                 "Opens IN.M40 with every check of File > Open and writes it to OUT.M40.\n"
                                 "A file saved by this program comes back byte for byte.\n"
                                 "OUT.M40 '-' writes the file to standard output.\n",
                                 run});
} // namespace
