// kt-m40-cli-print: kt-m40-cli's print command, a program of its own because it needs Qt Gui. kt-m40-cli
// print runs it with the command's arguments.
#include "cli/Command.h"
#include "cli/PrintCommand.h"
#include "image/TextTables.h"
#include <QGuiApplication>
#include <QTextStream>

std::map<QString, Command> &Commands() {
    static std::map<QString, Command> commands;
    return commands;
}

namespace {
CommandRegistrar reg("print", {PrintSummary, PrintUsage, RunPrintCommand});
}

int main(int argc, char **argv) {
    // A PDF needs no screen: without a platform chosen the command paints offscreen, so it runs where no
    // display is and never waits for one.
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kt-m40"));
    BuildTextTables();
    const QStringList args = app.arguments().mid(1);
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        QTextStream(stdout) << PrintUsage;
        return ExitOk;
    }
    return RunPrintCommand(args);
}
