// Comparing images and files (diff and verify: what differs is named by record and field; codes that
// differ behind the same text are reported, texts that differ where the records agree are not), automatic
// backups, and the progress line of a transfer.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/Backups.h"
#include "files/CloneFile.h"
#include "files/ImageDiff.h"
#include "files/NewImage.h"
#include "link/TransferProgress.h"
#include "link/VerifyRecords.h"
#include "settings/SettingsCodec.h"
#include "support/CliRun.h"
#include "support/RecordText.h"
#include "support/TestFiles.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// A used channel: LSB, gain +10 (3), AGC Slow (1), S-Low (2), Narrow (1), tone on (0x80), NB on (1).
const QString Channel = "8001030102000180000100000000000010936B003A3B3C000000000010936B00";

// The same texts from other codes: byte, the other code, the field that shows it.
void sameTextOtherCodeRows() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("field");
    QTest::newRow("gain +10 from 7") << 2 << 7 << "Gain";
    QTest::newRow("AGC Slow from 4") << 3 << 4 << "AGC";
    QTest::newRow("power S-Low from 9") << 4 << 9 << "Pwr";
    QTest::newRow("filter Narrow from 2") << 6 << 2 << "Filter";
    QTest::newRow("tone On from 8C") << 7 << 0x8C << "Tone";
    QTest::newRow("NB On from 3") << 9 << 3 << "NB";
}

CloneImage withChannel(const QString &record, int k) {
    CloneImage image = NewCloneImage();
    UpdateMemData(image, record, k);
    return image;
}

// What the radio holds after a faithful write of image.
RadioRecords written(CloneImage image) {
    MakeSetData(image);
    RadioRecords r{{0x300, image.SetData1}, {0x320, image.SetData2}};
    for (int n = 0; n < VfoCount; ++n)
        r[0x400 + 0x100 * n] = MakeVFOData(image, n);
    for (int k = 0; k < ChannelCount; ++k)
        r[0x600 + 0x20 * k] = MakeMemData(image, k);
    return r;
}

// The example channel in 0 and A-P2.
CloneImage sample() {
    CloneImage image = NewCloneImage();
    UpdateMemData(image, AbcRecord, 0);
    UpdateMemData(image, AbcRecord, 401);
    return image;
}
} // namespace

class TestCompareAndBackups : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void differencesByLabelAndField() {
        CloneImage a = NewCloneImage();
        QVERIFY(UpdateMemData(a, AbcRecord, 400));
        CloneImage b = a;
        QVERIFY(DiffImages(a, b).isEmpty());

        b.Settings.byName("cmbBeep") = 0;
        b.VfoTable[1].field[FieldMode] = {"USB", 0};
        b.ChannelTable[400].field[FieldName].text = "ABD";
        b.ChannelTable[400].field[FieldGain] = {"+10", 7}; // same text as code 3, other code
        QVERIFY(UpdateMemData(b, AbcRecord, 5));
        b.WideRange = true;
        const QList<ImageDifference> d = DiffImages(a, b);
        QCOMPARE(d.size(), 6);
        QCOMPARE(d[0], (ImageDifference{"Model", "Range", "(1.6MHz - 30MHz)", "(150KHz - 35MHz)"}));
        QCOMPARE(d[1], (ImageDifference{"Settings", "Beep", "On", "Off"}));
        QCOMPARE(d[2], (ImageDifference{"VFO B", "Mode", "LSB (1)", "USB (0)"}));
        // a channel on one side only is shown whole on that side
        const QString whole =
            "Frequency 7.050.000, Mode LSB, Gain 0, AGC Fast, Pwr High, Filter Wide, Tone Off, NB Off, "
            "Split Freq. 7.050.000, Name \"ABC\", Skip -";
        QCOMPARE((QStringList{d[3].record, d[3].field, d[3].first, d[3].second}),
                 (QStringList{"5", "Used", "empty", whole}));
        // each field for the JSON output (cliDiff reads them there)
        QCOMPARE(d[3].content.size(), 11);
        QCOMPARE(d[3].content[10], (QPair<QString, QString>{"Skip", ""}));
        // and the other way round: the side that lost it holds the content
        const QList<ImageDifference> back = DiffChannel(b, a, 5);
        QCOMPARE(back.size(), 1);
        QCOMPARE((QStringList{back[0].first, back[0].second}), (QStringList{whole, "empty"}));
        QCOMPARE(d[4], (ImageDifference{"A-P1", "Gain", "0 (0)", "+10 (7)"}));
        QCOMPARE(d[5], (ImageDifference{"A-P1", "Name", "ABC", "ABD"}));

