// The value tables and fixed texts the radio and its files depend on, entry by entry, and the text every
// code of a record field shows; the radio's name characters, every one of the 48 codes to its character
// and back and every other code and character refused; every one of the 29 settings lists at its block,
// byte and items, each item both ways, and the blocks around the lists (defaults, fixed bytes, the byte the
// keyer and the paddle share, short texts, a decode stopped by a byte beyond its list); the start-up rules
// that need no window (the command-line file, the string table, the column widths). All written out here,
// not taken from the program's tables: one changed entry fails. Then the memory channel and VFO records,
// names and labels, and the clone image around them: addresses, defaults, variants and the hexadecimal
// text rules; and properties over many random cases (fixed seeds, so a failure repeats): a record decoded
// and encoded again gives the record back in the form the program writes; a random image goes through the
// clone file whole.
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
#include "support/RecordText.h"
#include <QtTest>
#include <random>

namespace {
const QString UsedChannel = "80" + QString(62, '0');

struct Code {
    int code;
    char16_t character;
};

// 0x30..0x39 digits, 0x3A..0x53 letters (ASCII - 7), then the blank and the twelve symbols.
std::vector<Code> radioCodes() {
    std::vector<Code> out;
    for (char16_t c = u'0'; c <= u'9'; ++c)
        out.push_back({c, c});
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        out.push_back({c - 7, c});
    const std::vector<Code> symbols = {{0x54, u' '}, {0x55, u'*'}, {0x56, u'#'},  {0x57, u'+'},
                                       {0x58, u'-'}, {0x59, u'/'}, {0x5A, u'\\'}, {0x5B, u'='},
                                       {0x5C, u'('}, {0x5D, u')'}, {0x5E, u'$'},  {0x5F, u'_'}};
    out.insert(out.end(), symbols.begin(), symbols.end());
    return out;
}

int codeOf(char16_t c) {
    for (const Code &k : radioCodes())
        if (k.character == c) return k.code;
    return -1;
}
QStringList numbers(int from, int to, int step = 1, int width = 0, const char *suffix = "") {
    QStringList out;
    for (int i = from; i <= to; i += step)
        out << QString::number(i).rightJustified(width, '0') + suffix;
    return out;
}

const QStringList OffOn = {"Off", "On"};
const QStringList Tones = {"67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",
                           "85.4Hz",  "88.5Hz",  "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz",
                           "107.2Hz", "110.9Hz", "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz",
                           "136.5Hz", "141.3Hz", "146.2Hz", "151.4Hz", "156.7Hz", "162.2Hz", "167.9Hz",
                           "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz", "203.5Hz", "210.7Hz", "218.1Hz",
                           "225.7Hz", "233.6Hz", "241.8Hz", "250.3Hz"};

// The keyer and the paddle share byte 23: the keyer is bit 0, the paddle bit 7.
enum Bits { WholeByte = 1, Bit7 = 128 };

struct Expected {
    const char *name;
    const char *label;
    QStringList items;
    int block; // 0: block 0300, 1: block 0320
    int byte;
    int weight = WholeByte;
};

const std::vector<Expected> &expected() {
    static const std::vector<Expected> rows = {
        {"cmbRit", "RIT / TXIT", {"Off", "RIT", "TXIT", "RIT/TXIT"}, 0, 6},
        {"cmbWPM", "Key Speed(WPM)", numbers(6, 40), 0, 7},
        {"cmbKeyLock", "Key Lock", {"Off", "Dial Lock", "Key Lock"}, 0, 10},
        {"cmbSSBStep", "SSB Step", {"100Hz", "500Hz", "1.0KHz", "2.5KHz"}, 0, 13},
        {"cmbAMStep", "AM Step", {"1.0KHz", "2.5KHz", "5.0KHz", "9.0KHz", "10.0KHz"}, 0, 14},
        {"cmbFMStep", "FM Step", {"2.5KHz", "5.0KHz", "10.0KHz", "12.5KHz", "20.0KHz"}, 0, 15},
        {"cmbMrDisable", "Memory Protection", OffOn, 0, 16},
        {"cmbMrAccess", "Memory Access", {"On", "Off"}, 0, 17},
        {"cmbScanType",
         "Scan Time",
         {" Off", "  0",  "  1S", "  2S", "  3S", "  5S", "  7S", " 10S", " B0",  " B1S", " B2S", " B3S",
          " B5S", "B10S", "B20S", "B30S", " B1M", " B2M", " B3M", " B5M", "B10M", "B20M", "B30M"},
         0,
         18},
        {"cmbDimmer", "Dimmer", numbers(0, 64, 1, 2), 0, 19},
        {"cmbBeep", "Beep", OffOn, 0, 20},
        {"cmbSSBAuto", "Auto USB/LSB", OffOn, 0, 21},
        {"cmbTXIT", "TXIT Enable", OffOn, 0, 22},
        {"cmbElekey", "Electronic Keyer", OffOn, 0, 23},
        {"cmbPaddle", "Key Paddle", {"Normal", "Revers"}, 0, 23, Bit7},
        {"cmbSideTone", "Side Tone", numbers(400, 1000, 50, 0, "Hz"), 0, 24},
        {"cmbBreakIn", "Break In", QStringList{"FULL"} + numbers(1, 7) + QStringList{"AUTO"}, 0, 25},
        {"cmbTone", "Tone Frequency", Tones, 0, 26},
        {"cmbComp", "Speech Compressor", OffOn, 0, 27},
        {"cmbPTTL", "PTT Lock", OffOn, 0, 28},
        {"cmbAPO", "Auto Power Off", {"Off", " 30", " 60", " 90", "120"}, 0, 29},
        {"cmbSplit", "Split", OffOn, 1, 3},
        {"cmbScanMode", "Scan Type", {"Band", "Program", "Search", "Select"}, 1, 8},
        {"cmbScanRange", "Search Range", {" 50KHz", "100KHz", "200KHz"}, 1, 9},
        {"cmbScanSkip", "Scan Skip", {"No Skip", "Skip"}, 1, 10},
        {"cmbAGCAuto", "Auto AGC", OffOn, 1, 11},
        {"cmbKeyRatio", "Key Ratio", {"2.5", "3.0", "3.5", "4.0", "4.5"}, 1, 12},
        {"cmbUD", "Up Down Key", {"Repeat", "Scan"}, 1, 13},
        {"cmbFunc", "Func Key Resume", {"Manual", "Auto"}, 1, 14},
    };
    return rows;
}

// Every list at its first item: block 0300 carries only its fixed bytes A5 (byte 0) and 03 (byte 5).
QString fixedBlock(int block) {
    return block == 0 ? "A5000000000300" + QString(50, '0') : QString(64, '0');
}

void addRows() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("item");
    for (int r = 0; r < int(expected().size()); ++r)
        for (int i = 0; i < expected()[r].items.size(); ++i)
            QTest::addRow("%s=%d", expected()[r].name, i) << r << i;
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
        QCOMPARE(t.ModeTable, QStringList({"USB", "LSB", "CWU", "CWL", "AM", "FM"}));
        QCOMPARE(t.ToneTable, Tones);
        QCOMPARE(
            t.DcsTable.join(' '),
            QString("023 025 026 031 032 036 043 047 051 053 054 065 071 072 073 074 114 115 116 122 125 "
                    "131 132 134 143 145 152 155 156 162 165 172 174 205 212 223 225 226 243 244 245 246 "
                    "251 252 255 261 263 265 266 271 274 306 311 315 325 331 332 343 346 351 356 364 365 "
                    "371 411 412 413 423 431 432 445 446 452 454 455 462 464 465 466 503 506 516 523 526 "
                    "532 546 565 606 612 624 627 631 632 654 662 664 703 712 723 731 732 734 743 754"));
        QCOMPARE(t.DcsTable.size(), 104);
        QCOMPARE(t.StepTable, QStringList({"5KHz", "10KHz", "12.5KHz", "15KHz", "20KHz", "25KHz", "30KHz"}) +
                                  QStringList(12, ""));
        QCOMPARE(t.FileEndLine, QString("Korvan  KT-M40  Clone  File  End"));
        QCOMPARE(t.AppTitle, QString("Korvan KT-M40 Clone Utility"));
    }

    void messagesAndVariants() {
        QCOMPARE(QStringList({CommunicationErrorText, ComPortErrorText, DataErrorText, FileOpenErrorText,
                              ErrorTitle, SaveQuestionText, SaveQuestionTitle, OutOfRangeText}),
                 QStringList({"Communication Error", "COM Port Error", "Data Error", "File Open Error",
                              "ERROR", "Save changes to settings?", "Save Changes",
                              "The frequency is outside the range. "}));
        const QStringList captions = {"KT-M40J", "KTM-40T", "KT-M40E", "KT-M40A"};
        const QStringList codes = {"33", "66", "99", "CC"};
        for (int v = 0; v < 4; ++v) {
            QCOMPARE(VariantCaption(v), captions[v]);
            QCOMPARE(VariantFromIdCode(codes[v]), v);
        }
        for (const char *other : {"", "3", "34", "65", "98", "cc", "CB", "DD", "333"})
            QCOMPARE(VariantFromIdCode(other), -1);
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
        const QStringList modes = {"USB", "LSB", "CWU", "CWL", "AM", "FM"};
        for (int code = 0; code < 256; ++code) {
            CloneImage image;
            QCOMPARE(UpdateMemData(image, withByte(UsedChannel, 1, code), 0), code < 6);
            if (code < 6) QCOMPARE(image.ChannelTable[0].field[FieldMode].text, modes[code]);
        }
    }

    // Every one of the 48 characters to its code and back, in the middle of a name; any other code ends the
    // name wherever it stands; lower-case letters and every other printable character cut it there.
    void everyNameCharacterAndCode() {
        QCOMPARE(radioCodes().size(), std::size_t(48));
        for (int code = 0; code < 256; ++code) {
            const bool inSet = code >= 0x30 && code <= 0x5F;
            QCOMPARE(DecodeName({0x3A, std::uint8_t(code), 0x3B}).size(), inSet ? 3 : 1);
            QCOMPARE(DecodeName({std::uint8_t(code), 0x3A}).isEmpty(), !inSet);
        }
        for (char16_t c = 0x20; c < 0x7F; ++c) {
            const QString text = QStringLiteral("AB") + QChar(c) + QStringLiteral("CD");
            const NameBytes bytes = EncodeName(text);
            const int code = codeOf(c);
            if (code < 0) {
                QCOMPARE(bytes, (NameBytes{0x3A, 0x3B, 0, 0, 0, 0, 0, 0}));
            } else {
                QCOMPARE(bytes, (NameBytes{0x3A, 0x3B, std::uint8_t(code), 0x3C, 0x3D, 0, 0, 0}));
                QCOMPARE(DecodeName(bytes), text);
            }
        }
        QCOMPARE(EncodeName(QString::fromUtf8("AÄB")), (NameBytes{0x3A, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(StorableName("CQ*#DX?"), QString("CQ*#DX"));
    }

    void commandLineText() {
        // quoted path; five characters; six lose both ends; one character; none
        const std::pair<const char *, const char *> table[] = {
            {"\"C:\\radio\\my file.M40\"", "C:\\radio\\my file.M40"},
            {"a.M40", "a.M40"},
            {"ab.M40", "b.M4"},
            {"x", "x"},
            {"", ""}};
        for (const auto &[commandLine, file] : table)
            QCOMPARE(StartupFileFromCommandLine(commandLine), QString(file));
    }

    void splitArgumentsArriveWhole() {
        QCOMPARE(StartupFileFromArguments({}), QString());
        QCOMPARE(StartupFileFromArguments({"/home/op/my radio.M40"}), QString("/home/op/my radio.M40"));
        QCOMPARE(StartupFileFromArguments({"/home/op/my", "radio.M40"}), QString("/home/op/my radio.M40"));
        // a short name is wrapped too, so it is never cut
        QCOMPARE(StartupFileFromArguments({"a.M40"}), QString("a.M40"));
        QCOMPARE(StartupFileFromArguments({"x"}), QString("x"));
    }

    void stringTable() {
        // 1000 and 1007 in every language are the menus of gui_tst_accessibility
        QCOMPARE(ResString(1013, UiLanguage::Japanese), QString::fromUtf8("COM ポートセットアップ(&C)"));
        QCOMPARE(ResString(1021, UiLanguage::Japanese), QString::fromUtf8("ﾍﾙﾌﾟ"));
        QCOMPARE(ResString(1207, UiLanguage::English), QString("ALL(&A)"));
        QCOMPARE(ResString(1015, UiLanguage::English), QString()); // no such id
        const QList<int> ids = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009,
                                1010, 1011, 1012, 1013, 1014, 1016, 1017, 1018, 1019, 1021,
                                1100, 1201, 1202, 1203, 1204, 1205, 1206, 1207};
        for (int id : ids) {
            QVERIFY2(!ResString(id, UiLanguage::English).isEmpty(), qPrintable(QString::number(id)));
            QVERIFY2(ResString(id, UiLanguage::English) != ResString(id, UiLanguage::Japanese),
                     qPrintable(QString::number(id)));
        }
        for (const char *locale : {"ja_JP", "ja"})
            QCOMPARE(LanguageForLocale(locale), UiLanguage::Japanese);
        for (const char *locale : {"en_US", "pt_BR"})
            QCOMPARE(LanguageForLocale(locale), UiLanguage::English);
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
    void listsInPageOrderWithTheirLabelsAndItems() {
        const auto &lists = SettingsLists();
        QCOMPARE(int(lists.size()), int(expected().size()));
        for (int r = 0; r < int(expected().size()); ++r) {
            const Expected &e = expected()[r];
            QCOMPARE(lists[r].name, QString(e.name)); // the order decides which lists a bad byte stops
            QCOMPARE(lists[r].label, QString(e.label));
            QCOMPARE(lists[r].items, e.items);
        }
    }

    // The built lists start at 32 ("32"), 14 ("20"), 8 ("800Hz"), 8 ("AUTO") and 8 ("88.5Hz"); the rest at 0.
    void selectionsBeforeTheFirstDecode() {
        const QMap<QString, int> built = {
            {"cmbDimmer", 32}, {"cmbWPM", 14}, {"cmbSideTone", 8}, {"cmbBreakIn", 8}, {"cmbTone", 8}};
        const SettingsSelection initial = InitialSettingsSelection();
        for (const Expected &e : expected())
            QCOMPARE(initial.byName(e.name), built.value(e.name, 0));
    }

    void everyItemBothWays_data() { addRows(); }
    void everyItemBothWays() {
        QFETCH(int, row);
        QFETCH(int, item);
        const Expected &e = expected()[row];
        QString blocks[2] = {fixedBlock(0), fixedBlock(1)};
        blocks[e.block] = withByte(blocks[e.block], e.byte, item * e.weight);
        // encoded from a page with every other list at its first item
        CloneImage image;
        for (int i = 0; i < SettingsListCount; ++i)
            image.Settings[i] = 0;
        image.Settings.byName(e.name) = item;
        MakeSetData(image);
        QCOMPARE(image.SetData1, blocks[0]);
        QCOMPARE(image.SetData2, blocks[1]);
        // and decoded into that one selection
        CloneImage decoded;
        decoded.SetData1 = blocks[0];
        decoded.SetData2 = blocks[1];
        QCOMPARE(UpdateSetData(decoded), -1);
        for (const Expected &other : expected())
            QCOMPARE(decoded.Settings.byName(other.name), &other == &e ? item : 0);
    }

    // One past the last item names nothing: the decode stops at that list.
    void theByteAfterTheLastItemIsRefused_data() {
        QTest::addColumn<int>("row");
        for (int r = 0; r < int(expected().size()); ++r)
            if (expected()[r].byte != 23) // one bit each: 2 cannot be written there
                QTest::addRow("%s", expected()[r].name) << r;
    }
    void theByteAfterTheLastItemIsRefused() {
        QFETCH(int, row);
        const Expected &e = expected()[row];
        CloneImage image;
        QString blocks[2] = {fixedBlock(0), fixedBlock(1)};
        blocks[e.block] = withByte(blocks[e.block], e.byte, int(e.items.size()));
        image.SetData1 = blocks[0];
        image.SetData2 = blocks[1];
        QCOMPARE(UpdateSetData(image), row);
    }

    // The blocks around the lists.
    // The defaults decode to their items and encode back; the fixed bytes come back fixed whatever the
    // block held there.
    void defaultsDecodeAndEncodeBack() {
        CloneImage image = defaults();
        image.SetData1 = withByte(withByte(withByte(image.SetData1, 1, 0x12), 0, 0x00), 31, 0x77);
        image.SetData2 = withByte(image.SetData2, 20, 0xFF);
        QCOMPARE(UpdateSetData(image), -1);
        const auto text = [&](const char *name) {
            return SettingsLists()[SettingsListIndex(name)].items[image.Settings.byName(name)];
        };
        const std::pair<const char *, const char *> shown[] = {
            {"cmbWPM", "20"},        {"cmbScanType", "  2S"}, {"cmbDimmer", "32"},  {"cmbSideTone", "800Hz"},
            {"cmbBreakIn", "AUTO"},  {"cmbTone", "88.5Hz"},   {"cmbElekey", "On"},  {"cmbPaddle", "Normal"},
            {"cmbScanSkip", "Skip"}, {"cmbKeyRatio", "3.0"},  {"cmbMrAccess", "On"}};
        for (const auto &[name, item] : shown)
            QCOMPARE(text(name), QString(item));
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

    // Captions and identity codes: messagesAndVariants.
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

QTEST_GUILESS_MAIN(TestRecordsAndTables)
#include "tst_records_and_tables.moc"
