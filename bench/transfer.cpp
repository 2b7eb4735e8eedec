// Times the four transfer procedures through QSerialPort against the virtual radio on a pseudo-terminal,
// paced at 9600 baud and unpaced, against their floors:
//   paced:   the wire time of every character sent and received (10 bit times each) plus the 10 ms pauses
//   unpaced: the 10 ms pauses alone
// and the program's CPU time as a share of the wall time. During the paced memory read a 10 ms timer on
// the main thread (what a window's event loop experiences) records the longest gap between its ticks.
#include "BenchPtyRadio.h"
#include "channels/ChannelRecord.h"
#include "image/TextTables.h"
#include "link/RadioSession.h"
#include "link/SerialLink.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#ifdef KT_BENCH_WINDOW
#include "app/FrmMain.h"
#include "app/TransferCommands.h"
#include "app/UserPrompts.h"
#include "files/NewImage.h"
#include <QApplication>
#endif

namespace {
constexpr int Baud = 9600;
constexpr int PauseMs = 10;

long long mainThreadCpuNs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

// What a procedure moves when everything succeeds, from the protocol: characters each way, and the
// pauses it must make (one after each exchange but the write access and block writes, which have theirs
// before; the end command's included).
struct Expected {
    const char *name;
    Procedure procedure;
    long sent;
    long received;
    int pauses;
};
const Expected Procedures[] = {
    {"Read Memory", Procedure::ReadMemory, 604 * 11 + 6, 604 * 77 + 10, 604 + 1},
    {"Write Memory", Procedure::WriteMemory, 7 + 604 * 75 + 6, 11 + 604 * 79 + 10, 1 + 604 + 1 + 1},
    {"Read Settings", Procedure::ReadSettings, 4 * 11 + 6, 4 * 77 + 10, 3 + 1 + 1},
    {"Write Settings", Procedure::WriteSettings, 7 + 4 * 75 + 6, 11 + 4 * 79 + 10, 4 + 1 + 1},
};

struct Result {
    double wallMs = 0;
    double floorMs = 0;
    double cpuShare = 0;
    double longestTickGapMs = 0;
    double turnMeanMs = 0, turnMaxMs = 0;
    int gapsOver30 = 0;
    QString longestGapWhere; // for the window: the channel being read when the longest gap ended
    bool ok = false;
};

// Runs whatever start begins to the end of its run on the main thread's event loop, timed against the floor
// of the characters and pauses given (counted from the protocol by the caller; unpaced, the pauses alone);
// the characters actually moved are checked against them.
Result timeRun(RadioSession &session, BenchPtyRadio &radio, const std::function<bool()> &start, long sent,
               long received, int pauses, const char *name, bool paced = true) {
    Result r;
    bool finished = false;
    const auto connection = QObject::connect(&session, &RadioSession::runFinished, [&](bool succeeded) {
        r.ok = succeeded;
        finished = true;
        QCoreApplication::exit(0);
    });
    const long long cpu0 = mainThreadCpuNs();
    QElapsedTimer wall;
    wall.start();
    if (!start()) {
        QObject::disconnect(connection);
        return r;
    }
    if (!finished) QCoreApplication::exec();
    r.wallMs = double(wall.nsecsElapsed()) / 1e6;
    QObject::disconnect(connection);
    r.floorMs = pauses * double(PauseMs) + (paced ? double(sent + received) * 10.0 * 1000.0 / Baud : 0.0);
    r.cpuShare = double(mainThreadCpuNs() - cpu0) / 1e6 / r.wallMs;
    if (radio.charsReceived() != sent || radio.charsSent() != received) {
        std::printf("  (%s moved %ld/%ld characters, expected %ld/%ld)\n", name, radio.charsReceived(),
                    radio.charsSent(), sent, received);
        r.ok = false;
    }
    return r;
}

// One procedure of the table, with a 10 ms ticker beside it on the same event loop.
Result runOne(RadioSession &session, BenchPtyRadio &radio, const Expected &e, bool paced) {
    radio.resetCounters();
    QTimer ticker; // an ordinary (coarse) timer, as a window's would be
    ticker.setInterval(10);
    QElapsedTimer tickClock;
    qint64 lastTickNs = 0;
    double longestGapMs = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = tickClock.nsecsElapsed();
        longestGapMs = std::max(longestGapMs, double(now - lastTickNs) / 1e6);
        lastTickNs = now;
    });
    tickClock.start();
    ticker.start();
    Result r = timeRun(
        session, radio, [&] { return session.start(e.procedure); }, e.sent, e.received, e.pauses, e.name,
        paced);
    ticker.stop();
    r.longestTickGapMs = longestGapMs;
    r.turnMeanMs = double(radio.turnaroundMeanNs()) / 1e6;
    r.turnMaxMs = double(radio.turnaroundMaxNs()) / 1e6;
    return r;
}

