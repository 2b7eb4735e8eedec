#include "support/SimProcess.h"
#include "support/TestPaths.h"

Sim::Sim(const QStringList &args) {
    process_.start(cliPath(), QStringList{"sim"} + args);
    if (!process_.waitForStarted(5000)) return;
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    const QByteArray first = process_.readLine().trimmed();
    if (first.startsWith("PORT ")) port_ = QString::fromLocal8Bit(first.mid(5));
}

int Sim::stop() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
    }
    return process_.exitCode();
}
