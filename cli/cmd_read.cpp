// kt-m40-cli read: Read Settings then Read Memory (Tool > Read > ALL) into a clone file.
#include "cli/CliSupport.h"
#include "cli/LinkOptions.h"
#include "files/Backups.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"

namespace {
int run(const QStringList &args) {
    QCommandLineParser p;
    p.addOption({"port", "serial port: a number or a device path", "PORT"});
    p.addOption({{"o", "output"}, "clone file to write", "OUT.M40"});
    p.addOption({"memory", "read the memory channels only"});
    p.addOption({"settings", "read the settings and VFOs only"});
    p.addOption({"into", "start from this clone file instead of a new image", "BASE.M40"});
    p.addOption({"variant", "model variant J, T, E or A for the header", "V"});
    p.addOption({"wide", "wide-range radio (150 kHz - 35 MHz) for the header"});
    p.addOption({"identify", "ask the radio for its variant and range first"});
    if (!ParseCommandLine(p, "read", args)) return ExitUsage;
    if (const int usage = RequirePositionals(p, "read", {})) return usage;
    if (const int usage = RequireOptions(p, "read", {"port", "o"})) return usage;
    if (p.isSet("memory") && p.isSet("settings"))
        return UsageError("read", "--memory and --settings exclude each other");
    if (p.isSet("identify") && (p.isSet("variant") || p.isSet("wide")))
        return UsageError("read", "--identify takes the variant and range from the radio");
    int variant = -1;
    if (p.isSet("variant") && (variant = VariantFromLetter(p.value("variant"))) < 0)
        return UsageError("read", "--variant takes J, T, E or A");
    std::unique_ptr<Link> link = PortLink("read", p.value("port"));
    if (!link) return ExitUsage;
    // a read takes a minute at 9600 baud: a file that cannot be written is found before it starts
    if (const int status = CheckOutputOrReport(p.value("output"))) return status;

    CloneImage image = NewCloneImage(VariantJ, false);
    if (p.isSet("into")) {
        const int status = OpenCloneFileOrReport(p.value("into"), image);
        if (status != ExitOk) return status;
    }
    if (variant >= 0) image.Variant = variant;
    if (p.isSet("wide")) image.WideRange = true;

    std::vector<SessionRun> runs;
    if (p.isSet("identify")) runs.push_back([](RadioSession &s) { return s.start(Procedure::Identify); });
    if (p.isSet("memory"))
        runs.push_back([](RadioSession &s) { return s.start(Procedure::ReadMemory); });
    else if (p.isSet("settings"))
        runs.push_back([](RadioSession &s) { return s.start(Procedure::ReadSettings); });
    else
        runs.push_back([](RadioSession &s) { return s.startReadAll(); });

    RadioSession session(&image);
    session.setLink(std::move(link));
    const int status = RunSession(session, runs);
    if (status != ExitOk) return status; // nothing is written after a failed read
    const BackupResult backup = SaveBackup(image);
    PrintMessage(backup.ok ? QStringLiteral("Backup: %1").arg(backup.path)
                           : QStringLiteral("No backup was saved: %1").arg(backup.detail));
    return SaveCloneFileOrReport(p.value("output"), image);
}

CommandRegistrar reg("read",
                     {"read the radio into a clone file",
                      "Usage: kt-m40-cli read --port PORT -o OUT.M40 [--memory | --settings]\n"
                      "                       [--into BASE.M40] [--variant J|T|E|A] [--wide] [--identify]\n"
                      "Reads the settings and VFOs, then the 604 memory channels (Tool > Read > ALL),\n"
                      "or only one of them, and writes the clone file OUT.M40. The image starts as\n"
                      "BASE.M40 or as a new image; its header comes from --variant/--wide, from\n"
                      "BASE.M40, or with --identify from the radio. On any failure nothing is written.\n"
                      "After a successful read a copy is also kept in the backup folder (the newest 50).\n"
                      "PORT is a port number (1 = COM1 or /dev/ttyS0) or a device path.\n",
                      run});
} // namespace
