#pragma once
// Runs the built kt-m40-cli and collects what it did.
#include <QByteArray>
#include <QStringList>

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs kt-m40-cli with args (working directory: workDir when given) and waits up to timeoutMs.
CliResult runCli(const QStringList &args, const QString &workDir = {}, int timeoutMs = 60000);
