#pragma once
// Runs the built kt-m40-cli and collects what it did.
#include <QByteArray>
#include <QStringList>
#include <functional>

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs kt-m40-cli with args (working directory: workDir when given) and waits up to timeoutMs; childSetup
// runs in the child before the program starts, and stdoutFile takes its standard output when given.
CliResult runCli(const QStringList &args, const QString &workDir = {}, int timeoutMs = 60000,
                 const std::function<void()> &childSetup = {}, const QString &stdoutFile = {});
