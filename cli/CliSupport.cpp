#include "cli/CliSupport.h"
#include "files/CloneFile.h"
#include "files/FileTarget.h"
#include <QTextStream>
#include <cstdio>

namespace {
QTextStream &err() {
    static QTextStream stream(stderr);
    return stream;
}
} // namespace

bool ParseCommandLine(QCommandLineParser &parser, const QString &command, const QStringList &args) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{QStringLiteral("kt-m40-cli")} + args)) {
        UsageError(command, parser.errorText());
        return false;
    }
    return true;
}

int UsageError(const QString &command, const QString &reason) {
    if (!reason.isEmpty()) err() << "kt-m40-cli " << command << ": " << reason << "\n";
    const auto it = Commands().find(command);
    if (it != Commands().end()) err() << it->second.usage;
    err().flush();
    return ExitUsage;
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
    if (CheckWritable(path, &reason)) return ExitOk;
    return ReportFileStatus(FileStatus::FileOpenError, path + QStringLiteral(": ") + reason);
}

int SaveCloneFileOrReport(const QString &path, CloneImage &image) {
    QString detail;
    const FileStatus status = SaveCloneFile(path, image, &detail);
    return ReportFileStatus(status, detail.isEmpty() ? path : path + QStringLiteral(": ") + detail);
}
