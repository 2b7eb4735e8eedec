#pragma once
// The command-line tool's commands: each file registers one command with its usage text.
#include <QStringList>
#include <functional>
#include <map>

// Exit statuses shared by every command.
enum ExitStatus {
    ExitOk = 0,
    ExitCommunicationError = 1,
    ExitComPortError = 2,
    ExitDataError = 3,
    ExitFileOpenError = 4,
    ExitDifferent = 5,
    ExitNothingTaken = 6, // import-csv took nothing from a file that holds something
    ExitUsage = 64,
    ExitBrokenPipe = 128 + 13 // standard output's reader went away, as if SIGPIPE had ended the program
};

struct Command {
    QString summary; // one line for the overview
    QString usage;   // the whole --help text
    // Runs with the arguments after the command name; returns the exit status.
    std::function<int(const QStringList &args)> run;
};

std::map<QString, Command> &Commands();

struct CommandRegistrar {
    CommandRegistrar(const QString &name, Command command) { Commands()[name] = std::move(command); }
};
