// The settings blocks and the 29 list selections.
#include "image/CloneImage.h"
#include "image/HexText.h"
#include "settings/SettingsCodec.h"
#include "support/RecordText.h"
#include <QtTest>

namespace {
// The default blocks 0300 and 0320 as the program writes them.
const QString Defaults0300 = "A50000000003000E000000000000000000000320010101010808080000000000";
const QString Defaults0320 = "0000000000000000000001010100000000000000000000000000000000000000";

CloneImage defaults() {
    CloneImage image;
    LoadDefaultSettings(image);
    return image;
}
} // namespace

class TestSettingsCodec : public QObject {
    Q_OBJECT
  private slots:
    void defaultsDecodeAndEncodeBack() {
        CloneImage image = defaults();
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
        image.SetData1.clear();
        image.SetData2.clear();
        MakeSetData(image);
        QCOMPARE(image.SetData1, Defaults0300);
        QCOMPARE(image.SetData2, Defaults0320);
    }

    void fixedBytesComeBackFixed() {
        CloneImage image = defaults();
        image.SetData1 = withByte(withByte(withByte(image.SetData1, 1, 0x12), 0, 0x00), 31, 0x77);
        image.SetData2 = withByte(image.SetData2, 20, 0xFF);
        QCOMPARE(UpdateSetData(image), -1);
        MakeSetData(image);
        QCOMPARE(image.SetData1, Defaults0300); // A5 at 0, 03 at 5, the other fixed bytes 00
        QCOMPARE(image.SetData2, Defaults0320);
    }

    void keyerAndPaddleShareByte23() {
        CloneImage image = defaults();
        image.SetData1 = withByte(image.SetData1, 23, 0x81);
        QCOMPARE(UpdateSetData(image), -1);
        QCOMPARE(image.Settings.byName("cmbElekey"), 1);
        QCOMPARE(image.Settings.byName("cmbPaddle"), 1);
        MakeSetData(image);
        QCOMPARE(ReadHexPair(image.SetData1, 23), 0x81);

        image.SetData1 = withByte(image.SetData1, 23, 0x7F);
        QCOMPARE(UpdateSetData(image), -1);
        QCOMPARE(image.Settings.byName("cmbElekey"), 1);
        QCOMPARE(image.Settings.byName("cmbPaddle"), 0);
        MakeSetData(image);
        QCOMPARE(ReadHexPair(image.SetData1, 23), 0x01); // bits 1 to 6 are dropped
    }

    void aByteBeyondItsListStopsThere() {
        CloneImage image = defaults();
        image.SetData1 = withByte(image.SetData1, 19, 0x40);
        QCOMPARE(UpdateSetData(image), -1);
        QCOMPARE(image.Settings.byName("cmbDimmer"), 64);

        // start from other selections, then decode a block whose dimmer byte is 0x41
        SettingsSelection before = image.Settings;
        before.byName("cmbRit") = 2;  // before the dimmer: takes the new value
        before.byName("cmbBeep") = 0; // after it: keeps its selection
        before.byName("cmbFunc") = 1; // in the other block, after it: keeps its selection
        image.Settings = before;
        image.SetData1 = withByte(withByte(image.SetData1, 19, 0x41), 20, 0x01);
        const int failed = UpdateSetData(image);
        QCOMPARE(failed, SettingsListIndex("cmbDimmer"));
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

QTEST_GUILESS_MAIN(TestSettingsCodec)
#include "tst_settings_codec.moc"
