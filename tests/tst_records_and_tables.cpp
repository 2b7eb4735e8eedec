// The channels and their records, without the window. The value tables and fixed texts the radio and its
// files depend on, entry by entry (written out here and in tests/corpus/core, never taken from the program:
// one changed entry fails); every code of a record field and every name character both ways; every item of
// the 29 settings lists both ways and the blocks around them; the start-up rules that need no window; the
// channel and VFO records, labels and the clone image around them; properties over random records and
// images (fixed seeds, so a failure repeats). Then the Edit menu's work: the edit dialog (what it shows,
// what its OK stores, the typing rules of its boxes); Set Field, Sort and Find; the clipboard; the window's
// document and its undo history (steps as differences of the image, their names, the file state they
// carry, DataChanged).
#include "channels/ChannelBulkEdit.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelEdit.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/FrequencyEntry.h"
#include "channels/NameCharset.h"
#include "channels/VfoRecordCodec.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/CloneDocument.h"
#include "image/CloneImage.h"
#include "image/HexText.h"
#include "image/Messages.h"
#include "image/Startup.h"
#include "image/TextTables.h"
#include "image/UndoHistory.h"
#include "settings/SettingsCodec.h"
#include "support/RandomImages.h"
#include "support/RecordText.h"
#include "support/TestFiles.h"
#include <QSignalSpy>
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

// Boxes as one text, so that a failure shows them.
QString boxes(const FrequencyBoxes &b) {
    return b.mhz + QLatin1Char('/') + b.khz + QLatin1Char('/') + b.hz;
}

// The list fields' selections: mode, gain, AGC, power, filter, tone, NB.
QList<int> selections(const EditFields &f) {
    return {f.mode, f.gain, f.agc, f.power, f.filter, f.tone, f.nb};
}

// A used channel as the dialog stores it; a split of 0 is the frequency.
void makeChannel(CloneImage &image, int k, qint64 hz, const QString &name, int mode = 1, bool skip = false,
                 int tone = 0, qint64 split = 0) {
    EditFields e = NewChannelFields(image.Variant);
    e.frequency = SplitFrequency(hz);
    e.split = SplitFrequency(split ? split : hz);
    e.mode = mode;
    e.name = name;
    e.skip = skip;
    e.tone = tone;
    QVERIFY(ApplyEditFields(image, EditSource::Memory, k, e, nullptr));
}
// The names of channels 50 to 54, "<empty>" for an empty one.
QStringList names(const CloneImage &image) {
    QStringList out;
    for (int k = 50; k <= 54; ++k)
        out << (image.ChannelUsed[k] ? image.ChannelTable[k].field[FieldName].text
                                     : QStringLiteral("<empty>"));
    return out;
}
void putChannel(CloneImage &image, int k, qint64 hz, const QString &name) {
    image.ChannelTable[k].field[FieldFrequency] = {FormatFrequencyText(hz), double(hz)};
    image.ChannelTable[k].field[FieldName] = {name, 0};
    image.ChannelUsed[k] = true;
}
} // namespace

