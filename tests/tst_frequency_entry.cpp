// The typing rules of the edit dialog's frequency and name boxes, and the split of a frequency.
#include "channels/FrequencyEntry.h"
#include <QtTest>

class TestFrequencyEntry : public QObject {
    Q_OBJECT
  private slots:
    void splitFrequency_data() {
        QTest::addColumn<qint64>("hz");
        QTest::addColumn<QStringList>("boxes"); // MHz, kHz, Hz
        QTest::newRow("14.195 MHz") << qint64(14195000) << QStringList{"14", "195", "000"};
        QTest::newRow("below 1 MHz") << qint64(150000) << QStringList{"0", "150", "000"};
        QTest::newRow("hertz digits") << qint64(7050007) << QStringList{"7", "050", "007"};
        QTest::newRow("top of wide range") << qint64(34999999) << QStringList{"34", "999", "999"};
        QTest::newRow("zero") << qint64(0) << QStringList{"0", "000", "000"};
    }
    void splitFrequency() {
        QFETCH(qint64, hz);
        QFETCH(QStringList, boxes);
        const FrequencyBoxes b = SplitFrequency(hz);
        QCOMPARE((QStringList{b.mhz, b.khz, b.hz}), boxes);
    }

    void digitFilterKeepsDigitsAndBackspaceOnly() {
        for (char c = '0'; c <= '9'; ++c)
            QVERIFY(FrequencyKeyKept(QLatin1Char(c)));
        QVERIFY(FrequencyKeyKept(QChar(8)));
        for (QChar c : QStringLiteral("a.-+ /:eE"))
            QVERIFY2(!FrequencyKeyKept(c), qPrintable(QString(c)));
    }

    // The advance looks at the box before the key: length and selection only.
    void advance_data() {
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("advances");
        QTest::newRow("MHz: one char, no selection") << 2 << 1 << 0 << true;
        QTest::newRow("MHz: both selected (just entered)") << 2 << 2 << 2 << false;
        QTest::newRow("MHz: two chars, one selected") << 2 << 2 << 1 << true;
        QTest::newRow("MHz: empty") << 2 << 0 << 0 << false;
        QTest::newRow("MHz: one char selected") << 2 << 1 << 1 << false;
        QTest::newRow("MHz: full, nothing selected") << 2 << 2 << 0 << false;
        QTest::newRow("kHz: two chars, no selection") << 3 << 2 << 0 << true;
        QTest::newRow("kHz: three chars, one selected") << 3 << 3 << 1 << true;
        QTest::newRow("kHz: one char") << 3 << 1 << 0 << false;
        QTest::newRow("kHz: all selected") << 3 << 3 << 3 << false;
        QTest::newRow("kHz: three chars, two selected") << 3 << 3 << 2 << false;
    }
    void advance() {
        QFETCH(int, maxLength);
        QFETCH(int, length);
        QFETCH(int, selected);
        QFETCH(bool, advances);
        QCOMPARE(FrequencyKeyAdvances(maxLength, length, selected), advances);
    }

    void completionOnLeaving() {
        for (const auto &[typed, mhz] : {std::pair{"", "0"}, {"7", "7"}, {"14", "14"}})
            QCOMPARE(CompleteMHzBox(typed), QString(mhz));
        for (const auto &[typed, box] : {std::pair{"", "000"}, {"5", "005"}, {"50", "050"}, {"123", "123"}})
            QCOMPARE(CompleteThreeDigitBox(typed), QString(box));
    }

    void nameFilter() {
        const QString typed = QStringLiteral("azQ7"), kept = QStringLiteral("AZQ7");
        for (int i = 0; i < typed.size(); ++i)
            QCOMPARE(FilterNameKey(typed[i]), kept[i]);
        QCOMPARE(FilterNameKey(QChar(8)), QChar(8));
        for (QChar c : QStringLiteral(" #$()*+-/=\\_"))
            QCOMPARE(FilterNameKey(c), c);
        for (QChar c : QStringLiteral("?.,!\"%&'<>@[]^`{|}~:;"))
            QVERIFY2(FilterNameKey(c).isNull(), qPrintable(QString(c)));
        QVERIFY(FilterNameKey(QChar(0xE9)).isNull());   // é
        QVERIFY(FilterNameKey(QChar(0xFF71)).isNull()); // half-width katakana
    }
};

QTEST_APPLESS_MAIN(TestFrequencyEntry)
#include "tst_frequency_entry.moc"
