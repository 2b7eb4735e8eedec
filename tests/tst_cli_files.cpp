// kt-m40-cli on clone files: new, show, save-as, and the messages and exit statuses of its failures.
#include "support/CliRun.h"
#include "support/TestFiles.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

class TestCliFiles : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;

  private slots:
    void newShowAndSaveAsRoundTrip() {
        const QString a = dir.filePath("a.M40"), b = dir.filePath("b.M40");
        CliResult r = runCli({"new", "-o", a, "--variant", "E", "--wide"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(readFile(a).startsWith("Korvan KT-M40E Clone A FileStart\r\n"));

        r = runCli({"show", a, "--json"});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o["header"].toString(), QString("Korvan KT-M40E Clone A FileStart"));
        QCOMPARE(o["variant"].toString(), QString("E"));
        QCOMPARE(o["wideRange"].toBool(), true);
        QCOMPARE(o["setData1"].toString(),
                 QString("A50000000003000E000000000000000000000320010101010808080000000000"));
        QCOMPARE(o["settings"]["cmbWPM"]["text"].toString(), QString("20"));
        QCOMPARE(o["settings"]["cmbScanType"]["index"].toInt(), 3);
        QCOMPARE(o["settings"].toObject().size(), 29);
        // each setting with the settings page's label beside its control name
        QCOMPARE(o["settings"]["cmbRit"]["label"].toString(), QString("RIT / TXIT"));
        QCOMPARE(o["settings"]["cmbBeep"]["label"].toString(), QString("Beep"));
        const QJsonArray vfo = o["vfo"].toArray();
        QCOMPARE(vfo.size(), 2);
        QCOMPARE(vfo[1]["label"].toString(), QString("VFO B"));
        QCOMPARE(vfo[0]["fields"][0]["text"].toString(), QString("7.100.000"));
        QCOMPARE(vfo[0]["fields"][0]["value"].toDouble(), 7100000.0);
        QCOMPARE(vfo[0]["fields"].toArray().size(), 8);
        const QJsonArray channels = o["channels"].toArray();
        QCOMPARE(channels.size(), 604);
        QCOMPARE(channels[400]["label"].toString(), QString("A-P1"));
        QCOMPARE(channels[400]["used"].toBool(), false);
        QCOMPARE(channels[400]["record"].toString(), QString(64, '0'));
        QCOMPARE(channels[0]["fields"].toArray().size(), 11);
        QCOMPARE(channels[0]["fields"][8]["name"].toString(), QString("Split Freq."));

        r = runCli({"save-as", a, "-o", b});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readFile(b), readFile(a));

        r = runCli({"show", a});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("Tone Frequency      88.5Hz"));
        QVERIFY(r.out.contains("Channels (0 of 604 used)"));
    }

    void failuresSayTheirMessageAndStatus() {
        const QString good = dir.filePath("good.M40");
        QCOMPARE(runCli({"new", "-o", good}).exitCode, 0);
        QByteArray bytes = readFile(good);

        CliResult r = runCli({"show", dir.filePath("missing.M40")});
        QCOMPARE(r.exitCode, 4);
        QVERIFY(r.err.startsWith("File Open Error\n"));

        const QString bad = dir.filePath("bad.M40");
        QVERIFY(writeFile(bad, QByteArray(bytes).replace("KT-M40J Clone", "KT-M40Q Clone")));
        r = runCli({"save-as", bad, "-o", dir.filePath("never.M40")});
        QCOMPARE(r.exitCode, 3);
        QVERIFY(r.err.startsWith("Data Error\n"));
        QVERIFY(!QFile::exists(dir.filePath("never.M40")));
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "tst_cli_files.moc"
