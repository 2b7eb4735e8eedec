// A line as dirty as a real cable, through QSerialPort on a pseudo-terminal: characters waiting before the
// port opens, an answer after the time-out, an earlier run's reply still arriving, noise between replies.
// Every run either gives exactly the radio's records or ends with the right message; never success with
// wrong data. Also: commands are at least 10 ms after a reply across chained runs; and the radio commands of
// kt-m40-cli against virtual radios served by 'kt-m40-cli sim'.
#include "channels/ChannelRecord.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "link/PortFinder.h"
#include "link/SerialLink.h"
#include "link/TransferSteps.h"
#include "support/CliRun.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/VirtualRadioRig.h"
#include <QDir>
#include <QFile>
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

bool sameChannels(const CloneImage &a, const CloneImage &b) {
    return a.ChannelTable == b.ChannelTable && a.ChannelUsed == b.ChannelUsed;
}

bool sameSettings(const CloneImage &a, const CloneImage &b) {
    return a.SetData1 == b.SetData1 && a.SetData2 == b.SetData2 && a.VfoTable == b.VfoTable;
}

} // namespace

class TestLinkDirtyLine : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (!QFile::exists("/dev/ptmx")) QSKIP("this system has no pseudo-terminals");
        QVERIFY(dir_.isValid());
    }

    void charactersWaitingBeforeTheOpen() {
        auto radio = VirtualRadio::withDemoContents();
        radio->setIdentity(VariantE, true);
        radio->faults.waiting = true;
        VirtualRadioRig rig(radio, Line::SerialPort);
        QVERIFY(rig.open());
        // the stray characters are in the device's input queue before the program opens it
        QCOMPARE(rig.run([](RadioSession &s) { return s.start(Procedure::Identify); }), Ending::Success);
        QCOMPARE(rig.image.Variant, int(VariantE));
        QCOMPARE(rig.image.WideRange, true);
        // after the end command more are left for the next open; close and open again as a new run would
        QCOMPARE(rig.run([](RadioSession &s) { return s.start(Procedure::ReadSettings); }), Ending::Success);
        rig.session.link()->close();
        QTest::qWait(50);
        QCOMPARE(rig.run([](RadioSession &s) { return s.start(Procedure::ReadMemory); }), Ending::Success);
        const CloneImage want = radioImage(*radio);
        QVERIFY(sameSettings(rig.image, want));
        QVERIFY(sameChannels(rig.image, want));
    }

    void earlierRepliesStillArriving_data() {
        QTest::addColumn<int>("baud");
        QTest::addColumn<QString>("at");
        QTest::newRow("unpaced, first channel") << 0 << "0600";
        QTest::newRow("9600 baud, first channel") << 9600 << "0600";
        QTest::newRow("9600 baud, channel 3") << 9600 << "0660";
    }

    void earlierRepliesStillArriving() {
        QFETCH(int, baud);
        QFETCH(QString, at);
        auto radio = VirtualRadio::withDemoContents();
        radio->faults.baud = baud;
        radio->faults.earlierAt.insert(at);
        VirtualRadioRig rig(radio, Line::SerialPort);
        QVERIFY(rig.open());
        const CloneImage before = rig.image;
        // the earlier reply is a whole, well-formed reply for the next channel: taking it would put that
        // channel's record in this one
        QCOMPARE(rig.run([](RadioSession &s) { return s.start(Procedure::ReadMemory); }),
                 Ending::CommunicationError);
        QVERIFY2(rig.lastDetail().contains("the echo of another command"), qPrintable(rig.lastDetail()));
        const int k = at.toInt(nullptr, 16) / 0x20 - 0x30;
        const CloneImage want = radioImage(*radio);
        for (int i = 0; i < ChannelCount; ++i)
            QVERIFY2(rig.image.ChannelTable[std::size_t(i)] ==
                         (i < k ? want : before).ChannelTable[std::size_t(i)],
                     qPrintable(QString::number(i)));
        QVERIFY(!radio->commandLog().contains("RZ~E"));
        // the radio has caught up: the next run reads every record as it is
        radio->faults.earlierAt.clear();
        radio->faults.baud = 0;
        QTest::qWait(300);
        const Ending again = rig.run([](RadioSession &s) { return s.start(Procedure::ReadSettings); });
        QVERIFY2(again == Ending::Success, qPrintable(rig.lastDetail()));
        QVERIFY(sameSettings(rig.image, want));
    }

    void lateAnswerLandsInTheNextRun() {
        auto radio = VirtualRadio::withDemoContents();
        radio->faults.baud = 9600; // the next run is still under way when the late answer comes
        radio->faults.lateAt.insert("0300");
        VirtualRadioRig rig(radio, Line::SerialPort);
        QVERIFY(rig.open());
        const CloneImage want = radioImage(*radio);
        QCOMPARE(rig.run([](RadioSession &s) { return s.start(Procedure::ReadSettings); }),
                 Ending::CommunicationError);
        QVERIFY2(rig.lastDetail().startsWith("no reply to the block read of 0300"),
                 qPrintable(rig.lastDetail()));
        // the late answer lands somewhere in this run: it is refused or it fell into a pause
        const Ending second = rig.run([](RadioSession &s) { return s.start(Procedure::ReadSettings); });
        QVERIFY2(second == Ending::Success || second == Ending::CommunicationError,
                 qPrintable(rig.lastDetail()));
        if (second == Ending::Success) QVERIFY(sameSettings(rig.image, want));
        QTest::qWait(500); // the line is quiet again
        const Ending third = rig.run([](RadioSession &s) { return s.start(Procedure::ReadSettings); });
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
        for (int k = 0; k < ChannelCount; ++k)
            QVERIFY2(rig.image.ChannelTable[std::size_t(k)] ==
                         (k < read ? want : before).ChannelTable[std::size_t(k)],
                     qPrintable(QString::number(k)));
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
        for (const auto &start : chain) {
            const qsizetype before = rig.runs.size();
            QVERIFY(start(rig.session) && (rig.runs.size() > before || rig.runs.wait(30000)));
        }
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
    void refusedAccessNamesAGroupThatHelps_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("advice");
        QTest::newRow("group may read and write") << 0660 << true;
        QTest::newRow("owner only") << 0600 << false;
        QTest::newRow("group may only read") << 0640 << false;
    }

    void refusedAccessNamesAGroupThatHelps() {
        QFETCH(int, mode);
        QFETCH(bool, advice);
        if (geteuid() != 0) QSKIP("needs root to give a device to another user");
        PtyRadioServer server(VirtualRadio::withDemoContents());
        QString error;
        QVERIFY2(server.open(&error), qPrintable(error));
        const QByteArray device = QFile::encodeName(server.devicePath());
        const group *g = getgrnam("tty");
        const gid_t gid = g ? g->gr_gid : 5;
        QCOMPARE(::chown(device.constData(), 0, gid), 0);
        QCOMPARE(::chmod(device.constData(), mode_t(mode)), 0);
        const QString group = QFileInfo(server.devicePath()).group();
        QVERIFY2(!group.isEmpty() && group != "root", qPrintable(group));
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

    // A file or a folder given as the port is no serial port, and says so before anything is tried.
    void fileOrFolderIsNotASerialPort_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("what");
        QTest::newRow("file") << "radio.M40"
                              << "(an ordinary file)";
        QTest::newRow("folder") << "backups"
                                << "(a folder)";
    }

    void fileOrFolderIsNotASerialPort() {
        QFETCH(QString, name);
        QFETCH(QString, what);
        const QString path = dir_.filePath(name);
        QVERIFY(name.contains('.') ? writeFile(path, "1\r\n") : QDir().mkpath(path));
        SerialLink link(path);
        QString reason;
        QVERIFY(!link.open(&reason));
        QCOMPARE(reason, path + ": not a serial port " + what);
    }

    // The line hangs up during the first exchange after the open (the radio in another process, as a
    // cable is): "disconnected", as later hang-ups say, not the reason of whatever call met it first.
    void hangUpInTheFirstExchangeIsDisconnected_data() {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("fault");
        QTest::newRow("identify") << QStringList{"identify"} << "drop@WHO";
        QTest::newRow("read settings") << QStringList{"read", "--settings", "-o", "x.M40"} << "drop@0300";
        QTest::newRow("write settings") << QStringList{"write", "--settings", "new.M40"} << "drop@KTM40";
    }

    void hangUpInTheFirstExchangeIsDisconnected() {
        QFETCH(QStringList, command);
        QFETCH(QString, fault);
        QCOMPARE(runCli({"new", "-o", "new.M40"}, dir_.path()).exitCode, 0);
        Sim sim({"--fault", fault});
        QVERIFY(sim.port().startsWith("/dev/"));
        const CliResult r = runCli(command + QStringList{"--port", sim.port()}, dir_.path());
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(
            r.err.startsWith("COM Port Error\n") &&
                r.err.contains(sim.port().toUtf8() + ": disconnected (the cable or adapter was unplugged"),
            r.err.constData());
        QVERIFY(!QFile::exists(dir_.filePath("x.M40"))); // a failed read writes no file
    }

    // A record reply of the right length with a character that is no hexadecimal digit is refused on every
    // path that takes record data, naming the exchange and the position (channel 21 holds 5,435,811 Hz).
    void nonHexDigitIsRefused_data() {
        QTest::addColumn<int>("procedure"); // -1: Write Changes, reading back what it wrote
        QTest::addColumn<QString>("at");
        QTest::addColumn<char>("byte");
        QTest::addColumn<QString>("shown");
        const int rm = int(Procedure::ReadMemory);
        QTest::newRow("read memory, G") << rm << "08A0" << 'G' << "'G'";
        QTest::newRow("read memory, NUL") << rm << "08A0" << '\0' << "byte 0x00";
        QTest::newRow("read memory, 0xFF") << rm << "08A0" << '\xff' << "byte 0xFF";
        QTest::newRow("read settings, blank") << int(Procedure::ReadSettings) << "0400" << ' ' << "a blank";
        QTest::newRow("verify") << int(Procedure::VerifyMemory) << "08A0" << 'G' << "'G'";
        QTest::newRow("write changes, reading") << int(Procedure::ChangesRead) << "08A0" << 'G' << "'G'";
        QTest::newRow("write changes, reading back") << -1 << "08A0" << '\0' << "byte 0x00";
    }

    void nonHexDigitIsRefused() {
        QFETCH(int, procedure);
        QFETCH(QString, at);
        QFETCH(char, byte);
        QFETCH(QString, shown);
        CloneImage holds;
        ClearTables(holds);
        NewImage(holds);
        UpdateMemData(holds, "80000001000000000000000000000000A3F15200000000000000000000000000", 21);
        QCOMPARE(holds.ChannelTable[21].field[FieldFrequency].value, 5435811.0);
        auto radio = std::make_shared<VirtualRadio>(holds);
        VirtualRadioRig rig(radio, Line::SerialPort);
        rig.session.setCommandPauseMs(0); // what is taken counts here, not when
        QVERIFY(rig.open());
        const bool checking = procedure == -1;
        if (!checking) {
            radio->faults.spoilByte = byte;
            radio->faults.spoilAt.insert(at);
        } else {
            // the radio holds channel 21 other than the file: it is written, then read back spoilt
            rig.image = holds;
            rig.image.ChannelTable[21].field[FieldFrequency].value = 5435000;
            radio->replyFilter = [&](const QString &key, const QByteArray &reply) {
                const bool written =
                    radio->commandLog().contains(BlockWriteCommand(at, MakeMemData(rig.image, 21)).trimmed());
                return key == at && written && reply.size() == 77
                           ? SpoilReply(reply, Spoil::Swap, 11 + 32, byte)
                           : reply;
            };
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
                     .arg(at, shown));
        QCOMPARE(radio->commandLog().last(), "RZ~F" + at.toLatin1() + "R"); // nothing after it
        if (Procedure(procedure) == Procedure::ReadMemory)
            QCOMPARE(rig.image.ChannelTable[21], before.ChannelTable[21]);
        if (Procedure(procedure) == Procedure::ReadSettings) QCOMPARE(rig.image.VfoTable, before.VfoTable);
        if (checking) QCOMPARE(rig.session.writeChangesRun().written, 1);
    }

    void readFromOneRadioWriteToAnother() {
        const QString saved1 = dir_.filePath("one.M40"), saved2 = dir_.filePath("two.M40");
        const QString read = dir_.filePath("read.M40"), log = dir_.filePath("two.log");
        {
            Sim one({"--demo", "--save", saved1});
            Sim two({"--save", saved2, "--log", log});
            QVERIFY(one.port().startsWith("/dev/"));
            QVERIFY(two.port().startsWith("/dev/"));
            const CliResult r = runCli({"read", "--port", one.port(), "-o", read});
            QVERIFY2(r.exitCode == 0, r.err.constData());
            QVERIFY(!r.err.contains("Reading memory")); // no progress bar when stderr is not a terminal
            const CliResult w = runCli({"write", "--port", two.port(), read});
            QVERIFY2(w.exitCode == 0, w.err.constData());
            QCOMPARE(one.stop(), 0);
            QCOMPARE(two.stop(), 0);
        }
        const QByteArray first = readFile(saved1);
        QCOMPARE(first.count('\n'), 610);
        QCOMPARE(readFile(saved2), first);
        QCOMPARE(readFile(read), first);
        const QList<QByteArray> lines = readFile(log).split('\n');
        // Write Settings: access, four blocks, end; Write Memory: access, 604 blocks, end; then the empty
        // tail
        QCOMPARE(lines.size(), 6 + 606 + 1);
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

    void failuresGiveTheirEndingAndWriteNothing() {
        const QString out = dir_.filePath("never.M40");
        {
            Sim sim({"--fault", "timeout@0620"});
            const CliResult r = runCli({"read", "--port", sim.port(), "--memory", "-o", out});
            QCOMPARE(r.exitCode, 1);
            QVERIFY(r.err.startsWith("Communication Error\n"));
            QVERIFY(r.err.contains("0620"));
        }
        QVERIFY(!QFile::exists(out));
        const CliResult missing = runCli({"identify", "--port", "/dev/kt-m40-absent"});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(missing.err.startsWith("COM Port Error\n  /dev/kt-m40-absent: "));
    }

    // verify and write --verify: the differences as file and radio (the report's form is diff's, and a
    // failed run's status every radio command's)
    void verifyAndWriteWithVerify() {
        const QString file = dir_.filePath("demo.M40"), saved = dir_.filePath("saved.M40");
        CloneImage demo = VirtualRadio::demoImage();
        QCOMPARE(SaveCloneFile(file, demo), FileStatus::Ok);
        {
            Sim sim({"--demo"});
            QVERIFY(!sim.port().isEmpty());
            CliResult r = runCli({"verify", "--port", sim.port(), file, "--settings"});
            QVERIFY2(r.exitCode == 0, r.err.constData());
            QVERIFY(r.out.contains("The radio holds what the file would write."));

            CloneImage other = demo;
            other.Settings.byName("cmbBeep") = 0; // Off; the radio's is On
            const QString changed = dir_.filePath("changed.M40");
            QCOMPARE(SaveCloneFile(changed, other), FileStatus::Ok);
            r = runCli({"verify", "--port", sim.port(), changed, "--settings", "--json"});
            QCOMPARE(r.exitCode, 5);
            QCOMPARE(r.out,
                     QByteArray("{\"differences\":[{\"field\":\"Beep\",\"file\":\"Off\",\"radio\":\"On\","
                                "\"record\":\"Settings\"}],\"equal\":false,\"retries\":0}\n"));
        }
        {
            Sim sim({"--save", saved});
            CliResult r = runCli({"write", "--port", sim.port(), file, "--verify", "--settings"});
            QVERIFY2(r.exitCode == 0, r.err.constData());
            QVERIFY(r.out.contains("The radio holds what the file would write."));
        }
    }

  private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestLinkDirtyLine)
#include "tst_link_dirty_line.moc"
