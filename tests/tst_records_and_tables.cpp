// The value tables and fixed texts the radio and its files depend on, entry by entry (written out here and
// in tests/corpus/core, never taken from the program: one changed entry fails); every code of a record
// field and every name character both ways; every item of the 29 settings lists both ways and the blocks
// around them; the start-up rules that need no window; the channel and VFO records, labels and the clone
// image around them; and properties over random records and images (fixed seeds, so a failure repeats).
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/NameCharset.h"
#include "channels/VfoRecordCodec.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/CloneImage.h"
#include "image/HexText.h"
#include "image/Messages.h"
#include "image/Startup.h"
#include "image/TextTables.h"
#include "settings/SettingsCodec.h"
#include "support/RandomImages.h"
#include "support/RecordText.h"
#include "support/TestFiles.h"
#include <QtTest>
#include <functional>
#include <random>

namespace {
const QString UsedChannel = "80" + QString(62, '0');

// The settings lists as written out in tests/corpus/core/settings-lists.tsv, not taken from the program.
struct Expected {
    QString name, label;
    int block, byte, weight, initial; // block 0: 0300, 1: 0320; weight: what item 1 puts in the byte
    QStringList items;
};

const std::vector<Expected> &expected() {
    static const std::vector<Expected> rows = [] {
        std::vector<Expected> out;
        for (const QStringList &r : corpusRows(QStringLiteral("core/settings-lists.tsv")))
            out.push_back({r[0], r[1], r[2].toInt(), r[3].toInt(), r[4].toInt(), r[5].toInt(), r.mid(6)});
        return out;
    }();
    return rows;
}

// A list of tests/corpus/core/text-tables.tsv.
QStringList textTable(const QString &name) {
    for (const QStringList &row : corpusRows(QStringLiteral("core/text-tables.tsv")))
        if (row[0] == name) return row.mid(1);
    return {};
}

// Every list at its first item: block 0300 carries only its fixed bytes A5 (byte 0) and 03 (byte 5).
QString fixedBlock(int block) {
    return block == 0 ? "A5000000000300" + QString(50, '0') : QString(64, '0');
}

// Every item of every list, and one past its last item (not in byte 23, where each list has one bit).
void addRows() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("item");
    for (int r = 0; r < int(expected().size()); ++r) {
        const Expected &e = expected()[r];
        for (int i = 0; i <= e.items.size() - (e.block == 0 && e.byte == 23 ? 1 : 0); ++i)
            QTest::addRow("%s=%d", qPrintable(e.name), i) << r << i;
    }
}

// The default blocks 0300 and 0320 as the program writes them.
const QString Defaults0300 = "A50000000003000E000000000000000000000320010101010808080000000000";
const QString Defaults0320 = "0000000000000000000001010100000000000000000000000000000000000000";

CloneImage defaults() {
    CloneImage image;
    LoadDefaultSettings(image);
    return image;
}

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

class TestRecordsAndTables : public QObject {
    Q_OBJECT
  private slots:
    void tables() {
        const TextTables &t = Tables();
        QCOMPARE(t.ModeTable, textTable("ModeTable"));
        QCOMPARE(t.DcsTable, textTable("DcsTable"));
        QCOMPARE(t.StepTable, textTable("StepTable") + QStringList(12, ""));
        QCOMPARE(t.ToneTable, expected()[size_t(SettingsListIndex("cmbTone"))].items);
        QCOMPARE(t.FileEndLine, QString("Korvan  KT-M40  Clone  File  End"));
        QCOMPARE(t.AppTitle, QString("Korvan KT-M40 Clone Utility"));
    }

    void messagesAndVariants() {
        QCOMPARE(QStringList({CommunicationErrorText, ComPortErrorText, DataErrorText, FileOpenErrorText,
                              ErrorTitle, SaveQuestionText, SaveQuestionTitle, OutOfRangeText}),
                 QStringList({"Communication Error", "COM Port Error", "Data Error", "File Open Error",
                              "ERROR", "Save changes to settings?", "Save Changes",
                              "The frequency is outside the range. "}));
    }

