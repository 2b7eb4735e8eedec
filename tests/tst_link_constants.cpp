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
    void readSettings() {
        const QList<Exchange> want = {{"RZ~F0300R", 77, false},
                                      {"RZ~F0320R", 77, false},
                                      {"RZ~F0400R", 77, false},
                                      {"RZ~F0500R", 77, false},
                                      {"RZ~E", 0, false}};
        const QList<Exchange> got = exchangesOf(Procedure::ReadSettings);
        QCOMPARE(got.size(), want.size());
        for (int i = 0; i < want.size(); ++i) {
            QCOMPARE(got[i].command, want[i].command);
            QCOMPARE(got[i].replyLength, want[i].replyLength);
            QCOMPARE(got[i].needsOk, want[i].needsOk);
        }
    }

    void writeSettings() {
        const QList<Exchange> got = exchangesOf(Procedure::WriteSettings);
        QCOMPARE(got.size(), 6);
        QCOMPARE(got[0].command, QByteArray("KTM40"));
        QCOMPARE(got[0].replyLength, 11);
        QVERIFY(got[0].needsOk);
        const QByteArray addresses[] = {"0300", "0320", "0400", "0500"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(got[1 + i].command.left(9), "RZ~F" + addresses[i] + "W");
            QCOMPARE(got[1 + i].command.size(), 9 + 64);
            QCOMPARE(got[1 + i].replyLength, 79);
            QVERIFY(got[1 + i].needsOk);
        }
        QCOMPARE(got[5].command, QByteArray("RZ~E"));
        QCOMPARE(got[5].replyLength, 0);
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

    void identification() {
        const QList<Exchange> got = exchangesOf(Procedure::Identify);
        QCOMPARE(got.size(), 1); // no end command
        QCOMPARE(got[0].command, QByteArray("RZ~WHO"));
        QCOMPARE(got[0].replyLength, 21);
        QVERIFY(!got[0].needsOk);
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
