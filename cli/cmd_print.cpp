// kt-m40-cli print: hands over to kt-m40-cli-print (beside this program, or in ../libexec/kt-m40 or
// ../lib/kt-m40 of an installed tree), which paints the PDF.
#include "cli/CliSupport.h"
#include "cli/PrintCommand.h"
#include "files/LocalName.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <vector>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
QString printProgram() {
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &place :
         {QString(), QStringLiteral("../libexec/kt-m40/"), QStringLiteral("../lib/kt-m40/")}) {
        const QFileInfo program(here.filePath(place + PrintProgramName));
        if (program.isExecutable()) return program.absoluteFilePath();
    }
    return QString();
}

int run(const QStringList &args) {
    const QString program = printProgram();
    if (program.isEmpty()) {
        PrintMessage(
            QStringLiteral("kt-m40-cli print: %1 is not installed beside kt-m40-cli").arg(PrintProgramName));
        return ExitUsage;
    }
#ifdef Q_OS_UNIX
    // Replaced by the print program: its output, its exit status.
    std::vector<QByteArray> bytes{QFile::encodeName(program)};
    for (const QString &a : args)
        bytes.push_back(FileNameBytes(a)); // names byte for byte
    std::vector<char *> argv;
    for (QByteArray &b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    PrintMessage(QStringLiteral("kt-m40-cli print: cannot start %1").arg(program), qt_error_string(errno));
    return ExitUsage;
#else
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.setInputChannelMode(QProcess::ForwardedInputChannel);
    p.start(program, args);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit) return ExitUsage;
    return p.exitCode();
#endif
}

CommandRegistrar reg("print", {PrintSummary, PrintUsage, run});
} // namespace
