// Set Field, Sort and Find over many channels.
#include "channels/ChannelBulkEdit.h"
#include "channels/ChannelEdit.h"
#include "channels/ChannelRecord.h"
#include <QtTest>

namespace {
void makeChannel(CloneImage &image, int k, qint64 hz, const QString &name) {
    EditFields e = NewChannelFields(image.Variant);
    e.frequency = e.split = SplitFrequency(hz);
    e.name = name;
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
} // namespace

class TestChannelBulkEdit : public QObject {
    Q_OBJECT
  private slots:
    void fieldsAndValuesAreTheDialogsLists() {
        QCOMPARE(BulkFieldName(BulkField::Power), QStringLiteral("Pwr"));
        QCOMPARE(BulkFieldValues(BulkField::Mode), (QStringList{"USB", "LSB", "CWU", "CWL", "AM", "FM"}));
        QCOMPARE(BulkFieldValues(BulkField::Gain), (QStringList{"0", "-10", "-20", "+10"}));
        QCOMPARE(BulkFieldValues(BulkField::Skip), (QStringList{"Off", "On"}));
    }

    void setFieldStoresAsTheDialogDoes_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("code");
        QTest::newRow("mode FM") << int(BulkField::Mode) << 5 << int(FieldMode) << "FM" << 5.0;
        QTest::newRow("gain +10") << int(BulkField::Gain) << 3 << int(FieldGain) << "+10" << 3.0;
        QTest::newRow("agc fast") << int(BulkField::AGC) << 0 << int(FieldAGC) << "Fast" << 0.0;
        QTest::newRow("power s-low") << int(BulkField::Power) << 2 << int(FieldPwr) << "S-Low" << 2.0;
        QTest::newRow("filter narrow") << int(BulkField::Filter) << 1 << int(FieldFilter) << "Narrow" << 1.0;
        QTest::newRow("tone on") << int(BulkField::Tone) << 1 << int(FieldTone) << "On" << 128.0;
        QTest::newRow("nb on") << int(BulkField::NB) << 1 << int(FieldNB) << "On" << 1.0;
        QTest::newRow("skip on") << int(BulkField::Skip) << 1 << int(FieldSkip) << "Skip" << 1.0;
    }
    void setFieldStoresAsTheDialogDoes() {
        QFETCH(int, field);
        QFETCH(int, value);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(double, code);
        CloneImage image = NewCloneImage();
        makeChannel(image, 10, 7000000, QStringLiteral("A"));
        makeChannel(image, 12, 7100000, QStringLiteral("B"));
        makeChannel(image, 13, 7200000, QStringLiteral("NOT SEL"));
        const ChannelEntry outside = image.ChannelTable[13];
        const BulkEdit e = SetChannelField(image, {10, 11, 12}, BulkField(field), value);
        QVERIFY2(e.ok, qPrintable(e.message));
        QCOMPARE(e.changed, 2);
        for (int k : {10, 12}) {
            QCOMPARE(image.ChannelTable[k].field[column].text, text);
            QCOMPARE(image.ChannelTable[k].field[column].value, code);
        }
        QVERIFY(!image.ChannelUsed[11]); // an empty channel stays empty
        QCOMPARE(image.ChannelTable[11], ChannelEntry());
        QCOMPARE(image.ChannelTable[13], outside);
        // The record the radio gets follows: MakeMemData of channel 10 holds the code.
        CloneImage check = NewCloneImage();
        QVERIFY(UpdateMemData(check, MakeMemData(image, 10), 0));
        QCOMPARE(check.ChannelTable[0].field[column].value, code);
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
    }

    void findGoesRoundFromTheRowAfter() {
        CloneImage image = NewCloneImage();
        makeChannel(image, 5, 7074000, QStringLiteral("FT8 40"));
        makeChannel(image, 300, 14074000, QStringLiteral("FT8 20"));
        makeChannel(image, 301, 7074000, QStringLiteral("OTHER"));
        // from the row after, round past the end, itself last; a frequency as typed in any of its forms
        const FindBy N = FindBy::Name, F = FindBy::Frequency;
        const std::tuple<const char *, FindBy, int, int> finds[] = {
            {"ft8", N, 0, 5},     {"ft8", N, 5, 300},       {"ft8", N, 300, 5},        {"FT8 40", N, 5, 5},
            {"7.074", F, 5, 301}, {"7.074.000", F, 301, 5}, {"14074000", F, 603, 300}, {"3.5", F, 0, -1},
            {"xyz", F, 0, -1},    {"nothere", N, 0, -1}};
        for (const auto &[text, by, from, row] : finds)
            QCOMPARE(FindChannel(image, text, by, from), row);
        // An emptied channel's leftovers are not found.
        image.ChannelUsed[5] = false;
        QCOMPARE(FindChannel(image, QStringLiteral("FT8 40"), FindBy::Name, 0), -1);
    }
};

QTEST_GUILESS_MAIN(TestChannelBulkEdit)
#include "tst_channel_bulk_edit.moc"
