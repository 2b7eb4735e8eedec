// What the radio depends on in every exchange, written out here: the command lines, the reply length each
// exchange needs (one character more or less fails it), the "OK" a write needs, and the 10 ms pause.
#include "link/TransferSteps.h"
#include "link/WaitReply.h"
#include "support/VirtualRadioRig.h"
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

QByteArray record(char digit) {
    return QByteArray(64, digit);
}
} // namespace

class TestLinkConstants : public QObject {
    Q_OBJECT
  private slots:
    // Each exchange as "command reply-length", "+OK" where the reply must end in OK, a record as "<64>".
    void smallProcedures_data() {
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
    }
    void smallProcedures() {
        QFETCH(int, procedure);
        QFETCH(QStringList, exchanges);
        QStringList got;
        for (const Exchange &e : exchangesOf(Procedure(procedure))) {
            QString line = QString::fromLatin1(e.command);
            if (line.size() == 9 + 64) line = line.left(9) + "<64>";
            got << line + " " + QString::number(e.replyLength) + (e.needsOk ? "+OK" : "");
        }
        QCOMPARE(got, exchanges);
    }

    void memoryTransfers() {
        const QList<Exchange> reads = exchangesOf(Procedure::ReadMemory);
        const QList<Exchange> writes = exchangesOf(Procedure::WriteMemory);
        QCOMPARE(reads.size(), 604 + 1);
        QCOMPARE(writes.size(), 1 + 604 + 1);
        QCOMPARE(writes[0].command, QByteArray("KTM40"));
        for (int k = 0; k < 604; ++k) {
            const QByteArray address =
                QByteArray::number(0x600 + 0x20 * k, 16).toUpper().rightJustified(4, '0');
            QCOMPARE(reads[k].command, "RZ~F" + address + "R");
            QCOMPARE(reads[k].replyLength, 77);
            QCOMPARE(writes[1 + k].command, "RZ~F" + address + "W" + record('0'));
            QCOMPARE(writes[1 + k].replyLength, 79);
        }
        QCOMPARE(reads.last().command, QByteArray("RZ~E"));
        QCOMPARE(writes.last().command, QByteArray("RZ~E"));
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
};

QTEST_GUILESS_MAIN(TestLinkConstants)
#include "tst_link_constants.moc"
