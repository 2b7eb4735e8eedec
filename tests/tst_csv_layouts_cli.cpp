// kt-m40-cli export-csv and import-csv in each layout, run as a user runs them.
#include "channels/ChannelRecord.h"
#include "csv/CsvChirp.h"
#include "csv/CsvExport.h"
#include "csv/CsvFullLayout.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include "support/CliRun.h"
#include "support/TestFiles.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// variant E, channel 3 (gain -10: no CHIRP column for it) and channel 420 in use
CloneImage writeBase(const QString &path) {
    CloneImage image = NewCloneImage(VariantE, false);
    UpdateMemData(image, "8001010000000000000000000000000010936B003A3B3C000000000010936B00", 3);
    UpdateMemData(image, "800501010000008000000000000000008070C2014B494D5449454E4C20F7C301", 420);
    SaveCloneFile(path, image);
    return image;
}
} // namespace

class TestCsvLayoutsCli : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { BuildTextTables(); }

    void exportInEachLayout() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40");
        CloneImage image = writeBase(base);
        const CliResult full =
            runCli({"export-csv", base, "-o", dir.filePath("full.csv"), "--layout", "full"});
        QCOMPARE(full.exitCode, 0);
        QCOMPARE(readFile(dir.filePath("full.csv")), FullCsvBytes(image));
        QVERIFY(readFile(dir.filePath("full.csv")).startsWith("KT-M40 full CSV,variant E,"));

        const CliResult chirp =
            runCli({"export-csv", base, "-o", dir.filePath("c.csv"), "--layout", "chirp"});
        QCOMPARE(chirp.exitCode, 0);
        QCOMPARE(readFile(dir.filePath("c.csv")), ChirpCsvBytes(image));
        // what CHIRP CSV cannot carry is listed: both VFOs, the gain and the AGC of channel 3, the gain of
        // 420
        QVERIFY(chirp.err.contains("5 values not carried by CHIRP CSV"));
        QVERIFY(chirp.err.contains("3  Gain  not carried"));

        // the original layout writes what the menu writes: titles, two VFOs, channel 3 (420 is beyond 199)
        const CliResult original = runCli({"export-csv", base, "-o", dir.filePath("o.csv")});
        QCOMPARE(original.exitCode, 0);
        QCOMPARE(readFile(dir.filePath("o.csv")), CsvExportBytes(image));
        QVERIFY(readFile(dir.filePath("o.csv")).startsWith("\"MODEL\",\"BANK\""));
        QCOMPARE(readFile(dir.filePath("o.csv")).count("\r\n"), 4);
        QVERIFY(original.err.isEmpty());
        const CliResult missing =
            runCli({"export-csv", dir.filePath("none.M40"), "-o", dir.filePath("o.csv")});
        QCOMPARE(missing.exitCode, 4);
        QVERIFY(missing.err.startsWith("File Open Error"));

        const CliResult bad = runCli({"export-csv", base, "-o", dir.filePath("x.csv"), "--layout", "excel"});
        QCOMPARE(bad.exitCode, 64);
        QVERIFY(bad.err.contains("--layout"));
        QVERIFY(!QFile::exists(dir.filePath("x.csv")));
    }

    void originalImportTakesRecordsIntoTheBase() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), csv = dir.filePath("in.csv"),
                      out = dir.filePath("out.M40");
        writeBase(base);
        QVERIFY(writeFile(
            csv,
            "\"MODEL\",\"BANK\"\r\n"
            "\"KT-M40\",\"MEMORY\",\"3\",\"14.2\",\"5KHz\",\"Tone\",\"88.5Hz\",\"88.5Hz\",\"023\",\"None\","
            "\"0\",\"Hi\",\"10\",\"Off\",\"Off\",\"Off\",\"cq dx\",\"Off\"\r\n"
            "\"KT-M40\",\"MEMORY\",\"4\",\"40\",\"5KHz\",\"Tone\",\"88.5Hz\",\"88.5Hz\",\"023\",\"None\","
            "\"0\",\"Hi\",\"10\",\"Off\",\"Off\",\"Off\",\"OUT\",\"Off\"\r\n"));
        const CliResult r = runCli({"import-csv", csv, "--into", base, "-o", out, "--json"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.trimmed(), QByteArray("{\"taken\": 1, \"dropped\": 1}"));
        CloneImage image = NewCloneImage();
        QCOMPARE(LoadCloneFile(out, image).status, FileStatus::Ok);
        QCOMPARE(image.Variant, int(VariantE));
        QCOMPARE(image.ChannelTable[3].field[FieldFrequency].text, QString("14.200.000"));
        QCOMPARE(image.ChannelTable[3].field[FieldName].text, QString("CQ DX"));
        QCOMPARE(image.ChannelTable[3].field[FieldGain].text, QString("-10"));
        QVERIFY(!image.ChannelUsed[4]);
        QVERIFY(image.ChannelUsed[420]);
        QVERIFY(runCli({"import-csv", csv, "--into", base, "-o", out})
                    .out.contains("1 records taken, 1 dropped"));

        // an unreadable CSV is "File Open Error", a base of no known variant "Data Error"; neither writes
        const QString never = dir.filePath("never.M40");
        const CliResult missing =
            runCli({"import-csv", dir.filePath("none.csv"), "--into", base, "-o", never});
        QCOMPARE(missing.exitCode, 4);
        QVERIFY(missing.err.startsWith("File Open Error"));
        QVERIFY(writeFile(dir.filePath("bad.M40"), readFile(base).replace("KT-M40E", "KT-M40X")));
        QCOMPARE(runCli({"import-csv", csv, "--into", dir.filePath("bad.M40"), "-o", never}).exitCode, 3);
        QVERIFY(!QFile::exists(never));
    }

    void fullRoundTripThroughTheCli() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), other = dir.filePath("other.M40"),
                      csv = dir.filePath("full.csv"), out = dir.filePath("out.M40");
        writeBase(base);
        QCOMPARE(runCli({"export-csv", base, "-o", csv, "--layout", "full"}).exitCode, 0);
        CloneImage empty = NewCloneImage(VariantE, false);
        SaveCloneFile(other, empty);
        const CliResult r = runCli({"import-csv", csv, "--into", other, "-o", out});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith("full layout: 606 lines taken (0 with changes), 0 refused"));
        QCOMPARE(readFile(out), readFile(base));
    }

    void jsonListsEveryChangeAndRefusal() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), csv = dir.filePath("in.csv"),
                      out = dir.filePath("out.M40");
        writeBase(base);
        QVERIFY(writeFile(csv, "Location,Name,Frequency,Mode\r\n"
                               "7,abc,7.050000,LSB\r\n"
                               "8,X,146.520000,FM\r\n"
                               "9,Y,7.1,WFM\r\n"));
        const CliResult r = runCli({"import-csv", csv, "--into", base, "-o", out, "--json"});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o.value("layout").toString(), QString("chirp"));
        QCOMPARE(o.value("taken").toInt(), 1);
        QCOMPARE(o.value("changed").toInt(), 1);
        QCOMPARE(o.value("refused").toInt(), 2);
        const QJsonArray items = o.value("items").toArray();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0].toObject().value("row").toString(), QString("7"));
        QCOMPARE(items[0].toObject().value("field").toString(), QString("Name"));
        QCOMPARE(items[0].toObject().value("kind").toString(), QString("changed"));
        QCOMPARE(items[1].toObject().value("row").toString(), QString("8"));
        QCOMPARE(items[1].toObject().value("field").toString(), QString("Frequency"));
        QCOMPARE(items[2].toObject().value("field").toString(), QString("Mode"));
        QCOMPARE(items[2].toObject().value("kind").toString(), QString("refused"));
        QVERIFY(!items[2].toObject().value("reason").toString().isEmpty());
        CloneImage image = NewCloneImage();
        QCOMPARE(LoadCloneFile(out, image).status, FileStatus::Ok);
        QCOMPARE(image.ChannelTable[7].field[FieldName].text, QString("ABC"));
        QVERIFY(!image.ChannelUsed[8]);
        QVERIFY(r.err.isEmpty());
    }

    void takingNothingIsSaidOnStderr() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), out = dir.filePath("out.M40");
        writeBase(base);
        // the program's own export in the original layout: nothing is taken, and the full layout is named
        QCOMPARE(runCli({"export-csv", base, "-o", dir.filePath("o.csv")}).exitCode, 0);
        const CliResult own = runCli({"import-csv", dir.filePath("o.csv"), "--into", base, "-o", out});
        QCOMPARE(own.exitCode, 0);
        QVERIFY(own.out.contains("0 records taken"));
        QVERIFY(own.err.contains("nothing was taken from"));
        QVERIFY(own.err.contains("--layout full"));
        // a CHIRP file whose every line is refused
        QVERIFY(writeFile(dir.filePath("c.csv"), "Location,Frequency\n1,146.52\n"));
        const CliResult chirp = runCli({"import-csv", dir.filePath("c.csv"), "--into", base, "-o", out});
        QVERIFY(chirp.err.contains("nothing was taken from"));
        QVERIFY(!chirp.err.contains("--layout full"));
        // an empty file says nothing
        QVERIFY(writeFile(dir.filePath("e.csv"), ""));
        const CliResult empty = runCli({"import-csv", dir.filePath("e.csv"), "--into", base, "-o", out});
        QCOMPARE(empty.exitCode, 0);
        QVERIFY(empty.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCsvLayoutsCli)
#include "tst_csv_layouts_cli.moc"
