// kt-m40-cli write: Write Settings then Write Memory (Tool > Write > ALL) from a clone file.
#include "cli/CliSupport.h"
#include "cli/LinkOptions.h"
#include "cli/VerifyRun.h"
#include "cli/WriteChangesRun.h"
#include "files/Backups.h"
#include "files/NewImage.h"

namespace {
int run(const QStringList &args) {
    QCommandLineParser p;
    AddFileToRadioOptions(p, "write");
    p.addOption({"verify", "read the radio back afterwards and compare"});
    p.addOption({"changed", "write only the records the radio holds differently, then read them back"});
    p.addOption({"json", "with --changed: the records written as one JSON object"});
    if (!ParseCommandLine(p, "write", args)) return ExitUsage;
    if (p.isSet("json") && !p.isSet("changed")) return UsageError("write", "--json goes with --changed");
    CloneImage image = NewCloneImage(VariantJ, false);
    RadioSession session(&image);
    if (const int status = OpenFileToRadio(p, "write", image, session)) return status;
    if (p.isSet("changed"))
        return WriteChangesToRadio(session, image, !p.isSet("memory"), !p.isSet("settings"), p.isSet("json"),
                                   BackupFolder());
    SessionRun run = [](RadioSession &s) { return s.startWriteAll(); };
    if (p.isSet("memory"))
        run = [](RadioSession &s) { return s.start(Procedure::WriteMemory); };
    else if (p.isSet("settings"))
        run = [](RadioSession &s) { return s.start(Procedure::WriteSettings); };
    const int status = RunSession(session, {run});
    if (status != ExitOk || !p.isSet("verify")) return status;
    return VerifyAgainstRadio(session, image, !p.isSet("memory"), !p.isSet("settings"), false);
}

CommandRegistrar
    reg("write", {"write a clone file to the radio",
                  "Usage: kt-m40-cli write --port PORT FILE.M40 [--memory | --settings] [--verify]\n"
                  "       kt-m40-cli write --port PORT FILE.M40 --changed [--memory | --settings] [--json]\n"
                  "Writes the settings and VFOs, then the 604 memory channels of FILE.M40 to the\n"
                  "radio (Tool > Write > ALL), or only one of them. With --verify the radio is then\n"
                  "read back and compared, as 'kt-m40-cli verify' does (exit 5 when it differs).\n"
                  "With --changed the radio is read first and kept in the backup folder, then only\n"
                  "the records that differ from FILE.M40 are written and read back (exit 5 when one\n"
                  "does not read back as written); nothing is written when nothing differs.\n"
                  "PORT is a port number (1 = COM1 or /dev/ttyS0) or a device path.\n",
                  run});
} // namespace
