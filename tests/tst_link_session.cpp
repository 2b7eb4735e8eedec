// The transfer procedures, verify and the identification against the in-process virtual radio: command
// order and addresses, the reply length each exchange needs, the 10 ms pauses, reply collection, endings,
// and what a failure leaves behind; and the virtual radio's side of them, its faults and clone files.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/NewImage.h"
#include "link/TransferSteps.h"
#include "settings/SettingsCodec.h"
#include "support/TestFiles.h"
#include "support/VirtualRadioRig.h"
#include <QElapsedTimer>
#include <QTemporaryDir>
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
        QTest::newRow("access not OK")
            << "notok@KTM40" << int(Procedure::WriteSettings) << comm << QStringList{"KTM40"} << "";
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
    void retries_data() {
        QTest::addColumn<int>("procedure");
        QTest::addColumn<QString>("key"); // the exchange whose replies are spoilt
        QTest::addColumn<int>("spoilt");  // how many of its replies in a row
        QTest::addColumn<int>("retries");
        QTest::addColumn<Ending>("ending");
        QTest::addColumn<int>("times"); // how often its command went out
        const int rs = int(Procedure::ReadSettings), ws = int(Procedure::WriteSettings),
                  id = int(Procedure::Identify);
        const Ending ok = Ending::Success, comm = Ending::CommunicationError;
        QTest::newRow("read, 2 spoilt, 2 retries") << rs << "0320" << 2 << 2 << ok << 3;
        QTest::newRow("read, 3 spoilt, 2 retries") << rs << "0320" << 3 << 2 << comm << 3;
        QTest::newRow("read, 1 spoilt, none allowed") << rs << "0320" << 1 << 0 << comm << 1;
        QTest::newRow("write, 5 spoilt, 5 retries") << ws << "0500" << 5 << 5 << ok << 6;
        QTest::newRow("write access, 5 retries") << ws << "KTM40" << 1 << 5 << comm << 1;
        QTest::newRow("identification, 5 retries") << id << "WHO" << 1 << 5 << comm << 1;
        QTest::newRow("end command, 5 retries") << rs << "E" << 1 << 5 << ok << 1;
    }

    void retries() {
        QFETCH(int, procedure);
        QFETCH(QString, key);
        QFETCH(int, spoilt);
        QFETCH(int, retries);
        QFETCH(Ending, ending);
        QFETCH(int, times);
        const CloneImage radioHolds = ChangedSettingsImage();
        VirtualRadioRig rig(std::make_shared<VirtualRadio>(radioHolds));
        rig.session.setRetries(retries);
        int sent = 0;
        rig.radio->replyFilter = [&](const QString &k, const QByteArray &r) {
            // each way a reply is refused in turn: no OK / a digit that is none, one short, one long, the
            // echo
            static const char *const how[] = {"swap", "drop", "add", "echo"};
            if (k != key || sent++ >= spoilt) return r;
            // (the identification's reply has room for a swap that passes: those lines lose a character)
            const QString kind = k.size() == 4 ? QLatin1String(how[(sent - 1) % 4]) : QStringLiteral("drop");
            if (kind == "swap") return SpoilReply(r, Spoil::Swap, r.size() - 4, 'G');
            if (kind == "drop") return SpoilReply(r, Spoil::Drop, r.size() - 5, 0);
            if (kind == "add") return SpoilReply(r, Spoil::Add, r.size() - 5, '0');
            return SpoilReply(r, Spoil::Swap, 1, 'X');
        };
        QVERIFY(rig.session.start(Procedure(procedure)));
        QVERIFY(rig.waitForRun(5000));
        QCOMPARE(rig.lastEnding(), ending);
        const QString line = key == "WHO"     ? "RZ~WHO"
                             : key == "E"     ? "RZ~E"
                             : key == "KTM40" ? "KTM40"
                                              : "RZ~F" + key;
        const QStringList sentLines = rig.commands();
        QCOMPARE(int(std::count_if(sentLines.begin(), sentLines.end(),
                                   [&](const QString &c) { return c.startsWith(line); })),
                 times);
        QCOMPARE(int(rig.session.retriesInRun().size()), times - 1);
        if (ending == Ending::Success) {
            QCOMPARE(rig.commands().last(), QStringLiteral("RZ~E"));
            if (Procedure(procedure) == Procedure::ReadSettings)
                QCOMPARE(rig.image.SetData2, radioHolds.SetData2);
        } else {
            QVERIFY(!rig.commands().contains("RZ~E"));
            if (times > 1)
                QVERIFY2(rig.lastDetail().endsWith(QStringLiteral("(sent %1 times)").arg(times)),
                         qPrintable(rig.lastDetail()));
        }
        QVERIFY(rig.commands().size() < 2 || rig.smallestGapMs() >= Pause); // a retry waits out the pause too
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
        QCOMPARE(d[0].record, QString("Settings")); // how each is named: the comparison's own tests
        QCOMPARE(d[1].record, QString("2"));
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

QTEST_GUILESS_MAIN(TestLinkSession)
#include "tst_link_session.moc"
