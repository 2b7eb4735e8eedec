// kt-m40-cli-print: kt-m40-cli's print command, a program of its own because it needs Qt Gui. kt-m40-cli
// print runs it with the command's arguments.
#include "cli/CliSupport.h"
#include "cli/PrintCommand.h"
#include "image/TextTables.h"
#include <QGuiApplication>
#include <csignal>

std::map<QString, Command> &Commands() {
    static std::map<QString, Command> commands;
    return commands;
}

namespace {
CommandRegistrar reg("print", {PrintSummary, PrintUsage, RunPrintCommand});
}

int main(int argc, char **argv) {
    // A reader that went away (kt-m40-cli print x.M40 -o - | head) is a write error to report.
    std::signal(SIGPIPE, SIG_IGN);
    // A PDF needs no screen: without a platform chosen the command paints offscreen, so it runs where no
    // display is and never waits for one.
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kt-m40"));
    BuildTextTables();
    // argc and argv without the options Qt took
    const int status = RunPrintCommand(ArgumentsFromArgv(argc, argv));
    return FinishStandardOutput(HelpWasShown() ? ExitOk : status);
}
