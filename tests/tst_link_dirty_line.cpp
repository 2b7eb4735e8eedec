// A line as dirty as a real cable, through QSerialPort on a pseudo-terminal: characters waiting before the
// port opens, an answer after the time-out, an earlier run's reply still arriving, noise between replies.
// Every run either gives exactly the radio's records or ends with the right message; never success with
// wrong data. Also: commands are at least 10 ms after a reply across chained runs.
#include "link/PortFinder.h"
#include "link/TransferSteps.h"
#include "support/CliRun.h"
#include "support/PtyRig.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/VirtualRadioRig.h"
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

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
        PtyRig rig(radio);
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
        PtyRig rig(radio);
        QVERIFY(rig.open());
        const CloneImage before = rig.image;
        // the earlier reply is a whole, well-formed reply for the next channel: taking it would put that
        // channel's record in this one
        QCOMPARE(rig.run([](RadioSession &s) { return s.start(Procedure::ReadMemory); }),
                 Ending::CommunicationError);
        QVERIFY2(rig.detail().contains("RZ~F"), qPrintable(rig.detail()));
        const int k = at.toInt(nullptr, 16) / 0x20 - 0x30;
        const CloneImage want = radioImage(*radio);
        for (int i = 0; i < ChannelCount; ++i)
            QVERIFY2(rig.image.ChannelTable[std::size_t(i)] ==
                         (i < k ? want : before).ChannelTable[std::size_t(i)],
                     qPrintable(QString::number(i)));
        QVERIFY(!radio->commandLog().contains("RZ~E"));
        // the radio has caught up: the next run reads every record as it is
        radio->faults.earlierAt.clear();
        radio->faults.baud = 0; // (a whole read at 9600 baud would take a minute)
        QTest::qWait(300);
        const Ending again = rig.run([](RadioSession &s) { return s.start(Procedure::ReadMemory); });
        QVERIFY2(again == Ending::Success, qPrintable(rig.detail()));
        QVERIFY(sameChannels(rig.image, want));
    }

    void lateAnswerLandsInTheNextRun() {
        auto radio = VirtualRadio::withDemoContents();
        radio->faults.baud = 9600; // the next run is still under way when the late answer comes
        radio->faults.lateAt.insert("0300");
        PtyRig rig(radio);
        QVERIFY(rig.open());
        const CloneImage want = radioImage(*radio);
        QCOMPARE(rig.run([](RadioSession &s) { return s.start(Procedure::ReadSettings); }),
                 Ending::CommunicationError);
        QVERIFY2(rig.detail().startsWith("no reply to the block read of 0300"), qPrintable(rig.detail()));
        // the late answer lands somewhere in this run: it is refused or it fell into a pause
        const Ending second = rig.run([](RadioSession &s) { return s.start(Procedure::ReadSettings); });
        QVERIFY2(second == Ending::Success || second == Ending::CommunicationError, qPrintable(rig.detail()));
        if (second == Ending::Success) QVERIFY(sameSettings(rig.image, want));
        QTest::qWait(500); // the line is quiet again
        const Ending third = rig.run([](RadioSession &s) { return s.start(Procedure::ReadSettings); });
        QVERIFY2(third == Ending::Success, qPrintable(rig.detail()));
        QVERIFY(sameSettings(rig.image, want));
    }

    void noiseBetweenReplies() {
        auto radio = VirtualRadio::withDemoContents();
        radio->faults.noise = true;
        PtyRig rig(radio);
        QVERIFY(rig.open());
        const CloneImage before = rig.image;
        const CloneImage want = radioImage(*radio);
        QSignalSpy decoded(&rig.session, &RadioSession::channelDecoded);
        // noise in a pause is discarded; noise that comes late (a loaded machine may hold the radio's timer
        // past the pause) spoils the next reply, which is then refused: the records read are the radio's
        const Ending ending = rig.run([](RadioSession &s) { return s.startReadAll(); });
        QVERIFY2(ending == Ending::Success || ending == Ending::CommunicationError, qPrintable(rig.detail()));
        if (rig.finished.first().at(1).value<Ending>() == Ending::Success)
            QVERIFY(sameSettings(rig.image, want));
        const int read = int(decoded.size());
        for (int k = 0; k < ChannelCount; ++k)
            QVERIFY2(rig.image.ChannelTable[std::size_t(k)] ==
                         (k < read ? want : before).ChannelTable[std::size_t(k)],
                     qPrintable(QString::number(k)));
        if (ending == Ending::Success) QCOMPARE(read, ChannelCount);
    }

    void cliAfterALateIdentification() {
        Sim sim({"--variant-code", "99", "--range-code", "AA", "--fault", "late@WHO"});
        QVERIFY(sim.port().startsWith("/dev/"));
        const CliResult first = runCli({"identify", "--port", sim.port()});
        QCOMPARE(first.exitCode, 1);
        QVERIFY2(first.err.startsWith("Communication Error\n"), first.err.constData());
        QTest::qWait(600); // the late answer now waits in the line for the next program
        const CliResult second = runCli({"identify", "--port", sim.port(), "--json"});
        QVERIFY2(second.exitCode == 0, second.err.constData());
        QCOMPARE(second.out, QByteArray("{\"variant\": \"E\", \"wideRange\": true}\n"));
    }

    void cliReadAfterAnInterruptedRead() {
        // a memory read interrupted at 9600 baud leaves the radio still sending; the next read starts at once
        Sim sim({"--demo", "--baud", "9600"});
        QVERIFY(sim.port().startsWith("/dev/"));
        const QList<QByteArray> radio =
            VirtualRadio::withDemoContents()->cloneFileBytes().split('\n').mid(1, 4);
        int succeeded = 0;
        for (int attempt = 0; attempt < 3; ++attempt) {
            QProcess first;
            first.start(cliPath(),
                        {"read", "--memory", "--port", sim.port(), "-o", dir_.filePath("first.M40")});
            QVERIFY(first.waitForStarted());
            QTest::qWait(400 + 130 * attempt);
            if (first.state() == QProcess::Running && first.processId() > 0) {
                // only a running process: kill(0) would interrupt the whole process group, ctest included
                ::kill(pid_t(first.processId()), SIGINT);
                QVERIFY(first.waitForFinished(5000));
            } else {
                // the previous round's replies may still arrive: refusing them is right too, taking them is
                // not
                QCOMPARE(first.exitCode(), 1);
                QVERIFY(first.readAllStandardError().startsWith("Communication Error\n"));
                QVERIFY(!QFile::exists(dir_.filePath("first.M40")));
            }
            const QString out = dir_.filePath(QStringLiteral("second%1.M40").arg(attempt));
            const CliResult r = runCli({"read", "--settings", "--port", sim.port(), "-o", out});
            if (r.exitCode == 0) {
                ++succeeded;
                QCOMPARE(readFile(out).split('\n').mid(1, 4), radio);
            } else {
                QCOMPARE(r.exitCode, 1);
                QVERIFY2(r.err.startsWith("Communication Error\n"), r.err.constData());
                QVERIFY(!QFile::exists(out));
            }
        }
        // and a read after the line has settled gives the radio's records
        QTest::qWait(200);
        const QString last = dir_.filePath("settled.M40");
        const CliResult r = runCli({"read", "--settings", "--port", sim.port(), "-o", last});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QCOMPARE(readFile(last).split('\n').mid(1, 4), radio);
        qInfo("%d of 3 reads right after an interrupted one succeeded", succeeded);
    }

    void cliStrayCharactersBeforeTheOpen() {
        Sim sim({"--demo", "--fault", "waiting"});
        QVERIFY(sim.port().startsWith("/dev/"));
        const CliResult id = runCli({"identify", "--port", sim.port()});
        QVERIFY2(id.exitCode == 0, id.err.constData());
        QCOMPARE(id.out, QByteArray("KT-M40J (variant J), 1.6MHz - 30MHz\n")); // no stray comma
        const QString out = dir_.filePath("stray.M40");
        const CliResult r = runCli({"read", "--settings", "--port", sim.port(), "-o", out});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        const QByteArray demo = VirtualRadio::withDemoContents()->cloneFileBytes();
        QCOMPARE(readFile(out).split('\n').mid(1, 4), demo.split('\n').mid(1, 4));
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

    void replyForAnotherCommandIsRefused_data() {
        QTest::addColumn<int>("procedure");
        QTest::addColumn<QString>("fault");
        QTest::newRow("read: an earlier reply") << int(Procedure::ReadSettings) << "earlier@0300";
        QTest::newRow("verify: an earlier reply") << int(Procedure::VerifyMemory) << "earlier@0600";
    }

    void replyForAnotherCommandIsRefused() {
        QFETCH(int, procedure);
        QFETCH(QString, fault);
        // the in-process radio: the same fault, the same outcome as on a serial port
        VirtualRadioRig rig(VirtualRadio::withDemoContents());
        QString error;
        QVERIFY2(ParseFaultSpec(fault, rig.radio->faults, &error), qPrintable(error));
        const Procedure p = Procedure(procedure);
        QVERIFY(p == Procedure::VerifyMemory ? rig.session.startVerify(false, true) : rig.session.start(p));
        QVERIFY(rig.waitForRun());
        QCOMPARE(rig.lastEnding(), Ending::CommunicationError);
        QVERIFY2(rig.lastDetail().contains("echo of another command"), qPrintable(rig.lastDetail()));
        QVERIFY(!rig.commands().contains("RZ~E"));
    }

    void portInUseByAnotherProgram() {
        PtyRig holder(VirtualRadio::withDemoContents());
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
        PtyRig busy(std::make_shared<VirtualRadio>());
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
        PtyRig rig(radio);
        QVERIFY(rig.open());
        QCOMPARE(rig.run([](RadioSession &s) { return s.startReadAll(); }), Ending::ComPortError);
        QVERIFY2(rig.detail().contains(rig.server.devicePath() + ": disconnected"), qPrintable(rig.detail()));
        QVERIFY2(!rig.detail().contains("temporarily"), qPrintable(rig.detail()));
        // the settings half before the failure stays, one message for the memory half
        QCOMPARE(rig.finished.size(), 2);
        QCOMPARE(radio->commandLog().size(), 4 + 1 + 2);
        QVERIFY(sameSettings(rig.image, radioImage(*radio)));
    }

    void refusedAccessNamesTheGroup() {
        // a stand-in device only root may use, opened by an ordinary user (a child that gives up root)
        const QString device = dir_.filePath("ttyREFUSED");
        QVERIFY(writeFile(device, ""));
        QVERIFY(QFile::setPermissions(device, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QFile::setPermissions(dir_.path(), QFileDevice::Permissions(0x7777));
        if (geteuid() != 0) QSKIP("needs root to give a device to another user");
        const QString group = QFileInfo(device).group();
        int fds[2];
        QCOMPARE(::pipe(fds), 0);
        const pid_t pid = fork();
        QVERIFY(pid >= 0);
        if (pid == 0) {
            ::close(fds[0]);
            if (setgid(65534) != 0 || setuid(65534) != 0) _exit(1);
            SerialLink link(device);
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
        QVERIFY2(reason.startsWith(device.toUtf8() + ": "), reason.constData());
        QVERIFY2(!reason.contains("in use"), reason.constData());
        if (group != "root")
            QVERIFY2(reason.contains("sudo usermod -aG " + group.toUtf8()), reason.constData());
        else
            QVERIFY2(reason.contains("may not use"), reason.constData());
    }

  private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestLinkDirtyLine)
#include "tst_link_dirty_line.moc"
