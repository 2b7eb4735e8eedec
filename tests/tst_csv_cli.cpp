// kt-m40-cli export-csv and import-csv, run as the user runs them.
#include "channels/ChannelRecord.h"
#include "files/CloneFile.h"
#include "files/CsvExport.h"
#include "image/TextTables.h"
#include "support/TestPaths.h"
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Run {
    int status = -1;
    QByteArray out, err;
};

Run cli(const QStringList &args) {
    QProcess p;
    p.start(cliPath(), args);
    Run r;
    if (!p.waitForFinished(30000)) return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

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

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
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
        const Run r = cli({"export-csv", base, "-o", csv});
        QCOMPARE(r.status, 0);
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QCOMPARE(bytes, CsvExportBytes(image));
        QCOMPARE(bytes.count("\r\n"), 5);

        // an unreadable clone file and an unwritable CSV are both "File Open Error"
        const Run missing = cli({"export-csv", dir.filePath("none.M40"), "-o", csv});
        QCOMPARE(missing.status, 4);
        QVERIFY(missing.err.contains("File Open Error"));
        const Run unwritable = cli({"export-csv", base, "-o", dir.filePath("no/such/dir.csv")});
        QCOMPARE(unwritable.status, 4);
        QCOMPARE(cli({"export-csv", base}).status, 64);
    }

    void importTakesRecordsIntoTheBase() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), csv = dir.filePath("in.csv"),
                      out = dir.filePath("out.M40");
        writeBase(base);
        writeFile(
            csv,
            "\"MODEL\",\"BANK\"\r\n"
            "\"KT-M40\",\"MEMORY\",\"3\",\"14.2\",\"5KHz\",\"Tone\",\"88.5Hz\",\"88.5Hz\",\"023\",\"None\","
            "\"0\",\"Hi\",\"10\",\"Off\",\"Off\",\"Off\",\"cq dx\",\"Off\"\r\n"
            "\"KT-M40\",\"MEMORY\",\"4\",\"40\",\"5KHz\",\"Tone\",\"88.5Hz\",\"88.5Hz\",\"023\",\"None\","
            "\"0\",\"Hi\",\"10\",\"Off\",\"Off\",\"Off\",\"OUT\",\"Off\"\r\n");
        const Run r = cli({"import-csv", csv, "--into", base, "-o", out, "--json"});
        QCOMPARE(r.status, 0);
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

        const Run plain = cli({"import-csv", csv, "--into", base, "-o", out});
        QCOMPARE(plain.status, 0);
        QVERIFY(plain.out.contains("1 records taken, 1 dropped"));
    }

    void importErrors() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), out = dir.filePath("out.M40");
        writeBase(base);
        const Run missing = cli({"import-csv", dir.filePath("none.csv"), "--into", base, "-o", out});
        QCOMPARE(missing.status, 4);
        QVERIFY(missing.err.contains("File Open Error"));
        QVERIFY(!QFile::exists(out));
        QFile good(base);
        QVERIFY(good.open(QIODevice::ReadOnly));
        // a header naming another variant letter fails the format check
        writeFile(dir.filePath("bad.M40"), good.readAll().replace("KT-M40E", "KT-M40X"));
        writeFile(dir.filePath("in.csv"), "");
        const Run badBase =
            cli({"import-csv", dir.filePath("in.csv"), "--into", dir.filePath("bad.M40"), "-o", out});
        QCOMPARE(badBase.status, 3);
        QCOMPARE(cli({"import-csv", dir.filePath("in.csv"), "-o", out}).status, 64);
    }
};

QTEST_GUILESS_MAIN(TestCsvCli)
#include "tst_csv_cli.moc"
