// kt-m40-cli sim: a virtual KT-M40 on a new pseudo-terminal, for trying the radio commands without a radio.
#include "cli/CliSupport.h"
#include "files/FileTarget.h"
#include "files/LocalName.h"
#include "link/PtyRadioServer.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSocketNotifier>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop through a pipe, so that the memory is saved on the way out.
bool catchStopSignals() {
    if (::pipe(signalPipe) != 0) return false;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] { QCoreApplication::quit(); });
    return true;
}

bool isTwoChars(const QString &s) {
    return s.size() == 2;
}

int run(const QStringList &args) {
    QCommandLineParser p;
    p.addOption({"image", "start with the memory of this clone file", "FILE.M40"});
    p.addOption({"demo", "start with a few demonstration channels"});
    p.addOption({"model", "model name in the identification answer (default KTM40)", "NAME"});
    p.addOption({"variant-code", "variant code in the identification answer (33, 66, 99, CC)", "XX"});
    p.addOption({"range-code", "range code in the identification answer (AA = wide)", "XX"});
    p.addOption({"baud", "pace the replies at this baud rate", "N"});
    p.addOption({"fault", "misbehave (repeatable, see below)", "SPEC"});
    p.addOption({"log", "record every command line received, with a timestamp", "FILE"});
    p.addOption({"save", "save the memory as a clone file on exit", "FILE.M40"});
    if (!ParseCommandLine(p, "sim", args)) return ExitUsage;
    if (const int usage = RequirePositionals(p, "sim", {})) return usage;
    if (p.isSet("image") && p.isSet("demo"))
        return UsageError("sim", "--image and --demo exclude each other");

    auto radio = p.isSet("demo") ? VirtualRadio::withDemoContents() : std::make_shared<VirtualRadio>();
    if (p.isSet("image")) {
        QString error;
        if (!radio->loadCloneFile(p.value("image"), &error)) {
            PrintMessage(error.section(':', 0, 0), p.value("image"));
            return error.startsWith(DataErrorText) ? ExitDataError : ExitFileOpenError;
        }
    }
    if (p.isSet("model")) radio->modelName = p.value("model");
    if (p.isSet("variant-code")) {
        if (!isTwoChars(p.value("variant-code")))
            return UsageError("sim", "--variant-code takes two characters");
        radio->variantCode = p.value("variant-code");
    }
    if (p.isSet("range-code")) {
        if (!isTwoChars(p.value("range-code"))) return UsageError("sim", "--range-code takes two characters");
        radio->rangeCode = p.value("range-code");
    }
    if (p.isSet("baud")) {
        bool ok = false;
        const int baud = p.value("baud").toInt(&ok);
        if (!ok || baud < 1 || baud > 1000000)
            return UsageError(
                "sim",
                QStringLiteral("--baud takes a rate from 1 to 1000000, not '%1'").arg(p.value("baud")));
        radio->faults.baud = baud;
    }
    for (const QString &spec : p.values("fault")) {
        QString error;
        if (!ParseFaultSpec(spec, radio->faults, &error)) return UsageError("sim", error);
    }

    if (p.isSet("log"))
        if (const int usage = RefuseOutputOverInput(
                "sim", "log", p.value("log"), {{"--image", p.value("image")}, {"--save", p.value("save")}}))
            return usage;
    // the memory is saved at the end: a path that cannot be written is refused before the radio serves
    if (p.isSet("save"))
        if (const int status = CheckOutputOrReport(p.value("save"))) return status;

    LocalFile log;
    if (p.isSet("log")) {
        log.setFileName(p.value("log"));
        if (!log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            PrintMessage(FileOpenErrorText, p.value("log") + ": " + log.errorString());
            return ExitFileOpenError;
        }
        radio->commandObserver = [&log](const QByteArray &line) {
            log.write(QDateTime::currentDateTime().toString(Qt::ISODateWithMs).toUtf8() + ' ' + line + '\n');
            log.flush();
        };
    }

    PtyRadioServer server(radio);
    QString error;
    if (!server.open(&error)) {
        PrintMessage(ComPortErrorText, error);
        return ExitComPortError;
    }
    QObject::connect(&server, &PtyRadioServer::lineDropped, [] {
        std::fputs("kt-m40-cli sim: the line was dropped as asked; stop with Ctrl+C\n", stderr);
    });
    if (!catchStopSignals()) {
        PrintMessage(ComPortErrorText, QStringLiteral("cannot catch signals"));
        return ExitComPortError;
    }
    std::printf("PORT %s\n", qPrintable(server.devicePath()));
    std::fflush(stdout);
    QCoreApplication::exec();
    server.close();

    if (p.isSet("save")) {
        QString reason;
        if (!WriteFileBytes(p.value("save"), radio->cloneFileBytes(), &reason)) {
            PrintMessage(FileOpenErrorText, p.value("save") + ": " + reason);
            return ExitFileOpenError;
        }
    }
    return ExitOk;
}

CommandRegistrar reg("sim",
                     {"serve a virtual radio on a pseudo-terminal",
                      "Usage: kt-m40-cli sim [--image FILE.M40 | --demo] [--model NAME]\n"
                      "                      [--variant-code XX] [--range-code XX] [--baud N]\n"
                      "                      [--fault SPEC]... [--log FILE] [--save FILE.M40]\n"
                      "Serves a virtual KT-M40 on a new pseudo-terminal and prints 'PORT /dev/pts/N'\n"
                      "as its first line: give that device to --port of read, write and identify.\n"
                      "Runs until interrupted (Ctrl+C or SIGTERM), then saves its memory with --save.\n"
                      "It starts with a new image (or FILE.M40, or demonstration channels) and answers\n"
                      "the identification as KTM40, code 33, range 00 unless told otherwise\n"
                      "(with --image, the code and range follow the file's header).\n\n" +
                          FaultSpecHelp(),
                      run});
} // namespace
