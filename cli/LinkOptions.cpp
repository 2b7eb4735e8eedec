#include "cli/LinkOptions.h"
#include "cli/AutoPort.h"
#include "cli/CliSupport.h"
#include "cli/Interrupt.h"
#include "link/PortNameHint.h"
#include "link/PortSettings.h"
#include "link/SerialLink.h"
#include "link/TransferProgress.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <unistd.h>

namespace {
class ProgressBar {
  public:
    ProgressBar() : enabled_(isatty(fileno(stderr)) != 0) {}

    void begin(Procedure procedure) {
        active_ = enabled_ && (procedure == Procedure::ReadMemory || procedure == Procedure::WriteMemory ||
                               procedure == Procedure::VerifyMemory);
        title_ = procedure == Procedure::ReadMemory    ? "Reading memory"
                 : procedure == Procedure::WriteMemory ? "Writing memory"
                                                       : "Verifying memory";
        clock_.start();
    }
    // k: the channel being moved, so k records are done
    void show(int k) {
        if (!active_) return;
        constexpr int width = 30;
        const int filled = (k * width) / ChannelCount;
        const TransferProgress progress{k, ChannelCount, clock_.elapsed()};
        std::fprintf(stderr, "\r%s [%s%s] %s ", title_, std::string(filled, '#').c_str(),
                     std::string(width - filled, '.').c_str(), qPrintable(progress.text()));
        std::fflush(stderr);
    }
    void end(bool succeeded) {
        if (active_ && succeeded) show(ChannelCount);
        if (active_) std::fputs("\n", stderr);
        active_ = false;
    }
    // the line stays as it was (the terminal has echoed ^C into it); the message starts on a new one
    void interrupt() {
        if (active_) std::fputs("\n", stderr);
        active_ = false;
    }

  private:
    bool enabled_;
    bool active_ = false;
    const char *title_ = "";
    QElapsedTimer clock_;
};
} // namespace

std::unique_ptr<Link> PortLink(const QString &command, const QString &portText) {
    if (portText.trimmed().compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) return FindRadioLink();
    const QString device = ResolvePortName(portText);
    if (device.isEmpty()) {
        UsageError(command, QStringLiteral("--port '%1' names no port").arg(portText));
        return nullptr;
    }
    if (const QString hint = PortNameHint(portText); !hint.isEmpty()) {
        UsageError(command,
                   QStringLiteral("--port %1: no such port on this system\n  %2").arg(portText, hint));
        return nullptr;
    }
    return std::make_unique<SerialLink>(device);
}

void AddRetriesOption(QCommandLineParser &p) {
    p.addOption({"retries", "send a refused block read or write again up to N times (0-5, default 0)", "N"});
}

int ApplyRetries(const QCommandLineParser &p, const QString &command, RadioSession &session) {
    if (!p.isSet("retries")) return ExitOk;
    bool ok = false;
    const int n = p.value("retries").toInt(&ok);
    if (!ok || n < 0 || n > RadioSession::MaxRetries)
        return UsageError(command, QStringLiteral("--retries takes 0 to %1, not '%2'")
                                       .arg(RadioSession::MaxRetries)
                                       .arg(p.value("retries")));
    session.setRetries(n);
    return ExitOk;
}

void AddFileToRadioOptions(QCommandLineParser &p, const QString &verb) {
    p.addOption({"port", "serial port: a number, a device path or auto", "PORT"});
    AddRetriesOption(p);
    p.addOption({"memory", verb + " the memory channels only"});
    p.addOption({"settings", verb + " the settings and VFOs only"});
}

int OpenFileToRadio(const QCommandLineParser &p, const QString &command, CloneImage &image,
                    RadioSession &session) {
    if (const int usage = RequirePositionals(p, command, {"FILE.M40"})) return usage;
    if (const int usage = RequireOptions(p, command, {"port"})) return usage;
    if (p.isSet("memory") && p.isSet("settings"))
        return UsageError(command, "--memory and --settings exclude each other");
    if (const int usage = ApplyRetries(p, command, session)) return usage;
    std::unique_ptr<Link> link = PortLink(command, p.value("port"));
    if (!link) return ExitUsage;
    const int opened = OpenCloneFileOrReport(p.positionalArguments().first(), image);
    if (opened != ExitOk) return opened;
    session.setLink(std::move(link));
    return ExitOk;
}

