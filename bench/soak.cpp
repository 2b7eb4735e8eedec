// Fault soak through a real pseudo-terminal: the transfer procedures against the virtual radio while the
// line misbehaves. Three parts:
//   1. the line dropped before, during and after the reply at the start, in the middle and at the end of
//      each procedure (every exchange of the settings procedures);
//   2. every reply split into single characters with gaps;
//   3. at least 1000 random faults over repeated transfers, weighted toward the fast ones (a silent radio
//      costs the full 2000 ms), with the dirty line among them: characters waiting before the port opens,
//      an answer after the time-out (the run after it meets the late answer), an earlier run's reply still
//      arriving, noise after a reply.
// After each run: the ending and its message are the right ones, no end command followed a failure, the
// records before the failure are new and those after it unchanged, and the port serves the next run.
// After every successful read the records are compared with the radio's memory one by one: a difference
// there is a silent mismatch, the worst thing a clone utility can do, and the summary line counts them.
#include "BenchPtyRadio.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/NewImage.h"
#include "image/Messages.h"
#include "image/TextTables.h"
#include "link/RadioSession.h"
#include "link/SerialLink.h"
#include "settings/SettingsCodec.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <map>
#include <mutex>
#include <random>

namespace {
using Fault = ExchangePlan::Fault;

const int SettingsAddress[4] = {0x300, 0x320, 0x400, 0x500};

QString addressText(int address) {
    return QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}

const char *procedureName(Procedure p) {
    switch (p) {
    case Procedure::ReadMemory:
        return "Read Memory";
    case Procedure::WriteMemory:
        return "Write Memory";
    case Procedure::ReadSettings:
        return "Read Settings";
    case Procedure::WriteSettings:
        return "Write Settings";
    case Procedure::Identify:
        return "Identify";
    case Procedure::VerifySettings:
        return "Verify Settings";
    case Procedure::VerifyMemory:
        return "Verify Memory";
    case Procedure::ChangesRead:
    case Procedure::ChangesWrite:
    case Procedure::ChangesCheck:
        return "Write Changes";
    }
    return "?";
}

// The message the window shows for an ending ("" for none).
QString messageFor(Ending ending) {
    switch (ending) {
    case Ending::Success:
        return {};
    case Ending::CommunicationError:
        return CommunicationErrorText;
    default:
        return ComPortErrorText;
    }
}

bool isWrite(Procedure p) {
    return p == Procedure::WriteMemory || p == Procedure::WriteSettings;
}
bool isMemory(Procedure p) {
    return p == Procedure::ReadMemory || p == Procedure::WriteMemory;
}
// Command lines of a whole procedure: the access line (writes), the blocks, the end command.
int lineCount(Procedure p) {
    return (isWrite(p) ? 1 : 0) + (isMemory(p) ? ChannelCount : 4) + 1;
}
// The block a line moves (-1 for the access line and the end command).
int blockOfLine(Procedure p, int line) {
    const int block = line - (isWrite(p) ? 1 : 0);
    return block >= 0 && block < (isMemory(p) ? ChannelCount : 4) ? block : -1;
}

// The radio's memory (R) and the program's images: I for reads (defaults, empty memory) and W for writes
// (every channel, both VFOs and the settings different from R).
struct Fixture {
    QMap<int, QString> radioBlocks; // R
    CloneImage readImage;           // I
    CloneImage readAllNew;          // I after a complete read of R
    CloneImage writeImage;          // W
    QMap<int, QString> writeBlocks; // what a complete write of W leaves in the radio
};

QString channelRecord(qint64 hz, int mode, const char *name) {
    RecordBytes b = ReadRecordBytes(QStringLiteral("80000001000000000000000000000000"
                                                   "00000000000000000000000000000000"));
    b[1] = std::uint8_t(mode);
    WriteLe32(b, 16, std::uint32_t(hz));
    WriteLe32(b, 28, std::uint32_t(hz));
    for (int i = 0; name[i] && i < 6; ++i)
        b[20 + i] = std::uint8_t(0x3A + (name[i] - 'A') % 26);
    return RecordText(b);
}

Fixture makeFixture(VirtualRadio &radio) {
    Fixture f;
    CloneImage r;
    NewImage(r);
    for (int k = 0; k < ChannelCount; ++k)
        UpdateMemData(r, channelRecord(1'800'000 + 10'000LL * k, k % 6, "RADIO"), k);
    r.Settings.byName("cmbDimmer") = 3;
    r.Settings.byName("cmbScanMode") = 1;
    MakeSetData(r);
    UpdateVFORecord(r, channelRecord(3'600'000, 1, "A"), 0);
    UpdateVFORecord(r, channelRecord(28'400'000, 5, "B"), 1);
    radio = VirtualRadio(r);
    for (int a : SettingsAddress)
        f.radioBlocks[a] = radio.block(a);
    for (int k = 0; k < ChannelCount; ++k)
        f.radioBlocks[0x600 + 0x20 * k] = radio.block(0x600 + 0x20 * k);

    NewImage(f.readImage);
    f.readAllNew = f.readImage;
    f.readAllNew.SetData1 = f.radioBlocks[0x300];
    f.readAllNew.SetData2 = f.radioBlocks[0x320];
    UpdateSetData(f.readAllNew);
    UpdateVFORecord(f.readAllNew, f.radioBlocks[0x400], 0);
    UpdateVFORecord(f.readAllNew, f.radioBlocks[0x500], 1);
    for (int k = 0; k < ChannelCount; ++k)
        UpdateMemData(f.readAllNew, f.radioBlocks[0x600 + 0x20 * k], k);

    NewImage(f.writeImage);
    for (int k = 0; k < ChannelCount; ++k)
        UpdateMemData(f.writeImage, channelRecord(20'000'000 + 5'000LL * k, (k + 1) % 6, "WRITE"), k);
    f.writeImage.Settings.byName("cmbDimmer") = 1;
    f.writeImage.Settings.byName("cmbScanMode") = 2;
    UpdateVFORecord(f.writeImage, channelRecord(14'100'000, 2, "V"), 0);
    UpdateVFORecord(f.writeImage, channelRecord(21'100'000, 3, "V"), 1);
    CloneImage w = f.writeImage;
    MakeSetData(w);
    f.writeBlocks[0x300] = w.SetData1;
    f.writeBlocks[0x320] = w.SetData2;
    f.writeBlocks[0x400] = MakeVFOData(w, 0);
    f.writeBlocks[0x500] = MakeVFOData(w, 1);
    for (int k = 0; k < ChannelCount; ++k)
        f.writeBlocks[0x600 + 0x20 * k] = MakeMemData(w, k);
    for (auto it = f.writeBlocks.begin(); it != f.writeBlocks.end(); ++it)
        if (it.value() == f.radioBlocks[it.key()])
            std::fprintf(stderr, "soak: block %s would not change\n", qPrintable(addressText(it.key())));
    return f;
}

struct Soak {
    BenchPtyRadio &radio;
    Fixture fixture;
    CloneImage image;
    RadioSession session{&image};
    std::mutex linesMutex;
    QList<QByteArray> lines; // command lines the radio saw in this run
    // the fault of this run: at which line, which one
    int faultLine = -1;
    ExchangePlan faultPlan;
    std::function<ExchangePlan(int line)> everyLine; // for runs where every line gets a plan

    int runs = 0;
    int problems = 0;
    int successfulReads = 0;
    long recordsCompared = 0;
    int silentMismatches = 0;
    // the run before was given a late answer: this one may meet it (success or "Communication Error")
    bool afterLate = false;
    std::map<std::string, int> faultMix;
    std::map<std::string, double> faultSeconds;
    std::map<std::string, int> endings;

    explicit Soak(BenchPtyRadio &r) : radio(r) {
        radio.setPlanner([this](const QByteArray &line) {
            std::lock_guard<std::mutex> lock(linesMutex);
            const int index = int(lines.size());
            lines.append(line);
            if (everyLine) return everyLine(index);
            return index == faultLine ? faultPlan : ExchangePlan{};
        });
    }

    QString previous; // the run before, for the report of a problem
    void problem(const QString &what) {
        ++problems;
        if (problems <= 40)
            std::printf("  PROBLEM: %s (the run before: %s)\n", qPrintable(what), qPrintable(previous));
    }

    // Runs p with the given fault at line `at` (-1: none) and checks everything after it.
    void run(Procedure p, int at, ExchangePlan plan, const char *label = nullptr) {
        ++runs;
        const bool write = isWrite(p);
        // what the radio still had to do for the run before (a hang-up after the reply) happens first
        // a late answer is meant for the run right after its own, and for no later one
        const bool mayMeetLate = std::exchange(afterLate, plan.fault == Fault::Late && at >= 0);
        QElapsedTimer settle;
        settle.start();
        while (!(mayMeetLate ? radio.idle() : radio.quiet()) && settle.elapsed() < 3000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
        }
        radio.withRadio([&](VirtualRadio &r) {
            for (auto it = fixture.radioBlocks.begin(); it != fixture.radioBlocks.end(); ++it)
                r.setBlock(it.key(), it.value());
        });
        image = write ? fixture.writeImage : fixture.readImage;
        const bool waiting = plan.fault == Fault::Waiting;
        if (waiting) { // left over from before, in the line when the program opens it
            session.link()->close();
            radio.inject(QByteArrayLiteral("RZ~F0620R\r\n") + fixture.radioBlocks[0x620].toLatin1() + "\r\n");
            QThread::msleep(2);
        }
        {
            std::lock_guard<std::mutex> lock(linesMutex);
            lines.clear();
            faultLine = waiting ? -1 : at;
            faultPlan = plan;
        }
        const std::string kind = label ? label : FaultName(plan.fault);
        if (at >= 0) ++faultMix[kind];
        QElapsedTimer took;
        took.start();

        Ending ending = Ending::Success;
        bool finished = false;
        const auto c1 = QObject::connect(&session, &RadioSession::procedureFinished,
                                         [&](Procedure, Ending e, const QString &) { ending = e; });
        const auto c2 = QObject::connect(&session, &RadioSession::runFinished, [&](bool) {
            finished = true;
            QCoreApplication::exit(0);
        });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        watchdog.start(60000);
        if (!session.start(p))
            problem(QStringLiteral("%1 did not start").arg(procedureName(p)));
        else
            QCoreApplication::exec();
        QObject::disconnect(c1);
        QObject::disconnect(c2);
        if (at >= 0) faultSeconds[kind] += double(took.nsecsElapsed()) / 1e9;
        QList<QByteArray> seen;
        {
            std::lock_guard<std::mutex> lock(linesMutex);
            seen = lines;
            faultLine = -1;
        }
        const QString what = QStringLiteral("%1, %2 at line %3")
                                 .arg(procedureName(p), label ? label : FaultName(plan.fault))
                                 .arg(at);
        if (!finished) {
            problem(what + QStringLiteral(": the run did not end within 60 s"));
            previous = what;
            return;
        }

        // what should have happened
        const int total = lineCount(p);
        const bool endLine = at == total - 1;
        const bool lastData = at == total - 2;
        Ending expected = Ending::Success;
        int failedLine = -1; // the line whose exchange failed
        if (at >= 0 && !endLine) {
            switch (plan.fault) {
            case Fault::None:
            case Fault::Split:
                break;
            case Fault::DropBefore:
            case Fault::DropDuring:
                expected = Ending::ComPortError;
                failedLine = at;
                break;
            case Fault::DropAfter: // the next command finds the line gone; the end command's result is
                                   // ignored
                if (!lastData) {
                    expected = Ending::ComPortError;
                    failedLine = at + 1;
                }
                break;
            case Fault::Waiting:
                break;
            case Fault::Noise:
                // in a pause it is discarded; right behind its reply it spoils that one, later it spoils the
                // next exchange's or the one after (it may come up to 25 ms after the reply)
                if (ending == Ending::CommunicationError) {
                    const int failed = int(seen.size()) - 1;
                    if (failed >= at && failed <= at + 2 && failed < total - 1) {
                        expected = Ending::CommunicationError;
                        failedLine = failed;
                    }
                }
                break;
            default:
                expected = Ending::CommunicationError;
                failedLine = at;
                break;
            }
        }
        if (mayMeetLate && at < 0 && ending == Ending::CommunicationError) {
            // the late answer spoiled some exchange: refused, and nothing taken from it
            endings["Communication Error (a late answer)"]++;
            if (seen.contains("RZ~E")) problem(what + QStringLiteral(": end command after a failure"));
            checkEitherOldOrNew(p, what);
            previous = what;
            return;
        }
        endings[messageFor(ending).isEmpty() ? std::string("success") : messageFor(ending).toStdString()]++;
        if (ending != expected)
            problem(
                what +
                QStringLiteral(": ended with \"%1\" instead of \"%2\"")
                    .arg(messageFor(ending).isEmpty() ? QStringLiteral("success") : messageFor(ending),
                         messageFor(expected).isEmpty() ? QStringLiteral("success") : messageFor(expected)));
        // no end command after a failure, nothing after the failed exchange
        if (expected != Ending::Success) {
            if (seen.contains("RZ~E")) problem(what + QStringLiteral(": end command after a failure"));
            const int sentUpTo = plan.fault == Fault::DropAfter ? at : failedLine;
            if (seen.size() != sentUpTo + 1)
                problem(
                    what +
                    QStringLiteral(": %1 command lines instead of %2").arg(seen.size()).arg(sentUpTo + 1));
        } else if (plan.fault != Fault::DropAfter || !lastData) {
            if (seen.size() != total || seen.last() != "RZ~E")
                problem(what + QStringLiteral(": a success without the full exchange and the end command"));
        }

        // records before the failure new, after it unchanged
        // blocks before the failed exchange are new; the failed block itself (a write may have landed before
        // its reply went wrong) is not judged; the ones after it are unchanged
        const int blocks = isMemory(p) ? ChannelCount : 4;
        const int failedBlock = expected == Ending::Success ? -1 : blockOfLine(p, failedLine);
        const int newBefore = expected == Ending::Success ? blocks : std::max(0, failedBlock);
        const int unchangedFrom = failedBlock >= 0 ? failedBlock + 1 : newBefore;
        if (write)
            checkWrite(p, newBefore, unchangedFrom, what);
        else
            checkRead(p, newBefore, what);
        if (!write && ending == Ending::Success) compareWithRadio(p, what);
        if (image.WideRange != (write ? fixture.writeImage : fixture.readImage).WideRange)
            problem(what + QStringLiteral(": the range flag changed"));
        previous = what;
    }

    void checkRead(Procedure p, int newBefore, const QString &what) {
        const CloneImage &old = fixture.readImage;
        const CloneImage &fresh = fixture.readAllNew;
        if (p == Procedure::ReadMemory) {
            for (int k = 0; k < ChannelCount; ++k) {
                const CloneImage &want = k < newBefore ? fresh : old;
                if (image.ChannelTable[std::size_t(k)] != want.ChannelTable[std::size_t(k)] ||
                    image.ChannelUsed[std::size_t(k)] != want.ChannelUsed[std::size_t(k)]) {
                    problem(what +
                            QStringLiteral(": channel %1 is %2").arg(k).arg(k < newBefore ? "old" : "new"));
                    return;
                }
            }
            return;
        }
        // settings: 0300 and 0320 decode together after the second; the VFOs after both of theirs
        const bool setData1New = newBefore > 0, settingsNew = newBefore > 1, vfoNew = newBefore > 3;
        if ((image.SetData1 == fresh.SetData1) != setData1New ||
            (image.Settings == fresh.Settings) != settingsNew ||
            (image.VfoTable == fresh.VfoTable) != vfoNew ||
            (!settingsNew && image.Settings != old.Settings) || (!vfoNew && image.VfoTable != old.VfoTable))
            problem(what +
                    QStringLiteral(": settings records not as far as the read went (%1)").arg(newBefore));
    }

    // A successful read against the radio's memory, record by record, as the records would be written back.
    void compareWithRadio(Procedure p, const QString &what) {
        ++successfulReads;
        int wrong = 0;
        auto compare = [&](int address, const QString &record) {
            ++recordsCompared;
            if (record != fixture.radioBlocks[address]) ++wrong;
        };
        if (p == Procedure::ReadMemory) {
            for (int k = 0; k < ChannelCount; ++k)
                compare(0x600 + 0x20 * k, MakeMemData(image, k));
        } else {
            compare(0x300, image.SetData1);
            compare(0x320, image.SetData2);
            compare(0x400, MakeVFOData(image, 0));
            compare(0x500, MakeVFOData(image, 1));
        }
        if (wrong > 0) {
            ++silentMismatches;
            problem(what +
                    QStringLiteral(": SILENT MISMATCH, %1 records differ from the radio's").arg(wrong));
        }
    }

    // After a failure that may have come at any exchange: every record is the old one or the right new one.
    void checkEitherOldOrNew(Procedure p, const QString &what) {
        if (isWrite(p)) {
            QMap<int, QString> now;
            radio.withRadio([&](VirtualRadio &r) {
                for (auto it = fixture.radioBlocks.begin(); it != fixture.radioBlocks.end(); ++it)
                    now[it.key()] = r.block(it.key());
            });
            for (auto it = now.begin(); it != now.end(); ++it)
                if (it.value() != fixture.radioBlocks[it.key()] &&
                    it.value() != fixture.writeBlocks[it.key()])
                    problem(
                        what +
                        QStringLiteral(": radio block %1 is neither old nor new").arg(addressText(it.key())));
            return;
        }
        if (p == Procedure::ReadMemory) {
            for (int k = 0; k < ChannelCount; ++k) {
                const auto &c = image.ChannelTable[std::size_t(k)];
                if (c != fixture.readImage.ChannelTable[std::size_t(k)] &&
                    c != fixture.readAllNew.ChannelTable[std::size_t(k)])
                    problem(what + QStringLiteral(": channel %1 is neither old nor the radio's").arg(k));
            }
            return;
        }
        if ((image.SetData1 != fixture.readImage.SetData1 && image.SetData1 != fixture.readAllNew.SetData1) ||
            (image.SetData2 != fixture.readImage.SetData2 && image.SetData2 != fixture.readAllNew.SetData2) ||
            (image.VfoTable != fixture.readImage.VfoTable && image.VfoTable != fixture.readAllNew.VfoTable))
            problem(what + QStringLiteral(": settings records neither old nor the radio's"));
    }

    void checkWrite(Procedure p, int newBefore, int unchangedFrom, const QString &what) {
        QMap<int, QString> now;
        radio.withRadio([&](VirtualRadio &r) {
            for (auto it = fixture.radioBlocks.begin(); it != fixture.radioBlocks.end(); ++it)
                now[it.key()] = r.block(it.key());
        });
        const int blocks = isMemory(p) ? ChannelCount : 4;
        for (int b = 0; b < blocks; ++b) {
            const int address = isMemory(p) ? 0x600 + 0x20 * b : SettingsAddress[b];
            if (b >= newBefore && b < unchangedFrom)
                continue; // the failed block itself may or may not have landed
            const QString &want = b < newBefore ? fixture.writeBlocks[address] : fixture.radioBlocks[address];
            if (now[address] != want) {
                problem(what + QStringLiteral(": radio block %1 is %2")
                                   .arg(addressText(address), b < newBefore ? "old" : "new"));
                return;
            }
        }
    }
};
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    setvbuf(stdout, nullptr, _IOLBF, 0);
    BuildTextTables();
    QTemporaryDir dir;
    auto virtualRadio = std::make_shared<VirtualRadio>();
    Fixture fixture = makeFixture(*virtualRadio);
    BenchPtyRadio radio(virtualRadio, 0, dir.filePath("ttyKT"));
    QString error;
    if (!dir.isValid() || !radio.start(&error)) {
        std::fprintf(stderr, "soak: cannot serve the radio: %s\n", qPrintable(error));
        return 1;
    }
    Soak soak(radio);
    soak.fixture = fixture;
    soak.session.setLink(std::make_unique<SerialLink>(radio.linkPath()));
    QElapsedTimer clock;
    clock.start();
    std::mt19937 rng(20261206);
    const Procedure all[4] = {Procedure::ReadMemory, Procedure::WriteMemory, Procedure::ReadSettings,
                              Procedure::WriteSettings};

    // 1. the line dropped at every stage
    std::printf(
        "soak: 1. line dropped before, during and after the reply, at each stage of each procedure\n");
    for (const Procedure p : all) {
        std::vector<int> at;
        const int total = lineCount(p);
        if (isMemory(p))
            at = {0, 1, 2, 80, 300, total - 2, total - 1};
        else
            for (int i = 0; i < total; ++i)
                at.push_back(i);
        for (const int i : at)
            for (const Fault f : {Fault::DropBefore, Fault::DropDuring, Fault::DropAfter}) {
                ExchangePlan plan{f, int(rng() % 60), 0};
                soak.run(p, i, plan);
                soak.run(Procedure::ReadSettings, -1, {}); // the port serves the next transfer
            }
    }
    std::printf("  %d runs, %d problems, %.0f s so far\n", soak.runs, soak.problems,
                clock.elapsed() / 1000.0);

    // 2. every reply in single characters with gaps
    std::printf("soak: 2. every reply split into single characters with gaps\n");
    for (const Procedure p : all) {
        soak.everyLine = [&](int) {
            ExchangePlan plan;
            plan.fault = Fault::Split;
            // memory procedures: short gaps (604 replies); settings: up to 20 ms a character (a reply then
            // takes up to 1.6 s of its 2 s)
            plan.gapUs = isMemory(p) ? int(20 + rng() % 200) : int(rng() % 20000);
            return plan;
        };
        soak.run(p, -1, {}, "split replies");
        soak.everyLine = nullptr;
    }
    std::printf("  %d runs, %d problems, %.0f s so far\n", soak.runs, soak.problems,
                clock.elapsed() / 1000.0);

    // 3. random faults
    std::printf("soak: 3. random faults over repeated transfers\n");
    struct Weighted {
        Fault fault;
        int weight;
    };
    const Weighted mix[] = {{Fault::DropBefore, 12}, {Fault::DropDuring, 12}, {Fault::DropAfter, 12},
                            {Fault::Short, 18},      {Fault::Long, 18},       {Fault::NotOk, 10},
                            {Fault::Split, 15},      {Fault::Silent, 3},      {Fault::Waiting, 8},
                            {Fault::Late, 3},        {Fault::Earlier, 14},    {Fault::Noise, 14}};
    int weightSum = 0;
    for (const Weighted &w : mix)
        weightSum += w.weight;
    int faults = 0;
    while (faults < 1000) {
        const int pick = int(rng() % 100);
        Procedure p = pick < 35   ? Procedure::ReadSettings
                      : pick < 70 ? Procedure::WriteSettings
                      : pick < 85 ? Procedure::ReadMemory
                                  : Procedure::WriteMemory;
        int total = lineCount(p);
        // memory procedures: a fault early on or at the end keeps a run short
        int at = isMemory(p) ? (rng() % 16 == 0 ? total - 2 + int(rng() % 2) : int(rng() % 40))
                             : int(rng() % total);
        int w = int(rng() % unsigned(weightSum));
        Fault f = Fault::None;
        for (const Weighted &m : mix) {
            if (w < m.weight) {
                f = m.fault;
                break;
            }
            w -= m.weight;
        }
        // "NG" only means something where "OK" is the answer
        if (f == Fault::NotOk && !isWrite(p)) f = Fault::Short;
        // a harmless fault lets a memory transfer run all 604 exchanges: split replies of memory transfers
        // are the second part's business, here they go to the settings procedures
        if (f == Fault::Split && isMemory(p)) {
            p = isWrite(p) ? Procedure::WriteSettings : Procedure::ReadSettings;
            total = lineCount(p);
            at = int(rng() % unsigned(total));
        }
        if (f == Fault::NotOk && at == total - 1) at = total - 2;
        ExchangePlan plan{f, int(rng() % 70), int(rng() % 3000), 0};
        if (f == Fault::Late) plan.afterUs = int(rng() % 400000); // lands in the next run
        if (f == Fault::Noise) plan.afterUs = int(rng() % 25000); // in the pause or in the next exchange
        if (f == Fault::Waiting) at = 0;
        soak.run(p, at, plan);
        if (f == Fault::Late) { // the next run meets the late answer: a clean one, so that is all it meets
            const int next = int(rng() % 4);
            soak.run(next == 0   ? Procedure::ReadMemory
                     : next == 1 ? Procedure::WriteSettings
                                 : Procedure::ReadSettings,
                     -1, {});
        }
        if (++faults % 200 == 0)
            std::printf("  %d faults, %d runs, %d problems, %.0f s so far\n", faults, soak.runs,
                        soak.problems, clock.elapsed() / 1000.0);
    }
    // and the port still serves a clean transfer of each kind
    for (const Procedure p : all)
        soak.run(p, -1, {});
    radio.stop();

    int injected = 0;
    for (const auto &[name, count] : soak.faultMix)
        injected += count;
    std::printf("soak: fault mix (%d faults in all, %d of them random; time spent in runs with each):\n",
                injected, faults);
    for (const auto &[name, count] : soak.faultMix)
        std::printf("  %5d  %-40s %7.1f s\n", count, name.c_str(), soak.faultSeconds[name]);
    std::printf("soak: endings:\n");
    for (const auto &[name, count] : soak.endings)
        std::printf("  %5d  %s\n", count, name.c_str());
    std::printf("soak: %d runs, %d faults, %d line drops, %d problems, %d silent mismatches in %d successful "
                "reads (%ld records compared with the radio's), %.0f s\n",
                soak.runs, injected, radio.hangUps(), soak.problems, soak.silentMismatches,
                soak.successfulReads, soak.recordsCompared, clock.elapsed() / 1000.0);
    return soak.problems == 0 && soak.silentMismatches == 0 ? 0 : 1;
}