// Write Changes of the memory channels with 0, 1, 10 and 100 channels differing, and Write Memory followed by
// Verify of the memory, all paced. The radio is made to differ from the image in `changed` channels spread
// over the memory before each run; afterwards it must hold the image exactly.
bool benchWriteChanges(RadioSession &session, CloneImage &image, BenchPtyRadio &radio,
                       const QString &backups) {
    constexpr double CharMs = 10.0 * 1000.0 / Baud;
    const double readFloorMs = (604 + 1) * double(PauseMs) + (604 * 11 + 6 + 604 * 77 + 10) * CharMs;
    image = VirtualRadio::demoImage();
    auto prepare = [&](int changed) {
        radio.withRadio([&](VirtualRadio &r) {
            for (int k = 0; k < ChannelCount; ++k)
                r.setBlock(0x600 + 0x20 * k, MakeMemData(image, k));
            for (int i = 0; i < changed; ++i) {
                const int k = i * ChannelCount / changed;
                QString digits = MakeMemData(image, k);
                digits[33] = digits[33] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
                r.setBlock(0x600 + 0x20 * k, digits);
            }
        });
        radio.resetCounters();
    };
    auto holdsImage = [&] {
        bool same = false;
        radio.withRadio([&](VirtualRadio &r) {
            same = true;
            for (int k = 0; k < ChannelCount; ++k)
                same = same && r.block(0x600 + 0x20 * k) == MakeMemData(image, k);
        });
        return same;
    };
    std::printf(
        "transfer-bench: Write Changes of the memory channels against Write Memory + Verify, paced at "
        "9600 baud (floor: wire time of the characters exchanged + 10 ms pauses; Read Memory's floor "
        "%.1f ms)\n",
        readFloorMs);
    std::printf("  %-30s %11s %11s %7s %14s %6s\n", "run", "wall ms", "floor ms", "ratio", "/ read floor",
                "cpu");
    bool allOk = true;
    auto print = [&](const QString &name, const Result &r) {
        std::printf("  %-30s %11.1f %11.1f %7.4f %14.4f %5.2f%%%s\n", qPrintable(name), r.wallMs, r.floorMs,
                    r.wallMs / r.floorMs, r.wallMs / readFloorMs, 100.0 * r.cpuShare, r.ok ? "" : "  FAILED");
        allOk = allOk && r.ok;
    };
    for (const int d : {0, 1, 10, 100}) {
        prepare(d);
        // reads of all 604 and the end command; with changes the access line, d writes, the end command,
        // d reads and the end command. A pause follows every exchange.
        const long sent = 604 * 11 + 6 + (d ? 7 + d * 75 + 6 + d * 11 + 6 : 0);
        const long received = 604 * 77 + 10 + (d ? 11 + d * 79 + 10 + d * 77 + 10 : 0);
        const int pauses = 604 + 1 + (d ? 1 + d + 1 + d + 1 : 0);
        Result r = timeRun(
            session, radio, [&] { return session.startWriteChanges(false, true, backups); }, sent, received,
            pauses, "Write Changes");
        r.ok = r.ok && session.writeChangesRun().written == d &&
               session.writeChangesRun().notHeld(session.radioRecords()).isEmpty() && holdsImage();
        print(QStringLiteral("Write Changes, %1 changed").arg(d), r);
    }
    prepare(10);
    const Result write = timeRun(
        session, radio, [&] { return session.start(Procedure::WriteMemory); }, 7 + 604 * 75 + 6,
        11 + 604 * 79 + 10, 1 + 604 + 1 + 1, "Write Memory");
    radio.resetCounters();
    Result verify = timeRun(
        session, radio, [&] { return session.startVerify(false, true); }, 604 * 11 + 6, 604 * 77 + 10,
        604 + 1, "Verify");
    verify.ok = verify.ok && CompareWithRadio(image, session.radioRecords()).isEmpty() && holdsImage();
    print(QStringLiteral("Write Memory"), write);
    print(QStringLiteral("Verify (memory)"), verify);
    Result both;
    both.ok = write.ok && verify.ok;
    both.wallMs = write.wallMs + verify.wallMs;
    both.floorMs = write.floorMs + verify.floorMs;
    both.cpuShare = (write.cpuShare * write.wallMs + verify.cpuShare * verify.wallMs) / both.wallMs;
    print(QStringLiteral("Write Memory + Verify"), both);
    return allOk;
}

