// The clone file: save, open, every format check and what a refused file leaves behind.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include "settings/SettingsCodec.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString Example = "88010201010001850001000000000000"
                        "3899D800"
                        "3C4A543A3B583900"
                        "B0A96D00";

CloneImage sample() {
    CloneImage image = NewCloneImage(VariantT, true);
    image.Settings.byName("cmbDimmer") = 64;
    image.Settings.byName("cmbFunc") = 1;
    UpdateMemData(image, Example, 0);
    UpdateMemData(image, Example, 603);
    UpdateVFORecord(image,
                    "80050000000000000000000000000000"
                    "3899D800" +
                        QString(24, '0'),
                    1);
    return image;
}

QList<QByteArray> lines(const QByteArray &bytes) {
    QList<QByteArray> out = bytes.split('\n');
    out.removeLast();
    for (QByteArray &l : out)
        l.chop(1);
    return out;
}

QByteArray join(const QList<QByteArray> &ls, const char *end = "\r\n") {
    QByteArray out;
    for (const QByteArray &l : ls)
        out += l + end;
    return out;
}
} // namespace

class TestCloneFile : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;

  private slots:
    void layoutOfASavedFile() {
        CloneImage image = sample();
        const QByteArray bytes = CloneFileBytes(image);
        const QList<QByteArray> ls = lines(bytes);
        QCOMPARE(ls.size(), 610);
        QVERIFY(bytes.endsWith("Korvan  KT-M40  Clone  File  End\r\n"));
        QCOMPARE(bytes.count("\r\n"), 610);
        QCOMPARE(ls[0], QByteArray("Korvan KT-M40T Clone A FileStart"));
        QCOMPARE(ls[1].mid(38, 2), QByteArray("40")); // dimmer 64 encoded on save
        QCOMPARE(ls[5], Example.toLatin1());
        QCOMPARE(ls[608], Example.toLatin1());
        QCOMPARE(ls[6], QByteArray(64, '0'));
    }

    void saveThenOpenRestoresEverythingByteForByte() {
        CloneImage image = sample();
        const QString path = dir.filePath("round.M40");
        QCOMPARE(SaveCloneFile(path, image), FileStatus::Ok);
        CloneImage back = NewCloneImage();
        const CloneFileLoad load = LoadCloneFile(path, back);
        QCOMPARE(load.status, FileStatus::Ok);
        QVERIFY(load.variantSelected);
        QCOMPARE(back, image);
        const QString again = dir.filePath("again.M40");
        QCOMPARE(SaveCloneFile(again, back), FileStatus::Ok);
        QCOMPARE(readFile(again), readFile(path));
    }

    // The line lengths, the header and the end line are checked one by one in tst_clone_file_checks.
    void refusedFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        CloneImage image = sample();
        const QList<QByteArray> ls = lines(CloneFileBytes(image));
        auto edited = [&](int line, int at, const QByteArray &text) {
            QList<QByteArray> other = ls;
            other[line].replace(at, text.size(), text);
            return join(other);
        };
        QTest::newRow("empty") << QByteArray() << int(FileStatus::FileOpenError);
        QTest::newRow("a very long line")
            << edited(100, 0, QByteArray(100000, 'A')) << int(FileStatus::DataError);
        QTest::newRow("mode beyond the table") << edited(200, 0, "8006") << int(FileStatus::DataError);
        QTest::newRow("VFO mode beyond the table") << edited(4, 2, "09") << int(FileStatus::DataError);
        QTest::newRow("dimmer beyond its list") << edited(1, 38, "41") << int(FileStatus::DataError);
    }
    void refusedFilesChangeNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        CloneImage image = NewCloneImage();
        const CloneImage before = image;
        const CloneFileLoad load = ParseCloneFile(bytes, image);
        QCOMPARE(int(load.status), status);
        QVERIFY(!load.variantSelected);
        QCOMPARE(image, before);
    }

    void tolerantReading() {
        CloneImage image = sample();
        const QList<QByteArray> ls = lines(CloneFileBytes(image));
        // LF-only line ends, lines after the end line, no line end after the end line
        for (const QByteArray &bytes :
             {join(ls, "\n"), join(ls) + "extra line\r\nmore\r\n", join(ls).chopped(2)}) {
            CloneImage back;
            QCOMPARE(ParseCloneFile(bytes, back).status, FileStatus::Ok);
            QCOMPARE(back, image);
        }
        QList<QByteArray> lower = ls;
        lower[5] = lower[5].toLower();
        CloneImage d;
        QCOMPARE(ParseCloneFile(join(lower), d).status, FileStatus::Ok);
        QCOMPARE(d.ChannelTable[0], image.ChannelTable[0]);
    }

    void fileErrors() {
        CloneImage image = sample();
        const CloneImage before = image;
        QCOMPARE(LoadCloneFile(dir.filePath("missing.M40"), image).status, FileStatus::FileOpenError);
        QCOMPARE(image, before);
        QString detail;
        QCOMPARE(SaveCloneFile(dir.filePath("no/such/folder/x.M40"), image, &detail),
                 FileStatus::FileOpenError);
        QVERIFY(!detail.isEmpty());
    }

    void failedSaveKeepsThePreviousFile() {
        CloneImage image = sample();
        const QTemporaryDir own;
        const QString path = own.filePath("kept.M40");
        QCOMPARE(SaveCloneFile(path, image), FileStatus::Ok);
        const QByteArray saved = readFile(path);
        image.ChannelUsed[0] = false;
        QString detail;
        FileStatus status;
        {
            const FileSizeLimit full(1000); // the disk fills up part-way through the new file
            status = SaveCloneFile(path, image, &detail);
        }
        QCOMPARE(status, FileStatus::FileOpenError);
        QVERIFY2(detail.contains("File too large"), qPrintable(detail));
        QCOMPARE(readFile(path), saved);
        QCOMPARE(QDir(own.path()).entryList(QDir::Files),
                 QStringList{"kept.M40"}); // no half-written file left
    }
};

QTEST_GUILESS_MAIN(TestCloneFile)
#include "tst_clone_file.moc"
