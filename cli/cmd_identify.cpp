// kt-m40-cli identify: asks the radio which variant it is and whether it covers the wide range.
#include "cli/CliSupport.h"
#include "cli/LinkOptions.h"
#include "files/NewImage.h"
#include <QTextStream>

namespace {
int run(const QStringList &args) {
    QCommandLineParser p;
    p.addOption({"port", "serial port: a number or a device path", "PORT"});
    p.addOption({"json", "print the answer as JSON"});
    if (!ParseCommandLine(p, "identify", args)) return ExitUsage;
    if (const int usage = RequirePositionals(p, "identify", {})) return usage;
    if (const int usage = RequireOptions(p, "identify", {"port"})) return usage;
    std::unique_ptr<Link> link = PortLink("identify", p.value("port"));
    if (!link) return ExitUsage;

    CloneImage image = NewCloneImage(VariantJ, false);
    RadioSession session(&image);
    session.setLink(std::move(link));
    const int status = RunSession(session, {[](RadioSession &s) { return s.start(Procedure::Identify); }});
    if (status != ExitOk) return status;
    QTextStream out(stdout);
    if (p.isSet("json"))
        out << "{\"variant\": \"" << VariantLetter(image.Variant)
            << "\", \"wideRange\": " << (image.WideRange ? "true" : "false") << "}\n";
    else {
        // the range text comes in parentheses: "KT-M40J (variant J), 1.6MHz - 30MHz"
        QString range = FrequencyRangeFor(image.WideRange).text;
        if (range.startsWith(QLatin1Char('(')) && range.endsWith(QLatin1Char(')')))
            range = range.mid(1, range.size() - 2);
        out << VariantCaption(image.Variant) << " (variant " << VariantLetter(image.Variant) << "), "
            << (image.WideRange ? "wide range " : "") << range << "\n";
    }
    return ExitOk;
}

CommandRegistrar reg("identify",
                     {"ask the radio for its variant and range",
                      "Usage: kt-m40-cli identify --port PORT [--json]\n"
                      "Sends the identification command and prints the radio's variant (J, T, E, A)\n"
                      "and whether it covers the wide range (150 kHz - 35 MHz).\n"
                      "PORT is a port number (1 = COM1 or /dev/ttyS0) or a device path\n"
                      "(/dev/ttyUSB0, /dev/pts/3, COM17; ttyUSB0 means /dev/ttyUSB0).\n"
                      "--json prints {\"variant\": \"T\", \"wideRange\": true}.\n",
                      run});
} // namespace
