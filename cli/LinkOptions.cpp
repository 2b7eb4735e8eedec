#include "cli/LinkOptions.h"
#include "cli/CliSupport.h"
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

  private:
    bool enabled_;
    bool active_ = false;
    const char *title_ = "";
    QElapsedTimer clock_;
};
} // namespace

std::unique_ptr<Link> PortLink(const QString &portText) {
    const QString device = ResolvePortName(portText);
    if (device.isEmpty()) return nullptr;
    return std::make_unique<SerialLink>(device);
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
    QObject guard; // ends the connections with this function
    QObject::connect(&session, &RadioSession::procedureStarted, &guard,
                     [&bar](Procedure p) { bar.begin(p); });
    QObject::connect(&session, &RadioSession::progress, &guard, [&bar](int k) { bar.show(k); });
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
    QObject::connect(&session, &RadioSession::runFinished, &guard, [&](bool succeeded) {
        if (!succeeded || !startNext()) QCoreApplication::exit(0);
    });
    if (!startNext()) return ExitOk;
    QCoreApplication::exec();
    return ReportEnding(lastEnding, lastDetail);
}
