// Comparing images and files, automatic backups, and the progress line of a transfer.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/Backups.h"
#include "files/CloneFile.h"
#include "files/ImageDiff.h"
#include "files/NewImage.h"
#include "link/TransferProgress.h"
#include "support/CliRun.h"
#include "support/RecordText.h"
#include "support/TestFiles.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

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
        for (int i = 1; i <= 3; ++i)
            QVERIFY(SaveBackup(image, folder, t0.addSecs(60 * i), 3).ok);
        QVERIFY(writeFile(QDir(folder).filePath("notes.txt"), "")); // not a backup: left alone
        const QStringList kept = ListBackups(folder);
        QCOMPARE(kept.size(), 3);
        QVERIFY(kept.first().endsWith("2026-01-02 03-05-05.M40"));
        QVERIFY(kept.last().endsWith("2026-01-02 03-07-05.M40"));
        QVERIFY(QFile::exists(QDir(folder).filePath("notes.txt")));

        // the default folder lies in the per-user data folder (test mode keeps it out of the real one)
        QVERIFY(BackupFolder().endsWith("/backups"));
        QVERIFY(BackupFolder().startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));

        // a folder that cannot be made reports why
        QVERIFY(writeFile(dir.filePath("blocker"), ""));
        r = SaveBackup(image, dir.filePath("blocker/backups"), t0, 3);
        QVERIFY(!r.ok);
        QVERIFY(!r.detail.isEmpty());
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
};

QTEST_GUILESS_MAIN(TestCompareAndBackups)
#include "tst_compare_and_backups.moc"
