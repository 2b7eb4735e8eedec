// kt-m40-cli: the clone utility without windows.
#include "cli/Command.h"
#include "image/TextTables.h"
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

std::map<QString, Command> &Commands() {
    static std::map<QString, Command> commands;
    return commands;
}

namespace {
void overview(QTextStream &out) {
    out << "Usage: kt-m40-cli COMMAND [OPTIONS]\n"
           "The Korvan KT-M40 clone utility on the command line.\n\nCommands:\n";
    for (const auto &[name, command] : Commands())
        out << "  " << name.leftJustified(12) << command.summary << "\n";
    out << "\n'kt-m40-cli COMMAND --help' describes a command.\n"
           "Exit status: 0 success, 1 Communication Error, 2 COM Port Error, 3 Data Error,\n"
           "4 File Open Error, 5 differences found, 64 bad usage.\n";
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kt-m40"));
    BuildTextTables();
    QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.isEmpty()) {
        overview(err);
        return ExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        overview(out);
        return ExitOk;
    }
    const auto it = Commands().find(name);
    if (it == Commands().end()) {
        err << "kt-m40-cli: unknown command '" << name << "'\n\n";
        overview(err);
        return ExitUsage;
    }
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        out << it->second.usage;
        return ExitOk;
    }
    return it->second.run(args);
}
