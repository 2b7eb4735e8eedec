// The transfer procedures, verify and the identification against the virtual radio: command order and
// addresses, the reply length each exchange needs, the 10 ms pauses, reply collection, endings, retries,
// and what a failure leaves behind; the virtual radio's side of them, its faults and clone files. Then a
// line as dirty as a real cable, through QSerialPort on a pseudo-terminal: characters waiting before the
// port opens, an answer after the time-out, an earlier run's reply still arriving, noise between replies:
// every run either gives exactly the radio's records or ends with the right message. Also the port search,
// the reasons a port does not open, and the radio commands of kt-m40-cli against 'kt-m40-cli sim'. Last,
// Write Changes on either line: only the differing writes, a record stored wrong, a fault in each phase,
// a second run after an interrupted one.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/Backups.h"
#include "files/CloneFile.h"
#include "files/ImageDiff.h"
#include "files/NewImage.h"
#include "image/HexText.h"
#include "link/PortFinder.h"
#include "link/SerialLink.h"
#include "link/TransferSteps.h"
#include "settings/SettingsCodec.h"
#include "support/CliRun.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/VirtualRadioRig.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr int Pause = 10; // ms between a reply and the next command, as the radio needs

QStringList channelReads(int from, int to) {
    QStringList out;
    for (int k = from; k < to; ++k)
        out << QString::asprintf("RZ~F%04XR", 0x600 + 0x20 * k);
    return out;
}

QStringList settingsReads() {
    return {"RZ~F0300R", "RZ~F0320R", "RZ~F0400R", "RZ~F0500R"};
}

// Settings and VFOs that differ from the defaults, so that a read can be seen to have replaced them.
CloneImage ChangedSettingsImage() {
    CloneImage image = NumberedChannelsImage();
    // the second item of the first list of each block
    for (int block = 0; block < 2; ++block)
        for (int i = 0; i < SettingsListCount; ++i)
            if (SettingsLists()[i].block == block && SettingsLists()[i].items.size() > 1) {
                image.Settings[i] = 1;
                break;
            }
    MakeSetData(image);
    image.VfoTable[0].field[FieldFrequency] = {FormatFrequencyText(14200000), 14200000};
    image.VfoTable[1].field[FieldFrequency] = {FormatFrequencyText(3700000), 3700000};
    image.VfoTable[1].field[FieldMode] = {QStringLiteral("CWU"), 2};
    return image;
}

// A line that never opens and gives no reason for it; it tells when it is closed.
class SilentLine : public Link {
  public:
    explicit SilentLine(bool *closed) : closed_(closed) {}
    bool open(QString *) override { return false; }
    void close() override { *closed_ = true; }
    bool isOpen() const override { return false; }
    bool write(const QByteArray &) override { return false; }
    QByteArray readAll() override { return {}; }
    QString name() const override { return QStringLiteral("Test line"); }

  private:
    bool *closed_;
};

struct Exchange {
    QByteArray command; // without the CR LF
    int replyLength;    // 0: the reply is not examined
    bool needsOk;
};

QList<Exchange> exchangesOf(Procedure procedure) {
    CloneImage image = NewCloneImage();
    RadioSession session(&image);
    QList<Exchange> out;
    for (const TransferStep &step : BuildProcedure(procedure, image, session))
        if (step.kind == TransferStep::Kind::Exchange) {
            const QByteArray line = step.command();
            if (!line.endsWith("\r\n")) return {}; // every line ends with CR LF
            out.append({line.chopped(2), step.replyLength, step.needsOk});
            // every exchange passes only a reply of its exact length (ending OK where one is needed)
            if (step.replyLength == 0) continue;
            const QByteArray tail = step.needsOk ? "OK\r\n" : "\r\n";
            const QByteArray good =
                line + QByteArray(step.replyLength - line.size() - tail.size(), '0') + tail;
            if (!CheckReply(step, line, good).ok || CheckReply(step, line, good.mid(1)).ok ||
                CheckReply(step, line, "0" + good).ok)
                return {};
            if (step.needsOk && CheckReply(step, line, good.chopped(4) + "NO\r\n").ok) return {};
        }
    return out;
}

QByteArray replyTo(VirtualRadio &radio, const QByteArray &line) {
    const auto replies = radio.receive(line);
    return replies.size() == 1 ? replies.front().echo + replies.front().answer : QByteArray("<none>");
}

bool sameChannels(const CloneImage &a, const CloneImage &b, int from, int to) {
    for (int k = from; k < to; ++k)
        if (!(a.ChannelTable[k] == b.ChannelTable[k]) || a.ChannelUsed[k] != b.ChannelUsed[k]) return false;
    return true;
}

// A pseudo-terminal with nothing on its other end: a port with no radio behind it, which never answers.
struct SilentPty {
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    QString device;
    SilentPty() {
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0)
            if (const char *name = ptsname(master)) device = QString::fromLocal8Bit(name);
    }
    ~SilentPty() {
        if (master >= 0) ::close(master);
    }
};

// The demo radio's memory as the program reads it (its records differ from channel to channel).
CloneImage radioImage(const VirtualRadio &radio) {
    CloneImage image;
    radio.toImage(image);
    return image;
}

bool sameSettings(const CloneImage &a, const CloneImage &b) {
    return a.SetData1 == b.SetData1 && a.SetData2 == b.SetData2 && a.VfoTable == b.VfoTable;
}

// Write Changes on the demo radio over either line, recording the progress.
struct ChangesRig : VirtualRadioRig {
    QList<WriteChangesProgress> phases; // the progress of Write Changes
    QTemporaryDir backups;

    explicit ChangesRig(Line line) : VirtualRadioRig(VirtualRadio::withDemoContents(), line) {
        image = VirtualRadio::demoImage(); // the "file": what the radio holds, until edited
        if (!open()) qFatal("no pseudo-terminal");
        session.setCommandPauseMs(0); // what goes out is checked here; the pause between commands elsewhere
        QObject::connect(&session, &RadioSession::changesProgress,
                         [this](const WriteChangesProgress &p) { phases.append(p); });
    }
    // Runs Write Changes of both halves (or the given ones) to its end; the last procedure's ending.
    Ending run(bool settings = true, bool memory = true, const QString &folder = {}) {
        const QString into = folder.isEmpty() ? backups.path() : folder;
        return VirtualRadioRig::run(
            [&](RadioSession &s) { return s.startWriteChanges(settings, memory, into); }, 60000);
    }
    const WriteChangesRun &result() const { return session.writeChangesRun(); }
};

// Command lines with each write's 64 digits shown as "<64>".
QStringList shortWrites(const QStringList &lines) {
    QStringList out;
    for (const QString &l : lines)
        out << (l.size() == 9 + 64 && l.startsWith("RZ~F") && l[8] == 'W' ? l.left(9) + "<64>" : l);
    return out;
}

// Three edits: the beep setting (block 0300), channel 2's name (0640), channel 200's frequency (1F00).
void editThree(CloneImage &image) {
    image.Settings.byName("cmbBeep") = image.Settings.byName("cmbBeep") == 0 ? 1 : 0;
    image.ChannelTable[2].field[FieldName].text = "CHANGED";
    RecordBytes b{};
    b[0] = 0x80;
    b[1] = 1;
    WriteLe32(b, 16, 7123000);
    WriteLe32(b, 28, 7123000);
    QVERIFY(UpdateMemData(image, RecordText(b), 200));
}

// Starts a procedure, or (negative) a run: -1 read ALL, -2 write ALL, -3 verify the memory.
bool startOf(RadioSession &session, int procedure) {
    return procedure == -1   ? session.startReadAll()
           : procedure == -2 ? session.startWriteAll()
           : procedure == -3 ? session.startVerify(false, true)
                             : session.start(Procedure(procedure));
}
} // namespace

