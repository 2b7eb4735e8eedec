#pragma once
// What every command shares: argument parsing, messages on stderr and the exit status they map to.
#include "cli/Command.h"
#include "image/CloneImage.h"
#include "image/Messages.h"
#include <QCommandLineParser>
#include <QString>

// Parses args for a command. False (after printing the reason and the usage on stderr) on bad usage.
bool ParseCommandLine(QCommandLineParser &parser, const QString &command, const QStringList &args);
// Prints the usage of a command on stderr and returns ExitUsage.
int UsageError(const QString &command, const QString &reason);

// Writes a message line on stderr (the program's own texts, then an optional detail line).
void PrintMessage(const QString &message, const QString &detail = {});
// Exit status for a file outcome (0, 3 or 4), after printing its message.
int ReportFileStatus(FileStatus status, const QString &detail);

// Before any long work: whether the output path can be written ("File Open Error", exit 4, naming the file
// and the system's reason when it cannot); ExitOk when it can.
int CheckOutputOrReport(const QString &path);
// Saves image as a clone file; the exit status (the failure reported, naming the file), else ExitOk.
int SaveCloneFileOrReport(const QString &path, CloneImage &image);

// Opens a clone file into image exactly as File > Open does; the exit status on failure, else ExitOk.
int OpenCloneFileOrReport(const QString &path, CloneImage &image);
