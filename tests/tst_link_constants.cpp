// What the radio depends on in every exchange, written out here: the command lines, the reply length each
// exchange needs (one character more or less fails it), the "OK" a write needs, and the 10 ms pause; and
// the virtual radio's side of them, its faults and clone files.
#include "files/NewImage.h"
#include "link/TransferSteps.h"
#include "link/WaitReply.h"
#include "support/TestFiles.h"
#include "support/VirtualRadioRig.h"
#include <QTemporaryDir>
#include <QtTest>

namespace {
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

QByteArray writeLine(const QByteArray &address, char fill) {
    return "RZ~F" + address + "W" + QByteArray(64, fill) + "\r\n";
}
} // namespace

class TestLinkConstants : public QObject {
    Q_OBJECT
  private slots:
    // Each exchange as "command reply-length", "+OK" where the reply must end in OK, a record as "<64>" (an
    // empty channel's as "<64 zeros>").
    void procedures_data() {
        QTest::addColumn<int>("procedure");
        QTest::addColumn<QStringList>("exchanges");
        QTest::newRow("read settings")
            << int(Procedure::ReadSettings)
            << QStringList{"RZ~F0300R 77", "RZ~F0320R 77", "RZ~F0400R 77", "RZ~F0500R 77", "RZ~E 0"};
        QTest::newRow("write settings")
            << int(Procedure::WriteSettings)
            << QStringList{"KTM40 11+OK",         "RZ~F0300W<64> 79+OK", "RZ~F0320W<64> 79+OK",
                           "RZ~F0400W<64> 79+OK", "RZ~F0500W<64> 79+OK", "RZ~E 0"};
        QTest::newRow("identification")
            << int(Procedure::Identify) << QStringList{"RZ~WHO 21"}; // no end command
        QStringList reads, writes{"KTM40 11+OK"};
        for (int address = 0x600; address <= 0x5160; address += 0x20) {
            reads << QString::asprintf("RZ~F%04XR 77", address);
            writes << QString::asprintf("RZ~F%04XW<64 zeros> 79+OK", address);
        }
        QTest::newRow("read memory") << int(Procedure::ReadMemory) << reads + QStringList{"RZ~E 0"};
        QTest::newRow("write memory") << int(Procedure::WriteMemory) << writes + QStringList{"RZ~E 0"};
    }
    void procedures() {
        QFETCH(int, procedure);
        QFETCH(QStringList, exchanges);
        QStringList got;
        for (const Exchange &e : exchangesOf(Procedure(procedure))) {
            QString line = QString::fromLatin1(e.command);
            if (line.size() == 9 + 64)
                line = line.left(9) + (line.mid(9) == QString(64, '0') ? "<64 zeros>" : "<64>");
            got << line + " " + QString::number(e.replyLength) + (e.needsOk ? "+OK" : "");
        }
        QCOMPARE(got, exchanges);
    }

    // The results of a failed collection, and the time it waits.
    void waitResults() {
        QCOMPARE(TimeOutResult, QByteArray("False01"));
        QCOMPARE(PortFailureResult, QByteArray("False00"));
        QCOMPARE(WaitReply::ReplyTimeoutMs, 2000);
    }

    // Every command goes out at least 10 ms after the reply before it.
    void pausesBetweenCommands() {
        VirtualRadioRig rig;
        QVERIFY(rig.session.start(Procedure::WriteSettings));
        QVERIFY(rig.waitForRun());
        QCOMPARE(rig.lastEnding(), Ending::Success);
        QCOMPARE(rig.commands().size(), 6);
        QVERIFY2(rig.smallestGapMs() >= 10.0, qPrintable(QString::number(rig.smallestGapMs())));
    }

    void repliesHaveTheRadiosLengths() {
        VirtualRadio radio;
        const QByteArray read = replyTo(radio, "RZ~F0600R\r\n");
        QCOMPARE(read.size(), 77);
        QVERIFY(read.startsWith("RZ~F0600R\r\n"));
        QCOMPARE(read.mid(11, 64), radio.block(0x600).toLatin1());
        QCOMPARE(replyTo(radio, "KTM40\r\n"), QByteArray("KTM40\r\nOK\r\n"));
        QCOMPARE(replyTo(radio, writeLine("5160", 'A')).size(), 79);
        radio.setIdentity(VariantE, true);
        QCOMPARE(replyTo(radio, "RZ~WHO\r\n"), QByteArray("RZ~WHO\r\nKTM409900AA\r\n"));
        QCOMPARE(replyTo(radio, "RZ~E\r\n"), QByteArray("RZ~E\r\nOK\r\n"));
        QCOMPARE(replyTo(radio, "RZ~F0610R\r\n"), QByteArray("RZ~F0610R\r\nNG\r\n")); // no block there
        // a command split over several deliveries is answered once complete
        QVERIFY(radio.receive("RZ~F03").empty());
        QCOMPARE(radio.receive("00R\r\n").size(), std::size_t(1));
    }

    void writesNeedTheAccessLine() {
        VirtualRadio radio;
        const QString before = radio.block(0x620);
        QVERIFY(replyTo(radio, writeLine("0620", 'B')).endsWith("NG\r\n"));
        QCOMPARE(radio.block(0x620), before);
        replyTo(radio, "KTM40\r\n");
        QVERIFY(replyTo(radio, writeLine("0620", 'B')).endsWith("OK\r\n"));
        QCOMPARE(radio.block(0x620), QString(64, 'B'));
        replyTo(radio, "RZ~E\r\n"); // the end command closes the access
        QVERIFY(replyTo(radio, writeLine("0620", 'C')).endsWith("NG\r\n"));
        QCOMPARE(radio.block(0x620), QString(64, 'B'));
    }

