// CHIRP CSV: hand-written files as other programs and spreadsheets leave them, every refusal and every
// change the import lists, and the round trip of what the format can carry.
#include "channels/ChannelRecord.h"
#include "csv/CsvChirp.h"
#include "csv/CsvLayoutFiles.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include "support/CsvReportItems.h"
#include "support/RandomImages.h"
#include <QtTest>
#include <cmath>

namespace {
const QByteArray header =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

// A repeater list as a CHIRP user keeps it, LF line ends.
const QByteArray repeaters =
    header +
    "\n"
    "0,W1AW 10m,29.620000,-,0.100000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,10.00,,High,\"Newington, "
    "CT\",,,,\n"
    "1,Calling,28.400000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,USB,5.00,S,Low,,,,,\n"
    "2,DX split,14.195000,split,14.225000,,88.5,88.5,023,NN,023,Tone->Tone,USB,5.00,,High,,,,,\n"
    "3,RPT PLUS,29.520000,+,0.100000,TSQL,100.0,100.0,023,NN,023,Tone->Tone,FM,10.00,,High,,,,,\n"
    "4,2M,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"
    "5,FT8,14.074000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,DIG,5.00,,High,,,,,\n"
    "6,CW,7.030000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,CWR,5.00,,High,,,,,\n";

const QByteArray goodLine = "7,ABC,7.050000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,LSB,5.00,,High,,,,,";

QByteArray lineWith(int column, const QByteArray &value) {
    QList<QByteArray> parts = goodLine.split(',');
    parts[column] = value;
    return parts.join(',');
}

QByteArray crlf(QByteArray lf) {
    return lf.replace("\n", "\r\n");
}
} // namespace

