// kt-m40-cli export-csv and import-csv, run as the user runs them.
#include "channels/ChannelRecord.h"
#include "files/CloneFile.h"
#include "files/CsvExport.h"
#include "image/TextTables.h"
#include "support/CliRun.h"
#include "support/TestFiles.h"
#include <QTemporaryDir>
#include <QtTest>

namespace {
// A clone file of variant E with channels 3 and 150 used.
CloneImage writeBase(const QString &path) {
    CloneImage image;
    ClearTables(image);
    image.Variant = VariantE;
    NewImage(image);
    for (int k : {3, 150})
        UpdateMemData(image, "8001000000000000000000000000000010936B003A3B3C000000000010936B00", k);
    SaveCloneFile(path, image);
    return image;
}

} // namespace

class TestCsvCli : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { BuildTextTables(); }

    void exportWritesWhatTheMenuWrites() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), csv = dir.filePath("out.csv");
        CloneImage image = writeBase(base);
        const CliResult r = runCli({"export-csv", base, "-o", csv});
        QCOMPARE(r.exitCode, 0);
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes, CsvExportBytes(image));
        QCOMPARE(bytes.count("\r\n"), 5);

        // an unreadable clone file and an unwritable CSV are both "File Open Error"
        const CliResult missing = runCli({"export-csv", dir.filePath("none.M40"), "-o", csv});
        QCOMPARE(missing.exitCode, 4);
        QVERIFY(missing.err.contains("File Open Error"));
        const CliResult unwritable = runCli({"export-csv", base, "-o", dir.filePath("no/such/dir.csv")});
        QCOMPARE(unwritable.exitCode, 4);
        QCOMPARE(runCli({"export-csv", base}).exitCode, 64);
    }

    void importTakesRecordsIntoTheBase() {
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
        CloneImage image;
        ClearTables(image);
        QCOMPARE(LoadCloneFile(out, image).status, FileStatus::Ok);
        QCOMPARE(image.Variant, int(VariantE));
        QCOMPARE(image.ChannelTable[3].field[FieldFrequency].text, QString("14.200.000"));
        QCOMPARE(image.ChannelTable[3].field[FieldName].text, QString("CQ DX"));
        QCOMPARE(image.ChannelTable[3].field[FieldGain].text, QString("-10"));
        QVERIFY(!image.ChannelUsed[4]);
        QVERIFY(image.ChannelUsed[150]);

        const CliResult plain = runCli({"import-csv", csv, "--into", base, "-o", out});
        QCOMPARE(plain.exitCode, 0);
        QVERIFY(plain.out.contains("1 records taken, 1 dropped"));
    }

    void importErrors() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), out = dir.filePath("out.M40");
        writeBase(base);
        const CliResult missing = runCli({"import-csv", dir.filePath("none.csv"), "--into", base, "-o", out});
        QCOMPARE(missing.exitCode, 4);
        QVERIFY(missing.err.contains("File Open Error"));
        QVERIFY(!QFile::exists(out));
        QFile good(base);
        QVERIFY(good.open(QIODevice::ReadOnly));
        // a header naming another variant letter fails the format check
        QVERIFY(writeFile(dir.filePath("bad.M40"), good.readAll().replace("KT-M40E", "KT-M40X")));
        QVERIFY(writeFile(dir.filePath("in.csv"), ""));
        const CliResult badBase =
            runCli({"import-csv", dir.filePath("in.csv"), "--into", dir.filePath("bad.M40"), "-o", out});
        QCOMPARE(badBase.exitCode, 3);
        QCOMPARE(runCli({"import-csv", dir.filePath("in.csv"), "-o", out}).exitCode, 64);
    }
};

QTEST_GUILESS_MAIN(TestCsvCli)
#include "tst_csv_cli.moc"