    // The cases of tests/corpus/core/text-rules.tsv.
    void textRules() {
        using Args = const QStringList &;
        using Rule = std::function<QString(Args)>;
        const QMap<QString, Rule> rules = {
            {"frequency text", [](Args a) { return FormatFrequencyText(a[0].toLongLong()); }},
            {"hex pair", [](Args a) { return QString::number(ReadHexPair(a[0], a[1].toInt())); }},
            {"hex byte", [](Args a) { return HexByte(a[0].toInt()); }},
            {"block address", [](Args a) { return BlockAddress(a[0].toInt()); }},
            {"command line", [](Args a) { return StartupFileFromCommandLine(a[0]); }},
            {"arguments", [](Args a) { return StartupFileFromArguments(a); }},
            {"variant caption", [](Args a) { return VariantCaption(a[0].toInt()); }},
            {"variant of id code", [](Args a) { return QString::number(VariantFromIdCode(a[0])); }},
            {"variant of letter", [](Args a) { return QString::number(VariantFromLetter(a[0])); }},
            {"string", [](Args a) { return ResString(a[0].toInt(), *LanguageFromCode(a[1])); }}};
        const QList<QStringList> rows = corpusRows(QStringLiteral("core/text-rules.tsv"));
        QVERIFY(rows.size() > 50);
        for (const QStringList &row : rows) {
            QVERIFY2(rules.contains(row[0]), qPrintable(row[0]));
            const QString got = rules[row[0]](row.mid(1, row.size() - 2));
            QVERIFY2(got == row.last(), qPrintable(row.join(" | ") + " gives " + got));
        }
    }

    // Every code 0..255 of each coded field shows its text and is written back unchanged.
    void everyCodeOfEveryField() {
        struct Field {
            int field, byte;
            QStringList texts; // by code; the last one for every code beyond
            int below = 0;     // tone: the first code that shows the last text
        };
        const QList<Field> fields = {
            {FieldGain, 2, {"0", "-10", "-20", "+10"}}, {FieldAGC, 3, {"Fast", "Slow"}},
            {FieldPwr, 4, {"High", "Low", "S-Low"}},    {FieldFilter, 6, {"Wide", "Narrow"}},
            {FieldTone, 7, {"Off", "On"}, 128},         {FieldNB, 9, {"Off", "On"}}};
        for (const Field &f : fields)
            for (int code = 0; code < 256; ++code) {
                const QString record = withByte(UsedChannel, f.byte, code);
                CloneImage image;
                QVERIFY(UpdateMemData(image, record, 0));
                const int at = f.below ? (code < f.below ? 0 : 1) : qMin(code, int(f.texts.size()) - 1);
                QCOMPARE(image.ChannelTable[0].field[f.field].text, f.texts[at]);
                QCOMPARE(image.ChannelTable[0].field[f.field].value, double(code));
                QCOMPARE(MakeMemData(image, 0), record);
            }
        const QStringList modes = textTable("ModeTable");
        for (int code = 0; code < 256; ++code) {
            CloneImage image;
            QCOMPARE(UpdateMemData(image, withByte(UsedChannel, 1, code), 0), code < 6);
            if (code < 6) QCOMPARE(image.ChannelTable[0].field[FieldMode].text, modes.value(code));
        }
    }

