#pragma once
// What every command shares: argument parsing, usage errors in one style, messages on stderr and the exit
// status they map to, and standard output ("-") with its write errors.
#include "cli/Command.h"
#include "image/CloneImage.h"
#include "image/Messages.h"
#include <QCommandLineParser>
#include <QString>
#include <QTextStream>

// The command line's arguments after the program's name, every byte kept (a file name need not be UTF-8).
QStringList ArgumentsFromArgv(int argc, char **argv);

// Parses args for a command. False (after printing the reason as a usage error) on bad usage, and false
// after printing the command's help (usage text and options) for --help or -h.
bool ParseCommandLine(QCommandLineParser &parser, const QString &command, const QStringList &args);
// Whether ParseCommandLine printed a command's help: the run then ends with status 0.
bool HelpWasShown();
// Prints "kt-m40-cli: COMMAND: REASON" and a hint to the command's --help on stderr; returns ExitUsage.
int UsageError(const QString &command, const QString &reason);
// ExitOk when every named option is set ("port", "o", "into"), else the usage error "--port is missing"
// for the first one that is not.
int RequireOptions(const QCommandLineParser &parser, const QString &command, const QStringList &names);
// ExitOk when the positional arguments are exactly as many as names, else the usage error "FILE.M40 is
// missing" or "unexpected argument 'x'".
int RequirePositionals(const QCommandLineParser &parser, const QString &command, const QStringList &names);
// Both: the positional arguments first, then the options.
int RequireArguments(const QCommandLineParser &parser, const QString &command, const QStringList &positionals,
                     const QStringList &options);

// "-" in place of a file name: standard output (or standard input where a file is read).
bool IsStandardStream(const QString &path);
// Standard output for the commands' results. Write errors are noticed when the program ends
// (FinishStandardOutput): exit status 4 and a message.
QTextStream &Out();
// Flushes standard output. When anything written to it failed, prints the message and returns
// ExitFileOpenError, or silently ExitBrokenPipe when its reader went away; else returns status.
int FinishStandardOutput(int status);

// Writes a message line on stderr (the program's own texts, then an optional detail line).
void PrintMessage(const QString &message, const QString &detail = {});
// Exit status for a file outcome (0, 3 or 4), after printing its message.
int ReportFileStatus(FileStatus status, const QString &detail);

// Before any work: refuses (usage error, ExitUsage) an output that is the same file as one of the inputs
// (same device and inode: another name, a link), which writing would destroy; inputs are pairs of what the
// input is ("FILE.M40", "--into") and its name. "-" is no file. ExitOk otherwise.
int RefuseOutputOverInput(const QString &command, const QString &option, const QString &output,
                          const QList<std::pair<QString, QString>> &inputs);

// Before any long work: whether the output path can be written ("File Open Error", exit 4, naming the file
// and the system's reason when it cannot); ExitOk when it can, and for "-" (standard output).
int CheckOutputOrReport(const QString &path);
// Saves image as a clone file, or writes it to standard output for "-"; the exit status (the failure
// reported, naming the file), else ExitOk.
int SaveCloneFileOrReport(const QString &path, CloneImage &image);

// Opens a clone file into image exactly as File > Open does; the exit status on failure, else ExitOk.
int OpenCloneFileOrReport(const QString &path, CloneImage &image);
// Writes bytes to the file at path (replacing it), or to standard output for "-"; the exit status.
int WriteOutputOrReport(const QString &path, const QByteArray &bytes);