class TestRecordsAndTables : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { BuildTextTables(); }

    void tables() {
        const TextTables &t = Tables();
        QCOMPARE(t.ModeTable, textTable("ModeTable"));
        QCOMPARE(t.DcsTable, textTable("DcsTable"));
        QCOMPARE(t.StepTable, textTable("StepTable") + QStringList(12, ""));
        QCOMPARE(t.ToneTable, expected()[size_t(SettingsListIndex("cmbTone"))].items);
        QCOMPARE(t.FileEndLine, QString("Korvan  KT-M40  Clone  File  End"));
        QCOMPARE(t.AppTitle, QString("Korvan KT-M40 Clone Utility"));
    }

    void messageTexts() {
        QCOMPARE(QStringList({CommunicationErrorText, ComPortErrorText, DataErrorText, FileOpenErrorText,
                              ErrorTitle, SaveQuestionText, SaveQuestionTitle, OutOfRangeText}),
                 QStringList({"Communication Error", "COM Port Error", "Data Error", "File Open Error",
                              "ERROR", "Save changes to settings?", "Save Changes",
                              "The frequency is outside the range. "}));
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
        // a fraction of a hertz is rounded
        image.ChannelTable[8].field[FieldFrequency].value = 14195000.4;
        QCOMPARE(MakeMemData(image, 8).mid(32, 8), QString("3899D800")); // 14195000 = 0x00D89938
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

    // The Edit menu's work on channels.
    void newChannelDefaultsFollowVariant() {
        const EditFields fj = EditFieldsFor(NewCloneImage(VariantJ), EditSource::Memory, 5);
        QCOMPARE(boxes(fj.frequency), QStringLiteral("7/050/000"));
        QCOMPARE(boxes(fj.split), boxes(fj.frequency));
        QCOMPARE(selections(fj), (QList<int>{1, 0, 1, 0, 0, 0, 0})); // LSB, 0, Slow, High, Wide, Off, Off
        QVERIFY(!fj.skip);
        QVERIFY(fj.name.isEmpty());
        for (int v : {VariantT, VariantE, VariantA}) {
            const EditFields f = EditFieldsFor(NewCloneImage(v), EditSource::Memory, 0);
            QCOMPARE(boxes(f.frequency), QStringLiteral("7/100/000"));
            QCOMPARE(boxes(f.split), boxes(f.frequency));
        }
    }

    // The tone is on from byte 128 (bit 7) up, whatever the other bits hold.
    void usedChannelShowsItsFields() {
        for (const auto &[byte, tone] : {std::pair{"00", 0}, {"7F", 0}, {"80", 1}, {"8C", 1}, {"FF", 1}}) {
            CloneImage image = NewCloneImage();
            // 14.195 MHz USB, gain -20, Fast, S-Low, Narrow, the tone byte, NB on, split 14.200, "DX", skip
            QVERIFY(UpdateMemData(image,
                                  "88000200020001" + QString(byte) + "0001000000000000" +
                                      "3899D8003D51000000000000C0ACD800",
                                  3));
            const EditFields f = EditFieldsFor(image, EditSource::Memory, 3);
            QCOMPARE(boxes(f.frequency), QStringLiteral("14/195/000"));
            QCOMPARE(boxes(f.split), QStringLiteral("14/200/000"));
            QCOMPARE(selections(f), (QList<int>{0, 2, 0, 2, 1, tone, 1}));
            QVERIFY(f.skip);
            QCOMPARE(f.name, QStringLiteral("DX"));
        }
    }

    // Codes outside a list show no item and are stored back as they were; the tone keeps only its top bit.
    void outOfListCodesShowEmptyAndAreKept() {
        CloneImage image = NewCloneImage();
        image.VfoTable[1].field[FieldGain] = {QStringLiteral("+10"), 7};
        image.VfoTable[1].field[FieldNB] = {QStringLiteral("On"), 5};
        image.VfoTable[1].field[FieldTone] = {QStringLiteral("On"), 0x8C};
        EditFields f = EditFieldsFor(image, EditSource::Vfo, 1);
        QCOMPARE(f.gain, -1);
        QCOMPARE(f.nb, -1);
        QCOMPARE(f.tone, 1);
        QVERIFY(ApplyEditFields(image, EditSource::Vfo, 1, f, nullptr));
        QCOMPARE(image.VfoTable[1].field[FieldGain].value, 7.0);
        QCOMPARE(image.VfoTable[1].field[FieldNB].value, 5.0);
        QCOMPARE(image.VfoTable[1].field[FieldTone], (FieldSlot{"On", 128}));
        f.gain = 2; // picking an item replaces the code
        QVERIFY(ApplyEditFields(image, EditSource::Vfo, 1, f, nullptr));
        QCOMPARE(image.VfoTable[1].field[FieldGain], (FieldSlot{"-20", 2}));
        image.VfoTable[1].field[FieldMode] = {QString(), 9}; // a mode code with no item stays too
        f = EditFieldsFor(image, EditSource::Vfo, 1);
        QCOMPARE(f.mode, -1);
        QVERIFY(ApplyEditFields(image, EditSource::Vfo, 1, f, nullptr));
        QCOMPARE(image.VfoTable[1].field[FieldMode].value, 9.0);
    }

    // The cases of tests/corpus/core/text-rules.tsv and entry-rules.tsv (the edit dialog's frequency boxes,
    // the advance to the next box, the completion on leaving one, and Find): a rule, its inputs, its text.
    void textAndEntryRules() {
        CloneImage image = NewCloneImage(); // what Find looks in
        makeChannel(image, 5, 7074000, QStringLiteral("FT8 40"));
        makeChannel(image, 300, 14074000, QStringLiteral("FT8 20"));
        makeChannel(image, 301, 7074000, QStringLiteral("OTHER"));
        using Args = const QStringList &;
        const auto number = [](qint64 n) { return QString::number(n); };
        const QMap<QString, std::function<QString(Args)>> rules = {
            {"frequency text", [](Args a) { return FormatFrequencyText(a[0].toLongLong()); }},
            {"hex pair", [&](Args a) { return number(ReadHexPair(a[0], a[1].toInt())); }},
            {"hex byte", [](Args a) { return HexByte(a[0].toInt()); }},
            {"block address", [](Args a) { return BlockAddress(a[0].toInt()); }},
            {"command line", [](Args a) { return StartupFileFromCommandLine(a[0]); }},
            {"arguments", [](Args a) { return StartupFileFromArguments(a); }},
            {"variant caption", [](Args a) { return VariantCaption(a[0].toInt()); }},
            {"variant of id code", [&](Args a) { return number(VariantFromIdCode(a[0])); }},
            {"variant of letter", [&](Args a) { return number(VariantFromLetter(a[0])); }},
            {"string", [](Args a) { return ResString(a[0].toInt(), *LanguageFromCode(a[1])); }},
            {"boxes of", [](Args a) { return boxes(SplitFrequency(a[0].toLongLong())); }},
            {"frequency of boxes",
             [&](Args a) {
                 return number(FrequencyFromBoxes(FrequencyBoxes{a[0], a[1], a[2]}));
             }},
            {"advances",
             [&](Args a) { return number(FrequencyKeyAdvances(a[0].toInt(), a[1].toInt(), a[2].toInt())); }},
            {"MHz box", [](Args a) { return CompleteMHzBox(a[0]); }},
            {"three-digit box", [](Args a) { return CompleteThreeDigitBox(a[0]); }},
            {"find name",
             [&](Args a) { return number(FindChannel(image, a[0], FindBy::Name, a[1].toInt())); }},
            {"find frequency",
             [&](Args a) { return number(FindChannel(image, a[0], FindBy::Frequency, a[1].toInt())); }}};
        const QList<QStringList> rows = corpusRows(QStringLiteral("core/text-rules.tsv")) +
                                        corpusRows(QStringLiteral("core/entry-rules.tsv"));
        QVERIFY(rows.size() > 100);
        for (const QStringList &row : rows) {
            QVERIFY2(rules.contains(row[0]), qPrintable(row[0]));
            const QString got = rules[row[0]](row.mid(1, row.size() - 2));
            QVERIFY2(got == row.last(), qPrintable(row.join(" | ") + " gives " + got));
        }
        // an emptied channel's leftovers are not found
        image.ChannelUsed[5] = false;
        QCOMPARE(FindChannel(image, QStringLiteral("FT8 40"), FindBy::Name, 0), -1);
    }

    // Each frequency as the frequency (the split at 7.050) and as the split.
    void rangeLimits() {
        const struct {
            bool wide;
            FrequencyBoxes typed;
            bool accepted;
        } cases[] = {{false, {"1", "600", "000"}, true},  {false, {"1", "599", "999"}, false},
                     {false, {"29", "999", "999"}, true}, {false, {"30", "000", "000"}, false},
                     {true, {"0", "150", "000"}, true},   {true, {"0", "149", "999"}, false},
                     {true, {"34", "999", "999"}, true},  {true, {"35", "000", "000"}, false},
                     {true, {"7", "0x0", "000"}, false}};
        const FrequencyBoxes other{"7", "050", "000"};
        for (const auto &[wide, typed, accepted] : cases)
            for (const bool split : {false, true}) {
                const QByteArray row = (boxes(typed) + (split ? " as split" : "")).toLatin1();
                CloneImage image = NewCloneImage(VariantJ, wide);
                const CloneImage before = image;
                EditFields f = NewChannelFields(VariantJ);
                f.frequency = split ? other : typed;
                f.split = split ? typed : other;
                CloneImage quiet = image; // without a message asked for
                QVERIFY2(ApplyEditFields(quiet, EditSource::Memory, 10, f, nullptr) == accepted, row);
                QString message;
                QVERIFY2(ApplyEditFields(image, EditSource::Memory, 10, f, &message) == accepted, row);
                if (accepted) {
                    QVERIFY(image.ChannelUsed[10]);
                    QCOMPARE(image.ChannelTable[10].field[split ? FieldSplitFreq : FieldFrequency].value,
                             double(FrequencyFromBoxes(typed)));
                } else {
                    QCOMPARE(message, QStringLiteral("The frequency is outside the range. \r\n\t") +
                                          (wide ? QStringLiteral("(150KHz - 35MHz)")
                                                : QStringLiteral("(1.6MHz - 30MHz)")));
                    QVERIFY2(image == before, row);
                }
            }
    }

    void okStoresEveryChannelField() {
        CloneImage image = NewCloneImage();
        EditFields f = NewChannelFields(VariantJ);
        f.frequency = {"29", "999", "999"};
        f.split = {"3", "500", "000"};
        std::tie(f.mode, f.gain, f.agc, f.power, f.filter, f.tone, f.nb) = std::tuple{5, 3, 0, 1, 1, 1, 1};
        f.skip = true;
        f.name = QStringLiteral("HOME");
        QVERIFY(ApplyEditFields(image, EditSource::Memory, 402, f, nullptr));
        QVERIFY(image.ChannelUsed[402]);
        QStringList texts;
        QList<double> codes;
        for (const FieldSlot &slot : image.ChannelTable[402].field) {
            texts << slot.text;
            codes << slot.value;
        }
        QCOMPARE(texts, (QStringList{"29.999.999", "FM", "+10", "Fast", "Low", "Narrow", "On", "On",
                                     "3.500.000", "HOME", "Skip"}));
        QCOMPARE(codes, (QList<double>{29999999, 5, 3, 0, 1, 1, 128, 1, 3500000, 0, 1}));
        // The record goes to the radio with status 0x88 (used, skip).
        QVERIFY(MakeMemData(image, 402).startsWith(QStringLiteral("8805")));

        f.skip = false;
        QVERIFY(ApplyEditFields(image, EditSource::Memory, 402, f, nullptr));
        QCOMPARE(image.ChannelTable[402].field[FieldSkip], (FieldSlot{"", 0}));
        QVERIFY(MakeMemData(image, 402).startsWith(QStringLiteral("8005")));
        // a pasted name is cut to what the radio stores
        for (const auto &[pasted, stored] : {std::pair{"ab.cdefghij", "AB"}, {"LONGNAME9", "LONGNAME"}}) {
            f.name = QString(pasted);
            QVERIFY(ApplyEditFields(image, EditSource::Memory, 402, f, nullptr));
            QCOMPARE(image.ChannelTable[402].field[FieldName].text, QString(stored));
        }
    }

    void vfoOkIgnoresSplitAndTouchesOnlyItsRecord() {
        CloneImage image = NewCloneImage(VariantT);
        const VfoRecord a = image.VfoTable[0];
        EditFields f = EditFieldsFor(image, EditSource::Vfo, 1);
        f.frequency = {"21", "074", "000"};
        f.split = {"", "", ""}; // the VFO has no split frequency: its boxes do not count
        QVERIFY(ApplyEditFields(image, EditSource::Vfo, 1, f, nullptr));
        QCOMPARE(image.VfoTable[1].field[FieldFrequency], (FieldSlot{"21.074.000", 21074000}));
        QVERIFY(image.VfoTable[0] == a);
        QVERIFY(std::none_of(image.ChannelUsed.begin(), image.ChannelUsed.end(), [](bool u) { return u; }));
    }

    // The typing rules of the frequency and name boxes.
    // Every key as the boxes take it: the frequency boxes keep digits and Backspace; the name box keeps
    // Backspace and the radio's characters, lower-case letters made upper case.
    void keyFilters() {
        for (int u = 0; u <= 0xFFFF; ++u) {
            const char ascii = u < 0x80 ? char(u >= 'a' && u <= 'z' ? u - 32 : u) : 0;
            const QChar kept = u == 8 ? QChar(8) : ascii && NameCodeOf(ascii) ? QChar(ascii) : QChar();
            QVERIFY2(FilterNameKey(QChar(u)) == kept, qPrintable(QString::number(u, 16)));
            QVERIFY2(FrequencyKeyKept(QChar(u)) == ((u >= '0' && u <= '9') || u == 8),
                     qPrintable(QString::number(u, 16)));
        }
    }

    // Set Field, Sort and Find over many channels.
    void fieldsAndValuesAreTheDialogsLists() {
        QCOMPARE(BulkFieldName(BulkField::Power), QStringLiteral("Pwr"));
        QCOMPARE(BulkFieldValues(BulkField::Mode), (QStringList{"USB", "LSB", "CWU", "CWL", "AM", "FM"}));
        QCOMPARE(BulkFieldValues(BulkField::Gain), (QStringList{"0", "-10", "-20", "+10"}));
        QCOMPARE(BulkFieldValues(BulkField::Skip), (QStringList{"Off", "On"}));
    }

    // Each field set on two used channels of a selection; an empty one and one outside it stay as they are.
    void setFieldStoresAsTheDialogDoes() {
        const struct {
            BulkField field;
            int value, column;
            const char *text;
            double code;
        } cases[] = {{BulkField::Mode, 5, FieldMode, "FM", 5},
                     {BulkField::Gain, 3, FieldGain, "+10", 3},
                     {BulkField::AGC, 0, FieldAGC, "Fast", 0},
                     {BulkField::Power, 2, FieldPwr, "S-Low", 2},
                     {BulkField::Filter, 1, FieldFilter, "Narrow", 1},
                     {BulkField::Tone, 1, FieldTone, "On", 128},
                     {BulkField::NB, 1, FieldNB, "On", 1},
                     {BulkField::Skip, 1, FieldSkip, "Skip", 1}};
        for (const auto &[field, value, column, text, code] : cases) {
            CloneImage image = NewCloneImage();
            makeChannel(image, 10, 7000000, QStringLiteral("A"));
            makeChannel(image, 12, 7100000, QStringLiteral("B"));
            makeChannel(image, 13, 7200000, QStringLiteral("NOT SEL"));
            const CloneImage before = image;
            const BulkEdit e = SetChannelField(image, {10, 11, 12}, field, value);
            QVERIFY2(e.ok, qPrintable(e.message));
            QCOMPARE(e.changed, 2);
            for (int k : {10, 12})
                QCOMPARE(image.ChannelTable[k].field[column], (FieldSlot{text, code}));
            QVERIFY(!image.ChannelUsed[11]);
            QCOMPARE(image.ChannelTable[11], before.ChannelTable[11]);
            QCOMPARE(image.ChannelTable[13], before.ChannelTable[13]);
            // the record the radio gets holds the code
            CloneImage check = NewCloneImage();
            QVERIFY(UpdateMemData(check, MakeMemData(image, 10), 0));
            QCOMPARE(check.ChannelTable[0].field[column].value, code);
        }
    }

    // Off for tone and skip stores what the dialog does; setting what is there already changes nothing.
    void offClearsToneAndSkip() {
        CloneImage image = NewCloneImage();
        makeChannel(image, 10, 7000000, QStringLiteral("A"), 1, true, 1);
        QCOMPARE(SetChannelField(image, {10}, BulkField::Tone, 0).changed, 1);
        QCOMPARE(SetChannelField(image, {10}, BulkField::Skip, 0).changed, 1);
        QCOMPARE(image.ChannelTable[10].field[FieldTone], (FieldSlot{"Off", 0}));
        QCOMPARE(image.ChannelTable[10].field[FieldSkip], (FieldSlot{"", 0}));
        const BulkEdit again = SetChannelField(image, {10}, BulkField::Skip, 0);
        QVERIFY(again.ok);
        QCOMPARE(again.changed, 0);
    }

    void refusalsChangeNothing() {
        CloneImage image = NewCloneImage();
        makeChannel(image, 0, 7000000, QStringLiteral("OK"));
        // A channel from a wide-range radio in a window that is not: the dialog could not store it.
        makeChannel(image, 1, 7000000, QStringLiteral("LOW"));
        image.ChannelTable[1].field[FieldFrequency] = {QStringLiteral("0.500.000"), 500000};
        const CloneImage before = image;
        const BulkEdit e = SetChannelField(image, {0, 1}, BulkField::Mode, 4);
        QVERIFY(!e.ok);
        QVERIFY2(e.message.contains(QStringLiteral("Row 1")) &&
                     e.message.contains(QStringLiteral("Frequency")),
                 qPrintable(e.message));
        QVERIFY(image == before);
        QVERIFY(!SetChannelField(image, {300, 301}, BulkField::Mode, 4).ok); // empty rows only
        QVERIFY(!SetChannelField(image, {0}, BulkField::Mode, 6).ok);        // beyond the list
        QVERIFY(!SetChannelField(image, {0}, BulkField::Mode, -1).ok);       // nothing chosen
        QVERIFY(!SortChannels(image, {0}, SortKey::Name).ok);                // a sort needs two rows
        QVERIFY(!SortChannels(image, {0, 0}, SortKey::Name).ok);
        QVERIFY(image == before);
    }

    void sortByFrequencyAndByNameEmptiesLast() {
        CloneImage image = NewCloneImage();
        makeChannel(image, 50, 14000000, QStringLiteral("bravo"));
        makeChannel(image, 52, 3500000, QStringLiteral("Charlie"));
        makeChannel(image, 53, 7000000, QStringLiteral("alpha"));
        makeChannel(image, 54, 3500000, QStringLiteral("ALPHA2"));
        makeChannel(image, 60, 1800000, QStringLiteral("OUTSIDE"));
        const QList<int> rows = {54, 50, 51, 52, 53}; // order of selection does not matter
        CloneImage byFreq = image;
        BulkEdit e = SortChannels(byFreq, rows, SortKey::Frequency);
        QVERIFY(e.ok);
        QCOMPARE(names(byFreq), (QStringList{"ALPHA2", "CHARLIE", "ALPHA", "BRAVO", "<empty>"}));
        QCOMPARE(byFreq.ChannelTable[60], image.ChannelTable[60]);
        CloneImage byName = image;
        QVERIFY(SortChannels(byName, rows, SortKey::Name).ok);
        QCOMPARE(names(byName), (QStringList{"ALPHA", "ALPHA2", "BRAVO", "CHARLIE", "<empty>"}));
        // The entries move whole: the frequency went with the name.
        QCOMPARE(byName.ChannelTable[50].field[FieldFrequency].value, 7000000.0);
        // equal names by frequency; empty rows among themselves stay as they are
        makeChannel(image, 57, 7000000, QStringLiteral("same"));
        makeChannel(image, 58, 3500000, QStringLiteral("SAME"));
        const BulkEdit e2 = SortChannels(image, {55, 56, 57, 58}, SortKey::Name);
        QCOMPARE(e2.changed, 4);
        QCOMPARE(image.ChannelTable[55].field[FieldFrequency].value, 3500000.0);
        QCOMPARE(image.ChannelTable[56].field[FieldFrequency].value, 7000000.0);
        QVERIFY(!image.ChannelUsed[57] && !image.ChannelUsed[58]);
    }

    // Channels to and from the clipboard: the spreadsheet text, the lossless form, and the refusals that
    // leave the image as it was.
    // The spreadsheet text: the grid's titles and texts, an empty line for an empty row; pasted, the same
    // channels, and its empty line empties the row it lands on.
    void tsvHasTheGridTextsAndComesBack() {
        CloneImage source = NewCloneImage();
        makeChannel(source, 3, 14195000, QStringLiteral("DX NET"), 0, true, 1, 14194400);
        makeChannel(source, 4, 29999999, QStringLiteral("TOP"), 5, false, 1, 29999399);
        QCOMPARE(ChannelsToTsv(source, {3, 5}),
                 QStringLiteral("Frequency\tMode\tGain\tAGC\tPwr\tFilter\tTone\tNB\tSplit Freq.\tName\tSkip\n"
                                "14.195.000\tUSB\t0\tSlow\tHigh\tWide\tOn\tOff\t14.194.400\tDX NET\tSkip\n"
                                "\t\t\t\t\t\t\t\t\t\t\n"));
        CloneImage target = NewCloneImage();
        makeChannel(target, 11, 3500000, QStringLiteral("OLD"));
        const ChannelPaste p = PasteChannels(target, 9, ChannelsToTsv(source, {3, 4, 5}));
        QVERIFY2(p.ok, qPrintable(p.message));
        QCOMPARE(p.count, 3);
        QCOMPARE(target.ChannelTable[9], source.ChannelTable[3]);
        QCOMPARE(target.ChannelTable[10], source.ChannelTable[4]);
        QVERIFY(target.ChannelUsed[9] && target.ChannelUsed[10] && !target.ChannelUsed[11]);
    }

    void losslessKeepsWhatTheDialogWouldRewrite() {
        // A tone byte with other bits set survives the lossless form; the text form gives the dialog's 128.
        CloneImage source = NewCloneImage();
        makeChannel(source, 5, 10000000, QStringLiteral("WWV"));
        source.ChannelTable[5].field[FieldTone] = {QStringLiteral("On"), 0x8C};
        const QString lossless = ChannelsToLossless(source, {5});
        QVERIFY(lossless.startsWith(LosslessHeader + QLatin1Char('\n')));
        CloneImage target = NewCloneImage();
        QVERIFY(PasteChannels(target, 200, lossless).ok);
        QCOMPARE(MakeMemData(target, 200), MakeMemData(source, 5));
        QCOMPARE(target.ChannelTable[200].field[FieldTone].value, double(0x8C));
        CloneImage viaText = NewCloneImage();
        QVERIFY(PasteChannels(viaText, 200, ChannelsToTsv(source, {5})).ok);
        QCOMPARE(viaText.ChannelTable[200].field[FieldTone].value, 128.0);
        // an empty channel's record empties its row
        QVERIFY(PasteChannels(target, 200, ChannelsToLossless(source, {6})).ok);
        QVERIFY(!target.ChannelUsed[200]);
    }

    void spreadsheetTextWithoutHeaderAndShortLines() {
        CloneImage image = NewCloneImage(VariantT);
        // frequency in MHz, lower-case mode and name, the rest as a new channel holds it
        const ChannelPaste p =
            PasteChannels(image, 0, QStringLiteral("14.2\tusb\r\n7050000\t\t\t\t\t\t\t\t\tcq dx\r\n"));
        QVERIFY2(p.ok, qPrintable(p.message));
        QCOMPARE(image.ChannelTable[0].field[FieldFrequency].text, QStringLiteral("14.200.000"));
        QCOMPARE(image.ChannelTable[0].field[FieldMode].text, QStringLiteral("USB"));
        QCOMPARE(image.ChannelTable[0].field[FieldSplitFreq].text, QStringLiteral("14.200.000"));
        QCOMPARE(image.ChannelTable[0].field[FieldAGC].text, QStringLiteral("Slow"));
        QCOMPARE(image.ChannelTable[1].field[FieldMode].text, QStringLiteral("LSB"));
        QCOMPARE(image.ChannelTable[1].field[FieldName].text, QStringLiteral("CQ DX"));
        // Skip as 1 and 0
        QVERIFY(
            PasteChannels(image, 2, QStringLiteral("7.1\t\t\t\t\t\t\t\t\t\t1\n7.1\t\t\t\t\t\t\t\t\t\t0")).ok);
        QCOMPARE(image.ChannelTable[2].field[FieldSkip].value, 1.0);
        QCOMPARE(image.ChannelTable[3].field[FieldSkip].value, 0.0);
        // the last line may land on the last row, B-P2 (one row further is refused: see below)
        const ChannelPaste last =
            PasteChannels(image, 601, QStringLiteral("7.000.000\n7.100.000\n7.200.000\n"));
        QVERIFY2(last.ok && last.count == 3, qPrintable(last.message));
        QCOMPARE(image.ChannelTable[603].field[FieldFrequency].text, QStringLiteral("7.200.000"));
    }

    // A refused paste names the row, line and field and changes nothing.
    void refusalsNameRowAndFieldAndChangeNothing() {
        const QList<QStringList> rows = corpusRows(QStringLiteral("core/paste-refusals.tsv"));
        QVERIFY(rows.size() > 10);
        for (const QStringList &row : rows) {
            const QString text = QString(row[2]).replace("\\t", "\t").replace("\\n", "\n");
            CloneImage image = NewCloneImage(VariantJ, row[0] == "w");
            makeChannel(image, row[1].toInt(), 7100000, QStringLiteral("KEEP"));
            const CloneImage before = image;
            const ChannelPaste p = PasteChannels(image, row[1].toInt(), text);
            QVERIFY2(!p.ok && image == before, qPrintable(row[2]));
            for (const QString &part : row.mid(3))
                QVERIFY2(p.message.contains(part), qPrintable(p.message + " lacks " + part));
        }
    }

    // The undo history and the document around it.
    void stepsGoBackAndForthInOrder() {
        UndoHistory history;
        CloneImage a = NewCloneImage();
        CloneImage b = a;
        putChannel(b, 17, 7050000, QStringLiteral("ONE"));
        CloneImage c = b;
        c.VfoTable[1].field[FieldMode] = {QStringLiteral("AM"), 4};
        c.Variant = VariantE;
        QVERIFY(!history.record(QStringLiteral("Insert 250"), a, a)); // a step that changes nothing
        QVERIFY(!history.canUndo());
        QCOMPARE(history.undoName(), QString()); // the menu shows plain Undo and Redo
        QCOMPARE(history.redoName(), QString());
        QVERIFY(history.record(QStringLiteral("Modify 17"), a, b));
        QVERIFY(history.record(QStringLiteral("Model"), b, c));
        QCOMPARE(history.undoName(), QStringLiteral("Model"));
        QVERIFY(!history.canRedo());

        CloneImage image = c;
        QVERIFY(history.undo(image));
        QVERIFY(image == b);
        QCOMPARE(history.undoName(), QStringLiteral("Modify 17"));
        QCOMPARE(history.redoName(), QStringLiteral("Model"));
        QVERIFY(history.undo(image));
        QVERIFY(image == a);
        QVERIFY(!history.canUndo());
        QVERIFY(!history.undo(image)); // nothing left: nothing touched
        QVERIFY(image == a);
        QVERIFY(history.redo(image));
        QVERIFY(history.redo(image));
        QVERIFY(image == c);
        QVERIFY(!history.redo(image));
    }

    void recordingDropsTheRedoPartAndUndoTouchesOnlyTheStep() {
        UndoHistory history;
        CloneImage a = NewCloneImage(), b = a, c = a;
        putChannel(b, 0, 7000000, QStringLiteral("B"));
        putChannel(c, 1, 7100000, QStringLiteral("C"));
        history.record(QStringLiteral("b"), a, b);
        CloneImage image = b;
        history.undo(image);
        history.record(QStringLiteral("c"), a, c);
        QVERIFY(!history.canRedo());
        QCOMPARE(history.undoCount(), 1);
        QCOMPARE(history.undoName(), QStringLiteral("c"));
        // channels the step did not touch keep what they hold now
        image = c;
        putChannel(image, 6, 7200000, QStringLiteral("SIX"));
        QVERIFY(history.undo(image));
        QVERIFY(!image.ChannelUsed[1]);
        QVERIFY(image.ChannelUsed[6]);
        QCOMPARE(image.ChannelTable[6].field[FieldName].text, QStringLiteral("SIX"));
    }

    void fileStateTravelsOnlyWithStepsThatChangedIt() {
        UndoHistory history;
        CloneImage a = NewCloneImage(), b = a;
        putChannel(b, 0, 7000000, QStringLiteral("X"));
        const FileState one{QStringLiteral("/t/one.M40"), QStringLiteral("one.M40")};
        const FileState two{QStringLiteral("/t/two.M40"), QStringLiteral("two.M40")};
        history.record(QStringLiteral("Open two.M40"), a, b, one, two);
        CloneImage c = b;
        putChannel(c, 1, 7100000, QStringLiteral("Y"));
        history.record(QStringLiteral("Modify 1"), b, c, two, two);

        std::optional<FileState> file;
        CloneImage image = c;
        history.undo(image, &file);
        QVERIFY(!file); // an edit leaves the file named as it is
        history.undo(image, &file);
        QCOMPARE(file, std::optional<FileState>(one));
        history.redo(image, &file);
        QCOMPARE(file, std::optional<FileState>(two));
    }

    // The document around the history.
    void aCommittedChangeMarksAndCanBeUndone() {
        CloneDocument doc;
        doc.image() = NewCloneImage();
        doc.beginChange();
        putChannel(doc.image(), 3, 14195000, QStringLiteral("DX"));
        QVERIFY(doc.commitChange(QStringLiteral("Modify 3")));
        QVERIFY(doc.dataChanged());
        doc.setDataChanged(false);
        QSignalSpy restored(&doc, &CloneDocument::imageRestored);
        QVERIFY(doc.undo());
        QVERIFY(!doc.image().ChannelUsed[3]);
        QVERIFY(doc.dataChanged()); // undo changes the data the window holds
        QCOMPARE(restored.count(), 1);
        doc.setDataChanged(false);
        QVERIFY(doc.redo());
        QVERIFY(doc.dataChanged());
        QCOMPARE(doc.image().ChannelTable[3].field[FieldName].text, QStringLiteral("DX"));
        // Mark::Leave leaves the mark as it was
        doc.setDataChanged(false);
        doc.beginChange();
        doc.image().Settings[0] = 1 - doc.image().Settings[0];
        QVERIFY(doc.commitChange(QStringLiteral("Setting"), CloneDocument::Mark::Leave));
        QVERIFY(!doc.dataChanged());
    }

    void saveBetweenStepsIsNoStepAndSurvivesUndo() {
        CloneDocument doc;
        QSignalSpy caption(&doc, &CloneDocument::captionChanged);
        doc.beginChange();
        putChannel(doc.image(), 0, 7000000, QStringLiteral("A"));
        doc.commitChange(QStringLiteral("Modify 0"));
        doc.setFileState({QStringLiteral("/t/saved.M40"), QStringLiteral("saved.M40")}); // Save As
        QVERIFY(doc.caption().startsWith(QStringLiteral("saved.M40 - ")));
        QCOMPARE(caption.count(), 1);
        QCOMPARE(doc.history().undoCount(), 1);
        doc.undo();
        QCOMPARE(doc.cloneFileName(), QStringLiteral("/t/saved.M40"));
        // A change begun and never committed (an edit dialog cancelled) takes no Save into the next step.
        doc.beginChange();
        doc.setFileState({QStringLiteral("/t/later.M40"), QStringLiteral("later.M40")}); // Save As
        doc.image().Variant = VariantA;                                                  // a model click
        doc.commitChange(QStringLiteral("Model"));
        doc.undo();
        QCOMPARE(doc.cloneFileName(), QStringLiteral("/t/later.M40"));
        QCOMPARE(doc.image().Variant, int(VariantJ));
    }

    void undoingAnOpenNamesTheFormerFileAgain() {
        CloneDocument doc;
        doc.setFileState({QStringLiteral("/t/a.M40"), QStringLiteral("a.M40")});
        doc.beginChange();
        putChannel(doc.image(), 9, 7000000, QStringLiteral("B"));
        doc.setFileState({QStringLiteral("/t/b.M40"), QStringLiteral("b.M40")},
                         CloneDocument::FileChange::PartOfStep);
        doc.commitChange(QStringLiteral("Open b.M40"), CloneDocument::Mark::Leave);
        doc.undo();
        QCOMPARE(doc.cloneFileName(), QStringLiteral("/t/a.M40"));
        QVERIFY(doc.caption().startsWith(QStringLiteral("a.M40 - ")));
        QVERIFY(!doc.image().ChannelUsed[9]);
    }

    void manyStepsStayUndoable() {
        // No depth limit: a thousand edits all come back.
        CloneDocument doc;
        const CloneImage start = doc.image();
        for (int i = 0; i < 1000; ++i) {
            doc.beginChange();
            putChannel(doc.image(), i % ChannelCount, 1600000 + i, QStringLiteral("N%1").arg(i));
            doc.commitChange(QStringLiteral("Modify"));
        }
        QCOMPARE(doc.history().undoCount(), 1000);
        while (doc.undo()) {
        }
        QVERIFY(doc.image() == start);
    }
};

QTEST_GUILESS_MAIN(TestRecordsAndTables)
#include "tst_records_and_tables.moc"
