// diff and verify: what differs is named by record and field; codes that differ behind the same text are
// reported, texts that differ where the records agree are not (the name, whose text is what is written, is
// compared by tst_compare_and_backups).
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/CloneFile.h"
#include "files/ImageDiff.h"
#include "files/NewImage.h"
#include "link/VerifyRecords.h"
#include "settings/SettingsCodec.h"
#include "support/CliRun.h"
#include "support/RecordText.h"
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

    // Verify in general: what differs is named by record and field.
    void aFaithfulRadioMatches() {
        const CloneImage image = sample();
        RadioRecords radio = written(image);
        QVERIFY(CompareWithRadio(image, radio).isEmpty());
        radio[0x600] = radio[0x600].toLower(); // the radio's case does not matter
        QVERIFY(CompareWithRadio(image, radio).isEmpty());
        QVERIFY(CompareWithRadio(image, {}).isEmpty()); // nothing read, nothing compared
    }

    void theSettingsPageIsWhatAWriteSends() {
        CloneImage image = sample();
        const RadioRecords radio = written(image);
        image.Settings.byName("cmbAPO") = 4; // changed on the page after the radio was written
        const QList<ImageDifference> d = CompareWithRadio(image, radio);
        QCOMPARE(d.size(), 1);
        QCOMPARE(d[0], (ImageDifference{"Settings", "Auto Power Off", "120", "Off"}));
    }

    void differencesByRecordAndField() {
        const CloneImage image = sample();
        RadioRecords radio = written(image);
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

QTEST_GUILESS_MAIN(TestCompareCodesAndTexts)
#include "tst_compare_codes_and_texts.moc"
