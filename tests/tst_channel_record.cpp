// Memory channel and VFO records, names and labels.
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/NameCharset.h"
#include "channels/VfoRecordCodec.h"
#include "image/HexText.h"
#include "support/RecordText.h"
#include <QtTest>

namespace {
QByteArray hex(const NameBytes &b) {
    return QByteArray(reinterpret_cast<const char *>(b.data()), 8).toHex(' ').toUpper();
}
} // namespace

class TestChannelRecord : public QObject {
    Q_OBJECT
  private slots:
    void decodesTheExampleAndEncodesItBack() {
        CloneImage image;
        QVERIFY(UpdateMemData(image, AbcRecord, 7));
        QVERIFY(image.ChannelUsed[7]);
        const ChannelEntry &e = image.ChannelTable[7];
        const QStringList texts = {"7.050.000", "LSB", "0",         "Fast", "High", "Wide",
                                   "Off",       "Off", "7.050.000", "ABC",  ""};
        for (int f = 0; f < ChannelFieldCount; ++f)
            QCOMPARE(e.field[f].text, texts[f]);
        QCOMPARE(e.field[FieldFrequency].value, 7050000.0);
        QCOMPARE(MakeMemData(image, 7), AbcRecord);
        // lower-case digits are read too; output is upper case
        QVERIFY(UpdateMemData(image, AbcRecord.toLower(), 8));
        QCOMPARE(MakeMemData(image, 8), AbcRecord);
    }

