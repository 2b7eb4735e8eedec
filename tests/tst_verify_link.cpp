// Verify against the virtual radio: only block reads and the end command go out, nothing changes, and the
// differences name records and fields; and the same through kt-m40-cli verify and write --verify.
#include "channels/ChannelRecord.h"
#include "files/CloneFile.h"
#include "settings/SettingsCodec.h"
#include "support/CliRun.h"
#include "support/SimProcess.h"
#include "support/VirtualRadioRig.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// The rig's PC image holding exactly what its radio holds.
void matchRadio(VirtualRadioRig &rig) {
    rig.image = VirtualRadio::demoImage();
    MakeSetData(rig.image);
}

QStringList readsAndEnd(const QStringList &commands) {
    QStringList odd;
    for (const QString &c : commands)
        if (!(c.startsWith("RZ~F") && c.endsWith("R")) && c != "RZ~E") odd << c;
    return odd;
}
} // namespace

class TestVerifyLink : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;

  private slots:
    void aMatchingRadio() {
        VirtualRadioRig rig(VirtualRadio::withDemoContents());
        matchRadio(rig);
        const CloneImage before = rig.image;
        QVERIFY(rig.session.startVerify(true, true));
        QVERIFY(rig.waitForRun());
        QCOMPARE(rig.lastEnding(), Ending::Success);
        QCOMPARE(rig.session.radioRecords().size(), 4 + ChannelCount);
        QVERIFY(CompareWithRadio(rig.image, rig.session.radioRecords()).isEmpty());
        QCOMPARE(rig.image, before);
        QCOMPARE(rig.commands().size(), 4 + 1 + ChannelCount + 1); // two runs, each closed by the end command
        QVERIFY(readsAndEnd(rig.commands()).isEmpty());
        QCOMPARE(rig.progress.size(), ChannelCount);
        QVERIFY(rig.smallestGapMs() >= 10.0);
    }

    void oneChannelAndOneSettingDiffer() {
        VirtualRadioRig rig(VirtualRadio::withDemoContents());
        matchRadio(rig);
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

    void aLinkFailingPartWayChangesNothing() {
        VirtualRadioRig rig(VirtualRadio::withDemoContents());
        matchRadio(rig);
        rig.radio->faults.dropAt.insert("1000");
        const CloneImage before = rig.image;
        QVERIFY(rig.session.startVerify(false, true));
        QVERIFY(rig.waitForRun());
        QCOMPARE(rig.lastEnding(), Ending::ComPortError);
        QCOMPARE(rig.image, before);
        QVERIFY(!rig.commands().contains("RZ~E"));
        QCOMPARE(rig.commands().last(), QString("RZ~F1000R"));
        QCOMPARE(rig.session.radioRecords().size(), 80); // channels 0 to 79 arrived
    }

    void theCommandLine() {
        if (!QFile::exists("/dev/ptmx")) QSKIP("this system has no pseudo-terminals for the simulated radio");
        const QString file = dir.filePath("demo.M40"), saved = dir.filePath("saved.M40");
        CloneImage demo = VirtualRadio::demoImage();
        QCOMPARE(SaveCloneFile(file, demo), FileStatus::Ok);
        {
            Sim sim({"--demo"});
            QVERIFY(!sim.port().isEmpty());
            CliResult r = runCli({"verify", "--port", sim.port(), file, "--settings"});
            QVERIFY2(r.exitCode == 0, r.err.constData());
            QVERIFY(r.out.contains("The radio holds what the file would write."));

            CloneImage other = demo;
            other.ChannelUsed[0] = false;
            const QString changed = dir.filePath("changed.M40");
            QCOMPARE(SaveCloneFile(changed, other), FileStatus::Ok);
            r = runCli({"verify", "--port", sim.port(), changed, "--memory", "--json"});
            QCOMPARE(r.exitCode, 5);
            const QJsonObject o = QJsonDocument::fromJson(r.out).object();
            QCOMPARE(o["differences"].toArray().size(), 1);
            QCOMPARE(o["differences"][0]["record"].toString(), QString("0"));
            QCOMPARE(o["differences"][0]["field"].toString(), QString("Used"));
            // the channel the file lacks, whole, on the radio's side
            QCOMPARE(o["differences"][0]["file"].toString(), QString("empty"));
            QCOMPARE(o["differences"][0]["channel"]["Frequency"].toString(),
                     demo.ChannelTable[0].field[FieldFrequency].text);
            QCOMPARE(o["differences"][0]["channel"]["Name"].toString(),
                     demo.ChannelTable[0].field[FieldName].text);
            QVERIFY(o["differences"][0]["radio"].toString().startsWith(
                "Frequency " + demo.ChannelTable[0].field[FieldFrequency].text + ", Mode "));
        }
        {
            Sim sim({"--save", saved});
            CliResult r = runCli({"write", "--port", sim.port(), file, "--verify"});
            QVERIFY2(r.exitCode == 0, r.err.constData());
            QVERIFY(r.out.contains("The radio holds what the file would write."));
        }
        {
            Sim sim({"--fault", "timeout@0400"});
            CliResult r = runCli({"verify", "--port", sim.port(), file, "--settings"});
            QCOMPARE(r.exitCode, 1);
            QVERIFY(r.err.startsWith("Communication Error\n"));
        }
    }
};

QTEST_GUILESS_MAIN(TestVerifyLink)
#include "tst_verify_link.moc"
