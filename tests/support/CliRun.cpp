#include "support/CliRun.h"
#include "support/TestPaths.h"
#include <QProcess>

CliResult runCli(const QStringList &args, const QString &workDir, int timeoutMs,
                 const std::function<void()> &childSetup, const QString &stdoutFile) {
    QProcess p;
    if (!workDir.isEmpty()) p.setWorkingDirectory(workDir);
    if (childSetup) p.setChildProcessModifier(childSetup);
    if (!stdoutFile.isEmpty()) p.setStandardOutputFile(stdoutFile);
    p.start(cliPath(), args);
    CliResult r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}
