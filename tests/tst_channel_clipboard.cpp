// Channels to and from the clipboard: the spreadsheet text, the lossless form, and the refusals that leave
// the image as it was.
#include "channels/ChannelClipboard.h"
#include "channels/ChannelEdit.h"
#include "channels/ChannelRecord.h"
#include <QtTest>

namespace {
// A used channel set up by the edit dialog's own store, as the user would have made it.
void makeChannel(CloneImage &image, int k, qint64 hz, const QString &name, int mode = 0, bool skip = false) {
    EditFields e = NewChannelFields(image.Variant);
    e.frequency = SplitFrequency(hz);
    e.split = SplitFrequency(hz - 600);
    e.mode = mode;
    e.name = name;
    e.skip = skip;
    e.tone = 1;
    QVERIFY(ApplyEditFields(image, EditSource::Memory, k, e, nullptr));
}
const QString header =
    QStringLiteral("Frequency\tMode\tGain\tAGC\tPwr\tFilter\tTone\tNB\tSplit Freq.\tName\tSkip");
} // namespace

class TestChannelClipboard : public QObject {
    Q_OBJECT
  private slots:
    void tsvHasTheGridTitlesAndTexts() {
        CloneImage image = NewCloneImage();
        makeChannel(image, 3, 14195000, QStringLiteral("DX NET"), 0, true);
        const QString tsv = ChannelsToTsv(image, {3, 4});
        QCOMPARE(tsv,
                 header + QStringLiteral(
                              "\n14.195.000\tUSB\t0\tSlow\tHigh\tWide\tOn\tOff\t14.194.400\tDX NET\tSkip\n"
                              "\t\t\t\t\t\t\t\t\t\t\n"));
    }

    void tsvComesBackAsTheSameChannels() {
        CloneImage source = NewCloneImage();
        makeChannel(source, 0, 7050000, QStringLiteral("FT8"), 1);
        makeChannel(source, 1, 29999999, QStringLiteral("TOP"), 5, true);
        CloneImage target = NewCloneImage();
        makeChannel(target, 11, 3500000, QStringLiteral("OLD")); // overwritten by the empty third line
        const ChannelPaste p = PasteChannels(target, 9, ChannelsToTsv(source, {0, 1, 2}));
        QVERIFY2(p.ok, qPrintable(p.message));
        QCOMPARE(p.count, 3);
        QCOMPARE(target.ChannelTable[9], source.ChannelTable[0]);
        QCOMPARE(target.ChannelTable[10], source.ChannelTable[1]);
        QVERIFY(target.ChannelUsed[9] && target.ChannelUsed[10]);
        QVERIFY(!target.ChannelUsed[11]);
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
    }

    void frequencyTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("hz");
        QTest::newRow("dotted") << "7.050.000" << qint64(7050000);
        QTest::newRow("dotted two digits") << "29.999.999" << qint64(29999999);
        QTest::newRow("hertz") << "150000" << qint64(150000);
        QTest::newRow("megahertz") << "14.195" << qint64(14195000);
        QTest::newRow("megahertz to the hertz") << "3.573125" << qint64(3573125);
        QTest::newRow("blanks round") << " 7.1 " << qint64(7100000);
        QTest::newRow("word") << "seven" << qint64(-1);
        QTest::newRow("two dots, short group") << "7.05.000" << qint64(-1);
        QTest::newRow("comma") << "7,050" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(-1);
    }
    void frequencyTexts() {
        QFETCH(QString, text);
        QFETCH(qint64, hz);
        QCOMPARE(ParseFrequencyText(text), hz);
    }

    void refusalsNameRowAndFieldAndChangeNothing_data() {
        QTest::addColumn<bool>("wide");
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected"); // parts of the message
        QTest::newRow("frequency above the range")
            << false << 20 << header + "\n7.000.000\n30.000.000\tUSB"
            << QStringList{"Row 21", "line 3", "Frequency", "(1.6MHz - 30MHz)"};
        QTest::newRow("wide range takes 150 kHz but not 149.999")
            << true << 0 << "0.150.000\n0.149.999"
            << QStringList{"Row 1", "line 2", "Frequency", "(150KHz - 35MHz)"};
        QTest::newRow("wide range takes 34.999.999 but not 35")
            << true << 0 << "34.999.999\n35.000.000" << QStringList{"Row 1", "line 2", "(150KHz - 35MHz)"};
        QTest::newRow("split below the range") << false << 0 << "7.000.000\t\t\t\t\t\t\t\t1.599.999"
                                               << QStringList{"Row 0", "Split Freq.", "(1.6MHz - 30MHz)"};
        QTest::newRow("mode not in the list")
            << false << 201 << "7.000.000\tDIGI" << QStringList{"Row A 1", "Mode", "DIGI"};
        QTest::newRow("name with a dot")
            << false << 400 << "7.000.000\t\t\t\t\t\t\t\t\tW1.AW" << QStringList{"Row A-P1", "Name"};
        QTest::newRow("name of nine")
            << false << 0 << "7.000.000\t\t\t\t\t\t\t\t\tABCDEFGHI" << QStringList{"Row 0", "Name"};
        QTest::newRow("skip word") << false << 0 << "7.000.000\t\t\t\t\t\t\t\t\t\tyes" << QStringList{"Skip"};
        QTest::newRow("gain") << false << 0 << "7.000.000\tLSB\t-30" << QStringList{"Gain", "-30"};
        QTest::newRow("no frequency") << false << 0 << "\tLSB" << QStringList{"Frequency"};
        QTest::newRow("too many columns")
            << false << 0 << "7.000.000\t\t\t\t\t\t\t\t\t\t\textra" << QStringList{"12 columns"};
        QTest::newRow("past the last row")
            << false << 602 << "7.000.000\n7.000.000\n7.000.000" << QStringList{"3 channels", "B-P1"};
        QTest::newRow("lossless out of range for this window")
            << false << 0
            << LosslessHeader + "\n80000000000000000000000000000000F04902000000000000000000F0490200"
            << QStringList{"Row 0", "Frequency"};
        QTest::newRow("lossless broken record")
            << false << 0 << LosslessHeader + "\n80XX" << QStringList{"Row 0", "not a channel record"};
        QTest::newRow("nothing") << false << 0 << "\n\n" << QStringList{"no channels"};
    }
    void refusalsNameRowAndFieldAndChangeNothing() {
        QFETCH(bool, wide);
        QFETCH(int, first);
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        CloneImage image = NewCloneImage(VariantJ, wide);
        makeChannel(image, first, 7100000, QStringLiteral("KEEP"));
        const CloneImage before = image;
        const ChannelPaste p = PasteChannels(image, first, text);
        QVERIFY(!p.ok);
        for (const QString &part : expected)
            QVERIFY2(p.message.contains(part), qPrintable(p.message + " lacks " + part));
        QVERIFY(image == before);
    }
};

QTEST_GUILESS_MAIN(TestChannelClipboard)
#include "tst_channel_clipboard.moc"
