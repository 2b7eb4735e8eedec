// What the radio depends on in every exchange, written out here: the command lines, the reply length each
// exchange needs (one character more or less fails it), the "OK" a write needs, and the 10 ms pause; and
// the virtual radio's side of them, its faults and clone files.
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
        radio.faults.denyAccess = true;
        QCOMPARE(replyTo(radio, "KTM40\r\n"), QByteArray("KTM40\r\nNG\r\n"));
        QVERIFY(!radio.writeAccess());
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
    }
};

QTEST_GUILESS_MAIN(TestLinkConstants)
#include "tst_link_constants.moc"
