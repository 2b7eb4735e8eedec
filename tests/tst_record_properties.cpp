// Properties over many random cases (fixed seeds, so a failure repeats): a record decoded and encoded again
// gives the record back in the form the program writes; a random image goes through the clone file whole;
// random MHz texts come in from a CSV file as the nearest hertz.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "csv/CsvImport.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include <QtTest>
#include <random>

namespace {
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

class TestRecordProperties : public QObject {
    Q_OBJECT
  private slots:
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

    // The hertz are worked out here from the digits, not from a binary fraction.
    void csvMegahertzToTheNearestHertz() {
        std::mt19937 rng(7);
        QByteArray csv;
        QList<qint64> want;
        for (int channel = 0; channel < 200; ++channel) {
            qint64 tenths = 16000000 + qint64(rng() % 283999990); // 1.6 MHz up to below 29.999999 MHz
            if (tenths % 10 == 5) ++tenths;                       // no exact halves
            want << (tenths + 5) / 10;
            const QString mhz =
                QString("%1.%2").arg(tenths / 10000000).arg(tenths % 10000000, 7, 10, QChar('0'));
            csv +=
                QString("KT-M40,MEMORY,%1,%2,5KHz,None,88.5Hz,88.5Hz,023,None,0,Hi,Off,Off,Off,Off,,Off\r\n")
                    .arg(channel)
                    .arg(mhz)
                    .toLatin1();
        }
        CloneImage image = NewCloneImage();
        QCOMPARE(ImportCsvBytes(csv, image).taken, 200);
        for (int channel = 0; channel < 200; ++channel)
            QCOMPARE(qint64(image.ChannelTable[channel].field[FieldFrequency].value), want[channel]);
    }
};

QTEST_GUILESS_MAIN(TestRecordProperties)
#include "tst_record_properties.moc"
