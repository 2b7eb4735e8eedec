// Memory channel and VFO records, names and labels; the clone image around them: addresses, defaults,
// variants and the hexadecimal text rules. Properties over many random cases (fixed seeds, so a failure
// repeats): a record decoded and encoded again gives the record back in the form the program writes; a
// random image goes through the clone file whole.
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/NameCharset.h"
#include "channels/VfoRecordCodec.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/CloneImage.h"
#include "image/HexText.h"
#include "image/TextTables.h"
#include "settings/SettingsCodec.h"
#include "support/RecordText.h"
#include <QtTest>
#include <random>

namespace {
using Bytes = std::array<std::uint8_t, 32>;

QString text(const Bytes &b) {
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(b.data()), 32).toHex().toUpper());
}

// A random record: any bytes, a mode the radio has, and a name of radio codes up to a random end.
Bytes randomRecord(std::mt19937 &rng, std::uint8_t status) {
    Bytes b;
    for (auto &x : b)
        x = std::uint8_t(rng());
    b[0] = status;
    b[1] = std::uint8_t(rng() % 6);
    const int nameLength = int(rng() % 9);
    for (int i = 0; i < 8; ++i)
        if (i < nameLength) b[20 + i] = std::uint8_t(0x30 + rng() % 48);
    return b;
}

