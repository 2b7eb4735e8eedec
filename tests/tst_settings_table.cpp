// Every one of the 29 settings lists at its block, byte and items, each item both ways: the byte it
// encodes to and the selection it decodes from. Expectations are written out here, not taken from the
// program's list table. Then the blocks around the lists: defaults, fixed bytes, the byte the keyer and the
// paddle share, short texts, and a decode stopped by a byte beyond its list.
#include "image/CloneImage.h"
#include "image/HexText.h"
#include "settings/SettingsCodec.h"
#include "support/RecordText.h"
#include <QtTest>

namespace {
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
} // namespace

class TestSettingsTable : public QObject {
    Q_OBJECT
  private slots:
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
};

QTEST_GUILESS_MAIN(TestSettingsTable)
#include "tst_settings_table.moc"