class TestLinkSession : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (!QFile::exists("/dev/ptmx")) QSKIP("this system has no pseudo-terminals");
        QVERIFY(dir_.isValid());
    }

    void settingsTransfersRoundTrip() {
        CloneImage changed = ChangedSettingsImage();
        VirtualRadioRig rig(std::make_shared<VirtualRadio>(changed));
        QSignalSpy settings(&rig.session, &RadioSession::settingsDecoded);
        QSignalSpy vfos(&rig.session, &RadioSession::vfoDecoded);
        qint64 endedNs = 0;
        connect(&rig.session, &RadioSession::runFinished, this, [&] { endedNs = rig.link->clockNs(); });
        QCOMPARE(rig.run(Procedure::ReadSettings), Ending::Success);
        QCOMPARE(rig.commands(), settingsReads() + QStringList{"RZ~E"});
        QVERIFY(changed.SetData1 != QLatin1String(DefaultSetData1));
        QVERIFY(changed.SetData2 != QLatin1String(DefaultSetData2));
        QVERIFY(sameSettings(rig.image, changed));
        QCOMPARE(rig.image.Settings, changed.Settings);
        QCOMPARE(settings.size(), 1);
        QCOMPARE(vfos.size(), 1);
        QVERIFY(rig.progress.isEmpty());
        QVERIFY(rig.smallestGapMs() >= Pause);
        QVERIFY(endedNs - rig.link->transcript().last().lastReplyNs >= Pause * 1000000LL); // TxEnd's pause

        // and back to a radio holding the defaults
        VirtualRadioRig back;
        back.image = changed;
        QCOMPARE(back.run(Procedure::WriteSettings), Ending::Success);
        for (const int address : {0x300, 0x320, 0x400, 0x500})
            QCOMPARE(back.radio->block(address), rig.radio->block(address));
        QVERIFY(back.smallestGapMs() >= Pause);
    }

    void readAllAndWriteAllRunBothHalves() {
        VirtualRadioRig rig(VirtualRadio::withDemoContents());
        QCOMPARE(rig.run([](RadioSession &s) { return s.startReadAll(); }), Ending::Success);
        QCOMPARE(rig.started.size(), 2);
        QCOMPARE(rig.started[0].at(0).value<Procedure>(), Procedure::ReadSettings);
        QCOMPARE(rig.started[1].at(0).value<Procedure>(), Procedure::ReadMemory);
        QCOMPARE(rig.finished.size(), 2);
        QCOMPARE(rig.runs.size(), 1);
        QCOMPARE(rig.commands(),
                 settingsReads() + QStringList{"RZ~E"} + channelReads(0, ChannelCount) + QStringList{"RZ~E"});
        QVERIFY2(rig.smallestGapMs() >= Pause, qPrintable(QString::number(rig.smallestGapMs())));
        QVERIFY(sameChannels(rig.image, VirtualRadio::demoImage(), 0, ChannelCount));
        QCOMPARE(rig.progress.size(), 604); // the memory half only
        QCOMPARE(rig.progress.last().at(0).toInt(), 603);
        QCOMPARE(rig.decoded.size(), 604);
        QCOMPARE(rig.runs.first().at(0).toBool(), true);
        QVERIFY(rig.link->isOpen()); // left open for the next procedure

        VirtualRadioRig target;
        target.image = rig.image;
        QCOMPARE(target.run([](RadioSession &s) { return s.startWriteAll(); }), Ending::Success);
        QCOMPARE(target.runs.first().at(0).toBool(), true);
        QCOMPARE(target.commands().count("KTM40"), 2);
        QCOMPARE(target.commands().count("RZ~E"), 2);
        QCOMPARE(target.radio->cloneFileBytes(), rig.radio->cloneFileBytes());
        QCOMPARE(target.progress.last().at(0).toInt(), ChannelCount - 1);
        // Write Memory's access line is followed by two pauses: one after it, one before each block write
        const auto &t = target.link->transcript();
        qsizetype access = t.size() - 1;
        while (t[access].command != "KTM40\r\n")
            --access;
        QVERIFY(t[access + 1].sentNs - t[access].lastReplyNs >= 2 * Pause * 1000000LL);
        QVERIFY(target.smallestGapMs() >= Pause);
    }

    void staleInputIsDiscardedAndTheEchoDoesNotEndAWait() {
        auto radio = std::make_shared<VirtualRadio>();
        radio->faults.stale = true; // stray characters after every reply, waiting when the next command goes
        radio->faults.delayMs = 30; // the answer comes well after the echo
        VirtualRadioRig rig(radio);
        QString reason;
        QVERIFY(rig.link->open(&reason));
        rig.link->injectReceived("RZ~F0300R\r\nFFFF\r\n"); // noise waiting before the first command
        QCOMPARE(rig.run(Procedure::ReadSettings), Ending::Success);
        QCOMPARE(rig.image.SetData1, radio->block(0x300));
        QCOMPARE(rig.commands().size(), 5);
    }

    // Each wrong or missing answer, and records no code decodes: the ending, the message, nothing sent after
    // the failed exchange (no end command after a failure), and what the image keeps: the records read
    // before the failure are the radio's, the rest as they were.
    void faultsEndTheRun() {
        struct Case {
            const char *name;
            QString fault; // as for ParseFaultSpec; "bad@ADDR": that record undecodable; "open:": no open
            int procedure; // -1: read ALL, -2: write ALL, -3: verify the memory
            Ending ending;
            QStringList sent; // write data aside
            QString detail;   // a part of the message
            int waitsMs = 0;  // when given: the run lasts that long, less than 1.5 s more
        };
        const int readAll = -1, writeAll = -2, rm = int(Procedure::ReadMemory),
                  rs = int(Procedure::ReadSettings), ws = int(Procedure::WriteSettings);
        const Ending comm = Ending::CommunicationError, port = Ending::ComPortError,
                     codec = Ending::ProcedureFailure;
        const QString noSuchPort = "/dev/ttyS9: No such file or directory";
        const Case cases[] = {
            {"read reply one short", "short@0600", rm, comm, {"RZ~F0600R"}, ""},
            {"read reply one long", "long@0620", rm, comm, {"RZ~F0600R", "RZ~F0620R"}, ""},
            {"time-out at channel 300", "timeout@2B80", rm, comm, channelReads(0, 301), ""},
            {"settings reply short", "short@0320", rs, comm, {"RZ~F0300R", "RZ~F0320R"}, ""},
            {"VFO B short", "short@0500", rs, comm, settingsReads(), ""},
            {"write reply long", "long@0300", ws, comm, {"KTM40", "RZ~F0300W"}, ""},
            // Write Memory never starts, Read Memory neither: one message only
            {"write ALL, access refused", "deny-access", writeAll, comm, {"KTM40"}, ""},
            {"read ALL, settings reply long", "long@0300", readAll, comm, {"RZ~F0300R"}, ""},
            {"access not OK", "notok@KTM40", ws, comm, {"KTM40"}, ""},
            {"write not OK",
             "notok@0620",
             int(Procedure::WriteMemory),
             comm,
             {"KTM40", "RZ~F0600W", "RZ~F0620W"},
             "0620"},
            {"dropped line", "drop@0400", rs, port, {"RZ~F0300R", "RZ~F0320R", "RZ~F0400R"}, "dropped"},
            // verify changes nothing in the file and keeps what it read: channels 0 to 79
            {"verify, dropped line", "drop@1000", -3, port, channelReads(0, 81), "dropped"},
            {"channel 5 undecodable", "bad@06A0", rm, codec, channelReads(0, 6), ""},
            {"settings undecodable", "bad@0300", rs, codec, settingsReads().mid(0, 2), ""},
            {"VFO B undecodable", "bad@0500", rs, codec, settingsReads(), "VFO B has no valid mode"},
            {"port does not open", "open:" + noSuchPort, readAll, codec, {}, noSuchPort},
            // the end command's reply is not needed: the run succeeds once its wait is over
            // a reply still arriving when its 2000 ms are over is not waited for
            {"paced past the time-out", "baud=40", int(Procedure::Identify), comm, {"RZ~WHO"}, "", 2000},
            {"end command unanswered", "timeout@E", rs, Ending::Success,
             settingsReads() + QStringList{"RZ~E"}, "", 2000 + Pause},
        };
        for (const Case &c : cases) {
            const CloneImage holds = ChangedSettingsImage();
            auto radio = std::make_shared<VirtualRadio>(holds);
            VirtualRadioRig rig(radio);
            if (c.fault.startsWith("bad@")) {
                const int address = c.fault.mid(4).toInt(nullptr, 16);
                QString record = radio->block(address);
                radio->setBlock(address, address == 0x300 ? QString(64, 'F') : record.replace(2, 2, "07"));
            } else if (c.fault.startsWith("open:")) {
                rig.link->setOpenFailure(c.fault.mid(5));
            } else {
                QVERIFY2(ParseFaultSpec(c.fault, radio->faults, nullptr), c.name);
            }
            const CloneImage before = rig.image;
            QElapsedTimer clock;
            clock.start();
            QVERIFY2(rig.run([&](RadioSession &s) { return startOf(s, c.procedure); }) == c.ending, c.name);
            QVERIFY2(rig.lastDetail().contains(c.detail), qPrintable(c.name + (": " + rig.lastDetail())));
            QStringList got = rig.commands();
            for (QString &line : got)
                line = line.left(9);
            QVERIFY2(got == c.sent, qPrintable(c.name + (": " + got.join(' '))));
            QVERIFY2(rig.finished.size() == 1 && rig.runs.size() == 1, c.name);
            QCOMPARE(rig.runs.first().at(0).toBool(), c.ending == Ending::Success);
            const int read = int(c.sent.size()) - 1; // records taken before the failed exchange
            if (c.procedure == rm) {
                QVERIFY2(sameChannels(rig.image, holds, 0, read), c.name);
                QVERIFY2(sameChannels(rig.image, before, read, ChannelCount), c.name);
            }
            if (c.procedure == rs) { // the settings once both their blocks came, the VFOs not one alone
                QVERIFY2(rig.image.Settings == (read >= 2 ? holds : before).Settings, c.name);
                if (c.ending != codec)
                    QVERIFY2(rig.image.VfoTable == (c.ending == Ending::Success ? holds : before).VfoTable,
                             c.name);
            }
            if (c.procedure == int(Procedure::WriteMemory)) // the block before the refused one is written
                QCOMPARE(rig.radio->block(0x600), MakeMemData(rig.image, 0));
            if (c.procedure == -3) {
                QCOMPARE(rig.image, before);
                QCOMPARE(rig.session.radioRecords().size(), 80);
            }
            if (c.ending == comm) QVERIFY(rig.link->isOpen()); // kept for the next run
            if (c.waitsMs > 0)
                QVERIFY2(clock.elapsed() >= c.waitsMs && clock.elapsed() < c.waitsMs + 1500,
                         qPrintable(c.name + QString(": %1 ms").arg(clock.elapsed())));
            if (c.ending == port) {
                // the line stays failed: the next run fails at its first exchange, also as a port error
                QCOMPARE(rig.run(Procedure::Identify, 1000), Ending::ComPortError);
                QCOMPARE(rig.commands().size(), c.sent.size());
            }
        }
    }

    // Every reply to a block read and to a block write, spoilt at every position by every byte as a noisy
    // line does it (a byte swapped, left out, added): each is refused, or what is taken is exactly the
    // radio's record (a write: exactly the confirmation of what was sent). A data digit swapped for another
    // hexadecimal digit is another record, which nothing in a reply can tell: those are left out.
    void spoiltRepliesAreRefusedOrExact() {
        const CloneImage radioHolds = ChangedSettingsImage();
        CloneImage image = radioHolds;
        RadioSession session(&image);
        const QString record = MakeVFOData(radioHolds, 0);
        auto stepOf = [&](Procedure p, const QString &label) {
            for (const TransferStep &step : BuildProcedure(p, image, session))
                if (step.label == label) return step;
            return TransferStep{};
        };
        const TransferStep read = stepOf(Procedure::ReadSettings, "block read of 0400");
        const TransferStep write = stepOf(Procedure::WriteSettings, "block write of 0400");
        QVERIFY(read.command && write.command);
        int cases = 0, taken = 0;
        for (const TransferStep *step : {&read, &write}) {
            const QByteArray sent = step->command();
            const bool reads = step == &read;
            const QByteArray reply = sent + (reads ? record.toLatin1() : QByteArray("OK")) + "\r\n";
            QCOMPARE(reply.size(), reads ? 77 : 79);
            for (qsizetype at = 0; at <= reply.size(); ++at) {
                const bool data = reads && at >= 11 && at < 75;
                std::vector<QByteArray> spoilt;
                if (at < reply.size()) spoilt.push_back(SpoilReply(reply, Spoil::Drop, at, 0));
                for (int b = 0; b < 256; ++b) {
                    const char c = char(b);
                    spoilt.push_back(SpoilReply(reply, Spoil::Add, at, c));
                    if (at < reply.size() && c != reply[at] &&
                        !(data && QByteArray("0123456789ABCDEFabcdef").contains(c)))
                        spoilt.push_back(SpoilReply(reply, Spoil::Swap, at, c));
                }
                for (const QByteArray &bad : spoilt) {
                    ++cases;
                    if (!CheckReply(*step, sent, bad).ok) continue;
                    ++taken;
                    if (reads)
                        QVERIFY2(bad.mid(11, 64) == record.toLatin1(), bad.toPercentEncoding().constData());
                    else
                        QVERIFY2(bad == reply, bad.toPercentEncoding().constData());
                }
            }
        }
        qInfo("%d spoilt replies, %d taken, each with the right record", cases, taken);
        QVERIFY(taken < cases / 100);
    }

    // Retries: a refused block read or write goes again up to N times, counted; the identification, the
    // write-access line and the end command go once whatever N is.
    void retries() {
        struct Case {
            const char *name;
            Procedure procedure;
            QString key; // the exchange whose replies are spoilt
            int spoilt;  // how many of its replies in a row
            int retries;
            Ending ending;
            int times; // how often its command went out
        };
        const Procedure rs = Procedure::ReadSettings, ws = Procedure::WriteSettings;
        const Ending ok = Ending::Success, comm = Ending::CommunicationError;
        const Case cases[] = {
            {"read, 2 spoilt, 2 retries", rs, "0320", 2, 2, ok, 3},
            {"read, 3 spoilt, 2 retries", rs, "0320", 3, 2, comm, 3},
            {"read, 1 spoilt, none allowed", rs, "0320", 1, 0, comm, 1},
            {"write, 5 spoilt, 5 retries", ws, "0500", 5, 5, ok, 6},
            {"write access, 5 retries", ws, "KTM40", 1, 5, comm, 1},
            {"identification, 5 retries", Procedure::Identify, "WHO", 1, 5, comm, 1},
            {"end command, 5 retries", rs, "E", 1, 5, ok, 1},
        };
        for (const Case &c : cases) {
            const CloneImage radioHolds = ChangedSettingsImage();
            VirtualRadioRig rig(std::make_shared<VirtualRadio>(radioHolds));
            rig.session.setRetries(c.retries);
            int sent = 0;
            rig.radio->replyFilter = [&](const QString &k, const QByteArray &r) {
                // each way a reply is refused in turn: no OK / a digit that is none, one short, one long, the
                // echo
                static const char *const how[] = {"swap", "drop", "add", "echo"};
                if (k != c.key || sent++ >= c.spoilt) return r;
                // (the identification's reply has room for a swap that passes: those lines lose a character)
                const QString kind =
                    k.size() == 4 ? QLatin1String(how[(sent - 1) % 4]) : QStringLiteral("drop");
                if (kind == "swap") return SpoilReply(r, Spoil::Swap, r.size() - 4, 'G');
                if (kind == "drop") return SpoilReply(r, Spoil::Drop, r.size() - 5, 0);
                if (kind == "add") return SpoilReply(r, Spoil::Add, r.size() - 5, '0');
                return SpoilReply(r, Spoil::Swap, 1, 'X');
            };
            QVERIFY2(rig.run(c.procedure, 5000) == c.ending, c.name);
            const QString line = c.key.size() == 4  ? "RZ~F" + c.key
                                 : c.key == "KTM40" ? c.key
                                                    : "RZ~" + c.key;
            const QStringList commands = rig.commands();
            QVERIFY2(commands.filter(QRegularExpression("^" + line)).size() == c.times, c.name);
            QVERIFY2(rig.session.retriesInRun().size() == c.times - 1, c.name);
            QCOMPARE(commands.last() == "RZ~E", c.ending == Ending::Success);
            if (c.ending == Ending::Success && c.procedure == rs)
                QCOMPARE(rig.image.SetData2, radioHolds.SetData2);
            if (c.ending != Ending::Success && c.times > 1)
                QVERIFY2(rig.lastDetail().endsWith(QStringLiteral("(sent %1 times)").arg(c.times)),
                         qPrintable(rig.lastDetail()));
            QVERIFY(commands.size() < 2 || rig.smallestGapMs() >= Pause); // a retry waits out the pause too
        }
    }

    // Verify: only block reads and the end command go out, nothing changes, the differences name records
    // and fields.
    void verify() {
        VirtualRadioRig rig(VirtualRadio::withDemoContents());
        rig.image = VirtualRadio::demoImage(); // what the radio holds
        MakeSetData(rig.image);
        const CloneImage before = rig.image;
        const auto verifyAll = [](RadioSession &s) { return s.startVerify(true, true); };
        QCOMPARE(rig.run(verifyAll), Ending::Success);
        QCOMPARE(rig.session.radioRecords().size(), 4 + ChannelCount);
        QVERIFY(CompareWithRadio(rig.image, rig.session.radioRecords()).isEmpty());
        // one settings block read back alone, as Write Changes checks only what it wrote
        const RadioRecords &read = rig.session.radioRecords();
        QVERIFY(CompareWithRadio(rig.image, {{0x320, read[0x320]}}).isEmpty());
        QCOMPARE(rig.image, before);
        // block reads only, each half closed by the end command
        QCOMPARE(rig.commands(),
                 settingsReads() + QStringList{"RZ~E"} + channelReads(0, ChannelCount) + QStringList{"RZ~E"});
        QCOMPARE(rig.progress.size(), ChannelCount);
        QVERIFY(rig.smallestGapMs() >= 10.0);

        // one channel and one setting differ
        rig.session.setCommandPauseMs(0); // the pause was checked above
        rig.image.Settings.byName("cmbBeep") = 0;
        rig.image.ChannelTable[2].field[FieldName].text = "CHANGED";
        const CloneImage edited = rig.image;
        const QByteArray radioBefore = rig.radio->cloneFileBytes();
        QCOMPARE(rig.run(verifyAll), Ending::Success);
        const QList<ImageDifference> d = CompareWithRadio(rig.image, rig.session.radioRecords());
        QCOMPARE(d.size(), 2);
        QCOMPARE(d[0].record, QString("Settings")); // how each is named: the comparison's own tests
        QCOMPARE(d[1].record, QString("2"));
        QCOMPARE(rig.image, edited);
        QCOMPARE(rig.radio->cloneFileBytes(), radioBefore);
    }

    void identification() {
        struct Case {
            const char *name, *model, *variantCode, *rangeCode;
            bool wideBefore;
            Ending ending;
            int variantAfter;
            bool wideAfter;
        };
        const Ending ok = Ending::Success, comm = Ending::CommunicationError;
        const Case cases[] = {
            {"T wide", "KTM40", "66", "AA", false, ok, 1, true},
            {"T narrow", "KTM40", "66", "00", true, ok, 1, false},
            {"A", "KTM40", "CC", "AA", false, ok, 3, true},
            {"unknown code clears range", "KTM40", "44", "AA", true, comm, 2, false},
            {"other model", "KTM50", "66", "AA", true, comm, 2, true},
            {"20 characters", "KTM4", "66", "AA", true, comm, 2, true},
            {"22 characters", "KTM400", "66", "AA", true, comm, 2, true},
        };
        for (const Case &c : cases) {
            auto radio = std::make_shared<VirtualRadio>();
            radio->modelName = c.model;
            radio->variantCode = c.variantCode;
            radio->rangeCode = c.rangeCode;
            VirtualRadioRig rig(radio);
            rig.image.Variant = VariantE;
            rig.image.WideRange = c.wideBefore;
            QSignalSpy identified(&rig.session, &RadioSession::variantIdentified);
            QVERIFY2(rig.run(Procedure::Identify, 1000) == c.ending, c.name);
            QVERIFY2(rig.image.Variant == c.variantAfter && rig.image.WideRange == c.wideAfter, c.name);
            QCOMPARE(identified.size(), c.ending == ok ? 1 : 0);
            QCOMPARE(rig.commands(), QStringList{"RZ~WHO"}); // never an end command
        }
    }

    // No run without a line or without anything to do; a line that gives no reason for not opening is
    // named; a new line (or none) closes the one before.
    void startsNeedALineAndSomethingToDo() {
        CloneImage image = NewCloneImage();
        RadioSession session(&image);
        QSignalSpy finished(&session, &RadioSession::procedureFinished);
        QVERIFY(!session.start(Procedure::Identify));
        QVERIFY(!session.startReadAll());
        QVERIFY(!session.startWriteAll());
        QVERIFY(!session.startVerify(true, true));
        QVERIFY(!session.startWriteChanges(true, true, QString()));
        bool closed = false;
        QVERIFY(session.setLink(std::make_unique<SilentLine>(&closed)));
        QVERIFY(!session.startVerify(false, false));
        QVERIFY(!session.startWriteChanges(false, false, QString()));
        QVERIFY(session.start(Procedure::Identify));
        QVERIFY(!session.startWriteAll());
        QVERIFY(!session.startVerify(true, false));
        QVERIFY(!session.startWriteChanges(false, true, QString()));
        QTRY_VERIFY(!session.busy());
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(1).value<Ending>(), Ending::ProcedureFailure);
        QCOMPARE(finished.at(0).at(2).toString(), QStringLiteral("Test line"));
        QVERIFY(!closed);
        QVERIFY(session.setLink(nullptr));
        QVERIFY(closed);
        QVERIFY(!session.start(Procedure::Identify));
    }

    void oneRunAtATime() {
        VirtualRadioRig rig;
        QVERIFY(rig.session.start(Procedure::ReadSettings));
        QVERIFY(rig.session.busy());
        QVERIFY(!rig.session.start(Procedure::Identify));
        QVERIFY(!rig.session.startReadAll());
        QVERIFY(!rig.session.setLink(MakeVirtualRadioLink(std::make_shared<VirtualRadio>())));
        QVERIFY(rig.runs.wait(30000));
        QVERIFY(!rig.session.busy());
        QCOMPARE(rig.runs.size(), 1);
        QCOMPARE(rig.commands().size(), 5);
    }

    // Each exchange as "command reply-length", "+OK" where the reply must end in OK, a record as "<64>" (an
    // empty channel's as "<64 zeros>").
    void procedures() {
        QStringList reads, writes{"KTM40 11+OK"};
        for (int address = 0x600; address <= 0x5160; address += 0x20) {
            reads << QString::asprintf("RZ~F%04XR 77", address);
            writes << QString::asprintf("RZ~F%04XW<64 zeros> 79+OK", address);
        }
        const std::pair<Procedure, QStringList> table[] = {
            {Procedure::ReadSettings,
             {"RZ~F0300R 77", "RZ~F0320R 77", "RZ~F0400R 77", "RZ~F0500R 77", "RZ~E 0"}},
            {Procedure::WriteSettings,
             {"KTM40 11+OK", "RZ~F0300W<64> 79+OK", "RZ~F0320W<64> 79+OK", "RZ~F0400W<64> 79+OK",
              "RZ~F0500W<64> 79+OK", "RZ~E 0"}},
            {Procedure::Identify, {"RZ~WHO 21"}}, // no end command
            {Procedure::ReadMemory, reads + QStringList{"RZ~E 0"}},
            {Procedure::WriteMemory, writes + QStringList{"RZ~E 0"}}};
        for (const auto &[procedure, exchanges] : table) {
            QStringList got;
            for (const Exchange &e : exchangesOf(procedure)) {
                QString line = QString::fromLatin1(e.command);
                if (line.size() == 9 + 64)
                    line = line.left(9) + (line.mid(9) == QString(64, '0') ? "<64 zeros>" : "<64>");
                got << line + " " + QString::number(e.replyLength) + (e.needsOk ? "+OK" : "");
            }
            QCOMPARE(got, exchanges);
        }
    }

    // The radio's side of one session, line by line: each reply whole. Writes need the access line, which
    // the end command closes; lines that are not quite a command are answered NG and change nothing; a line
    // longer than any command is dropped as noise, and the command after it is answered.
    void theRadioAnswers() {
        VirtualRadio radio;
        radio.setIdentity(VariantE, true);
        const QByteArray ones(64, '1'), a(64, 'A'), b(64, 'B');
        radio.setBlock(0x600, QString(ones));
        const std::pair<QByteArray, QByteArray> talk[] = {
            {"RZ~F0600R", "RZ~F0600R\r\n" + ones + "\r\n"},
            {"RZ~F0620W" + b, "RZ~F0620W" + b + "\r\nNG\r\n"}, // no access yet
            {"KTM40", "KTM40\r\nOK\r\n"},
            {"RZ~F060R", "RZ~F060R\r\nNG\r\n"},   // address too short
            {"RZ~F0600X", "RZ~F0600X\r\nNG\r\n"}, // neither R nor W
            {"RZ~F06G0R", "RZ~F06G0R\r\nNG\r\n"}, // read of no number
            {"RZ~F0600R" + a, "RZ~F0600R" + a + "\r\nNG\r\n"},
            {"RZ~F06G0W" + a, "RZ~F06G0W" + a + "\r\nNG\r\n"},
            {"RZ~F0610W" + a, "RZ~F0610W" + a + "\r\nNG\r\n"}, // write of no block
            {"RZ~F0610R", "RZ~F0610R\r\nNG\r\n"},
            {"RZ~F0620W" + b, "RZ~F0620W" + b + "\r\nOK\r\n"},
            {"RZ~F5160W" + a, "RZ~F5160W" + a + "\r\nOK\r\n"},
            {"RZ~WHO", "RZ~WHO\r\nKTM409900AA\r\n"},
            {QByteArray(129, 'x') + "RZ~E", "RZ~E\r\nOK\r\n"}, // noise before a command
            {"RZ~F0620W" + a, "RZ~F0620W" + a + "\r\nNG\r\n"}, // the access is closed
            {"RZ~F0620R", "RZ~F0620R\r\n" + b + "\r\n"}};
        for (const auto &[line, reply] : talk)
            QVERIFY2(replyTo(radio, line + "\r\n") == reply, line.constData());
        QCOMPARE(radio.block(0x600), QString(ones));
        QCOMPARE(radio.block(0x5160), QString(a));
        QVERIFY(!radio.hasBlock(0x610));
        // a command split over several deliveries is answered once complete
        QVERIFY(radio.receive("RZ~F03").empty());
        QCOMPARE(radio.receive("00R\r\n").size(), std::size_t(1));
    }

    // A reply that begins with the echo of another command is refused, the echo shown with every character
    // that cannot be printed as a dot.
    void echoOfAnotherCommandIsShownPrintable() {
        CloneImage image = NewCloneImage();
        RadioSession session(&image);
        const std::vector<TransferStep> steps = BuildProcedure(Procedure::Identify, image, session);
        QCOMPARE(steps.size(), std::size_t(1));
        const StepOutcome outcome =
            CheckReply(steps[0], "RZ~WHO\r\n", QByteArray("\x01Z~WH\xff\r\nKTM40330000\r\n"));
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.ending, Ending::CommunicationError);
        QVERIFY2(outcome.detail.contains("begins with '.Z~WH.'"), qPrintable(outcome.detail));
    }

    void faultSpecs() {
        const std::pair<const char *, bool> table[] = {
            {"timeout@0FE0", true}, {"short@0fe0", true},   {"notok@KTM40", true}, {"timeout@*", true},
            {"delay=250", true},    {"deny-access", true},  {"timeout@", false},   {"drop@06000", false},
            {"delay=soon", false},  {"delay=-5", false},    {"baud=9600", true},   {"baud=1000001", false},
            {"late@06G0", false},   {"explode@0600", false}};
        for (const auto &[spec, valid] : table) {
            VirtualRadioFaults faults;
            QString error;
            QVERIFY2(ParseFaultSpec(spec, faults, &error) == valid && error.isEmpty() == valid, spec);
            VirtualRadioFaults quiet; // a caller that wants no reason
            QVERIFY2(ParseFaultSpec(spec, quiet, nullptr) == valid, spec);
            if (spec == QLatin1String("short@0fe0")) QVERIFY(faults.shortAt.contains("0FE0"));
            if (spec == QLatin1String("delay=250")) QCOMPARE(faults.delayMs, 250);
            if (spec == QLatin1String("baud=9600")) QCOMPARE(faults.baud, 9600);
        }
    }

    // An earlier run's reply is the one to the read of the record after this one; after the last record,
    // and after a command that is no block's, the first channel's.
    void earlierReplyIsTheNextRecords() {
        VirtualRadio radio;
        radio.setBlock(0x320, QString(64, 'B'));
        radio.setBlock(0x600, QString(64, 'C'));
        radio.faults.earlierAt = {"0300", "5160", "WHO"};
        const QByteArray second = "RZ~F0320R\r\n" + QByteArray(64, 'B') + "\r\n";
        const QByteArray first = "RZ~F0600R\r\n" + QByteArray(64, 'C') + "\r\n";
        QCOMPARE(radio.receive("RZ~F0300R\r\n").at(0).earlier, second);
        QCOMPARE(radio.receive("RZ~F5160R\r\n").at(0).earlier, first);
        QCOMPARE(radio.receive("RZ~WHO\r\n").at(0).earlier, first);
        QVERIFY(radio.receive("RZ~E\r\n").at(0).earlier.isEmpty());
    }

    // A record the program cannot decode (a used record of mode 7, which has no text; settings naming no
    // item of a list) makes the memory no image.
    void undecodableMemory() {
        for (const int address : {0x300, 0x400, 0x500, 0x600, 0x5160}) {
            VirtualRadio radio;
            CloneImage image;
            QVERIFY(radio.toImage(image));
            radio.setBlock(address, address == 0x300 ? QString(64, 'F') : "8007" + QString(60, '0'));
            QVERIFY2(!radio.toImage(image), qPrintable(QString::number(address, 16)));
        }
    }

    // The in-process line: a refused open, characters waiting before the open, nothing sent or kept while
    // it is closed, a dropped line refusing writes; stray characters and noise follow only an answer.
    void virtualRadioLine() {
        auto radio = std::make_shared<VirtualRadio>();
        VirtualRadioLink link(radio);
        link.setOpenFailure("busy");
        QVERIFY(!link.open(nullptr));
        link.setOpenFailure({});
        QVERIFY(!link.write("RZ~E\r\n"));
        QVERIFY(!link.discardInput());
        link.injectReceived("AB"); // nobody listens to a closed line
        radio->faults.waiting = true;
        QVERIFY(link.open(nullptr));
        QCOMPARE(link.readAll(), QByteArray("ZZ\r\n"));

        radio->faults = {};
        radio->faults.stale = true;
        radio->faults.noise = true;
        radio->faults.timeoutAt.insert("WHO");
        QVERIFY(link.write("RZ~WHO\r\n"));
        QTest::qWait(30);
        QCOMPARE(link.readAll(), QByteArray("RZ~WHO\r\n")); // the echo only, and nothing after it

        radio->faults = {};
        radio->faults.dropAt.insert("E");
        QSignalSpy failed(&link, &Link::failed);
        QVERIFY(link.write("RZ~E\r\n"));
        QTRY_COMPARE(failed.size(), 1);
        QVERIFY(!link.write("RZ~WHO\r\n"));
        QVERIFY(!link.discardInput());
        link.close();
        QVERIFY(link.open(nullptr));
        QVERIFY(link.discardInput());
    }

    void cloneFileRoundTrip() {
        QTemporaryDir dir;
        auto radio = VirtualRadio::withDemoContents();
        radio->setIdentity(VariantA, true);
        const QString path = dir.filePath("radio.M40");
        const QByteArray bytes = radio->cloneFileBytes();
        QVERIFY(writeFile(path, bytes));
        QVERIFY(bytes.startsWith("Korvan KT-M40A Clone A FileStart\r\n"));

        VirtualRadio copy;
        QString error;
        QVERIFY2(copy.loadCloneFile(path, &error), qPrintable(error));
        QCOMPARE(copy.cloneFileBytes(), bytes);
        QCOMPARE(copy.variantCode, QStringLiteral("CC"));
        CloneImage image;
        QVERIFY(copy.toImage(image));
        QVERIFY(image.ChannelTable == VirtualRadio::demoImage().ChannelTable);

        QVERIFY(writeFile(path, bytes.left(bytes.size() / 2)));
        QVERIFY(!copy.loadCloneFile(path, &error));
        QCOMPARE(copy.cloneFileBytes(), bytes); // a refused file changes nothing
        QVERIFY(!copy.loadCloneFile(path, nullptr));
        QVERIFY(!copy.loadCloneFile(dir.filePath("absent.M40"), &error));
        QCOMPARE(error, QStringLiteral("File Open Error: No such file or directory"));
    }

    void charactersWaitingBeforeTheOpen() {
        auto radio = VirtualRadio::withDemoContents();
        radio->setIdentity(VariantE, true);
        radio->faults.waiting = true;
        VirtualRadioRig rig(radio, Line::SerialPort);
        QVERIFY(rig.open());
        // the stray characters are in the device's input queue before the program opens it
        QCOMPARE(rig.run(Procedure::Identify), Ending::Success);
        QCOMPARE(rig.image.Variant, int(VariantE));
        QCOMPARE(rig.image.WideRange, true);
        // after the end command more are left for the next open; close and open again as a new run would
        QCOMPARE(rig.run(Procedure::ReadSettings), Ending::Success);
        rig.session.link()->close();
        QTest::qWait(50);
        QCOMPARE(rig.run(Procedure::ReadMemory), Ending::Success);
        const CloneImage want = radioImage(*radio);
        QVERIFY(sameSettings(rig.image, want));
        QVERIFY(sameChannels(rig.image, want, 0, ChannelCount));
    }

    void earlierRepliesStillArriving() {
        const std::pair<int, QString> table[] = {{0, "0600"}, {9600, "0600"}, {9600, "0660"}}; // baud, where
        for (const auto &[baud, at] : table) {
            auto radio = VirtualRadio::withDemoContents();
            radio->faults.baud = baud;
            radio->faults.earlierAt.insert(at);
            VirtualRadioRig rig(radio, Line::SerialPort);
            QVERIFY(rig.open());
            const CloneImage before = rig.image;
            // the earlier reply is a whole, well-formed reply for the next channel: taking it would put that
            // channel's record in this one
            QCOMPARE(rig.run(Procedure::ReadMemory), Ending::CommunicationError);
            QVERIFY2(rig.lastDetail().contains("the echo of another command"), qPrintable(rig.lastDetail()));
            const int k = at.toInt(nullptr, 16) / 0x20 - 0x30;
            const CloneImage want = radioImage(*radio);
            QVERIFY2(sameChannels(rig.image, want, 0, k) && sameChannels(rig.image, before, k, ChannelCount),
                     qPrintable(at));
            QVERIFY(!radio->commandLog().contains("RZ~E"));
            // the radio has caught up: the next run reads every record as it is
            radio->faults.earlierAt.clear();
            radio->faults.baud = 0;
            QTest::qWait(300);
            const Ending again = rig.run(Procedure::ReadSettings);
            QVERIFY2(again == Ending::Success, qPrintable(rig.lastDetail()));
            QVERIFY(sameSettings(rig.image, want));
        }
    }

    void lateAnswerLandsInTheNextRun() {
        auto radio = VirtualRadio::withDemoContents();
        radio->faults.baud = 9600; // the next run is still under way when the late answer comes
        radio->faults.lateAt.insert("0300");
        VirtualRadioRig rig(radio, Line::SerialPort);
        QVERIFY(rig.open());
        const CloneImage want = radioImage(*radio);
        QCOMPARE(rig.run(Procedure::ReadSettings), Ending::CommunicationError);
        QVERIFY2(rig.lastDetail().startsWith("no reply to the block read of 0300"),
                 qPrintable(rig.lastDetail()));
        // the late answer lands somewhere in this run: it is refused or it fell into a pause
        const Ending second = rig.run(Procedure::ReadSettings);
        QVERIFY2(second == Ending::Success || second == Ending::CommunicationError,
                 qPrintable(rig.lastDetail()));
        if (second == Ending::Success) QVERIFY(sameSettings(rig.image, want));
        QTest::qWait(500); // the line is quiet again
        const Ending third = rig.run(Procedure::ReadSettings);
        QVERIFY2(third == Ending::Success, qPrintable(rig.lastDetail()));
        QVERIFY(sameSettings(rig.image, want));
    }

    void noiseBetweenReplies() {
        auto radio = VirtualRadio::withDemoContents();
        radio->faults.noise = true;
        VirtualRadioRig rig(radio, Line::SerialPort);
        QVERIFY(rig.open());
        const CloneImage before = rig.image;
        const CloneImage want = radioImage(*radio);
        // noise in a pause is discarded; noise that comes late (a loaded machine may hold the radio's timer
        // past the pause) spoils the next reply, which is then refused: the records read are the radio's
        const Ending ending = rig.run([](RadioSession &s) { return s.startReadAll(); });
        QVERIFY2(ending == Ending::Success || ending == Ending::CommunicationError,
                 qPrintable(rig.lastDetail()));
        if (rig.finished.first().at(1).value<Ending>() == Ending::Success)
            QVERIFY(sameSettings(rig.image, want));
        const int read = int(rig.decoded.size());
        QVERIFY(sameChannels(rig.image, want, 0, read) &&
                sameChannels(rig.image, before, read, ChannelCount));
        if (ending == Ending::Success) QCOMPARE(read, ChannelCount);
    }

    // An interrupted Write Memory names the channel whose write went out unconfirmed as unknown: the radio's
    // log shows which write it received last.
    void interruptedWriteNamesTheUnknownRecord() {
        const QString log = dir_.filePath("radio.log");
        Sim sim({"--fault", "delay=150", "--log", log});
        QVERIFY(sim.port().startsWith("/dev/"));
        const QString file = dir_.filePath("interrupted.M40");
        QCOMPARE(runCli({"new", "-o", file}).exitCode, 0);
        QProcess write;
        write.start(cliPath(), {"write", "--memory", "--port", sim.port(), file});
        QVERIFY(write.waitForStarted());
        QTest::qWait(1200);
        QVERIFY(write.state() == QProcess::Running && write.processId() > 0);
        ::kill(pid_t(write.processId()), SIGINT);
        QVERIFY(write.waitForFinished(5000));
        QCOMPARE(write.exitCode(), 130);
        const QString err = QString::fromUtf8(write.readAllStandardError());
        static const QRegularExpression stopped("Write Memory stopped at channel (\\d+) of 604");
        const QRegularExpressionMatch m = stopped.match(err);
        QVERIFY2(m.hasMatch(), qPrintable(err));
        const int k = m.captured(1).toInt();
        QTest::qWait(300); // the radio logs what reached it
        QByteArray lastWrite;
        for (const QByteArray &line : readFile(log).split('\n'))
            if (line.contains("RZ~F") && line.contains("W")) lastWrite = line;
        const bool unknown = err.contains(
            QStringLiteral("channel %1 is unknown (its write was sent but not confirmed)").arg(k));
        // in the 10 ms pause before a write nothing is unknown: the last write received is the one before
        const QString expected = BlockAddress(unknown ? k : k - 1);
        QVERIFY2(lastWrite.contains("RZ~F" + expected.toLatin1() + "W"), qPrintable(err + "\n" + lastWrite));
        if (unknown)
            QVERIFY2(!err.contains(QStringLiteral("%1 to 603 the radio's old ones").arg(k)), qPrintable(err));
    }

    // --retries: a reply refused once is sent again and counted on stderr and in --json; out of range is
    // a usage error. (Without retries the fault ends the run: the session's retry table.)
    void cliRetries() {
        QCOMPARE(
            runCli({"read", "--port", "/dev/null", "-o", dir_.filePath("x.M40"), "--retries", "6"}).exitCode,
            64);
        Sim sim({"--demo", "--fault", "late@0300"});
        QVERIFY(sim.port().startsWith("/dev/"));
        const QString out = dir_.filePath("retried.M40");
        const CliResult r = runCli({"read", "--settings", "--retries", "2", "--port", sim.port(), "-o", out});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QVERIFY2(r.err.contains("Retries: ") && r.err.contains("no reply to the block read of 0300"),
                 r.err.constData());
        const QByteArray demo = VirtualRadio::withDemoContents()->cloneFileBytes();
        QCOMPARE(readFile(out).split('\n').mid(1, 4), demo.split('\n').mid(1, 4));
        Sim second({"--demo", "--fault", "late@0400"});
        const CliResult v =
            runCli({"verify", "--settings", "--json", "--retries", "1", "--port", second.port(), out});
        QVERIFY2(v.exitCode == 0 || v.exitCode == 5, v.err.constData());
        QVERIFY2(v.out.contains("\"retries\":1") || v.out.contains("\"retries\":2"), v.out.constData());
    }

    // One line through chained runs: identification then a read, read ALL's two halves, write settings then
    // its verify, a failed identification then another.
    void pauseAcrossChainedRuns() {
        VirtualRadioRig rig;
        const std::function<bool(RadioSession &)> chain[] = {
            [](RadioSession &s) { return s.start(Procedure::Identify); },
            [](RadioSession &s) { return s.start(Procedure::ReadSettings); },
            [](RadioSession &s) { return s.startReadAll(); },
            [](RadioSession &s) { return s.start(Procedure::WriteSettings); },
            [](RadioSession &s) { return s.startVerify(true, false); },
            [&rig](RadioSession &s) {
                rig.radio->modelName = QStringLiteral("XX000");
                return s.start(Procedure::Identify);
            },
            [](RadioSession &s) { return s.start(Procedure::Identify); }};
        for (const auto &start : chain)
            QVERIFY(rig.run(start) != Ending::ProcedureFailure); // started, and ended in time
        QCOMPARE(rig.lastEnding(), Ending::CommunicationError);
        QCOMPARE(rig.runs.size(), 7);
        const double gap = rig.smallestGapMs();
        QVERIFY2(gap >= 10.0, qPrintable(QStringLiteral("%1 ms").arg(gap)));
    }

    void portInUseByAnotherProgram() {
        VirtualRadioRig holder(VirtualRadio::withDemoContents(), Line::SerialPort);
        QVERIFY(holder.open());
        QString reason;
        QVERIFY(holder.session.link()->open(&reason)); // as the desktop program keeps its port open
        SerialLink second(holder.server.devicePath());
        QVERIFY(!second.open(&reason));
        QVERIFY2(reason.startsWith(holder.server.devicePath() + ": in use by another program"),
                 qPrintable(reason));
        QVERIFY(reason.contains("kt-m40"));
        QVERIFY2(!reason.contains("usermod") && !reason.contains("may not use"), qPrintable(reason));
        // a stable name linking to the port finds it busy just the same
        const QString stable = dir_.filePath("usb-Korvan_cable-if00-port0");
        QVERIFY(QFile::link(holder.server.devicePath(), stable));
        SerialLink byName(stable);
        QVERIFY(!byName.open(&reason));
        QVERIFY2(reason.startsWith(stable + ": in use by another program"), qPrintable(reason));
        // once the holder lets go, the port opens
        holder.session.link()->close();
        QVERIFY2(second.open(&reason), qPrintable(reason));
    }

    // Find the radio: a busy port, a silent one and one answering garbage are skipped and named; the radio
    // is asked only for its identification; the ports after it are not asked at all.
    void findTheRadioAmongPorts() {
        VirtualRadioRig busy(std::make_shared<VirtualRadio>(), Line::SerialPort);
        QVERIFY(busy.open());
        QString reason;
        QVERIFY(busy.session.link()->open(&reason)); // held as another program holds its port
        SilentPty silent;
        QVERIFY(!silent.device.isEmpty());
        auto garbageRadio = std::make_shared<VirtualRadio>();
        garbageRadio->modelName = QStringLiteral("\x7f#?*&%$!~^"); // 26 characters of noise in all
        PtyRadioServer garbage(garbageRadio);
        auto radio = std::make_shared<VirtualRadio>();
        radio->variantCode = QStringLiteral("66");
        radio->rangeCode = QStringLiteral("AA");
        PtyRadioServer theRadio(radio), later(std::make_shared<VirtualRadio>());
        QVERIFY(garbage.open(&reason) && theRadio.open(&reason) && later.open(&reason));

        PortFinder finder;
        QSignalSpy skipped(&finder, &PortFinder::skipped), finished(&finder, &PortFinder::finished);
        const QStringList ports = {busy.server.devicePath(), silent.device, garbage.devicePath(),
                                   theRadio.devicePath(), later.devicePath()};
        QVERIFY(finder.start(ports));
        QVERIFY(!finder.start(ports)); // one search at a time
        QVERIFY(finished.wait(15000));
        QCOMPARE(finished.first().at(0).toString(), theRadio.devicePath());
        QCOMPARE(finder.variant(), 1); // "66": T
        QVERIFY(finder.wideRange());
        QCOMPARE(skipped.size(), 3);
        const QStringList expected = {"in use by another program",
                                      "no reply to the identification within 2000",
                                      "has 26 characters, not 21"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(skipped[i].at(0).toString(), ports[i]);
            QVERIFY2(skipped[i].at(1).toString().contains(expected[i]),
                     qPrintable(skipped[i].at(1).toString()));
        }
        QCOMPARE(radio->commandLog(), QList<QByteArray>{"RZ~WHO"}); // no end command, nothing else
        QCOMPARE(garbageRadio->commandLog(), QList<QByteArray>{"RZ~WHO"});
        QVERIFY(later.radio()->commandLog().isEmpty());
        QVERIFY(busy.radio->commandLog().isEmpty());
        QVERIFY(!finder.running());
        // the port is let go: another program opens it at once
        SerialLink next(theRadio.devicePath());
        QVERIFY2(next.open(&reason), qPrintable(reason));
    }

    void hungUpLineIsDisconnected() {
        auto radio = VirtualRadio::withDemoContents();
        radio->faults.dropAt.insert("0620");
        VirtualRadioRig rig(radio, Line::SerialPort);
        QVERIFY(rig.open());
        QCOMPARE(rig.run([](RadioSession &s) { return s.startReadAll(); }), Ending::ComPortError);
        QVERIFY2(rig.lastDetail().contains(rig.server.devicePath() + ": disconnected"),
                 qPrintable(rig.lastDetail()));
        QVERIFY2(!rig.lastDetail().contains("temporarily"), qPrintable(rig.lastDetail()));
        // the settings half before the failure stays, one message for the memory half
        QCOMPARE(rig.finished.size(), 2);
        QCOMPARE(radio->commandLog().size(), 4 + 1 + 2);
        QVERIFY(sameSettings(rig.image, radioImage(*radio)));
    }

    // A device the user may not use, opened by an ordinary user (a child that gives up root): the group is
    // named only where its members may read and write the device (mode 600 owned by root:tty: joining tty
    // cannot help). The device is a pseudo-terminal of the test's own, whatever groups this machine has.
    void refusedAccessNamesAGroupThatHelps() {
        if (geteuid() != 0) QSKIP("needs root to give a device to another user");
        PtyRadioServer server(VirtualRadio::withDemoContents());
        QString error;
        QVERIFY2(server.open(&error), qPrintable(error));
        const QByteArray device = QFile::encodeName(server.devicePath());
        const group *g = getgrnam("tty");
        const gid_t gid = g ? g->gr_gid : 5;
        QCOMPARE(::chown(device.constData(), 0, gid), 0);
        const QString group = QFileInfo(server.devicePath()).group();
        QVERIFY2(!group.isEmpty() && group != "root", qPrintable(group));
        const std::pair<int, bool> table[] = {{0660, true}, {0600, false}, {0640, false}}; // mode, advice
        for (const auto &[mode, advice] : table) {
            QCOMPARE(::chmod(device.constData(), mode_t(mode)), 0);
            int fds[2];
            QCOMPARE(::pipe(fds), 0);
            const pid_t pid = fork();
            QVERIFY(pid >= 0);
            if (pid == 0) {
                ::close(fds[0]);
                if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(1);
                SerialLink link(server.devicePath());
                QString reason;
                const bool opened = link.open(&reason);
                const QByteArray text = reason.toUtf8();
                [[maybe_unused]] const ssize_t n = ::write(fds[1], text.constData(), size_t(text.size()));
                _exit(opened ? 2 : 0);
            }
            ::close(fds[1]);
            QByteArray reason;
            char buffer[512];
            for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
                reason.append(buffer, n);
            ::close(fds[0]);
            int status = 0;
            waitpid(pid, &status, 0);
            QVERIFY(WIFEXITED(status));
            QCOMPARE(WEXITSTATUS(status), 0);
            QVERIFY2(reason.startsWith(device + ": "), reason.constData());
            QVERIFY2(!reason.contains("in use"), reason.constData());
            QCOMPARE(reason.contains("sudo usermod -aG " + group.toUtf8() + " $USER"), advice);
            QCOMPARE(reason.contains("may not use"), !advice);
        }
    }

    // A file or a folder given as the port is no serial port, and says so before anything is tried.
    void fileOrFolderIsNotASerialPort() {
        const std::pair<const char *, const char *> table[] = {{"radio.M40", "(an ordinary file)"},
                                                               {"backups", "(a folder)"}};
        for (const auto &[name, what] : table) {
            const QString path = dir_.filePath(name);
            QVERIFY(QString(name).contains('.') ? writeFile(path, "1\r\n") : QDir().mkpath(path));
            SerialLink link(path);
            QString reason;
            QVERIFY(!link.open(&reason));
            QCOMPARE(reason, path + ": not a serial port " + what);
        }
    }

    // A failed radio command: its message and status, and a failed read writes no file. The line hanging up
    // during the first exchange after the open (the radio in another process, as a cable is) is
    // "disconnected", as later hang-ups say, not the reason of whatever call met it first.
    void cliFailuresGiveTheirEndingAndWriteNothing() {
        struct Case {
            QStringList command;
            const char *fault;
            int exitCode;
            const char *errStart;
            QString errPart; // "PORT": the simulator's port
        };
        const char *portError = "COM Port Error\n";
        const QString hungUp = "PORT: disconnected (the cable or adapter was unplugged";
        const Case cases[] = {
            {{"identify"}, "drop@WHO", 2, portError, hungUp},
            {{"read", "--settings", "-o", "x.M40"}, "drop@0300", 2, portError, hungUp},
            {{"write", "--settings", "new.M40"}, "drop@KTM40", 2, portError, hungUp},
            {{"read", "--memory", "-o", "x.M40"}, "timeout@0620", 1, "Communication Error\n", "0620"},
            {{"identify", "--port", "/dev/kt-m40-absent"},
             "stale",
             2,
             "COM Port Error\n  /dev/kt-m40-absent: ",
             ""},
        };
        QCOMPARE(runCli({"new", "-o", "new.M40"}, dir_.path()).exitCode, 0);
        for (const Case &c : cases) {
            Sim sim({"--fault", c.fault});
            QVERIFY(sim.port().startsWith("/dev/"));
            const QStringList port =
                c.command.contains("--port") ? QStringList() : QStringList{"--port", sim.port()};
            const CliResult r = runCli(c.command + port, dir_.path());
            QCOMPARE(r.exitCode, c.exitCode);
            QVERIFY2(r.err.startsWith(c.errStart) &&
                         r.err.contains(QString(c.errPart).replace("PORT", sim.port()).toUtf8()),
                     r.err.constData());
            QVERIFY(!QFile::exists(dir_.filePath("x.M40")));
        }
    }

    // A record reply of the right length with a character that is no hexadecimal digit is refused on every
    // path that takes record data, naming the exchange and the position (channel 21 holds 5,435,811 Hz).
    void nonHexDigitIsRefused() {
        struct Case {
            int procedure; // -1: Write Changes, reading back what it wrote
            QString at;
            char byte;
            QString shown;
        };
        const int rm = int(Procedure::ReadMemory);
        const Case cases[] = {{rm, "08A0", 'G', "'G'"},
                              {rm, "08A0", '\0', "byte 0x00"},
                              {rm, "08A0", '\xff', "byte 0xFF"},
                              {int(Procedure::ReadSettings), "0400", ' ', "a blank"},
                              {int(Procedure::VerifyMemory), "08A0", 'G', "'G'"},
                              {int(Procedure::ChangesRead), "08A0", 'G', "'G'"},
                              {-1, "08A0", '\0', "byte 0x00"}};
        CloneImage holds;
        ClearTables(holds);
        NewImage(holds);
        UpdateMemData(holds, "80000001000000000000000000000000A3F15200000000000000000000000000", 21);
        QCOMPARE(holds.ChannelTable[21].field[FieldFrequency].value, 5435811.0);
        for (const Case &c : cases) {
            const int procedure = c.procedure;
            auto radio = std::make_shared<VirtualRadio>(holds);
            VirtualRadioRig rig(radio, Line::SerialPort);
            rig.session.setCommandPauseMs(0); // what is taken counts here, not when
            QVERIFY(rig.open());
            VirtualRadio *r = radio.get();
            const auto spoil = [r, c] {
                r->faults.spoilByte = c.byte;
                r->faults.spoilAt.insert(c.at);
            };
            const bool checking = procedure == -1;
            if (checking) {
                // the radio holds channel 21 other than the file: it is written, then read back spoilt
                rig.image = holds;
                rig.image.ChannelTable[21].field[FieldFrequency].value = 5435000;
                r->commandObserver = [spoil](const QByteArray &line) {
                    if (line == "KTM40") spoil();
                };
            } else {
                spoil();
            }
            const CloneImage before = rig.image;
            const Ending ending = rig.run([&](RadioSession &s) {
                if (procedure == -1 || Procedure(procedure) == Procedure::ChangesRead)
                    return s.startWriteChanges(false, true, dir_.path());
                if (Procedure(procedure) == Procedure::VerifyMemory) return s.startVerify(false, true);
                return s.start(Procedure(procedure));
            });
            QCOMPARE(ending, Ending::CommunicationError);
            QCOMPARE(rig.lastDetail(),
                     QStringLiteral("the reply to the block read of %1 has %2 at data digit 33 of 64, "
                                    "not a hexadecimal digit")
                         .arg(c.at, c.shown));
            QCOMPARE(radio->commandLog().last(), "RZ~F" + c.at.toLatin1() + "R"); // nothing after it
            if (Procedure(procedure) == Procedure::ReadMemory)
                QCOMPARE(rig.image.ChannelTable[21], before.ChannelTable[21]);
            if (Procedure(procedure) == Procedure::ReadSettings)
                QCOMPARE(rig.image.VfoTable, before.VfoTable);
            if (checking) QCOMPARE(rig.session.writeChangesRun().written, 1);
        }
    }

    // kt-m40-cli reads one radio and writes another with --verify (each a 'kt-m40-cli sim' that saves what it
    // holds, the second logging what it hears); verify of a file that differs: the differences as file and
    // radio (the report's form is diff's, and a failed run's status every radio command's).
    void readFromOneRadioWriteToAnother() {
        const QString saved1 = dir_.filePath("one.M40"), saved2 = dir_.filePath("two.M40");
        const QString read = dir_.filePath("read.M40"), log = dir_.filePath("two.log");
        const QString changed = dir_.filePath("changed.M40");
        CloneImage other = VirtualRadio::demoImage();
        other.Settings.byName("cmbBeep") = 0; // Off; the demo radio's is On
        QCOMPARE(SaveCloneFile(changed, other), FileStatus::Ok);
        {
            Sim one({"--demo", "--save", saved1});
            Sim two({"--save", saved2, "--log", log});
            QVERIFY(one.port().startsWith("/dev/"));
            QVERIFY(two.port().startsWith("/dev/"));
            CliResult r = runCli({"read", "--port", one.port(), "-o", read});
            QVERIFY2(r.exitCode == 0, r.err.constData());
            QVERIFY(!r.err.contains("Reading memory")); // no progress bar when stderr is not a terminal
            r = runCli({"write", "--port", two.port(), read, "--verify"});
            QVERIFY2(r.exitCode == 0, r.err.constData());
            QVERIFY(r.out.contains("The radio holds what the file would write."));
            r = runCli({"verify", "--port", two.port(), changed, "--settings", "--json"});
            QCOMPARE(r.exitCode, 5);
            QCOMPARE(r.out,
                     QByteArray("{\"differences\":[{\"field\":\"Beep\",\"file\":\"Off\",\"radio\":\"On\","
                                "\"record\":\"Settings\"}],\"equal\":false,\"retries\":0}\n"));
            QCOMPARE(one.stop(), 0);
            QCOMPARE(two.stop(), 0);
        }
        const QByteArray first = readFile(saved1);
        QCOMPARE(first.count('\n'), 610);
        QCOMPARE(readFile(saved2), first);
        QCOMPARE(readFile(read), first);
        const QList<QByteArray> lines = readFile(log).split('\n');
        // Write Settings: access, four blocks, end; Write Memory: access, 604 blocks, end; the reads of the
        // write's verify (4 + 604 blocks, an end after each half); the settings verify's; the empty tail
        QCOMPARE(lines.size(), 6 + 606 + 610 + 5 + 1);
        QVERIFY(lines[0].endsWith(" KTM40"));
        QVERIFY(lines[0].startsWith(QDate::currentDate().toString(Qt::ISODate).toLatin1()));
        QVERIFY(lines[1].endsWith(" RZ~F0300W" + readFile(read).split('\n')[1].trimmed()));
    }

    // (stray characters wait in the line before each open; --json: the port search below)
    void identifyAndReadWithIdentify() {
        Sim sim({"--variant-code", "66", "--range-code", "AA", "--fault", "waiting"});
        const CliResult text = runCli({"identify", "--port", sim.port()});
        QVERIFY2(text.exitCode == 0, text.err.constData());
        QCOMPARE(text.out, QByteArray("KTM-40T (variant T), wide range 150KHz - 35MHz\n"));
        const QString out = dir_.filePath("identified.M40");
        const CliResult read = runCli({"read", "--port", sim.port(), "--settings", "--identify", "-o", out});
        QVERIFY2(read.exitCode == 0, read.err.constData());
        QVERIFY(readFile(out).startsWith("Korvan KT-M40T Clone A FileStart\r\n"));
    }

    // --port auto asks the ports in turn (here only the test's own, through KT_M40_PORTS) and says on stderr
    // which it skipped and which it chose; with no radio among them the command cannot open a port.
    void portAutoFindsTheRadio() {
        Sim other({"--model", "XYZ12"}), radio({"--variant-code", "66", "--range-code", "AA"});
        qputenv("KT_M40_PORTS", (other.port() + ":" + radio.port()).toLocal8Bit());
        const CliResult r = runCli({"identify", "--port", "auto", "--json"});
        qputenv("KT_M40_PORTS", other.port().toLocal8Bit());
        const CliResult none = runCli({"identify", "--port", "AUTO"});
        qunsetenv("KT_M40_PORTS");
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QCOMPARE(r.out, QByteArray("{\"variant\": \"T\", \"wideRange\": true}\n"));
        QCOMPARE(r.err, ("--port auto: " + other.port() + " skipped: the answer names 'XYZ12', not KTM40\n" +
                         "--port auto: the radio (KTM-40T) answered on " + radio.port() + "\n")
                            .toLocal8Bit());
        QCOMPARE(none.exitCode, 2);
        QVERIFY2(none.err.contains(
                     "skipped: the answer names 'XYZ12', not KTM40\nCOM Port Error\n  --port auto: no port "
                     "answered as the radio (1 asked: " +
                     other.port().toLocal8Bit() + ")\n"),
                 none.err.constData());
    }

    // Write Changes: the reads, then only the differing writes, then the reads of what was written.
    void writeChangesSendsTheExactSequence() {
        for (const Line line : {Line::InProcess, Line::SerialPort}) {
            ChangesRig rig(line);
            editThree(rig.image);
            const QByteArray radioBefore = rig.radio->cloneFileBytes();
            QCOMPARE(rig.run(), Ending::Success);

            QCOMPARE(shortWrites(rig.commands()),
                     settingsReads() + channelReads(0, ChannelCount) +
                         QStringList({"RZ~E", "KTM40", "RZ~F0300W<64>", "RZ~F0640W<64>", "RZ~F1F00W<64>",
                                      "RZ~E", "RZ~F0300R", "RZ~F0640R", "RZ~F1F00R", "RZ~E"}));

            // the radio now holds exactly what the file holds, and the backup exactly what the radio held
            CloneImage file = rig.image;
            QCOMPARE(rig.radio->cloneFileBytes(), CloneFileBytes(file));
            const QStringList saved = ListBackups(rig.backups.path());
            QCOMPARE(saved.size(), 1);
            QCOMPARE(readFile(saved.first()), radioBefore);
            QCOMPARE(rig.result().backupPath, saved.first());

            const WriteChangesRun &r = rig.result();
            QCOMPARE(r.changed.size(), 3);
            QCOMPARE(r.changed[0].label, QString("Settings block 0300"));
            QCOMPARE(r.changed[1].label, QString("2"));
            QCOMPARE(r.changed[2].label, QString("A  0"));
            QCOMPARE(r.written, 3);
            QVERIFY(r.notHeld(rig.session.radioRecords()).isEmpty());

            // progress runs through the three phases to the whole run's end
            QVERIFY(!rig.phases.isEmpty());
            QCOMPARE(rig.phases.first().phase, WriteChangesProgress::Phase::Reading);
            QCOMPARE(rig.phases.first().total, 608);
            const WriteChangesProgress last = rig.phases.last();
            QCOMPARE(last.phase, WriteChangesProgress::Phase::Checking);
            QCOMPARE(last.done, 3);
            QCOMPARE(last.workDone, last.workTotal);
            qint64 previous = 0;
            for (const WriteChangesProgress &p : rig.phases) {
                QVERIFY(p.workDone >= previous); // never backwards across the phases
                QVERIFY(p.workDone <= p.workTotal);
                previous = p.workDone;
            }
            // a second run finds nothing to write: the reads only, and a backup all the same
            const qsizetype from = rig.radio->commandLog().size();
            QCOMPARE(rig.run(true, false), Ending::Success);
            QCOMPARE(rig.commands(from), settingsReads() + QStringList{"RZ~E"});
            QCOMPARE(ListBackups(rig.backups.path()).size(), 2);
        }
    }

    void writeChangesOfTheSettingsHalf() {
        ChangesRig rig(Line::InProcess);
        editThree(rig.image);
        QCOMPARE(rig.run(true, false), Ending::Success);
        QCOMPARE(shortWrites(rig.commands()), settingsReads() + QStringList({"RZ~E", "KTM40", "RZ~F0300W<64>",
                                                                             "RZ~E", "RZ~F0300R", "RZ~E"}));
        // the channels edited in the file stay as the radio held them
        QCOMPARE(rig.radio->block(0x640), MakeMemData(VirtualRadio::demoImage(), 2));
    }

    void aRecordStoredWrongIsCaught() {
        ChangesRig rig(Line::InProcess);
        editThree(rig.image);
        rig.radio->faults.corruptAt.insert("0640");
        QCOMPARE(rig.run(), Ending::Success); // every exchange went well...
        const QList<ChangedRecord> wrong = rig.result().notHeld(rig.session.radioRecords());
        QCOMPARE(wrong.size(), 1); // ...but the check read finds what the radio really holds
        QCOMPARE(wrong.first().address, 0x640);
        const QList<ImageDifference> d = rig.result().stillDiffering(rig.image, rig.session.radioRecords());
        QCOMPARE(d.size(), 1);
        QCOMPARE(d.first().record, QString("2"));
        QCOMPARE(d.first().field, QString("Frequency"));
    }

    // Each phase of Write Changes failing: the ending, where the commands stop, no end command after the
    // failure, what was written, whether the backup was kept.
    void writeChangesFaultInEachPhase() {
        struct Case {
            const char *name;
            Line line;
            QString fault;
            Ending ending;
            QString lastCommand;
            int written;
            bool backup;
        };
        // the replies are judged alike on either line: the real port adds only its hang-up
        const Line in = Line::InProcess;
        const Ending comm = Ending::CommunicationError, port = Ending::ComPortError;
        const Case cases[] = {
            {"read times out", in, "timeout@1000", comm, "RZ~F1000R", 0, false},
            {"read one short", in, "short@0400", comm, "RZ~F0400R", 0, false},
            {"access refused", in, "deny-access", comm, "KTM40", 0, true},
            {"write not OK", in, "notok@0640", comm, "RZ~F0640W", 1, true},
            {"check read times out", in, "check", comm, "RZ~F0640R", 3, true},
            {"in process: line dropped at a write", in, "drop-write", port, "RZ~F1F00W", 2, true},
            {"serial port: line dropped at a write", Line::SerialPort, "drop-write", port, "RZ~F1F00W", 2,
             true},
        };
        for (const Case &c : cases) {
            ChangesRig rig(c.line);
            editThree(rig.image);
            int ends = 0; // counted by the observer while the run goes on, so it lives as long as the run
            VirtualRadio *radio = rig.radio.get();
            if (c.fault == "drop-write") {
                // once the writes begin, the line goes at the write of 1F00 (its read went well)
                radio->commandObserver = [radio](const QByteArray &l) {
                    if (l == "KTM40") radio->faults.dropAt.insert("1F00");
                };
            } else if (c.fault == "check") {
                // the second end command closes the writes: from then on 0640 stays silent
                radio->commandObserver = [radio, &ends](const QByteArray &l) {
                    if (l == "RZ~E" && ++ends == 2) radio->faults.timeoutAt.insert("0640");
                };
            } else {
                QVERIFY2(ParseFaultSpec(c.fault, radio->faults, nullptr), c.name);
            }
            QVERIFY2(rig.run() == c.ending, c.name);
            const QStringList sent = rig.commands();
            QVERIFY2(sent.last().left(9) == c.lastCommand.left(9), c.name);
            QVERIFY2(sent.count("RZ~E") == (c.written > 0 ? 1 + (c.fault == "check")
                                            : c.backup    ? 1
                                                          : 0),
                     c.name);
            QVERIFY2(rig.result().written == c.written, c.name);
            QVERIFY2(ListBackups(rig.backups.path()).size() == (c.backup ? 1 : 0), c.name);
            QVERIFY2(rig.result().backupPath.isEmpty() == !c.backup, c.name);
            radio->commandObserver = nullptr;
        }
    }

    void noBackupNoWrite() {
        ChangesRig rig(Line::InProcess);
        editThree(rig.image);
        const QByteArray radioBefore = rig.radio->cloneFileBytes();
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath("file");
        QVERIFY(writeFile(notAFolder, ""));
        QCOMPARE(rig.run(true, true, notAFolder + "/backups"), Ending::FileError);
        QVERIFY(!rig.commands().contains("KTM40"));
        QCOMPARE(rig.commands().last(), QString("RZ~E")); // the reads ended as a read does
        QCOMPARE(rig.radio->cloneFileBytes(), radioBefore);
        QVERIFY(rig.lastDetail().contains("nothing was written"));
    }

    // A write stopped half-way: running again writes only what still differs, and then all is there.
    void resumingAfterAnInterruptedWrite() {
        ChangesRig rig(Line::InProcess);
        editThree(rig.image);
        rig.radio->faults.notOkAt.insert("1F00");
        QCOMPARE(rig.run(), Ending::CommunicationError);
        QCOMPARE(rig.result().written, 2);
        rig.radio->faults.notOkAt.clear();
        const qsizetype from = rig.radio->commandLog().size();
        QCOMPARE(rig.run(), Ending::Success);
        QCOMPARE(shortWrites(rig.commands(from)).filter("W<64>"), QStringList{"RZ~F1F00W<64>"});
        QCOMPARE(rig.result().changed.size(), 1);
        CloneImage file = rig.image;
        QCOMPARE(rig.radio->cloneFileBytes(), CloneFileBytes(file));
        QCOMPARE(ListBackups(rig.backups.path()).size(), 2);
    }

    // kt-m40-cli write --changed against 'kt-m40-cli sim': the closing line,
    // --json, exit 5 for a record stored wrong, a failure's message and status with nothing claimed.
    void writeChangedOnTheCommandLine() {
        QTemporaryDir dir;
        CloneImage edited = VirtualRadio::demoImage();
        editThree(edited);
        const QString file = dir.filePath("edited.M40");
        QCOMPARE(SaveCloneFile(file, edited), FileStatus::Ok);
        {
            Sim sim({"--demo"});
            QVERIFY(!sim.port().isEmpty());
            CliResult r = runCli({"write", "--port", sim.port(), file, "--changed", "--json"});
            QVERIFY2(r.exitCode == 0, r.err.constData());
            QVERIFY2(r.err.contains("3 records differed, 3 written, all verified\n"), r.err.constData());
            QVERIFY(r.err.contains("Backup: "));
            const QJsonObject o = QJsonDocument::fromJson(r.out).object();
            QCOMPARE(o["differed"].toInt(), 3);
            QCOMPARE(o["written"].toInt(), 3);
            QCOMPARE(o["verified"].toBool(), true);
            QStringList records;
            for (const QJsonValue &v : o["records"].toArray())
                records << v["address"].toString() + " " + v["record"].toString();
            QCOMPARE(records, QStringList({"0300 Settings block 0300", "0640 2", "1F00 A  0"}));
            QVERIFY(QFile::exists(o["backup"].toString()));
        }
        {
            Sim sim({"--demo", "--fault", "corrupt@0640"});
            const CliResult r = runCli({"write", "--port", sim.port(), file, "--changed", "--memory"});
            QCOMPARE(r.exitCode, 5);
            QVERIFY2(r.err.contains("2 records differed, 2 written, 1 differ after writing"),
                     r.err.constData());
            QVERIFY(r.out.contains("0640  2  written, reads back differently"));
            QVERIFY(r.out.contains("2  Frequency: file 7.074.000, radio 7.074.001"));
        }
        // a failed read claims nothing; a failed write names the backup of what the radio held before it
        for (const auto &[fault, backup] :
             {std::pair{"timeout@0400", false}, std::pair{"notok@0300", true}}) {
            Sim sim({"--demo", "--fault", fault});
            const CliResult r = runCli({"write", "--port", sim.port(), file, "--changed", "--json"});
            QCOMPARE(r.exitCode, 1);
            QVERIFY2(r.err.contains("Communication Error\n") && !r.err.contains("written") &&
                         r.err.contains("Backup: ") == backup && r.out.isEmpty(),
                     r.err.constData());
        }
        const CliResult usage = runCli({"write", "--port", "/dev/null", file, "--json"});
        QCOMPARE(usage.exitCode, 64);
    }

    void writeChangesTimeLeft() {
        WriteChangesRun run;
        run.addresses = WriteChangesAddresses(false, true);
        QCOMPARE(run.addresses.size(), 604);
        run.read = 302;
        WriteChangesProgress p = run.progress(WriteChangesProgress::Phase::Reading);
        p.elapsedMs = 30000;
        // half the reads and nothing differing yet: as long again, plus the end command (26 of 98 * 302)
        QVERIFY(qAbs(p.remainingMs() - 30000) < 100);
        QCOMPARE(p.text(), QString("Write Changes: reading 302 of 604 records, 0:30 elapsed, 0:30 left"));
        // 10 records to write once all is read: each write weighs 164, each check read 98
        run.read = 604;
        run.changed.resize(10);
        run.written = 5;
        p = run.progress(WriteChangesProgress::Phase::Writing);
        QCOMPARE(p.workTotal, 604 * 98 + 26 + 28 + 10 * 164 + 26 + 10 * 98 + 26);
        QCOMPARE(p.workDone, 604 * 98 + 26 + 28 + 5 * 164);
        QCOMPARE(p.total, 10);
        QCOMPARE(WriteChangesProgress{}.remainingMs(), -1);
    }

    void writeChangesRecordsAndLabels() {
        CloneImage image = VirtualRadio::demoImage();
        RadioRecords radio = RecordsToWrite(image, WriteChangesAddresses(true, true));
        QCOMPARE(radio.size(), 608);
        QVERIFY(ChangedRecords(image, radio).isEmpty());
        radio[0x5160] = radio[0x5160].toLower(); // case of the digits is no difference
        QVERIFY(ChangedRecords(image, radio).isEmpty());
        radio[0x500] = QString(64, '0');
        radio[0x5160] = QString(64, 'F');
        const QList<ChangedRecord> c = ChangedRecords(image, radio);
        QCOMPARE(c.size(), 2);
        QCOMPARE(c[0].label, QString("VFO B"));
        QCOMPARE(c[1].label, QString("B-P2"));
        QCOMPARE(c[1].digits, MakeMemData(image, 603));
        QCOMPARE(RecordAddressText(0xFE0), QString("0FE0"));
        QCOMPARE(RecordLabel(0x400), QString("VFO A"));
        QCOMPARE(RecordLabel(0x320), QString("Settings block 0320"));
    }

  private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestLinkSession)
#include "tst_link_session.moc"