// What the program writes for a record it read: the bytes it does not keep become 00, and so does the
// name from its first code that is no character.
Bytes writtenForm(Bytes b, bool vfo) {
    const bool used = b[0] == 0x80 || b[0] == 0x88;
    if (!vfo && !used) return Bytes{};
    for (int i : {5, 8, 10, 11, 12, 13, 14, 15})
        b[i] = 0;
    if (vfo) {
        b[0] = 0x80;
        for (int i = 20; i < 32; ++i)
            b[i] = 0;
        return b;
    }
    bool ended = false;
    for (int i = 20; i < 28; ++i) {
        ended = ended || b[i] < 0x30 || b[i] > 0x5F;
        if (ended) b[i] = 0;
    }
    return b;
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
        // a full 32-bit frequency still has its last six digits grouped
        const std::pair<qint64, const char *> texts[] = {
            {7050000, "7.050.000"},        {150000, "0.150.000"},  {14195000, "14.195.000"},
            {29999999, "29.999.999"},      {1600000, "1.600.000"}, {0, "0.000.000"},
            {4294967295LL, "4294.967.295"}};
        for (const auto &[hz, text] : texts)
            QCOMPARE(FormatFrequencyText(hz), QString(text));
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

    // What the one-character names of tst_value_tables do not show: eight blanks stay a name, a ninth
    // character is cut, a lower-case start leaves no name.
    void namesEncodeAndDecode() {
        QCOMPARE(EncodeName("        "), (NameBytes{0x54, 0x54, 0x54, 0x54, 0x54, 0x54, 0x54, 0x54}));
        QCOMPARE(DecodeName(EncodeName("        ")), QString("        "));
        QCOMPARE(EncodeName("ABCDEFGHIJ"), (NameBytes{0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41}));
        QCOMPARE(DecodeName(EncodeName("ABCDEFGHIJ")), QString("ABCDEFGH"));
        QCOMPARE(EncodeName("ab"), NameBytes{});
    }

    void vfoRecords() {
        const QString example = "8001000000000000000000000000000010936B00" + QString(24, '0');
        CloneImage image;
        QVERIFY(UpdateVFORecord(image, example, 1));
        const QStringList texts = {"7.050.000", "LSB", "0", "Fast", "High", "Wide", "Off", "Off"};
        for (int f = 0; f < VfoFieldCount; ++f)
            QCOMPARE(image.VfoTable[1].field[f].text, texts[f]);
        QCOMPARE(MakeVFOData(image, 1), example);

        QVERIFY(UpdateVFORecord(image, QString(64, '0'), 0));
        QCOMPARE(image.VfoTable[0].field[FieldFrequency].text, QString("0.000.000"));
        QCOMPARE(image.VfoTable[0].field[FieldMode].text, QString("USB"));

        const VfoRecord before = image.VfoTable[0];
        QVERIFY(!UpdateVFORecord(image, withByte(example, 1, 6), 0));
        QCOMPARE(image.VfoTable[0], before);
    }

    void labels() {
        // the grid's row label, the edit dialog's bank caption and channel label
        const std::tuple<int, const char *, const char *, const char *> labels[] = {
            {0, "0", "Memory", "CH0"},          {199, "199", "Memory", "CH199"},
            {200, "A  0", "Memory A", "CH0"},   {210, "A 10", "Memory A", "CH10"},
            {399, "A199", "Memory A", "CH199"}, {400, "A-P1", "Memory A", "P1"},
            {401, "A-P2", "Memory A", "P2"},    {402, "B  0", "Memory B", "CH0"},
            {601, "B199", "Memory B", "CH199"}, {602, "B-P1", "Memory B", "P1"},
            {603, "B-P2", "Memory B", "P2"}};
        for (const auto &[k, row, bank, channel] : labels) {
            QCOMPARE(RowLabel(k), QString(row));
            QCOMPARE(BankCaption(k), QString(bank));
            QCOMPARE(ChannelLabel(k), QString(channel));
        }
        QCOMPARE(VfoLabel(1), QString("VFO B"));
    }

    // The image around the records.
    void blockAddresses() {
        QCOMPARE(BlockAddress(0), QString("0600"));
        QCOMPARE(BlockAddress(79), QString("0FE0"));
        QCOMPARE(BlockAddress(603), QString("5160"));
        // every address equals 0x600 + 0x20 k, four digits
        for (int k = 0; k < ChannelCount; ++k)
            QCOMPARE(BlockAddress(k).toInt(nullptr, 16), 0x600 + 0x20 * k);
    }

    // Both VFOs: used, LSB, gain 0, AGC Slow, High, Wide, tone and NB off, at 7.050 MHz (J) or 7.100 MHz.
    void defaultVfoFollowsVariant() {
        for (const auto &[variant, hz] : {std::pair{int(VariantJ), "10936B00"},
                                          {int(VariantT), "60566C00"},
                                          {int(VariantE), "60566C00"},
                                          {int(VariantA), "60566C00"}}) {
            CloneImage image;
            image.Variant = variant;
            LoadDefaultVfo(image);
            for (int n = 0; n < VfoCount; ++n)
                QCOMPARE(MakeVFOData(image, n),
                         "80010001000000000000000000000000" + QString(hz) + QString(24, '0'));
        }
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
        QCOMPARE(image.SetData1, QString("A50000000003000E000000000000000000000320010101010808080000000000"));
        QCOMPARE(image.SetData2, QString("0000000000000000000001010100000000000000000000000000000000000000"));
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

    // Properties over random records and images.
    void recordsComeBackInTheirWrittenForm() {
        std::mt19937 rng(1234);
        for (int i = 0; i < 5000; ++i) {
            const std::uint8_t statuses[] = {0x80, 0x88, std::uint8_t(rng())};
            const Bytes b = randomRecord(rng, statuses[i % 3]);
            CloneImage image;
            QVERIFY(UpdateMemData(image, text(b), i % ChannelCount));
            QCOMPARE(MakeMemData(image, i % ChannelCount), text(writtenForm(b, false)));
            QVERIFY(UpdateVFORecord(image, text(b), i % 2));
            QCOMPARE(MakeVFOData(image, i % 2), text(writtenForm(b, true)));
        }
    }

    void randomImagesThroughTheCloneFile() {
        std::mt19937 rng(99);
        for (int round = 0; round < 20; ++round) {
            CloneImage image = NewCloneImage(int(rng() % 4), rng() % 2);
            for (int list = 0; list < SettingsListCount; ++list)
                image.Settings[list] = int(rng() % unsigned(SettingsLists()[list].items.size()));
            for (int n = 0; n < VfoCount; ++n)
                QVERIFY(UpdateVFORecord(image, text(randomRecord(rng, 0x80)), n));
            for (int k = 0; k < ChannelCount; ++k)
                QVERIFY(UpdateMemData(image, text(randomRecord(rng, rng() % 2 ? 0x80 : 0x88)), k));
            const QByteArray bytes = CloneFileBytes(image);
            CloneImage back = NewCloneImage();
            QCOMPARE(ParseCloneFile(bytes, back).status, FileStatus::Ok);
            QCOMPARE(back, image);
            QCOMPARE(CloneFileBytes(back), bytes);
        }
    }
};

QTEST_GUILESS_MAIN(TestChannelRecord)
#include "tst_channel_record.moc"