QByteArray loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray("?");
}

#ifdef KT_BENCH_WINDOW
// Answers every question as a user who wants nothing changed would, and counts the error messages.
class QuietPrompts : public UserPrompts {
  public:
    int errors = 0;
    void critical(QWidget *, const QString &, const QString &) override { ++errors; }
    void information(QWidget *, const QString &, const QString &) override {}
    Answer confirm(QWidget *, const QString &, const QString &) override { return Answer::Ok; }
    Answer askYesNoCancel(QWidget *, const QString &, const QString &) override { return Answer::No; }
    QString openFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &) override { return {}; }
};

// Read Memory clicked in the desktop program's main window (shown, grid refreshed row by row), with a
// 10 ms timer beside it on the same event loop.
Result windowReadMemory(BenchPtyRadio &radio, const QString &folder) {
    Result r;
    AppOptions options;
    options.splashPauseMs = 0;
    options.portFileRead = folder + QStringLiteral("/none.ini");
    options.portFileWrite = folder + QStringLiteral("/KT-M40.ini");
    QuietPrompts prompts;
    FrmMain window(options, &prompts, [&radio](const PortChoice &) -> std::unique_ptr<Link> {
        return std::make_unique<SerialLink>(radio.linkPath());
    });
    QObject::connect(&window, &FrmMain::loaded, [] { QCoreApplication::exit(0); });
    window.show();
    window.Form_Load();
    if (!window.isLoaded()) QCoreApplication::exec();
    window.showMemoryPage();

    QTimer ticker;
    ticker.setInterval(10);
    QElapsedTimer tickClock;
    qint64 lastTickNs = 0;
    int channel = -1;
    bool ended = false;
    QObject::connect(window.session(), &RadioSession::progress, [&](int k) { channel = k; });
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = tickClock.nsecsElapsed();
        const double gap = double(now - lastTickNs) / 1e6;
        if (gap > 30) ++r.gapsOver30;
        if (gap > r.longestTickGapMs) {
            r.longestTickGapMs = gap;
            r.longestGapWhere = ended ? QStringLiteral("after the end command")
                                      : QStringLiteral("at channel %1").arg(channel);
        }
        lastTickNs = now;
    });
    QObject::connect(window.session(), &RadioSession::procedureFinished,
                     [&](Procedure, Ending, const QString &) { ended = true; });
    bool finished = false;
    QElapsedTimer wall;
    qint64 wallNs = 0;
    QObject::connect(window.session(), &RadioSession::runFinished, [&](bool succeeded) {
        wallNs = wall.nsecsElapsed();
        r.ok = succeeded && prompts.errors == 0;
        finished = true;
        // one tick more: the window's own work at the end of the run counts too
        QTimer::singleShot(15, [] { QCoreApplication::exit(0); });
    });
    radio.resetCounters();
    const long long cpu0 = mainThreadCpuNs();
    wall.start();
    tickClock.start();
    ticker.start();
    window.transfers()->cmbRxData_Click();
    if (!finished) QCoreApplication::exec();
    r.wallMs = double(wallNs) / 1e6;
    r.cpuShare = double(mainThreadCpuNs() - cpu0) / 1e6 / r.wallMs;
    const Expected &e = Procedures[0];
    r.floorMs = e.pauses * double(PauseMs) + double(e.sent + e.received) * 10.0 * 1000.0 / Baud;
    return r;
}
#endif
} // namespace

int main(int argc, char **argv) {
    setvbuf(stdout, nullptr, _IOLBF, 0);
#ifdef KT_BENCH_WINDOW
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("kt-m40-bench"));
#else
    QCoreApplication app(argc, argv);
