// Verify's comparison of records read back from the radio with what a write would send.
#include "channels/ChannelRecord.h"
#include "link/VerifyRecords.h"
#include "support/RecordText.h"
#include "support/WrittenRecords.h"
#include <QtTest>

namespace {
CloneImage sample() {
    CloneImage image = NewCloneImage();
    UpdateMemData(image, AbcRecord, 0);
    UpdateMemData(image, AbcRecord, 401);
    return image;
}
} // namespace

class TestVerifyRecords : public QObject {
    Q_OBJECT
  private slots:
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
        QCOMPARE(d[0].record, QString("VFO A"));
        QCOMPARE(d[0].field, QString("Other bytes"));
        QCOMPARE(d[1], (ImageDifference{"VFO B", "NB", "Off (0)", "On (1)"}));
        QCOMPARE(d[2], (ImageDifference{"0", "Mode", "LSB", "code 7 (no such mode)"}));
        QCOMPARE(d[3].record, QString("7"));
        QCOMPARE(d[3].field, QString("Used"));
        QCOMPARE(d[3].first, QString("empty"));
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

QTEST_GUILESS_MAIN(TestVerifyRecords)
#include "tst_verify_records.moc"
