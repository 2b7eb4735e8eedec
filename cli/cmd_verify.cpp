// kt-m40-cli verify: reads the radio back and compares it with what writing a clone file would send.
#include "cli/CliSupport.h"
#include "cli/LinkOptions.h"
#include "cli/VerifyRun.h"
#include "files/NewImage.h"

namespace {
int run(const QStringList &args) {
    QCommandLineParser p;
    AddFileToRadioOptions(p, "verify");
    p.addOption({"json", "print the differences as one JSON object"});
    if (!ParseCommandLine(p, "verify", args)) return ExitUsage;
    CloneImage image = NewCloneImage(VariantJ, false);
    RadioSession session(&image);
    if (const int status = OpenFileToRadio(p, "verify", image, session)) return status;
    return VerifyAgainstRadio(session, image, !p.isSet("memory"), !p.isSet("settings"), p.isSet("json"));
}

CommandRegistrar
    reg("verify",
        {"compare the radio with a clone file, changing nothing",
         "Usage: kt-m40-cli verify --port PORT FILE.M40 [--memory | --settings] [--json]\n"
         "Reads the radio's settings and VFO records, then its 604 memory channels (or only\n"
         "one half) and compares each record with what writing FILE.M40 would send. Lists\n"
         "each differing record by label (Settings, VFO A/B, channel row label) and field.\n"
         "Exit status 0 when all match, 5 when something differs, 1/2 when the link fails.\n"
         "With --json: {\"equal\": bool, \"differences\": [{\"record\", \"field\", \"file\", \"radio\"}]}.\n",
         run});
} // namespace