QString InterruptedDetail(Procedure procedure, int k, bool writeSent) {
    switch (procedure) {
    case Procedure::ReadMemory:
        return QStringLiteral("Read Memory stopped at channel %1 of %2; nothing was written")
            .arg(k)
            .arg(ChannelCount);
    case Procedure::ReadSettings:
        return QStringLiteral("Read Settings stopped; nothing was written");
    case Procedure::Identify:
        return QStringLiteral("the identification stopped; nothing was written");
    case Procedure::ProbePort:
        return QStringLiteral("the search for the radio stopped; nothing was written");
    case Procedure::VerifySettings:
    case Procedure::VerifyMemory:
        return QStringLiteral("Verify stopped; nothing was compared and nothing written");
    case Procedure::WriteSettings:
        return QStringLiteral("Write Settings stopped: the radio's settings and VFOs may be partly written, "
                              "its memory channels are as they were");
    case Procedure::WriteMemory:
        if (writeSent) {
            // the write of k went out: the radio may have stored it or not
            const QString before =
                k == 0 ? QString() : QStringLiteral("channels 0 to %1 hold the file's records, ").arg(k - 1);
            const QString after =
                k == ChannelCount - 1
                    ? QString()
                    : QStringLiteral(", %1 to %2 the radio's old ones").arg(k + 1).arg(ChannelCount - 1);
            return QStringLiteral("Write Memory stopped at channel %1 of %2: %3channel %1 is unknown (its "
                                  "write was sent but not confirmed)%4")
                .arg(k)
                .arg(ChannelCount)
                .arg(before, after);
        }
        return k == 0 ? QStringLiteral(
                            "Write Memory stopped before channel 0: the radio's memory channels are as "
                            "they were")
                      : QStringLiteral("Write Memory stopped at channel %1 of %2: channels 0 to %3 hold the "
                                       "file's records, %1 to %4 the radio's old ones")
                            .arg(k)
                            .arg(ChannelCount)
                            .arg(k - 1)
                            .arg(ChannelCount - 1);
    case Procedure::ChangesRead:
        return QStringLiteral("Write Changes stopped while reading the radio; nothing was written");
    case Procedure::ChangesWrite:
        return QStringLiteral(
            "Write Changes stopped while writing: run it again to write what still differs");
    case Procedure::ChangesCheck:
        return QStringLiteral(
            "Write Changes stopped while reading back what it wrote; run it again to check");
    }
    return {};
}

int ReportEnding(Ending ending, const QString &detail) {
    switch (ending) {
    case Ending::Success:
        return ExitOk;
    case Ending::CommunicationError:
        PrintMessage(CommunicationErrorText, detail);
        return ExitCommunicationError;
    case Ending::ComPortError:
    case Ending::ProcedureFailure:
        PrintMessage(ComPortErrorText, detail);
        return ExitComPortError;
    case Ending::FileError:
        PrintMessage(FileOpenErrorText, detail);
        return ExitFileOpenError;
    }
    return ExitComPortError;
}

int RunSession(RadioSession &session, const std::vector<SessionRun> &runs) {
    ProgressBar bar;
    Ending lastEnding = Ending::Success;
    QString lastDetail;
    std::size_t next = 0;
    Procedure current = Procedure::Identify;
    int channel = 0;
    bool writeSent = false; // at the interruption: a block write had gone out, unconfirmed
    QObject guard;          // ends the connections with this function
    InterruptWatch interrupt;
    QObject::connect(&interrupt, &InterruptWatch::interrupted, &guard, [&] {
        bar.interrupt();
        const QByteArray underWay = session.commandUnderWay();
        writeSent = underWay.startsWith("RZ~F") && underWay.size() > 8 && underWay[8] == 'W';
        QCoreApplication::exit(0);
    });
    QObject::connect(&session, &RadioSession::procedureStarted, &guard, [&](Procedure p) {
        current = p;
        channel = 0;
        bar.begin(p);
    });
    QObject::connect(&session, &RadioSession::progress, &guard, [&](int k) {
        channel = k;
        bar.show(k);
    });
    QObject::connect(&session, &RadioSession::procedureFinished, &guard,
                     [&](Procedure, Ending ending, const QString &detail) {
                         bar.end(ending == Ending::Success);
                         lastEnding = ending;
                         lastDetail = detail;
                     });
    auto startNext = [&]() {
        while (next < runs.size()) {
            if (runs[next++](session)) return true;
        }
        return false;
    };
    QStringList retried; // over every run: each run counts its own
    QObject::connect(&session, &RadioSession::runFinished, &guard, [&](bool succeeded) {
        retried += session.retriesInRun();
        if (!succeeded || !startNext()) QCoreApplication::exit(0);
    });
    if (!startNext()) return ExitOk;
    QCoreApplication::exec();
    if (interrupt.signalNumber() != 0) retried += session.retriesInRun(); // the run did not finish
    if (!retried.isEmpty())
        PrintMessage(RetriesText(int(retried.size())), retried.join(QStringLiteral("\n  ")));
    if (interrupt.signalNumber() != 0) {
        PrintMessage(QStringLiteral("Interrupted"), InterruptedDetail(current, channel, writeSent));
        return ExitInterruptedBy(interrupt.signalNumber());
    }
    return ReportEnding(lastEnding, lastDetail);
}