    void statusByteDecidesUsedAndSkip_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("used");
        QTest::addColumn<QString>("skip");
        QTest::newRow("80") << 0x80 << true << "";
        QTest::newRow("88") << 0x88 << true << "Skip";
        QTest::newRow("00") << 0x00 << false << "";
        QTest::newRow("FF") << 0xFF << false << "";
        QTest::newRow("81") << 0x81 << false << "";
    }
    void statusByteDecidesUsedAndSkip() {
        QFETCH(int, status);
        QFETCH(bool, used);
        QFETCH(QString, skip);
        CloneImage image;
        image.ChannelUsed[0] = true;
        image.ChannelTable[0].field[FieldName] = {"OLD", 0};
        QVERIFY(UpdateMemData(image, withByte(AbcRecord, 0, status), 0));
        QCOMPARE(image.ChannelUsed[0], used);
        QCOMPARE(image.ChannelTable[0].field[FieldSkip].text, skip);
        const QString encoded = MakeMemData(image, 0);
        if (used) {
            QCOMPARE(ReadHexPair(encoded, 0), status);
        } else {
            QCOMPARE(image.ChannelTable[0], ChannelEntry{}); // every slot "" and 0
            QCOMPARE(encoded, QString(64, '0'));
        }
    }

    void otherCodesKeepTheirValue() {
        QString record = withByte(withByte(withByte(AbcRecord, 7, 0x8C), 2, 7), 4, 9);
        record = withByte(withByte(withByte(record, 3, 5), 6, 2), 9, 3);
        record = withByte(withByte(withByte(record, 5, 0x11), 8, 0x22), 12, 0x33); // not kept
        CloneImage image;
        QVERIFY(UpdateMemData(image, record, 3));
        const ChannelEntry &e = image.ChannelTable[3];
        QCOMPARE(e.field[FieldTone].text, QString("On"));
        QCOMPARE(e.field[FieldGain].text, QString("+10"));
        QCOMPARE(e.field[FieldPwr].text, QString("S-Low"));
        QCOMPARE(e.field[FieldAGC].text, QString("Slow"));
        QCOMPARE(e.field[FieldFilter].text, QString("Narrow"));
        QCOMPARE(e.field[FieldNB].text, QString("On"));
        const QString encoded = MakeMemData(image, 3);
        QCOMPARE(ReadHexPair(encoded, 7), 0x8C);
        QCOMPARE(ReadHexPair(encoded, 2), 7);
        QCOMPARE(ReadHexPair(encoded, 4), 9);
        QCOMPARE(ReadHexPair(encoded, 5), 0);
        QCOMPARE(ReadHexPair(encoded, 8), 0);
        QCOMPARE(ReadHexPair(encoded, 12), 0);
    }

    void aModeAboveFiveIsRefusedAndChangesNothing() {
        CloneImage image;
        QVERIFY(UpdateMemData(image, AbcRecord, 1));
        const ChannelEntry before = image.ChannelTable[1];
        QVERIFY(!UpdateMemData(image, withByte(withByte(AbcRecord, 1, 6), 20, 0x41), 1));
        QCOMPARE(image.ChannelTable[1], before);
        // an empty record with a wild mode byte is just empty
        QVERIFY(UpdateMemData(image, withByte(withByte(AbcRecord, 1, 9), 0, 0), 2));
        QVERIFY(!image.ChannelUsed[2]);
    }

    void frequencyTexts() {
        QCOMPARE(FormatFrequencyText(7050000), QString("7.050.000"));
        QCOMPARE(FormatFrequencyText(150000), QString("0.150.000"));
        QCOMPARE(FormatFrequencyText(14195000), QString("14.195.000"));
        QCOMPARE(FormatFrequencyText(29999999), QString("29.999.999"));
        QCOMPARE(FormatFrequencyText(1600000), QString("1.600.000"));
        QCOMPARE(FormatFrequencyText(0), QString("0.000.000"));
        // a full 32-bit frequency still has its last six digits grouped
        QCOMPARE(FormatFrequencyText(4294967295LL), QString("4294.967.295"));
    }

    void frequenciesAreLittleEndianAndRounded() {
        CloneImage image;
        image.ChannelUsed[0] = true;
        image.ChannelTable[0].field[FieldFrequency].value = 14195000.4;
        image.ChannelTable[0].field[FieldSplitFreq].value = 0x12345678;
        const QString r = MakeMemData(image, 0);
        QCOMPARE(r.mid(32, 8), QString("3899D800")); // 14195000 = 0x00D89938
        QCOMPARE(r.mid(56, 8), QString("78563412"));
    }

    void namesEncodeAndDecode() {
        QCOMPARE(hex(EncodeName("CQ AB-9")), QByteArray("3C 4A 54 3A 3B 58 39 00"));
        QCOMPARE(DecodeName(EncodeName("CQ AB-9")), QString("CQ AB-9"));
        QCOMPARE(hex(EncodeName("A(B)")), QByteArray("3A 5C 3B 5D 00 00 00 00"));
        QCOMPARE(hex(EncodeName("ab")), QByteArray("00 00 00 00 00 00 00 00"));
        QCOMPARE(hex(EncodeName("AB?C")), QByteArray("3A 3B 00 00 00 00 00 00"));
        QCOMPARE(hex(EncodeName("        ")), QByteArray("54 54 54 54 54 54 54 54"));
        QCOMPARE(DecodeName(EncodeName("        ")), QString("        "));
        QCOMPARE(DecodeName({0x41, 0x00, 0x42}), QString("H"));
        QCOMPARE(DecodeName({0x2F, 0x3A}), QString());
        QCOMPARE(DecodeName({0x60, 0x3A}), QString());
        QCOMPARE(DecodeName({0xFF, 0x3A}), QString());
        QCOMPARE(DecodeName(EncodeName("ABCDEFGHIJ")), QString("ABCDEFGH"));
        QCOMPARE(hex(EncodeName("ABCDEFGHIJ")), QByteArray("3A 3B 3C 3D 3E 3F 40 41"));
    }

    void nameBytesInTheRecord() {
        CloneImage image;
        image.ChannelUsed[0] = true;
        image.ChannelTable[0].field[FieldName].text = "AB";
        const QString r = MakeMemData(image, 0);
        QCOMPARE(r.mid(40, 16), QString("3A3B000000000000"));
        CloneImage back;
        QVERIFY(UpdateMemData(back, r, 0));
        QCOMPARE(back.ChannelTable[0].field[FieldName].text, QString("AB"));
    }

    void vfoRecords() {
        const QString example = "80010000000000000000000000000000"
                                "10936B00" +
                                QString(24, '0');
        CloneImage image;
        QVERIFY(UpdateVFORecord(image, example, 1));
        const QStringList texts = {"7.050.000", "LSB", "0", "Fast", "High", "Wide", "Off", "Off"};
        for (int f = 0; f < VfoFieldCount; ++f)
            QCOMPARE(image.VfoTable[1].field[f].text, texts[f]);
        QCOMPARE(MakeVFOData(image, 1), example);

        // byte 0 is ignored on reading and written as 80; bytes 20..31 and 5, 8, 10..15 come back as 00
        QString odd = withByte(withByte(withByte(example, 0, 0xFF), 25, 0x44), 8, 0x12);
        odd = withByte(odd, 7, 0x85);
        QVERIFY(UpdateVFORecord(image, odd, 0));
        QCOMPARE(image.VfoTable[0].field[FieldTone].text, QString("On"));
        QCOMPARE(MakeVFOData(image, 0), withByte(example, 7, 0x85));

        QVERIFY(UpdateVFORecord(image, QString(64, '0'), 0));
        QCOMPARE(image.VfoTable[0].field[FieldFrequency].text, QString("0.000.000"));
        QCOMPARE(image.VfoTable[0].field[FieldMode].text, QString("USB"));

        const VfoRecord before = image.VfoTable[0];
        QVERIFY(!UpdateVFORecord(image, withByte(example, 1, 6), 0));
        QCOMPARE(image.VfoTable[0], before);
    }

    void labels() {
        QCOMPARE(RowLabel(0), QString("0"));
        QCOMPARE(RowLabel(199), QString("199"));
        QCOMPARE(RowLabel(200), QString("A  0"));
        QCOMPARE(RowLabel(210), QString("A 10"));
        QCOMPARE(RowLabel(399), QString("A199"));
        QCOMPARE(RowLabel(400), QString("A-P1"));
        QCOMPARE(RowLabel(401), QString("A-P2"));
        QCOMPARE(RowLabel(402), QString("B  0"));
        QCOMPARE(RowLabel(601), QString("B199"));
        QCOMPARE(RowLabel(603), QString("B-P2"));
        QCOMPARE(BankCaption(401), QString("Memory A"));
        QCOMPARE(ChannelLabel(401), QString("P2"));
        QCOMPARE(BankCaption(402), QString("Memory B"));
        QCOMPARE(ChannelLabel(402), QString("CH0"));
        QCOMPARE(BankCaption(199), QString("Memory"));
        QCOMPARE(ChannelLabel(199), QString("CH199"));
        QCOMPARE(ChannelLabel(602), QString("P1"));
        QCOMPARE(VfoLabel(1), QString("VFO B"));
    }
};

QTEST_GUILESS_MAIN(TestChannelRecord)
#include "tst_channel_record.moc"
