#include "cli/CliSupport.h"
#include "files/CloneFile.h"
#include "files/FileTarget.h"
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
QTextStream &err() {
    static QTextStream stream(stderr);
    return stream;
}

// "-o" for one-letter options, "--port" for the others
QString optionText(const QString &name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}
} // namespace

namespace {
bool helpShown = false;

bool asksForHelp(const QStringList &args) {
    for (const QString &a : args) {
        if (a == QLatin1String("--")) return false; // a file named --help after "--" is a file
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) return true;
    }
    return false;
}

// The command's usage text, then its options and arguments as the parser describes them.
void printHelp(const QCommandLineParser &parser, const QString &command) {
    const auto it = Commands().find(command);
    if (it != Commands().end()) Out() << it->second.usage;
    const QString generated = parser.helpText();
    const qsizetype options = generated.indexOf(QStringLiteral("\nOptions:\n"));
    if (options < 0) return;
    const QString rest = generated.mid(options + 10);
    // the help option in the column the parser chose for the others
    static const QRegularExpression column(QStringLiteral("^(  \\S.*?  +)\\S"));
    const QRegularExpressionMatch m = column.match(rest.section(QLatin1Char('\n'), 0, 0));
    const int width = m.hasMatch() ? int(m.capturedLength(1)) : 12;
    Out() << "\nOptions:\n"
          << QStringLiteral("  -h, --help").leftJustified(width) << "show this help\n"
          << rest;
}
} // namespace

bool HelpWasShown() {
    return helpShown;
}

bool ParseCommandLine(QCommandLineParser &parser, const QString &command, const QStringList &args) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (asksForHelp(args)) {
        printHelp(parser, command);
        helpShown = true;
        return false;
    }
    if (!parser.parse(QStringList{QStringLiteral("kt-m40-cli")} + args)) {
        // Qt says "Unknown option 'x'." - in this program's style: "unknown option 'x'"
        QString reason = parser.errorText();
        if (reason.endsWith(QLatin1Char('.'))) reason.chop(1);
        if (!reason.isEmpty()) reason[0] = reason[0].toLower();
        UsageError(command, reason);
        return false;
    }
    return true;
}

int UsageError(const QString &command, const QString &reason) {
    err() << "kt-m40-cli: " << (command.isEmpty() ? QString() : command + QStringLiteral(": ")) << reason
          << "\n"
          << "Try 'kt-m40-cli " << (command.isEmpty() ? QString() : command + QLatin1Char(' '))
          << "--help' for more information.\n";
    err().flush();
    return ExitUsage;
}

int RequireOptions(const QCommandLineParser &parser, const QString &command, const QStringList &names) {
    for (const QString &name : names)
        if (!parser.isSet(name)) return UsageError(command, optionText(name) + QStringLiteral(" is missing"));
    return ExitOk;
}

int RequirePositionals(const QCommandLineParser &parser, const QString &command, const QStringList &names) {
    const QStringList given = parser.positionalArguments();
    if (given.size() < names.size())
        return UsageError(command, names[given.size()] + QStringLiteral(" is missing"));
    if (given.size() > names.size())
        return UsageError(command, QStringLiteral("unexpected argument '%1'").arg(given[names.size()]));
    return ExitOk;
}

int RequireArguments(const QCommandLineParser &parser, const QString &command, const QStringList &positionals,
                     const QStringList &options) {
    if (const int status = RequirePositionals(parser, command, positionals)) return status;
    return RequireOptions(parser, command, options);
}

bool IsStandardStream(const QString &path) {
    return path == QLatin1String("-");
}

QTextStream &Out() {
    static QTextStream stream(stdout);
    return stream;
}

namespace {
int outputErrno = 0; // the reason of the first failed write to standard output
}

int FinishStandardOutput(int status) {
    errno = 0;
    Out().flush();
    const bool failed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    if (!failed) return status;
    const int reason = outputErrno != 0 ? outputErrno : errno;
    PrintMessage(FileOpenErrorText, QStringLiteral("standard output: %1")
                                        .arg(reason != 0 ? QString::fromLocal8Bit(std::strerror(reason))
                                                         : QStringLiteral("write error")));
    return ExitFileOpenError;
}

void PrintMessage(const QString &message, const QString &detail) {
    err() << message << "\n";
    if (!detail.isEmpty()) err() << "  " << detail << "\n";
    err().flush();
}

int ReportFileStatus(FileStatus status, const QString &detail) {
    if (status == FileStatus::Ok) return ExitOk;
    PrintMessage(FileStatusText(status), detail);
    return status == FileStatus::DataError ? ExitDataError : ExitFileOpenError;
}

int OpenCloneFileOrReport(const QString &path, CloneImage &image) {
    const CloneFileLoad load = LoadCloneFile(path, image);
    return ReportFileStatus(load.status,
                            load.detail.isEmpty() ? path : path + QStringLiteral(": ") + load.detail);
}

int CheckOutputOrReport(const QString &path) {
    QString reason;
    if (IsStandardStream(path) || CheckWritable(path, &reason)) return ExitOk;
    return ReportFileStatus(FileStatus::FileOpenError, path + QStringLiteral(": ") + reason);
}

int SaveCloneFileOrReport(const QString &path, CloneImage &image) {
    if (IsStandardStream(path)) return WriteOutputOrReport(path, CloneFileBytes(image));
    QString detail;
    const FileStatus status = SaveCloneFile(path, image, &detail);
    return ReportFileStatus(status, detail.isEmpty() ? path : path + QStringLiteral(": ") + detail);
}

int WriteOutputOrReport(const QString &path, const QByteArray &bytes) {
    if (IsStandardStream(path)) {
        Out().flush();
        // a failure shows when the program ends (FinishStandardOutput)
        if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) &&
            outputErrno == 0)
            outputErrno = errno;
        return ExitOk;
    }
    QString reason;
    if (!WriteFileBytes(path, bytes, &reason))
        return ReportFileStatus(FileStatus::FileOpenError, path + QStringLiteral(": ") + reason);
    return ExitOk;
}
