// The transfer procedures, verify and the identification against the in-process virtual radio: command
// order and addresses, the 10 ms pauses, reply collection, endings, and what a failure leaves behind.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/NewImage.h"
#include "link/TransferSteps.h"
#include "settings/SettingsCodec.h"
#include "support/VirtualRadioRig.h"
#include <QElapsedTimer>
#include <QTest>

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

bool sameChannels(const CloneImage &a, const CloneImage &b, int from, int to) {
    for (int k = from; k < to; ++k)
        if (!(a.ChannelTable[k] == b.ChannelTable[k]) || a.ChannelUsed[k] != b.ChannelUsed[k]) return false;
    return true;
}
} // namespace

class TestLinkSession : public QObject {
    Q_OBJECT
  private slots:
    void writeMemorySendsAccessThenEveryBlock() {
        VirtualRadioRig rig;
        rig.image = VirtualRadio::demoImage();
        QVERIFY(rig.session.start(Procedure::WriteMemory));
        QVERIFY(rig.waitForRun());
        QCOMPARE(rig.lastEnding(), Ending::Success);
        const QStringList c = rig.commands();
        QCOMPARE(c.size(), ChannelCount + 2);
        QCOMPARE(c.first(), QStringLiteral("KTM40"));
        QCOMPARE(c.last(), QStringLiteral("RZ~E"));
        for (int k = 0; k < ChannelCount; ++k) {
            QCOMPARE(c[1 + k], QString::asprintf("RZ~F%04XW", 0x600 + 0x20 * k) + MakeMemData(rig.image, k));
            QCOMPARE(rig.radio->block(0x600 + 0x20 * k), MakeMemData(rig.image, k));
        }
        QVERIFY(rig.smallestGapMs() >= Pause);
        // the access line is followed by two pauses: one after it, one before each block write
        const auto &t = rig.link->transcript();
        QVERIFY(t[1].sentNs - t[0].lastReplyNs >= 2 * Pause * 1000000LL);
        QCOMPARE(rig.progress.last().at(0).toInt(), ChannelCount - 1);
    }

    void settingsTransfersRoundTrip() {
        CloneImage changed = ChangedSettingsImage();
        VirtualRadioRig rig(std::make_shared<VirtualRadio>(changed));
        QSignalSpy settings(&rig.session, &RadioSession::settingsDecoded);
        QSignalSpy vfos(&rig.session, &RadioSession::vfoDecoded);
        qint64 endedNs = 0;
        connect(&rig.session, &RadioSession::runFinished, this, [&] { endedNs = rig.link->clockNs(); });
        QVERIFY(rig.session.start(Procedure::ReadSettings));
        QVERIFY(rig.waitForRun());
        QCOMPARE(rig.lastEnding(), Ending::Success);
        QCOMPARE(rig.commands(), settingsReads() + QStringList{"RZ~E"});
        QVERIFY(changed.SetData1 != QLatin1String(DefaultSetData1));
        QVERIFY(changed.SetData2 != QLatin1String(DefaultSetData2));
        QCOMPARE(rig.image.SetData1, changed.SetData1);
        QCOMPARE(rig.image.SetData2, changed.SetData2);
        QCOMPARE(rig.image.Settings, changed.Settings);
        QCOMPARE(rig.image.VfoTable[0], changed.VfoTable[0]);
        QCOMPARE(rig.image.VfoTable[1], changed.VfoTable[1]);
        QCOMPARE(settings.size(), 1);
        QCOMPARE(vfos.size(), 1);
        QVERIFY(rig.progress.isEmpty());
        QVERIFY(rig.smallestGapMs() >= Pause);
        QVERIFY(endedNs - rig.link->transcript().last().lastReplyNs >= Pause * 1000000LL); // TxEnd's pause

        // and back to a radio holding the defaults
        VirtualRadioRig back;
        back.image = changed;
        QVERIFY(back.session.start(Procedure::WriteSettings));
        QVERIFY(back.waitForRun());
        QCOMPARE(back.lastEnding(), Ending::Success);
        QCOMPARE(back.commands(),
                 QStringList({"KTM40", "RZ~F0300W" + changed.SetData1, "RZ~F0320W" + changed.SetData2,
                              "RZ~F0400W" + MakeVFOData(changed, 0), "RZ~F0500W" + MakeVFOData(changed, 1),
                              "RZ~E"}));
        QCOMPARE(back.radio->block(0x500), MakeVFOData(changed, 1));
        QVERIFY(back.smallestGapMs() >= Pause);
    }

