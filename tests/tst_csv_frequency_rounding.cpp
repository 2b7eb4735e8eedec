// CSV import of frequencies in MHz: texts that have no exact binary value come in as the nearest hertz,
// never one hertz low, and the range check judges the rounded value.
#include "channels/ChannelRecord.h"
#include "csv/CsvImport.h"
#include "files/NewImage.h"
#include <QtTest>

namespace {
QByteArray record(const QString &bank, const QString &channel, const QString &mhz, const QString &shift,
                  const QString &offset) {
    const QStringList fields = {"KT-M40", bank,   channel, mhz,   "5KHz", "None", "88.5Hz", "88.5Hz", "023",
                                shift,    offset, "Hi",    "Off", "Off",  "Off",  "Off",    "",       "Off"};
    return ('"' + fields.join("\",\"") + "\"\r\n").toLatin1();
}
} // namespace

class TestCsvFrequencyRounding : public QObject {
    Q_OBJECT
  private slots:
    void megahertzToTheNearestHertz_data() {
        QTest::addColumn<QString>("mhz");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<qint64>("hz"); // -1: outside the range, not taken
        QTest::addColumn<QString>("text");
        QTest::newRow("7.05") << "7.05" << false << qint64(7050000) << "7.050.000";
        QTest::newRow("14.195") << "14.195" << false << qint64(14195000) << "14.195.000";
        QTest::newRow("0.15 wide") << "0.15" << true << qint64(150000) << "0.150.000";
        QTest::newRow("0.15 narrow") << "0.15" << false << qint64(-1) << "";
        QTest::newRow("29.9999995 wide") << "29.9999995" << true << qint64(30000000) << "30.000.000";
        QTest::newRow("29.9999995 narrow is 30 MHz") << "29.9999995" << false << qint64(-1) << "";
        QTest::newRow("29.9999994 narrow") << "29.9999994" << false << qint64(29999999) << "29.999.999";
        QTest::newRow("7.0500007 up") << "7.0500007" << false << qint64(7050001) << "7.050.001";
        QTest::newRow("7.0500004 down") << "7.0500004" << false << qint64(7050000) << "7.050.000";
        QTest::newRow("3.9999996 up") << "3.9999996" << false << qint64(4000000) << "4.000.000";
        QTest::newRow("1.5999995 is 1.6 MHz") << "1.5999995" << false << qint64(1600000) << "1.600.000";
        QTest::newRow("0.1499995 wide is 150 kHz") << "0.1499995" << true << qint64(150000) << "0.150.000";
        QTest::newRow("34.9999995 wide is 35 MHz") << "34.9999995" << true << qint64(-1) << "";
    }
    void megahertzToTheNearestHertz() {
        QFETCH(QString, mhz);
        QFETCH(bool, wide);
        QFETCH(qint64, hz);
        QFETCH(QString, text);
        for (const QString bank : {"MEMORY", "VFO"}) {
            CloneImage image = NewCloneImage(VariantE, wide);
            const bool vfo = bank == "VFO";
            const CsvImportResult result =
                ImportCsvBytes(record(bank, vfo ? "VFO B" : "42", mhz, "None", "0"), image);
            QCOMPARE(result.taken, hz < 0 ? 0 : 1);
            if (hz < 0) continue;
            const FieldSlot &f =
                vfo ? image.VfoTable[1].field[FieldFrequency] : image.ChannelTable[42].field[FieldFrequency];
            QCOMPARE(f.value, double(hz));
            QCOMPARE(f.text, text);
            if (!vfo) QCOMPARE(image.ChannelTable[42].field[FieldSplitFreq].value, double(hz));
        }
    }

    void offsetsToTheNearestHertz_data() {
        QTest::addColumn<QStringList>("input"); // FREQUENCY, SHIFT, SHIFT FREQUENCY
        QTest::addColumn<double>("split");
        QTest::newRow("7.05 - 0.6") << QStringList{"7.05", "-Shift", "0.6"} << 6450000.0;
        QTest::newRow("14.195 + 0.0000007") << QStringList{"14.195", "+Shift", "0.0000007"} << 14195001.0;
        QTest::newRow("14.195 - 0.0000004") << QStringList{"14.195", "-Shift", "0.0000004"} << 14195000.0;
        QTest::newRow("7.0500007 + 0.0000007")
            << QStringList{"7.0500007", "+Shift", "0.0000007"} << 7050002.0;
    }
    void offsetsToTheNearestHertz() {
        QFETCH(QStringList, input);
        CloneImage image = NewCloneImage();
        QCOMPARE(ImportCsvBytes(record("MEMORY", "199", input[0], input[1], input[2]), image).taken, 1);
        QTEST(image.ChannelTable[199].field[FieldSplitFreq].value, "split");
    }
};

QTEST_GUILESS_MAIN(TestCsvFrequencyRounding)
#include "tst_csv_frequency_rounding.moc"
