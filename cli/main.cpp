// kt-m40-cli: the clone utility without windows.
#include "Version.h"
#include "cli/CliSupport.h"
#include "image/TextTables.h"
#include <QCoreApplication>
#include <QTextStream>
#include <csignal>
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
    out << "\nOptions:\n"
           "  -h, --help     show this help; 'kt-m40-cli COMMAND --help' or\n"
           "                 'kt-m40-cli help COMMAND' describes a command\n"
           "  --version      show the program's version\n"
           "\nA file name '-' means standard output (standard input for import-csv).\n"
           "\nExit status: 0 success, 1 Communication Error, 2 COM Port Error, 3 Data Error,\n"
           "4 File Open Error (also a failure writing standard output), 5 differences found,\n"
           "6 nothing taken (import-csv), 64 bad usage, 130 interrupted (Ctrl+C).\n";
}

bool isHelp(const QString &a) {
    return a == QLatin1String("--help") || a == QLatin1String("-h");
}

int runCommand(QStringList args) {
    QTextStream &out = Out();
    if (args.isEmpty()) {
        QTextStream err(stderr);
        overview(err);
        return ExitUsage;
    }
    QString name = args.takeFirst();
    if (name == QLatin1String("--version")) {
        out << "kt-m40-cli " << ProgramVersion << "\n";
        return ExitOk;
    }
    if (name == QLatin1String("help")) {
        if (args.size() > 1) return UsageError(QStringLiteral("help"), QStringLiteral("takes one command"));
        if (args.isEmpty()) {
            overview(out);
            return ExitOk;
        }
        name = args.first(); // 'help COMMAND' is 'COMMAND --help'
        args = QStringList{QStringLiteral("--help")};
    }
    if (isHelp(name)) {
        overview(out);
        return ExitOk;
    }
    const auto it = Commands().find(name);
    if (it == Commands().end())
        return UsageError(QString(), QStringLiteral("unknown command '%1'").arg(name));
    // COMMAND --help is answered by the command's own parsing, which knows its options
    const int status = it->second.run(args);
    return HelpWasShown() ? ExitOk : status;
}
} // namespace

int main(int argc, char **argv) {
    // A reader that went away (kt-m40-cli show x.M40 | head) is a write error to report, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kt-m40"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ProgramVersion));
    BuildTextTables();
    return FinishStandardOutput(runCommand(ArgumentsFromArgv(argc, argv)));
}