#endif
    // --quick: the memory procedures unpaced only (about 20 s instead of 4 minutes)
    const bool quick = QCoreApplication::arguments().contains(QStringLiteral("--quick"));
    // --window: only the read in the desktop program's window
    const bool windowOnly = QCoreApplication::arguments().contains(QStringLiteral("--window"));
    // --changes: only Write Changes against Write Memory + Verify (about 7 minutes)
    const bool changesOnly = QCoreApplication::arguments().contains(QStringLiteral("--changes"));
    BuildTextTables();
    std::printf("transfer-bench: load average at start %s\n", loadAverage().constData());
    QTemporaryDir dir;
    CloneImage radioImage = VirtualRadio::demoImage();
    auto virtualRadio = std::make_shared<VirtualRadio>(radioImage);
    BenchPtyRadio radio(virtualRadio, Baud, dir.filePath("ttyKT"));
    QString error;
    if (!dir.isValid() || !radio.start(&error)) {
        std::fprintf(stderr, "transfer-bench: cannot serve the radio: %s\n", qPrintable(error));
        return 1;
    }
    CloneImage image;
    NewImage(image);
    RadioSession session(&image);
    session.setLink(std::make_unique<SerialLink>(radio.linkPath()));
    if (!session.link()->open(&error)) {
        std::fprintf(stderr, "transfer-bench: cannot open %s: %s\n", qPrintable(radio.linkPath()),
                     qPrintable(error));
        return 1;
    }

    double worst[2] = {0, 0};
    double worstCpu = 0;
    double readMemoryGap = 0;
    bool allOk = true;
    for (const bool paced : {true, false}) {
        if (windowOnly || changesOnly) break;
        radio.setBaud(paced ? Baud : 0);
        std::printf("transfer-bench: %s\n", paced ? "paced at 9600 baud (floor: wire time of every character "
                                                    "sent and received + 10 ms pauses)"
                                                  : "unpaced (floor: the 10 ms pauses)");
        std::printf("  %-15s %11s %11s %7s %6s %10s %17s\n", "procedure", "wall ms", "floor ms", "ratio",
                    "cpu", "tick gap", "turnaround mean/max");
        for (const Expected &e : Procedures) {
            if (quick && paced &&
                (e.procedure == Procedure::ReadMemory || e.procedure == Procedure::WriteMemory))
                continue;
            const Result r = runOne(session, radio, e, paced);
            allOk = allOk && r.ok;
            const double ratio = r.wallMs / r.floorMs;
            worst[paced ? 0 : 1] = std::max(worst[paced ? 0 : 1], ratio);
            worstCpu = std::max(worstCpu, r.cpuShare);
            if (paced && e.procedure == Procedure::ReadMemory) readMemoryGap = r.longestTickGapMs;
            std::printf("  %-15s %11.1f %11.1f %7.4f %5.2f%% %7.1f ms %8.2f/%6.2f ms%s\n", e.name, r.wallMs,
                        r.floorMs, ratio, 100.0 * r.cpuShare, r.longestTickGapMs, r.turnMeanMs, r.turnMaxMs,
                        r.ok ? "" : "  FAILED");
        }
    }
    if (!quick && !windowOnly) {
        radio.setBaud(Baud);
        allOk = benchWriteChanges(session, image, radio, dir.filePath(QStringLiteral("backups"))) && allOk;
    }
#ifdef KT_BENCH_WINDOW
    if (!quick && !changesOnly) {
        session.setLink(nullptr); // the window opens the port itself
        radio.setBaud(Baud);
        const Result w = windowReadMemory(radio, dir.path());
        allOk = allOk && w.ok;
        std::printf(
            "transfer-bench: Read Memory clicked in the desktop program's window, paced: wall %.1f ms, "
            "floor %.1f ms, ratio %.4f, cpu %.2f%%%s\n",
            w.wallMs, w.floorMs, w.wallMs / w.floorMs, 100.0 * w.cpuShare, w.ok ? "" : "  FAILED");
        std::printf("transfer-bench: longest gap between 10 ms ticks in the desktop program during the full "
                    "memory read: %.1f ms (%s; %d gaps over 30 ms; main window shown, grid refreshed row by "
                    "row)\n",
                    w.longestTickGapMs, qPrintable(w.longestGapWhere), w.gapsOver30);
        worst[0] = std::max(worst[0], w.wallMs / w.floorMs);
        worstCpu = std::max(worstCpu, w.cpuShare);
    }
#endif
    radio.stop();
    if (!changesOnly && !windowOnly) // figures of the procedure runs, which those two leave out
        std::printf(
            "transfer-bench: longest gap between 10 ms ticks on the main thread during the paced full "
            "memory read with the engine alone: %.1f ms\n",
            readMemoryGap);
    std::printf("transfer-bench: load average at the end %s\n", loadAverage().constData());
    if (!changesOnly)
        std::printf("transfer-bench: worst ratio %.4f (paced), worst ratio %.4f (unpaced), cpu %.2f%%\n",
                    worst[0], worst[1], 100.0 * worstCpu);
    return allOk ? 0 : 1;
}