class TestCsvChirp : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { BuildTextTables(); }

    void repeaterListIsTaken() {
        for (const QByteArray &data : {repeaters, crlf(repeaters), "\xEF\xBB\xBF" + crlf(repeaters)}) {
            CloneImage image = NewCloneImage(VariantJ, false);
            const CsvFileImport r = ImportCsvFileBytes(data, image);
            QCOMPARE(r.layout, CsvLayout::Chirp);
            QCOMPARE(r.report.taken, 6);
            QCOMPARE(r.report.refused, 1);
            QCOMPARE(r.report.changed, 5);
            const std::pair<int, const char *> stored[] = {
                {0, "8005000100000080000000000000000020F7C30150313A50543130468070C201"},
                {1, "880000010100000000000000000000008059B1013C3A4545424740008059B101"},
                {2, "800000010000000000000000000000003899D8003D51544C4945424D680ED900"},
                {3, "800500010000008000000000000000008070C2014B494D5449454E4C20F7C301"},
                {5, "8000000100000000000000000000000090C0D6003F4D38000000000090C0D600"},
                {6, "80030001000000000000000000000000F0446B003C50000000000000F0446B00"}};
            for (const auto &[k, record] : stored)
                QCOMPARE(MakeMemData(image, k), QString(record));
            QVERIFY(!image.ChannelUsed[4]);
            QVERIFY(hasItem(r.report, CsvReportItem::Refused, "4", "Frequency"));
            QVERIFY(hasItem(r.report, CsvReportItem::Changed, "0", "Name"));
            QVERIFY(hasItem(r.report, CsvReportItem::Changed, "3", "Tone"));
            QVERIFY(hasItem(r.report, CsvReportItem::Changed, "3", "cToneFreq"));
            QVERIFY(hasItem(r.report, CsvReportItem::Changed, "5", "Mode"));
        }
    }

    void fileWithFewerColumnsIsReadByName() {
        const QByteArray lf = "Location,Name,Frequency,Mode\n10,ABC,7.050000,LSB\n11,,3.5,CW\n";
        // also columns in another order, spelled in another case, and a spreadsheet's trailing empty columns
        for (const QByteArray &data :
             {lf, crlf(lf), "\xEF\xBB\xBF" + lf, QByteArray(lf).replace('\n', '\r'),
              QByteArray("Location,mode,FREQUENCY,Name,,,\r\n10,LSB,7.050000,\"ABC\",,,\r\n"
                         "11,CW,3.5,,,,\r\n")}) {
            CloneImage image = NewCloneImage(VariantT, false);
            const CsvFileImport r = ImportCsvFileBytes(data, image);
            QCOMPARE(r.report.taken, 2);
            QCOMPARE(r.report.refused, 0);
            QCOMPARE(r.report.changed, 0);
            QCOMPARE(MakeMemData(image, 10),
                     QString("8001000100000000000000000000000010936B003A3B3C000000000010936B00"));
            QCOMPARE(MakeMemData(image, 11),
                     QString("80020001000000000000000000000000E06735000000000000000000E0673500"));
        }
    }

    void columnsNotInTheFileKeepTheChannels() {
        CloneImage image = NewCloneImage(VariantJ, false);
        // used channel 10: gain -20 (2), AGC Fast, filter Narrow, NB on, name ABC, skip, power Low, tone on
        UpdateMemData(image, "880102000100018000010000000000008059B1013A3B3C00000000008059B101", 10);
        const CsvFileImport r = ImportCsvFileBytes("Location,Frequency\n10,7.050000\n", image);
        QCOMPARE(r.report.taken, 1);
        QCOMPARE(MakeMemData(image, 10),
                 QString("8801020001000180000100000000000010936B003A3B3C000000000010936B00"));

        // a power code outside the list stays when the file's power is no level of the radio
        UpdateMemData(image, "880102000500018000010000000000008059B1013A3B3C00000000008059B101", 12);
        const CsvFileImport p = ImportCsvFileBytes("Location,Frequency,Power\n12,7.050000,50W\n", image);
        QCOMPARE(p.report.changed, 1);
        QCOMPARE(p.report.items,
                 QList<CsvReportItem>({{CsvReportItem::Changed, "12", "Power",
                                        "50W is no power level of the radio; the channel keeps its power"}}));
        QCOMPARE(MakeMemData(image, 12),
                 QString("8801020005000180000100000000000010936B003A3B3C000000000010936B00"));
    }

    // One line after the header: refused (the image stays as it was), taken as written, or taken with one
    // change listed.
    void oneLine_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("kind"); // -1: taken unchanged
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("record"); // channel 7 after the import
        const QString plain = "8001000100000000000000000000000010936B003A3B3C000000000010936B00";
        const QString toneOn = QString(plain).replace(14, 2, "80");
        auto refusal = [](const char *name, const QByteArray &line, const QString &field,
                          const QString &row = "7") {
            QTest::newRow(name) << line << int(CsvReportItem::Refused) << row << field << QString();
        };
        auto change = [](const char *name, const QByteArray &line, const QString &field,
                         const QString &record) {
            QTest::newRow(name) << line << int(CsvReportItem::Changed) << QString("7") << field << record;
        };
        refusal("location text", lineWith(0, "seven"), "Location", "line 2");
        refusal("location 604", lineWith(0, "604"), "Location", "604");
        refusal("location negative", lineWith(0, "-1"), "Location", "line 2");
        refusal("frequency empty", lineWith(2, ""), "Frequency");
        refusal("frequency text", lineWith(2, "7.05.0"), "Frequency");
        refusal("frequency 2 m", lineWith(2, "146.520000"), "Frequency");
        refusal("frequency low", lineWith(2, "1.500000"), "Frequency");
        refusal("duplex", lineWith(3, "minus"), "Duplex");
        refusal("split outside", lineWith(3, "split").replace("0.000000", "0.100000"), "Offset");
        refusal("shift outside", lineWith(3, "-").replace("0.000000", "7.000000"), "Offset");
        refusal("offset text", lineWith(3, "+").replace("0.000000", "100k"), "Offset");
        refusal("shift without frequency", lineWith(3, "+").replace("7.050000", ""), "Frequency");
        refusal("tone mode", lineWith(5, "DCS"), "Tone");
        refusal("mode", lineWith(12, "WFM"), "Mode");
        refusal("mode dv", lineWith(12, "DV"), "Mode");
        refusal("skip", lineWith(14, "X"), "Skip");
        QTest::newRow("the good line") << goodLine << -1 << QString() << QString() << plain;
        QTest::newRow("shift without offset")
            << lineWith(3, "+").replace("0.000000", "") << -1 << QString() << QString() << plain;
        change("name case", lineWith(1, "abc"), "Name", plain);
        change("name cut", lineWith(1, "ABC.DEFGHIJ"), "Name",
               "8001000100000000000000000000000010936B003A3B3C3D3E3F404110936B00");
        change("nfm", lineWith(12, "NFM"), "Mode", QString(plain).replace(2, 2, "05"));
        change("rtty", lineWith(12, "RTTY"), "Mode", plain);
        change("dtcs", lineWith(5, "DTCS"), "Tone", plain);
        change("cross to tone", lineWith(5, "Cross").replace("Tone->Tone", "Tone->DTCS"), "Tone", toneOn);
        change("cross from dtcs", lineWith(5, "Cross").replace("Tone->Tone", "DTCS->Tone"), "Tone", plain);
        change("tone not a number", lineWith(5, "Tone").replace("88.5,88.5", "none,88.5"), "rToneFreq",
               toneOn);
        change("other tone", lineWith(5, "Tone").replace("88.5,88.5", "100.0,88.5"), "rToneFreq", toneOn);
        change("duplex off", lineWith(3, "off"), "Duplex", plain);
        change("priority", lineWith(14, "P"), "Skip", plain);
        change("watts", lineWith(15, "50W"), "Power", plain);
        change("sub hertz", lineWith(2, "7.0500004"), "Frequency", plain);
    }

    void oneLine() {
        QFETCH(QByteArray, line);
        QFETCH(int, kind);
        QFETCH(QString, record);
        CloneImage image = NewCloneImage(VariantJ, false);
        const CloneImage before = image;
        const CsvFileImport r = ImportCsvFileBytes(header + "\r\n" + line + "\r\n", image);
        QCOMPARE(r.report.taken, kind == CsvReportItem::Refused ? 0 : 1);
        QCOMPARE(r.report.refused, kind == CsvReportItem::Refused ? 1 : 0);
        QCOMPARE(r.report.changed, kind == CsvReportItem::Changed ? 1 : 0);
        QCOMPARE(r.report.items.size(), kind < 0 ? 0 : 1);
        if (kind >= 0) {
            QCOMPARE(int(r.report.items[0].kind), kind);
            QTEST(r.report.items[0].row, "row");
            QTEST(r.report.items[0].field, "field");
        }
        if (kind == CsvReportItem::Refused)
            QVERIFY(image == before);
        else
            QCOMPARE(MakeMemData(image, 7), record);
    }

    void duplicateLocationAndMissingColumns() {
        CloneImage image = NewCloneImage(VariantJ, false);
        CsvFileImport r =
            ImportCsvFileBytes(header + "\n" + goodLine + "\n" + lineWith(2, "7.100000") + "\n", image);
        QCOMPARE(r.report.taken, 1);
        QCOMPARE(r.report.refused, 1);
        QVERIFY(hasItem(r.report, CsvReportItem::Refused, "7", "Location"));
        QCOMPARE(image.ChannelTable[7].field[FieldFrequency].text, QString("7.050.000"));

        CloneImage other = NewCloneImage(VariantJ, false);
        r = ImportCsvFileBytes("Location,Name,Mode\n7,ABC,LSB\n", other);
        QCOMPARE(r.report.taken, 0);
        QVERIFY(hasItem(r.report, CsvReportItem::Refused, "line 1", "Frequency"));
        QVERIFY(other == NewCloneImage(VariantJ, false));

        // a column named twice is read from its first place
        CloneImage third = NewCloneImage(VariantJ, false);
        r = ImportCsvFileBytes("Location,Frequency,FREQUENCY\n7,7.050000,3.5\n", third);
        QCOMPARE(r.report.taken, 1);
        QCOMPARE(third.ChannelTable[7].field[FieldFrequency].text, QString("7.050.000"));
    }

    void exportWritesTheMapping() {
        CloneImage image = NewCloneImage(VariantJ, false);
        UpdateMemData(image, "8005000100000080000000000000000020F7C30150313A50543130468070C201", 0);
        UpdateMemData(image, "800000010000000000000000000000003899D8003D51544C4945424D680ED900", 402);
        // gain -10 and NB on have no column, a tone byte of 0x8C comes back as 0x80
        UpdateMemData(image, "880201000200008C00010000000000008059B10100000000000000008059B101", 603);
        CsvReport notCarried;
        const QList<QByteArray> lines = ChirpCsvBytes(image, &notCarried).split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], header + "\r");
        QCOMPARE(lines[1],
                 QByteArray("0,W1AW 10M,29.620000,-,0.100000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"
                            "High,0,,,,\r"));
        QCOMPARE(
            lines[2],
            QByteArray("402,DX SPLIT,14.195000,split,14.225000,,88.5,88.5,023,NN,023,Tone->Tone,USB,5.00,,"
                       "High,B  0,,,,\r"));
        QCOMPARE(lines[3],
                 QByteArray("603,,28.400000,,0.000000,Tone,88.5,88.5,023,NN,023,Tone->Tone,CW,5.00,S,"
                            "S-Low,B-P2,,,,\r"));
        QCOMPARE(notCarried.taken, 3);
        QCOMPARE(notCarried.itemCount(), qint64(2 + 4)); // both VFOs; Gain, AGC, NB and the tone byte of 603
        for (const QString field : {"Gain", "AGC", "NB", "Tone"})
            QVERIFY(hasItem(notCarried, CsvReportItem::NotCarried, "603", field));
        QVERIFY(hasItem(notCarried, CsvReportItem::NotCarried, "VFO A", ""));
    }

    // What the format carries comes back: export, import into a new image, compare channel by channel.
    void roundTripKeepsWhatTheFormatCarries() {
        for (quint32 seed = 1; seed <= 40; ++seed) {
            std::mt19937 rng(seed);
            const CloneImage image = RandomImage(rng, {/*anyCodes*/ seed % 2 == 0, 70});
            CsvReport notCarried;
            const QByteArray bytes = ChirpCsvBytes(image, &notCarried);
            CloneImage back = NewCloneImage(image.Variant, image.WideRange);
            const CsvFileImport r = ImportCsvFileBytes(bytes, back);
            QCOMPARE(r.layout, CsvLayout::Chirp);
            QCOMPARE(r.report.refused, 0);
            int used = 0, expectedNotCarried = 2;
            for (int k = 0; k < ChannelCount; ++k) {
                QCOMPARE(back.ChannelUsed[k], image.ChannelUsed[k]);
                if (!image.ChannelUsed[k]) continue;
                ++used;
                const RecordBytes a = ReadRecordBytes(MakeMemData(image, k));
                const RecordBytes b = ReadRecordBytes(MakeMemData(back, k));
                // status, mode, power (when in its list), frequency, name and split frequency: bytes 0, 1,
                // 4, 16..31; the tone switch: bit 7 of byte 7
                for (int i : {0, 1, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31})
                    QCOMPARE(b[i], a[i]);
                QCOMPARE(b[7] & 0x80, a[7] & 0x80);
                if (a[4] <= 2) QCOMPARE(b[4], a[4]);
                expectedNotCarried += (a[2] != 0) + (a[3] != 1) + (a[4] > 2) + (a[6] != 0) +
                                      (a[7] != 0 && a[7] != 0x80) + (a[9] != 0);
                const bool whole = a[2] == 0 && a[3] == 1 && a[4] <= 2 && a[6] == 0 &&
                                   (a[7] == 0 || a[7] == 0x80) && a[9] == 0;
                if (whole) QCOMPARE(MakeMemData(back, k), MakeMemData(image, k));
            }
            QCOMPARE(r.report.taken, used);
            QCOMPARE(notCarried.itemCount(), qint64(expectedNotCarried));
        }
    }

    void mhzTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("hz");
        QTest::addColumn<bool>("rounded");
        QTest::newRow("six decimals") << "7.050000" << qint64(7050000) << false;
        QTest::newRow("short") << "7.05" << qint64(7050000) << false;
        QTest::newRow("whole") << "14" << qint64(14000000) << false;
        QTest::newRow("no integer part") << ".5" << qint64(500000) << false;
        QTest::newRow("round up") << "7.0500005" << qint64(7050001) << true;
        QTest::newRow("zeros beyond") << "7.050000000" << qint64(7050000) << false;
        QTest::newRow("text") << "7.05MHz" << qint64(-1) << false;
        QTest::newRow("empty") << "" << qint64(-1) << false;
    }
    void mhzTexts() {
        QFETCH(QString, text);
        QFETCH(qint64, hz);
        QFETCH(bool, rounded);
        qint64 got = -1;
        bool r = false;
        QCOMPARE(ChirpHz(text, got, &r), hz >= 0);
        qint64 alone = -1;
        QCOMPARE(ChirpHz(text, alone), hz >= 0); // without asking whether it was rounded
        QCOMPARE(alone, hz);
        if (hz < 0) return;
        QCOMPARE(got, hz);
        QCOMPARE(r, rounded);
        QCOMPARE(ChirpMHzText(hz), QString::number(double(hz) / 1e6, 'f', 6));
    }
};

QTEST_GUILESS_MAIN(TestCsvChirp)
#include "tst_csv_chirp.moc"
