// diff and verify judge what the radio would hold: codes that differ behind the same text are reported,
// and texts that differ where the records agree are not (the name, whose text is what is written, is
// compared by tst_compare_and_backups).
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/CloneFile.h"
#include "files/ImageDiff.h"
#include "link/VerifyRecords.h"
#include "support/CliRun.h"
#include "support/RecordText.h"
#include "support/WrittenRecords.h"
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
} // namespace

class TestCompareCodesAndTexts : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;

  private slots:
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

    // The command-line diff on two files that differ only in a code behind the same text.
    void cliDiffOfFilesWithTheSameTexts() {
        CloneImage a = withChannel(Channel, 7), b = withChannel(withByte(Channel, 7, 0x8C), 7);
        const QString fa = dir.filePath("a.M40"), fb = dir.filePath("b.M40");
        QCOMPARE(SaveCloneFile(fa, a), FileStatus::Ok);
        QCOMPARE(SaveCloneFile(fb, b), FileStatus::Ok);
        const CliResult r = runCli({"diff", fa, fb});
        QCOMPARE(r.exitCode, 5);
        QVERIFY2(r.out.contains("Tone"), r.out.constData());
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
};

QTEST_GUILESS_MAIN(TestCompareCodesAndTexts)
#include "tst_compare_codes_and_texts.moc"