    void faultsChangeTheAnswer() {
        VirtualRadio radio;
        radio.faults.shortAt.insert("0600");
        radio.faults.longAt.insert("0620");
        radio.faults.timeoutAt.insert("WHO");
        radio.faults.notOkAt.insert("0640");
        radio.faults.dropAt.insert("0660");
        QCOMPARE(replyTo(radio, "RZ~F0600R\r\n").size(), 76);
        QCOMPARE(replyTo(radio, "RZ~F0620R\r\n").size(), 78);
        QCOMPARE(replyTo(radio, "RZ~WHO\r\n"), QByteArray("RZ~WHO\r\n")); // the echo only
        replyTo(radio, "KTM40\r\n");
        const QByteArray notOk = replyTo(radio, writeLine("0640", 'D'));
        QCOMPARE(notOk.size(), 79);
        QVERIFY(notOk.endsWith("NG\r\n"));
        const auto dropped = radio.receive("RZ~F0660R\r\n");
        QVERIFY(dropped.at(0).dropLine);
        radio.faults = {};
        radio.faults.notOkAt.insert("KTM40");
        QCOMPARE(replyTo(radio, "KTM40\r\n"), QByteArray("KTM40\r\nNG\r\n"));
        QVERIFY(!radio.writeAccess());
        radio.faults = {};
        radio.faults.denyAccess = true;
        QCOMPARE(replyTo(radio, "KTM40\r\n"), QByteArray("KTM40\r\nNG\r\n"));
        QVERIFY(!radio.writeAccess());
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

    void faultSpecs_data() {
        QTest::addColumn<QString>("spec");
        QTest::addColumn<bool>("valid");
        QTest::newRow("timeout") << "timeout@0FE0" << true;
        QTest::newRow("lower-case address") << "short@0fe0" << true;
        QTest::newRow("access line") << "notok@KTM40" << true;
        QTest::newRow("everything") << "timeout@*" << true;
        QTest::newRow("delay") << "delay=250" << true;
        QTest::newRow("deny") << "deny-access" << true;
        QTest::newRow("no address") << "timeout@" << false;
        QTest::newRow("bad address") << "drop@06000" << false;
        QTest::newRow("bad delay") << "delay=soon" << false;
        QTest::newRow("negative delay") << "delay=-5" << false;
        QTest::newRow("pace") << "baud=9600" << true;
        QTest::newRow("pace too fast") << "baud=1000001" << false;
        QTest::newRow("address not hex") << "late@06G0" << false;
        QTest::newRow("unknown") << "explode@0600" << false;
    }

    void faultSpecs() {
        QFETCH(QString, spec);
        QFETCH(bool, valid);
        VirtualRadioFaults faults;
        QString error;
        QCOMPARE(ParseFaultSpec(spec, faults, &error), valid);
        QCOMPARE(error.isEmpty(), valid);
        if (spec == "short@0fe0") QVERIFY(faults.shortAt.contains("0FE0"));
        if (spec == "delay=250") QCOMPARE(faults.delayMs, 250);
        if (spec == "baud=9600") QCOMPARE(faults.baud, 9600);
        VirtualRadioFaults quiet; // a caller that wants no reason
        QCOMPARE(ParseFaultSpec(spec, quiet, nullptr), valid);
    }

    // Lines that are not quite a command are answered NG and change nothing; a line longer than any
    // command is dropped as noise, and the command after it is answered.
    void linesTheRadioRefuses_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("reply");
        const QByteArray digits(64, 'A');
        QTest::newRow("address too short") << QByteArray("RZ~F060R") << QByteArray("RZ~F060R\r\nNG\r\n");
        QTest::newRow("neither R nor W") << QByteArray("RZ~F0600X") << QByteArray("RZ~F0600X\r\nNG\r\n");
        QTest::newRow("read of no number") << QByteArray("RZ~F06G0R") << QByteArray("RZ~F06G0R\r\nNG\r\n");
        QTest::newRow("R with a record") << "RZ~F0600R" + digits << "RZ~F0600R" + digits + "\r\nNG\r\n";
        QTest::newRow("write of no number") << "RZ~F06G0W" + digits << "RZ~F06G0W" + digits + "\r\nNG\r\n";
        QTest::newRow("write of no block") << "RZ~F0610W" + digits << "RZ~F0610W" + digits + "\r\nNG\r\n";
        QTest::newRow("noise before a command")
            << QByteArray(129, 'x') + "RZ~E" << QByteArray("RZ~E\r\nOK\r\n");
    }
    void linesTheRadioRefuses() {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, reply);
        VirtualRadio radio;
        QCOMPARE(replyTo(radio, "KTM40\r\n"), QByteArray("KTM40\r\nOK\r\n"));
        radio.setBlock(0x600, QString(64, '1'));
        QCOMPARE(replyTo(radio, line + "\r\n"), reply);
        QCOMPARE(radio.block(0x600), QString(64, '1'));
        QVERIFY(!radio.hasBlock(0x610));
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
};

QTEST_GUILESS_MAIN(TestLinkConstants)
#include "tst_link_constants.moc"