        // the variant; a split frequency and Skip show their texts alone
        CloneImage e = a;
        e.Variant = VariantE;
        e.ChannelTable[400].field[FieldSplitFreq] = {"7.100.000", 7100000};
        e.ChannelTable[400].field[FieldSkip] = {"Skip", 1};
        const QList<ImageDifference> m = DiffImages(a, e);
        QCOMPARE(m.size(), 3);
        QCOMPARE(m[0], (ImageDifference{"Model", "Variant", "KT-M40J", "KT-M40E"}));
        QCOMPARE(m[1], (ImageDifference{"A-P1", "Split Freq.", "7.050.000", "7.100.000"}));
        QCOMPARE(m[2], (ImageDifference{"A-P1", "Skip", "", "Skip"}));

        // slots of unused channels are not data
        CloneImage c = a;
        c.ChannelTable[7].field[FieldMode] = {"FM", 5};
        QVERIFY(DiffImages(a, c).isEmpty());
    }

    void cliDiff() {
        CloneImage a = NewCloneImage();
        const QString fa = dir.filePath("a.M40"), fb = dir.filePath("b.M40");
        QCOMPARE(SaveCloneFile(fa, a), FileStatus::Ok);
        CliResult r = runCli({"diff", fa, fa});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("same data"));
        QVERIFY(UpdateMemData(a, AbcRecord, 210));
        QCOMPARE(SaveCloneFile(fb, a), FileStatus::Ok);
        r = runCli({"diff", fa, fb, "--json"});
        QCOMPARE(r.exitCode, 5);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o["equal"].toBool(), false);
        QCOMPARE(o["differences"][0]["record"].toString(), QString("A 10"));
        QCOMPARE(o["differences"][0]["field"].toString(), QString("Used"));
        QCOMPARE(o["differences"][0]["a"].toString(), QString("empty"));
        QCOMPARE(o["differences"][0]["channel"]["Frequency"].toString(), QString("7.050.000"));
        QCOMPARE(o["differences"][0]["channel"]["Name"].toString(), QString("ABC"));
        QCOMPARE(o["differences"][0]["channel"].toObject().size(), 11);
        r = runCli({"diff", fa, fb});
        QCOMPARE(r.exitCode, 5);
        QVERIFY(r.out.contains("A 10  Used: empty -> Frequency 7.050.000, Mode LSB, "));
        QCOMPARE(runCli({"diff", fa, dir.filePath("missing.M40")}).exitCode, 4);
    }

    void backupsAreWrittenAndRotated() {
        const QString folder = dir.filePath("backups");
        CloneImage image = NewCloneImage();
        QVERIFY(UpdateMemData(image, AbcRecord, 0));
        const CloneImage before = image;
        const QDateTime t0(QDate(2026, 1, 2), QTime(3, 4, 5));
        BackupResult r = SaveBackup(image, folder, t0, 3);
        QVERIFY2(r.ok, qPrintable(r.detail));
        QCOMPARE(QFileInfo(r.path).fileName(), QString("KT-M40 2026-01-02 03-04-05.M40"));
        QCOMPARE(image, before); // the image itself is not touched
        CloneImage back = NewCloneImage();
        QCOMPARE(LoadCloneFile(r.path, back).status, FileStatus::Ok);
        QCOMPARE(back.ChannelTable[0], image.ChannelTable[0]);

        r = SaveBackup(image, folder, t0, 3); // same second
        QCOMPARE(QFileInfo(r.path).fileName(), QString("KT-M40 2026-01-02 03-04-05 (2).M40"));

        // the default folder lies in the per-user data folder (test mode keeps it out of the real one)
        QVERIFY(BackupFolder().endsWith("/backups"));
        QVERIFY(BackupFolder().startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));

        // a folder that cannot be made reports why
        QVERIFY(writeFile(dir.filePath("blocker"), ""));
        r = SaveBackup(image, dir.filePath("blocker/backups"), t0, 3);
        QVERIFY(!r.ok);
        QVERIFY(!r.detail.isEmpty());
    }

    // After every save the backups kept are the last `keep` saved, oldest first: also when ten and more
    // fall in one second ("(10)" is newer than "(2)"), and when one second holds more than are kept.
    void rotationKeepsTheNewest_data() {
        QTest::addColumn<int>("burst"); // saves in the first second
        QTest::addColumn<int>("later"); // then one a second
        QTest::addColumn<int>("keep");
        QTest::newRow("fifty kept, twelve in the oldest second") << 12 << 48 << 50;
        QTest::newRow("one second holds more than are kept") << 8 << 0 << 5;
    }
    void rotationKeepsTheNewest() {
        QFETCH(int, burst);
        QFETCH(int, later);
        QFETCH(int, keep);
        const QTemporaryDir own;
        QVERIFY(writeFile(own.filePath("notes.txt"), "")); // not a backup: left alone
        const CloneImage image = NewCloneImage();
        const QDateTime t0(QDate(2026, 3, 1), QTime(12, 0, 0));
        QStringList saved;
        for (int i = 0; i < burst + later; ++i) {
            const BackupResult r =
                SaveBackup(image, own.path(), t0.addSecs(std::max(0, i - burst + 1)), keep);
            QVERIFY2(r.ok, qPrintable(r.detail));
            saved << r.path;
            QCOMPARE(ListBackups(own.path()), saved.mid(std::max(0, int(saved.size()) - keep)));
        }
        QCOMPARE(QDir(own.path()).entryList(QDir::Files).size(), keep + 1);
    }

    void progressLine() {
        TransferProgress p;
        QCOMPARE(p.text(), QString("0 of 604 records, 0:00 elapsed, --:-- left"));
        p.done = 151;
        p.elapsedMs = 15000;
        QCOMPARE(p.remainingMs(), 45000);
        QCOMPARE(p.text(), QString("151 of 604 records, 0:15 elapsed, 0:45 left"));
        p.done = 604;
        p.elapsedMs = 61000;
        QCOMPARE(p.text(), QString("604 of 604 records, 1:01 elapsed, 0:00 left"));
        QCOMPARE(FormatDuration(3723000), QString("1:02:03"));
    }

    void diffSeesCodesBehindTheSameText_data() { sameTextOtherCodeRows(); }
    void diffSeesCodesBehindTheSameText() {
        QFETCH(int, byte);
        QFETCH(int, code);
        QFETCH(QString, field);
        const CloneImage a = withChannel(Channel, 300);
        const CloneImage b = withChannel(withByte(Channel, byte, code), 300);
        QCOMPARE(b.ChannelTable[300].field[ChannelFieldNames().indexOf(field)].text,
                 a.ChannelTable[300].field[ChannelFieldNames().indexOf(field)].text);
        QList<ImageDifference> d = DiffImages(a, b);
        QCOMPARE(d.size(), 1);
        QCOMPARE(d[0].record, QString("A100"));
        QCOMPARE(d[0].field, field);
        QVERIFY(d[0].first != d[0].second);

        // the same in a VFO record
        CloneImage va = NewCloneImage(), vb = NewCloneImage();
        QVERIFY(UpdateVFORecord(va, Channel, 1) && UpdateVFORecord(vb, withByte(Channel, byte, code), 1));
        d = DiffImages(va, vb);
        QCOMPARE(d.size(), 1);
        QCOMPARE(d[0].record, QString("VFO B"));
        QCOMPARE(d[0].field, field);
    }

    void verifySeesCodesBehindTheSameText_data() { sameTextOtherCodeRows(); }
    void verifySeesCodesBehindTheSameText() {
        QFETCH(int, byte);
        QFETCH(int, code);
        QFETCH(QString, field);
        CloneImage image = withChannel(Channel, 601);
        QVERIFY(UpdateVFORecord(image, Channel, 1));
        RadioRecords radio = written(image);
        radio[0x600 + 0x20 * 601] = withByte(Channel, byte, code);
        radio[0x500] = withByte(radio[0x500], byte, code);
        QList<ImageDifference> d = CompareWithRadio(image, radio);
        QCOMPARE(d.size(), 2);
        QCOMPARE(d[0].record, QString("VFO B"));
        QCOMPARE(d[1].record, QString("B199"));
        QCOMPARE(d[0].field, field);
        QCOMPARE(d[1].field, field);
    }

    // Verify compares with what a write sends: the settings page encoded, whatever text the image held
    // for the blocks before.
    void verifyEncodesTheSettingsPageFirst_data() {
        QTest::addColumn<QString>("setData1");
        QTest::addColumn<QString>("setData2");
        const QString d1 = DefaultSetData1, d2 = DefaultSetData2;
        QTest::newRow("lower case") << d1.toLower() << d2.toLower();
        QTest::newRow("fixed bytes not as written")
            << withByte(withByte(d1, 1, 0x12), 0, 0x00) << withByte(d2, 31, 0xEE);
        QTest::newRow("keyer byte bits 1 to 6") << withByte(d1, 23, 0x7F) << d2;
        QTest::newRow("short texts") << d1.left(30) << QString();
    }
    void verifyEncodesTheSettingsPageFirst() {
        QFETCH(QString, setData1);
        QFETCH(QString, setData2);
        CloneImage image = NewCloneImage();
        const RadioRecords radio = written(image); // the page's selections, as a write sends them
        image.SetData1 = setData1;                 // the blocks as last read or loaded, not yet re-encoded
        image.SetData2 = setData2;
        QCOMPARE(CompareWithRadio(image, radio), QList<ImageDifference>{});
        // and a radio that holds other bytes than a write would send is reported
        RadioRecords other = radio;
        other[0x300] = withByte(radio[0x300], 2, 0x01);
        QCOMPARE(CompareWithRadio(image, other).size(), 1);
    }

    // Verify in general: what differs is named by record and field.
    void differencesByRecordAndField() {
        const CloneImage image = sample();
        RadioRecords radio = written(image);
        QVERIFY(CompareWithRadio(image, radio).isEmpty());
        QVERIFY(CompareWithRadio(image, {}).isEmpty()); // nothing read, nothing compared
        radio[0x600] = radio[0x600].toLower();          // the radio's case does not matter
        QVERIFY(CompareWithRadio(image, radio).isEmpty());
        radio[0x600 + 0x20 * 401] = withByte(radio[0x600 + 0x20 * 401], 4, 1); // power Low in A-P2
        radio[0x600 + 0x20 * 7] = AbcRecord;                                   // a channel the PC has empty
        radio[0x500] = withByte(radio[0x500], 9, 1);                           // NB on in VFO B
        radio[0x400] = withByte(radio[0x400], 12, 0x55);                       // a byte no field shows
        radio[0x600] = withByte(radio[0x600], 1, 7);                           // no such mode
        const QList<ImageDifference> d = CompareWithRadio(image, radio);
        QCOMPARE(d.size(), 5);
        QCOMPARE((QStringList{d[0].record, d[0].field}), (QStringList{"VFO A", "Other bytes"}));
        QCOMPARE(d[1], (ImageDifference{"VFO B", "NB", "Off (0)", "On (1)"}));
        QCOMPARE(d[2], (ImageDifference{"0", "Mode", "LSB", "code 7 (no such mode)"}));
        QCOMPARE((QStringList{d[3].record, d[3].field, d[3].first}), (QStringList{"7", "Used", "empty"}));
        QVERIFY(d[3].second.startsWith("Frequency 7.050.000, Mode LSB, "));
        QVERIFY(d[3].second.endsWith(", Name \"ABC\", Skip -"));
        QCOMPARE(d[4], (ImageDifference{"A-P2", "Pwr", "High (0)", "Low (1)"}));
    }

    void settingsBlocksBeyondTheirListsOrInFixedBytes() {
        const CloneImage image = sample();
        RadioRecords radio = written(image);
        radio[0x300] = withByte(radio[0x300], 1, 0x12); // a fixed byte
        QList<ImageDifference> d = CompareWithRadio(image, radio);
        QCOMPARE(d.size(), 1);
        QCOMPARE(d[0].record, QString("Settings block 0300"));
        radio[0x320] = withByte(radio[0x320], 12, 9); // key ratio beyond its list
        d = CompareWithRadio(image, radio);
        QCOMPARE(d.size(), 1);
        QCOMPARE(d[0], (ImageDifference{"Settings", "Key Ratio", "3.0", "value beyond the list"}));
    }
};

QTEST_GUILESS_MAIN(TestCompareAndBackups)
#include "tst_compare_and_backups.moc"
