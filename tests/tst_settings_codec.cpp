// The settings blocks and the 29 list selections.
#include "image/CloneImage.h"
#include "image/HexText.h"
#include "settings/SettingsCodec.h"
#include "support/RecordText.h"
#include <QtTest>

namespace {
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
        QCOMPARE(text("cmbWPM"), QString("20"));
        QCOMPARE(text("cmbScanType"), QString("  2S"));
        QCOMPARE(text("cmbDimmer"), QString("32"));
        QCOMPARE(text("cmbSideTone"), QString("800Hz"));
        QCOMPARE(text("cmbBreakIn"), QString("AUTO"));
        QCOMPARE(text("cmbTone"), QString("88.5Hz"));
        QCOMPARE(text("cmbElekey"), QString("On"));
        QCOMPARE(text("cmbPaddle"), QString("Normal"));
        QCOMPARE(text("cmbScanSkip"), QString("Skip"));
        QCOMPARE(text("cmbKeyRatio"), QString("3.0"));
        QCOMPARE(text("cmbMrAccess"), QString("On"));
        image.SetData1.clear();
        image.SetData2.clear();
        MakeSetData(image);
        QCOMPARE(image.SetData1, QString(DefaultSetData1));
        QCOMPARE(image.SetData2, QString(DefaultSetData2));
    }

    void fixedBytesComeBackFixed() {
        CloneImage image = defaults();
        image.SetData1 = withByte(withByte(withByte(image.SetData1, 1, 0x12), 0, 0x00), 31, 0x77);
        image.SetData2 = withByte(image.SetData2, 20, 0xFF);
        QCOMPARE(UpdateSetData(image), -1);
        MakeSetData(image);
        QCOMPARE(ReadHexPair(image.SetData1, 0), 0xA5);
        QCOMPARE(ReadHexPair(image.SetData1, 1), 0x00);
        QCOMPARE(ReadHexPair(image.SetData1, 5), 0x03);
        QCOMPARE(ReadHexPair(image.SetData1, 31), 0x00);
        QCOMPARE(ReadHexPair(image.SetData2, 20), 0x00);
        QCOMPARE(image.SetData1.size(), 64);
        QCOMPARE(image.SetData2.size(), 64);
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

    void encodesIndexesAsHex() {
        CloneImage image = defaults();
        UpdateSetData(image);
        image.Settings.byName("cmbTone") = 38;
        image.Settings.byName("cmbScanType") = 22;
        image.Settings.byName("cmbFunc") = 1;
        MakeSetData(image);
        QCOMPARE(image.SetData1.mid(2 * 26, 2), QString("26"));
        QCOMPARE(image.SetData1.mid(2 * 18, 2), QString("16"));
        QCOMPARE(image.SetData2.mid(2 * 14, 2), QString("01"));
        // and they decode back to the same selections
        CloneImage again = image;
        again.Settings = InitialSettingsSelection();
        QCOMPARE(UpdateSetData(again), -1);
        QCOMPARE(again.Settings, image.Settings);
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
