// kt-m40-cli new: writes the image that File > New gives.
#include "cli/CliSupport.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"

namespace {
int run(const QStringList &args) {
    QCommandLineParser p;
    p.addOption({{"o", "output"}, "clone file to write", "OUT.M40"});
    p.addOption({"variant", "model variant J, T, E or A (default J)", "V", "J"});
    p.addOption({"wide", "wide-range radio (150 kHz - 35 MHz)"});
    if (!ParseCommandLine(p, "new", args)) return ExitUsage;
    if (const int usage = RequireArguments(p, "new", {}, {"o"})) return usage;
    const int variant = VariantFromLetter(p.value("variant"));
    if (variant < 0) return UsageError("new", "--variant takes J, T, E or A");
    CloneImage image = NewCloneImage(variant, p.isSet("wide"));
    return SaveCloneFileOrReport(p.value("output"), image);
}

CommandRegistrar reg("new",
                     {"write a new clone file (default settings, empty memory)",
                      "Usage: kt-m40-cli new -o OUT.M40 [--variant J|T|E|A] [--wide]\n"
                      "Writes the clone file that File > New gives: default settings, default VFOs,\n"
                      "604 empty channels, with the header of the variant and range (default J, narrow).\n"
                      "OUT.M40 '-' writes the file to standard output.\n",
                      run});
} // namespace