    void readAllAndWriteAllRunBothHalves() {
        VirtualRadioRig rig(VirtualRadio::withDemoContents());
        QVERIFY(rig.session.startReadAll());
        QVERIFY(rig.waitForRun());
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
        QVERIFY(target.session.startWriteAll());
        QVERIFY(target.waitForRun());
        QCOMPARE(target.runs.first().at(0).toBool(), true);
        QCOMPARE(target.commands().count("KTM40"), 2);
        QCOMPARE(target.commands().count("RZ~E"), 2);
        QCOMPARE(target.radio->cloneFileBytes(), rig.radio->cloneFileBytes());
    }

    void staleInputIsDiscardedAndTheEchoDoesNotEndAWait() {
        auto radio = std::make_shared<VirtualRadio>();
        radio->faults.stale = true; // stray characters after every reply, waiting when the next command goes
        radio->faults.delayMs = 30; // the answer comes well after the echo
        VirtualRadioRig rig(radio);
        QString reason;
        QVERIFY(rig.link->open(&reason));
        rig.link->injectReceived("RZ~F0300R\r\nFFFF\r\n"); // noise waiting before the first command
        QVERIFY(rig.session.start(Procedure::ReadSettings));
        QVERIFY(rig.waitForRun());
        QCOMPARE(rig.lastEnding(), Ending::Success);
        QCOMPARE(rig.image.SetData1, radio->block(0x300));
        QCOMPARE(rig.commands().size(), 5);
    }

