// The radio commands of kt-m40-cli against virtual radios served by 'kt-m40-cli sim'.
#include "channels/ChannelRecord.h"
#include "files/CloneFile.h"
#include "link/VirtualRadio.h"
#include "support/CliRun.h"
#include "support/SimProcess.h"
#include "support/TestFiles.h"
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

class TestLinkCli : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (!QFile::exists("/dev/ptmx")) QSKIP("this system has no pseudo-terminals for the simulated radio");
    }

    void readFromOneRadioWriteToAnother() {
        const QString saved1 = dir_.filePath("one.M40"), saved2 = dir_.filePath("two.M40");
        const QString read = dir_.filePath("read.M40"), log = dir_.filePath("two.log");
        {
            Sim one({"--demo", "--save", saved1});
            Sim two({"--save", saved2, "--log", log});
            QVERIFY(one.port().startsWith("/dev/"));
            QVERIFY(two.port().startsWith("/dev/"));
            const CliResult r = runCli({"read", "--port", one.port(), "-o", read});
            QVERIFY2(r.exitCode == 0, r.err.constData());
            QVERIFY(!r.err.contains("Reading memory")); // no progress bar when stderr is not a terminal
            const CliResult w = runCli({"write", "--port", two.port(), read});
            QVERIFY2(w.exitCode == 0, w.err.constData());
            QCOMPARE(one.stop(), 0);
            QCOMPARE(two.stop(), 0);
        }
        const QByteArray first = readFile(saved1);
        QCOMPARE(first.count('\n'), 610);
        QCOMPARE(readFile(saved2), first);
        QCOMPARE(readFile(read), first);
        const QList<QByteArray> lines = readFile(log).split('\n');
        // Write Settings: access, four blocks, end; Write Memory: access, 604 blocks, end; then the empty
        // tail
        QCOMPARE(lines.size(), 6 + 606 + 1);
        QVERIFY(lines[0].endsWith(" KTM40"));
        QVERIFY(lines[0].startsWith(QDate::currentDate().toString(Qt::ISODate).toLatin1()));
        QVERIFY(lines[1].endsWith(" RZ~F0300W" + readFile(read).split('\n')[1].trimmed()));
    }

    void identifyAndReadWithIdentify() {
        Sim sim({"--variant-code", "66", "--range-code", "AA"});
        const CliResult r = runCli({"identify", "--port", sim.port(), "--json"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("{\"variant\": \"T\", \"wideRange\": true}\n"));
        const QString out = dir_.filePath("identified.M40");
        const CliResult read = runCli({"read", "--port", sim.port(), "--settings", "--identify", "-o", out});
        QVERIFY2(read.exitCode == 0, read.err.constData());
        QVERIFY(readFile(out).startsWith("Korvan KT-M40T Clone A FileStart\r\n"));
    }

    // --port auto asks the ports in turn (here only the test's own, through KT_M40_PORTS) and says on stderr
    // which it skipped and which it chose; with no radio among them the command cannot open a port.
    void portAutoFindsTheRadio() {
        Sim other({"--model", "XYZ12"}), radio({"--variant-code", "66", "--range-code", "AA"});
        qputenv("KT_M40_PORTS", (other.port() + ":" + radio.port()).toLocal8Bit());
        const CliResult r = runCli({"identify", "--port", "auto", "--json"});
        qputenv("KT_M40_PORTS", other.port().toLocal8Bit());
        const CliResult none = runCli({"identify", "--port", "AUTO"});
        qunsetenv("KT_M40_PORTS");
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QCOMPARE(r.out, QByteArray("{\"variant\": \"T\", \"wideRange\": true}\n"));
        QCOMPARE(r.err, ("--port auto: " + other.port() + " skipped: the answer names 'XYZ12', not KTM40\n" +
                         "--port auto: the radio (KTM-40T) answered on " + radio.port() + "\n")
                            .toLocal8Bit());
        QCOMPARE(none.exitCode, 2);
        QVERIFY2(none.err.contains(
                     "skipped: the answer names 'XYZ12', not KTM40\nCOM Port Error\n  --port auto: no port "
                     "answered as the radio (1 asked: " +
                     other.port().toLocal8Bit() + ")\n"),
                 none.err.constData());
    }

    void failuresGiveTheirEndingAndWriteNothing() {
        const QString out = dir_.filePath("never.M40");
        {
            Sim sim({"--fault", "timeout@0620"});
            const CliResult r = runCli({"read", "--port", sim.port(), "--memory", "-o", out});
            QCOMPARE(r.exitCode, 1);
            QVERIFY(r.err.startsWith("Communication Error\n"));
            QVERIFY(r.err.contains("0620"));
        }
        {
            Sim sim({"--fault", "drop@0400"});
            const CliResult r = runCli({"read", "--port", sim.port(), "-o", out});
            QCOMPARE(r.exitCode, 2);
            QVERIFY(r.err.startsWith("COM Port Error\n"));
        }
        QVERIFY(!QFile::exists(out));
        {
            const QString log = dir_.filePath("denied.log");
            Sim sim({"--fault", "deny-access", "--log", log});
            const QString file = dir_.filePath("new.M40");
            QCOMPARE(runCli({"new", "-o", file}).exitCode, 0);
            const CliResult r = runCli({"write", "--port", sim.port(), file});
            QCOMPARE(r.exitCode, 1);
            sim.stop();
            QCOMPARE(readFile(log).count('\n'), 1); // the access line only, no block write
        }
        const CliResult missing = runCli({"identify", "--port", "/dev/kt-m40-absent"});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(missing.err.startsWith("COM Port Error\n  /dev/kt-m40-absent: "));
    }

    // verify and write --verify: the differences name records and fields, the channel the file lacks whole
    void verifyAndWriteWithVerify() {
        const QString file = dir_.filePath("demo.M40"), saved = dir_.filePath("saved.M40");
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
            const QString changed = dir_.filePath("changed.M40");
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

  private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestLinkCli)
#include "tst_link_cli.moc"
