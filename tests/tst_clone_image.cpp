// The clone image: addresses, defaults, variants, file texts and the hexadecimal text rules.
#include "channels/ChannelRecord.h"
#include "image/CloneImage.h"
#include "image/HexText.h"
#include "image/TextTables.h"
#include "settings/SettingsCodec.h"
#include <QtTest>

class TestCloneImage : public QObject {
    Q_OBJECT
  private slots:
    void blockAddresses() {
        QCOMPARE(BlockAddress(0), QString("0600"));
        QCOMPARE(BlockAddress(79), QString("0FE0"));
        QCOMPARE(BlockAddress(603), QString("5160"));
        // every address equals 0x600 + 0x20 k, four digits
        for (int k = 0; k < ChannelCount; ++k)
            QCOMPARE(BlockAddress(k).toInt(nullptr, 16), 0x600 + 0x20 * k);
    }

    void defaultVfoFollowsVariant_data() {
        QTest::addColumn<int>("variant");
        QTest::addColumn<QString>("text");
        QTest::newRow("J") << int(VariantJ) << "7.050.000";
        QTest::newRow("T") << int(VariantT) << "7.100.000";
        QTest::newRow("E") << int(VariantE) << "7.100.000";
        QTest::newRow("A") << int(VariantA) << "7.100.000";
    }
    void defaultVfoFollowsVariant() {
        QFETCH(int, variant);
        QFETCH(QString, text);
        CloneImage image;
        image.Variant = variant;
        LoadDefaultVfo(image);
        for (int n = 0; n < VfoCount; ++n) {
            const VfoRecord &r = image.VfoTable[n];
            QCOMPARE(r.field[FieldFrequency].text, text);
            QCOMPARE(r.field[FieldMode].text, QString("LSB"));
            QCOMPARE(r.field[FieldMode].value, 1.0);
            QCOMPARE(r.field[FieldAGC].text, QString("Slow"));
            QCOMPARE(r.field[FieldAGC].value, 1.0);
            QCOMPARE(r.field[FieldPwr].text, QString("High"));
            QCOMPARE(r.field[FieldTone].text, QString("Off"));
        }
    }

    void fileHeadersAndMatching() {
        const TextTables &t = Tables();
        QCOMPARE(t.FileHeader[2][1], QString("Korvan KT-M40E Clone A FileStart"));
        QCOMPARE(t.FileHeader[0][0], QString("Korvan KT-M40J Clone 0 FileStart"));
        for (int v = 0; v < 4; ++v)
            for (int w = 0; w < 2; ++w) {
                QCOMPARE(t.FileHeader[v][w].size(), 32);
                int variant = -1;
                bool wide = !w;
                QVERIFY(MatchFileHeader(t.FileHeader[v][w], variant, wide));
                QCOMPARE(variant, v);
                QCOMPARE(wide, w == 1);
            }
        int variant = 9;
        bool wide = true;
        QVERIFY(!MatchFileHeader("Korvan KT-M40X Clone 0 FileStart", variant, wide));
        QVERIFY(!MatchFileHeader("korvan KT-M40J Clone 0 FileStart", variant, wide));
        QCOMPARE(variant, 9); // a failed match leaves the outputs alone
    }

    void lenientHexPairs() {
        // a digit that is not one reads as 0; beyond a short text too
        const std::tuple<const char *, int, int> pairs[] = {{"0e", 0, 14}, {"1G", 0, 1},   {"G1", 0, 0},
                                                            {" 5", 0, 5},  {"5 ", 0, 5},   {"ffA5", 1, 0xA5},
                                                            {"A5", 1, 0},  {"A5B", 1, 0xB}};
        for (const auto &[text, at, value] : pairs)
            QCOMPARE(ReadHexPair(text, at), value);
        QCOMPARE(HexByte(0xA5), QString("A5"));
        QCOMPARE(HexByte(14), QString("0E"));
        QCOMPARE(HexByte(0), QString("00"));
    }

    void newImageAndEmptying() {
        CloneImage image;
        image.Variant = VariantE;
        image.WideRange = true;
        image.ChannelUsed[5] = true;
        image.ChannelTable[5].field[FieldName] = {"X", 0};
        image.Settings[0] = 3;
        NewImage(image);
        QCOMPARE(image.Variant, int(VariantE)); // New keeps variant and range
        QVERIFY(image.WideRange);
        QCOMPARE(image.SetData1, QString(DefaultSetData1));
        QCOMPARE(image.SetData2, QString(DefaultSetData2));
        QCOMPARE(image.Settings[0], 0);
        QVERIFY(!image.ChannelUsed[5]);
        QCOMPARE(image.ChannelTable[5], ChannelEntry{});
        QCOMPARE(image.VfoTable[1].field[FieldFrequency].text, QString("7.100.000"));

        ClearTables(image);
        QVERIFY(!image.WideRange);
        QCOMPARE(image.VfoTable[0], VfoRecord{});
    }

    // Captions and identity codes are in tst_value_tables.
    void variants() {
        QCOMPARE(VariantFromLetter("e"), 2);
        QCOMPARE(VariantFromLetter("X"), -1);
        QCOMPARE(VariantFromLetter("JT"), -1);
    }
};

QTEST_GUILESS_MAIN(TestCloneImage)
#include "tst_clone_image.moc"