    // Every one of the 48 characters to its code and back, in the middle of a name; any other code ends the
    // name wherever it stands; lower-case letters and every other printable character cut it there.
    void everyNameCharacterAndCode() {
        for (int code = 0; code < 256; ++code) {
            const bool inSet = code >= 0x30 && code <= 0x5F;
            QCOMPARE(DecodeName({0x3A, std::uint8_t(code), 0x3B}).size(), inSet ? 3 : 1);
            QCOMPARE(DecodeName({std::uint8_t(code), 0x3A}).isEmpty(), !inSet);
        }
        int characters = 0;
        for (char c = 0x20; c < 0x7F; ++c) {
            const QString text = QStringLiteral("AB") + QLatin1Char(c) + QStringLiteral("CD");
            const NameBytes bytes = EncodeName(text);
            const std::uint8_t code = std::uint8_t(NameCodeOf(c));
            QCOMPARE(bytes, (code ? NameBytes{0x3A, 0x3B, code, 0x3C, 0x3D} : NameBytes{0x3A, 0x3B}));
            if (code) QCOMPARE(DecodeName(bytes), text);
            characters += code ? 1 : 0;
        }
        QCOMPARE(characters, 48);
        QCOMPARE(EncodeName(QString::fromUtf8("AÄB")), (NameBytes{0x3A, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(StorableName("CQ*#DX?"), QString("CQ*#DX"));
    }

    void stringTable() {
        // every id, in both languages of the string table
        const QList<int> ids = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009,
                                1010, 1011, 1012, 1013, 1014, 1016, 1017, 1018, 1019, 1021,
                                1100, 1201, 1202, 1203, 1204, 1205, 1206, 1207};
        for (int id : ids) {
            QVERIFY2(!ResString(id, UiLanguage::English).isEmpty(), qPrintable(QString::number(id)));
            QVERIFY2(ResString(id, UiLanguage::English) != ResString(id, UiLanguage::Japanese),
                     qPrintable(QString::number(id)));
        }
    }

    void columnWidths() {
        const auto &w = ColumnWidths();
        QCOMPARE(w[0], 650);
        QCOMPARE(w[3], 450);
        QCOMPARE(w[11], 600);
        QCOMPARE(w[13], 500);
        QCOMPARE(TwipsToPixels(900), 60);
        QCOMPARE(TwipsToPixels(650), 43);
    }

    // The settings lists and their blocks.
    // In page order (which decides the lists a bad byte stops), with their labels, items and the item each
    // shows before the first decode.
    void listsInPageOrderWithTheirLabelsAndItems() {
        const auto &lists = SettingsLists();
        const SettingsSelection initial = InitialSettingsSelection();
        QCOMPARE(int(lists.size()), int(expected().size()));
        for (int r = 0; r < int(expected().size()); ++r) {
            const Expected &e = expected()[r];
            QCOMPARE(lists[r].name, e.name);
            QCOMPARE(lists[r].label, e.label);
            QCOMPARE(lists[r].items, e.items);
            QCOMPARE(initial.byName(e.name), e.initial);
        }
    }

    void everyItemBothWays_data() { addRows(); }
    void everyItemBothWays() {
        QFETCH(int, row);
        QFETCH(int, item);
        const Expected &e = expected()[row];
        QString blocks[2] = {fixedBlock(0), fixedBlock(1)};
        blocks[e.block] = withByte(blocks[e.block], e.byte, item * e.weight);
        CloneImage decoded;
        decoded.SetData1 = blocks[0];
        decoded.SetData2 = blocks[1];
        // one past the last item names nothing: the decode stops at that list
        if (item == e.items.size()) {
            QCOMPARE(UpdateSetData(decoded), row);
            return;
        }
        // encoded from a page with every other list at its first item
        CloneImage image;
        for (int i = 0; i < SettingsListCount; ++i)
            image.Settings[i] = 0;
        image.Settings.byName(e.name) = item;
        MakeSetData(image);
        QCOMPARE(image.SetData1, blocks[0]);
        QCOMPARE(image.SetData2, blocks[1]);
        // and decoded into that one selection
        QCOMPARE(UpdateSetData(decoded), -1);
        for (const Expected &other : expected())
            QCOMPARE(decoded.Settings.byName(other.name), &other == &e ? item : 0);
    }

    // The blocks around the lists.
    // The defaults decode and encode back (their items: tst_print_document's printed settings); the fixed
    // bytes come back fixed whatever the block held there.
    void defaultsDecodeAndEncodeBack() {
        CloneImage image = defaults();
        image.SetData1 = withByte(withByte(withByte(image.SetData1, 1, 0x12), 0, 0x00), 31, 0x77);
        image.SetData2 = withByte(image.SetData2, 20, 0xFF);
        QCOMPARE(UpdateSetData(image), -1);
        MakeSetData(image);
        QCOMPARE(image.SetData1, Defaults0300); // A5 at 0, 03 at 5, the other fixed bytes 00
        QCOMPARE(image.SetData2, Defaults0320);
    }

    void keyerAndPaddleShareByte23() {
        // byte 23 read, keyer, paddle, byte 23 written: bits 1 to 6 are dropped
        const std::array<int, 4> cases[] = {{0x81, 1, 1, 0x81}, {0x7F, 1, 0, 0x01}};
        for (const auto &[read, keyer, paddle, written] : cases) {
            CloneImage image = defaults();
            image.SetData1 = withByte(image.SetData1, 23, read);
            QCOMPARE(UpdateSetData(image), -1);
            QCOMPARE(image.Settings.byName("cmbElekey"), keyer);
            QCOMPARE(image.Settings.byName("cmbPaddle"), paddle);
            MakeSetData(image);
            QCOMPARE(ReadHexPair(image.SetData1, 23), written);
        }
    }

    void aByteBeyondItsListStopsThere() {
        CloneImage image = defaults();
        // start from other selections, then decode a block whose dimmer byte is 0x41
        image.Settings.byName("cmbRit") = 2;     // before the dimmer: takes the new value
        image.Settings.byName("cmbDimmer") = 64; // keeps its selection
        image.Settings.byName("cmbBeep") = 0;    // after it: keeps its selection
        image.Settings.byName("cmbFunc") = 1;    // in the other block, after it: keeps its selection
        image.SetData1 = withByte(withByte(image.SetData1, 19, 0x41), 20, 0x01);
        QCOMPARE(UpdateSetData(image), SettingsListIndex("cmbDimmer"));
        QCOMPARE(image.Settings.byName("cmbRit"), 0);
        QCOMPARE(image.Settings.byName("cmbDimmer"), 64);
        QCOMPARE(image.Settings.byName("cmbBeep"), 0);
        QCOMPARE(image.Settings.byName("cmbFunc"), 1);
    }

    void shortAndLowerCaseTexts() {
        CloneImage image = defaults();
        image.SetData1 = "a5000000000300"; // the missing pairs read as 0
        image.SetData2 = QString();
        QCOMPARE(UpdateSetData(image), -1);
        QCOMPARE(image.Settings.byName("cmbWPM"), 0);
        QCOMPARE(image.Settings.byName("cmbScanSkip"), 0);
    }

    // Memory channel and VFO records.
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

    // The status byte: 80 used, 88 used and skipped, anything else empty (every slot "" and 0).
    void statusByteDecidesUsedAndSkip() {
        for (const auto &[status, skip] :
             {std::pair{0x80, ""}, {0x88, "Skip"}, {0x00, ""}, {0xFF, ""}, {0x81, ""}}) {
            CloneImage image;
            image.ChannelUsed[0] = true;
            image.ChannelTable[0].field[FieldName] = {"OLD", 0};
            QVERIFY(UpdateMemData(image, withByte(AbcRecord, 0, status), 0));
            const bool used = status == 0x80 || status == 0x88;
            QVERIFY2(image.ChannelUsed[0] == used, qPrintable(HexByte(status)));
            QCOMPARE(image.ChannelTable[0].field[FieldSkip].text, QString(skip));
            if (!used) QCOMPARE(image.ChannelTable[0], ChannelEntry{});
            QCOMPARE(MakeMemData(image, 0), used ? withByte(AbcRecord, 0, status) : QString(64, '0'));
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

    // Frequencies are written little-endian (the example record shows it too), a fraction of a hertz rounded.
    void frequencyRounded() {
        CloneImage image;
        image.ChannelUsed[0] = true;
        image.ChannelTable[0].field[FieldFrequency].value = 14195000.4;
        QCOMPARE(MakeMemData(image, 0).mid(32, 8), QString("3899D800")); // 14195000 = 0x00D89938
    }

    // What the one-character names above do not show: eight blanks stay a name, a ninth character is cut,
    // a lower-case start leaves no name.
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
        const QList<QStringList> rows = corpusRows(QStringLiteral("core/channel-labels.tsv"));
        QVERIFY(rows.size() > 10);
        for (const QStringList &row : rows)
            QCOMPARE(QStringList({RowLabel(row[0].toInt()), BankCaption(row[0].toInt()),
                                  ChannelLabel(row[0].toInt())}),
                     row.mid(1));
        QCOMPARE(VfoLabel(1), QString("VFO B"));
    }

    // The image around the records.
    void blockAddresses() {
        // every address equals 0x600 + 0x20 k
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
        QCOMPARE(image.SetData1, Defaults0300);
        QCOMPARE(image.SetData2, Defaults0320);
        QCOMPARE(image.Settings[0], 0);
        QVERIFY(!image.ChannelUsed[5]);
        QCOMPARE(image.ChannelTable[5], ChannelEntry{});
        QCOMPARE(image.VfoTable[1].field[FieldFrequency].text, QString("7.100.000"));

        ClearTables(image);
        QVERIFY(!image.WideRange);
        QCOMPARE(image.VfoTable[0], VfoRecord{});
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
            CloneImage image = RandomImage(rng, {true, 70, true});
            for (int list = 0; list < SettingsListCount; ++list)
                image.Settings[list] = int(rng() % unsigned(SettingsLists()[list].items.size()));
            const QByteArray bytes = CloneFileBytes(image);
            CloneImage back = NewCloneImage();
            QCOMPARE(ParseCloneFile(bytes, back).status, FileStatus::Ok);
            QCOMPARE(back, image);
            QCOMPARE(CloneFileBytes(back), bytes);
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordsAndTables)
#include "tst_records_and_tables.moc"
