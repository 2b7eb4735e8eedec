#include "cli/CliSupport.h"
#include "files/CloneFile.h"
#include "files/FileTarget.h"
#include "files/LocalName.h"
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace {
// Messages on stderr, a file name in them as the user typed it (its bytes, not Qt's decoding of them).
struct ErrorStream {
    ErrorStream &operator<<(const QString &text) {
        std::fputs(FileNameBytes(text).constData(), stderr);
        return *this;
    }
    ErrorStream &operator<<(const char *text) {
        std::fputs(text, stderr);
        return *this;
    }
    void flush() { std::fflush(stderr); }
};

ErrorStream &err() {
    static ErrorStream stream;
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

QStringList ArgumentsFromArgv(int argc, char **argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << FileNameFromBytes(argv[i]);
    return args;
}

namespace {
// The options whose value is a file name.
const QStringList FileOptions = {QStringLiteral("o"),     QStringLiteral("output"), QStringLiteral("into"),
                                 QStringLiteral("image"), QStringLiteral("log"),    QStringLiteral("save")};

// Whether an argument is an option that takes the next argument as its value ("--into", "-o").
bool takesNextAsValue(const QString &a) {
    static const QStringList valueOptions = {
        QStringLiteral("-o"),           QStringLiteral("--output"),  QStringLiteral("--into"),
        QStringLiteral("--image"),      QStringLiteral("--log"),     QStringLiteral("--save"),
        QStringLiteral("--port"),       QStringLiteral("--variant"), QStringLiteral("--layout"),
        QStringLiteral("--page-size"),  QStringLiteral("--model"),   QStringLiteral("--variant-code"),
        QStringLiteral("--range-code"), QStringLiteral("--baud"),    QStringLiteral("--fault")};
    return valueOptions.contains(a);
}

// "-oFILE" as getopt reads it: -o with the value FILE (-o is the one short option that takes a value);
// not the value of another option (--into -oX.M40 names the file "-oX.M40").
QStringList withValuesApart(const QStringList &args) {
    QStringList out;
    bool options = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--")) options = false;
        const bool value = i > 0 && takesNextAsValue(args[i - 1]);
        if (options && !value && a.size() > 2 && a.startsWith(QLatin1String("-o")) &&
            a != QLatin1String("-output") && !a.startsWith(QLatin1String("-output=")))
            out << QStringLiteral("-o") << a.mid(2);
        else
            out << a;
    }
    return out;
}

// An unknown option as the user typed it ("--jsn", "-x"), without any "=value".
QString typedOption(const QStringList &args, const QString &name) {
    for (const QString &a : args) {
        if (a == QLatin1String("--")) break;
        if (!a.startsWith(QLatin1Char('-'))) continue;
        const QString typed = a.section(QLatin1Char('='), 0, 0);
        QString bare = typed;
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare == name) return typed;
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
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
    if (!parser.parse(QStringList{QStringLiteral("kt-m40-cli")} + withValuesApart(args))) {
        // Qt says "Unknown option 'x'." - in this program's style, with the option as it was typed
        QString reason = parser.errorText();
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
            QStringList typed;
            for (const QString &name : unknown)
                typed << QLatin1Char('\'') + typedOption(args, name) + QLatin1Char('\'');
            reason = (unknown.size() == 1 ? QStringLiteral("unknown option ")
                                          : QStringLiteral("unknown options ")) +
                     typed.join(QStringLiteral(", "));
        }
        if (reason.endsWith(QLatin1Char('.'))) reason.chop(1);
        if (!reason.isEmpty()) reason[0] = reason[0].toLower();
        UsageError(command, reason);
        return false;
    }
    // a file option given an empty name ("-o ''") names no file: said before any work
    for (const QString &name : parser.optionNames())
        if (FileOptions.contains(name) && parser.value(name).isEmpty()) {
            UsageError(command, optionText(name) + QStringLiteral(" '' names no file"));
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
    for (qsizetype i = 0; i < given.size(); ++i)
        if (given[i].isEmpty()) return UsageError(command, names[i] + QStringLiteral(" '' names no file"));
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

namespace {
// Whether standard output is a pipe or socket whose reader has gone (its write end reports an error).
bool readerGone() {
    pollfd fd{STDOUT_FILENO, POLLOUT, 0};
    return ::poll(&fd, 1, 0) == 1 && (fd.revents & POLLERR) != 0;
}
} // namespace

int FinishStandardOutput(int status) {
    errno = 0;
    Out().flush();
    const bool failed = std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    if (!failed) return status;
    const int reason = outputErrno != 0 ? outputErrno : errno;
    // a reader that went away (show | head) is no error to report: the status a SIGPIPE would have given
    if (reason == EPIPE || readerGone()) return ExitBrokenPipe;
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

int RefuseOutputOverInput(const QString &command, const QString &option, const QString &output,
                          const QList<std::pair<QString, QString>> &inputs) {
    if (IsStandardStream(output)) return ExitOk;
    const FileIdentity target = IdentityOfName(output);
    if (!target.exists) return ExitOk;
    for (const auto &[what, input] : inputs)
        if (!IsStandardStream(input) && IdentityOfName(input) == target)
            return UsageError(command, QStringLiteral("%1 '%2' is %3 itself: it would be overwritten")
                                           .arg(optionText(option), output, what));
    return ExitOk;
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