    // Each wrong or missing answer: the ending, the message, and nothing sent after the failed exchange.
    void faultsEndTheRun_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("procedure"); // -1: read ALL, -2: write ALL, -3: verify the memory
        QTest::addColumn<Ending>("ending");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<QString>("detail"); // a part of the message
        const int readAll = -1, writeAll = -2, rm = int(Procedure::ReadMemory),
                  rs = int(Procedure::ReadSettings);
        const Ending comm = Ending::CommunicationError;
        QTest::newRow("read reply one short") << "short@0600" << rm << comm << QStringList{"RZ~F0600R"} << "";
        QTest::newRow("read reply one long")
            << "long@0620" << rm << comm << QStringList{"RZ~F0600R", "RZ~F0620R"} << "";
        QTest::newRow("settings reply short")
            << "short@0320" << rs << comm << QStringList{"RZ~F0300R", "RZ~F0320R"} << "";
        QTest::newRow("write reply long") << "long@0300" << int(Procedure::WriteSettings) << comm
                                          << QStringList{"KTM40", "RZ~F0300W"} << "";
        // Write Memory never starts, Read Memory neither: one message only
        QTest::newRow("write ALL, access refused")
            << "deny-access" << writeAll << comm << QStringList{"KTM40"} << "";
        QTest::newRow("read ALL, settings reply long")
            << "long@0300" << readAll << comm << QStringList{"RZ~F0300R"} << "";
        QTest::newRow("write not OK") << "notok@0620" << int(Procedure::WriteMemory) << comm
                                      << QStringList{"KTM40", "RZ~F0600W", "RZ~F0620W"} << "0620";
        QTest::newRow("dropped line") << "drop@0400" << rs << Ending::ComPortError
                                      << QStringList{"RZ~F0300R", "RZ~F0320R", "RZ~F0400R"} << "dropped";
        // verify changes nothing in the file and keeps what it read: channels 0 to 79
        QTest::newRow("verify, dropped line")
            << "drop@1000" << -3 << Ending::ComPortError << channelReads(0, 81) << "dropped";
    }

    void faultsEndTheRun() {
        QFETCH(QString, fault);
        QFETCH(int, procedure);
        QFETCH(Ending, ending);
        QFETCH(QStringList, sent);
        QFETCH(QString, detail);
        auto radio = std::make_shared<VirtualRadio>(NumberedChannelsImage());
        QVERIFY(ParseFaultSpec(fault, radio->faults, nullptr));
        VirtualRadioRig rig(radio);
        const CloneImage before = rig.image;
        QVERIFY(procedure == -1   ? rig.session.startReadAll()
                : procedure == -2 ? rig.session.startWriteAll()
                : procedure == -3 ? rig.session.startVerify(false, true)
                                  : rig.session.start(Procedure(procedure)));
        QVERIFY(rig.waitForRun(5000));
        QCOMPARE(rig.lastEnding(), ending);
        QVERIFY2(rig.lastDetail().contains(detail), qPrintable(rig.lastDetail()));
        QStringList got = rig.commands();
        for (QString &line : got)
            line = line.left(9); // write data aside
        QCOMPARE(got, sent);     // nothing after the failed exchange, no end command
        QCOMPARE(rig.started.size(), 1);
        QCOMPARE(rig.finished.size(), 1);
        QCOMPARE(rig.runs.size(), 1);
        QCOMPARE(rig.runs.first().at(0).toBool(), false);
        if (Procedure(procedure) == Procedure::ReadMemory)
            QVERIFY(sameChannels(rig.image, before, sent.size() - 1, ChannelCount));
        if (Procedure(procedure) == Procedure::WriteMemory) // the block before the refused one is written
            QCOMPARE(rig.radio->block(0x600), MakeMemData(rig.image, 0));
        if (procedure == -3) {
            QCOMPARE(rig.image, before);
            QCOMPARE(rig.session.radioRecords().size(), 80);
        }
        if (ending == Ending::ComPortError) {
            // the line stays failed: the next run fails at its first exchange, also as a port error
            QVERIFY(rig.session.start(Procedure::Identify));
            QVERIFY(rig.waitForRun(1000));
            QCOMPARE(rig.lastEnding(), Ending::ComPortError);
            QCOMPARE(rig.commands().size(), sent.size());
        }
    }

    void timeOutAtChannel300KeepsTheRest() {
        auto radio = std::make_shared<VirtualRadio>(NumberedChannelsImage());
        radio->faults.timeoutAt.insert("2B80"); // channel 300
        VirtualRadioRig rig(radio);
        const CloneImage before = rig.image;
        CloneImage fresh = NumberedChannelsImage();
        QVERIFY(rig.session.start(Procedure::ReadMemory));
        QVERIFY(rig.waitForRun());
        QCOMPARE(rig.lastEnding(), Ending::CommunicationError);
        QVERIFY(sameChannels(rig.image, fresh, 0, 300));
        QVERIFY(sameChannels(rig.image, before, 300, ChannelCount));
        QCOMPARE(rig.commands(), channelReads(0, 301)); // no end command
        // the echo arrived at once but did not end the wait: the full 2000 ms passed
        const auto &last = rig.link->transcript().last();
        QVERIFY(last.lastReplyNs >= 0);
        const qint64 waitedMs = (rig.link->clockNs() - last.sentNs) / 1000000;
        QVERIFY2(waitedMs >= 2000 && waitedMs < 3500, qPrintable(QString::number(waitedMs)));
        QVERIFY(rig.link->isOpen());
    }

    void readSettingsFailingOnVfoBLeavesVfosAlone() {
        CloneImage changed = ChangedSettingsImage();
        auto radio = std::make_shared<VirtualRadio>(changed);
        radio->faults.shortAt.insert("0500");
        VirtualRadioRig rig(radio);
        const CloneImage before = rig.image;
        QVERIFY(rig.session.start(Procedure::ReadSettings));
        QVERIFY(rig.waitForRun());
        QCOMPARE(rig.lastEnding(), Ending::CommunicationError);
        QCOMPARE(rig.image.SetData1, changed.SetData1);
        QCOMPARE(rig.image.Settings, changed.Settings);
        QCOMPARE(rig.image.VfoTable[0], before.VfoTable[0]); // VFO A arrived but is not decoded alone
        QCOMPARE(rig.image.VfoTable[1], before.VfoTable[1]);
        QCOMPARE(rig.commands(), settingsReads());
    }

    void codecRefusalIsTheProcedureFailure() {
        auto radio = std::make_shared<VirtualRadio>(NumberedChannelsImage());
        QString bad = radio->block(0x600 + 0x20 * 5);
        bad.replace(2, 2, QStringLiteral("07")); // mode 7 has no text
        radio->setBlock(0x600 + 0x20 * 5, bad);
        VirtualRadioRig rig(radio);
        const CloneImage before = rig.image;
        QVERIFY(rig.session.start(Procedure::ReadMemory));
        QVERIFY(rig.waitForRun());
        QCOMPARE(rig.lastEnding(), Ending::ProcedureFailure);
        QCOMPARE(rig.commands(), channelReads(0, 6));
        QVERIFY(sameChannels(rig.image, NumberedChannelsImage(), 0, 5));
        QVERIFY(sameChannels(rig.image, before, 5, ChannelCount));

        auto settingsRadio = std::make_shared<VirtualRadio>();
        settingsRadio->setBlock(0x300, QString(64, QLatin1Char('F')));
        CloneImage probe = rig.image;
        probe.SetData1 = settingsRadio->block(0x300);
        QVERIFY(UpdateSetData(probe) >= 0); // these bytes name no item of some list
        VirtualRadioRig settingsRig(settingsRadio);
        QVERIFY(settingsRig.session.start(Procedure::ReadSettings));
        QVERIFY(settingsRig.waitForRun());
        QCOMPARE(settingsRig.lastEnding(), Ending::ProcedureFailure);
        QCOMPARE(settingsRig.commands(), settingsReads().mid(0, 2));

        auto vfoRadio = std::make_shared<VirtualRadio>();
        QString vfoB = vfoRadio->block(0x500);
        vfoB.replace(2, 2, QStringLiteral("07"));
        vfoRadio->setBlock(0x500, vfoB);
        VirtualRadioRig vfoRig(vfoRadio);
        vfoRig.session.setCommandPauseMs(0);
        QVERIFY(vfoRig.session.start(Procedure::ReadSettings));
        QVERIFY(vfoRig.waitForRun());
        QCOMPARE(vfoRig.lastEnding(), Ending::ProcedureFailure);
        QVERIFY2(vfoRig.lastDetail().contains("VFO B has no valid mode"), qPrintable(vfoRig.lastDetail()));
        QCOMPARE(vfoRig.commands(), settingsReads());
    }

    void unopenablePortIsTheProcedureFailure() {
        VirtualRadioRig rig;
        rig.link->setOpenFailure("/dev/ttyS9: No such file or directory");
        QVERIFY(rig.session.startReadAll());
        QVERIFY(rig.waitForRun(1000));
        QCOMPARE(rig.lastEnding(), Ending::ProcedureFailure);
        QCOMPARE(rig.lastDetail(), QStringLiteral("/dev/ttyS9: No such file or directory"));
        QCOMPARE(rig.finished.size(), 1);
        QVERIFY(rig.commands().isEmpty());
    }

    void unansweredEndCommandStillSucceeds() {
        auto radio = std::make_shared<VirtualRadio>();
        radio->faults.timeoutAt.insert("E");
        VirtualRadioRig rig(radio);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(rig.session.start(Procedure::ReadSettings));
        QVERIFY(rig.waitForRun());
        QCOMPARE(rig.lastEnding(), Ending::Success);
        QVERIFY(clock.elapsed() >= 2000 + Pause);
    }

    // Verify: only block reads and the end command go out, nothing changes, the differences name records
    // and fields.
    void verifyAMatchingRadio() {
        VirtualRadioRig rig(VirtualRadio::withDemoContents());
        rig.image = VirtualRadio::demoImage(); // what the radio holds
        MakeSetData(rig.image);
        const CloneImage before = rig.image;
        QVERIFY(rig.session.startVerify(true, true));
        QVERIFY(rig.waitForRun());
        QCOMPARE(rig.lastEnding(), Ending::Success);
        QCOMPARE(rig.session.radioRecords().size(), 4 + ChannelCount);
        QVERIFY(CompareWithRadio(rig.image, rig.session.radioRecords()).isEmpty());
        // one settings block read back alone, as Write Changes checks only what it wrote
        const RadioRecords &read = rig.session.radioRecords();
        QVERIFY(CompareWithRadio(rig.image, {{0x320, read[0x320]}}).isEmpty());
        QVERIFY(CompareWithRadio(rig.image, {{0x300, read[0x300].toLower()}}).isEmpty());
        QCOMPARE(rig.image, before);
        // block reads only, each half closed by the end command
        QCOMPARE(rig.commands(),
                 settingsReads() + QStringList{"RZ~E"} + channelReads(0, ChannelCount) + QStringList{"RZ~E"});
        QCOMPARE(rig.progress.size(), ChannelCount);
        QVERIFY(rig.smallestGapMs() >= 10.0);
    }

    void verifyOneChannelAndOneSettingDiffer() {
        VirtualRadioRig rig(VirtualRadio::withDemoContents());
        rig.image = VirtualRadio::demoImage(); // what the radio holds
        MakeSetData(rig.image);
        rig.session.setCommandPauseMs(0); // the pause is the matching radio's check above
        rig.image.Settings.byName("cmbBeep") = 0;
        rig.image.ChannelTable[2].field[FieldName].text = "CHANGED";
        const CloneImage before = rig.image;
        const QString radioBefore = rig.radio->block(0x640);
        QVERIFY(rig.session.startVerify(true, true));
        QVERIFY(rig.waitForRun());
        QCOMPARE(rig.lastEnding(), Ending::Success);
        const QList<ImageDifference> d = CompareWithRadio(rig.image, rig.session.radioRecords());
        QCOMPARE(d.size(), 2);
        QCOMPARE(d[0].record, QString("Settings"));
        QCOMPARE(d[0].field, QString("Beep"));
        QCOMPARE(d[1].record, QString("2"));
        QCOMPARE(d[1].field, QString("Name"));
        QCOMPARE(d[1].first, QString("CHANGED"));
        QCOMPARE(rig.image, before);
        QCOMPARE(rig.radio->block(0x640), radioBefore);
    }

    void identification_data() {
        QTest::addColumn<QStringList>("reply"); // model, variant code, range code
        QTest::addColumn<bool>("wideBefore");
        QTest::addColumn<int>("ending");
        QTest::addColumn<int>("variantAfter");
        QTest::addColumn<bool>("wideAfter");
        const int ok = int(Ending::Success), comm = int(Ending::CommunicationError);
        QTest::newRow("T wide") << QStringList{"KTM40", "66", "AA"} << false << ok << 1 << true;
        QTest::newRow("T narrow") << QStringList{"KTM40", "66", "00"} << true << ok << 1 << false;
        QTest::newRow("A") << QStringList{"KTM40", "CC", "AA"} << false << ok << 3 << true;
        QTest::newRow("unknown code clears range")
            << QStringList{"KTM40", "44", "AA"} << true << comm << 2 << false;
        QTest::newRow("other model") << QStringList{"KTM50", "66", "AA"} << true << comm << 2 << true;
        QTest::newRow("20 characters") << QStringList{"KTM4", "66", "AA"} << true << comm << 2 << true;
        QTest::newRow("22 characters") << QStringList{"KTM400", "66", "AA"} << true << comm << 2 << true;
    }

    void identification() {
        QFETCH(QStringList, reply);
        QFETCH(bool, wideBefore);
        QFETCH(int, ending);
        QFETCH(int, variantAfter);
        QFETCH(bool, wideAfter);
        auto radio = std::make_shared<VirtualRadio>();
        radio->modelName = reply[0];
        radio->variantCode = reply[1];
        radio->rangeCode = reply[2];
        VirtualRadioRig rig(radio);
        rig.image.Variant = VariantE;
        rig.image.WideRange = wideBefore;
        QSignalSpy identified(&rig.session, &RadioSession::variantIdentified);
        QVERIFY(rig.session.start(Procedure::Identify));
        QVERIFY(rig.waitForRun(1000));
        QCOMPARE(int(rig.lastEnding()), ending);
        QCOMPARE(rig.image.Variant, variantAfter);
        QCOMPARE(rig.image.WideRange, wideAfter);
        QCOMPARE(identified.size(), ending == int(Ending::Success) ? 1 : 0);
        QCOMPARE(rig.commands(), QStringList{"RZ~WHO"}); // never an end command
    }

    void replyTimerIsNotRestartedByArrivingCharacters() {
        auto radio = std::make_shared<VirtualRadio>();
        radio->faults.baud = 40; // a character every 250 ms: the reply would take over 5 s
        VirtualRadioRig rig(radio);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(rig.session.start(Procedure::Identify));
        QVERIFY(rig.waitForRun());
        const qint64 ms = clock.elapsed();
        QCOMPARE(rig.lastEnding(), Ending::CommunicationError);
        QVERIFY2(ms >= 2000 && ms < 3500, qPrintable(QString::number(ms)));
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
        QVERIFY(rig.waitForRun());
        QVERIFY(!rig.session.busy());
        QCOMPARE(rig.runs.size(), 1);
        QCOMPARE(rig.commands().size(), 5);
    }
};

QTEST_GUILESS_MAIN(TestLinkSession)
#include "tst_link_session.moc"
