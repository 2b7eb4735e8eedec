// CSV import: the field reader, the column recognition, where records are stored and what is dropped.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "csv/CsvExport.h"
#include "csv/CsvFieldReader.h"
#include "csv/CsvImport.h"
#include "csv/CsvRecognition.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include "support/RecordText.h"
#include "support/TestFiles.h"
#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// column numbers of a record
enum Col { Model, Bank, Channel, Freq, Step, Tone, TxTone, RxTone, Dcs, Shift, ShiftFreq };
enum MoreCols { Power = ShiftFreq + 1, Att, Bs, Clock, Bclo, Name, Skip };

// A channel record that the import takes, in the import's own vocabulary.
QStringList memoryRecord(const QString &channel) {
    return {"KT-M40", "MEMORY", channel, "7.050000", "5KHz", "None", "88.5Hz", "88.5Hz", "023",
            "None",   "0.0000", "Hi",    "Off",      "Off",  "Off",  "Off",    "NAME",   "Off"};
}
QStringList vfoRecord(const QString &label) {
    QStringList r = memoryRecord(label);
    r[Bank] = "VFO";
    return r;
}
QStringList with(QStringList record, int col, const QString &value) {
    record[col] = value;
    return record;
}

QByteArray quotedLine(const QStringList &fields) {
    QByteArray line;
    for (const QString &f : fields)
        line += (line.isEmpty() ? "\"" : ",\"") + f.toLatin1() + "\"";
    return line + "\r\n";
}

std::vector<std::string> allFields(const QByteArray &data, int chunk) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    CsvFieldReader reader(buffer, chunk);
    std::vector<std::string> out;
    std::string f;
    while (reader.readField(f))
        out.push_back(f);
    return out;
}
} // namespace

class TestCsvImport : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { BuildTextTables(); }

    void readerSplitsFieldsAtCommasAndLineEnds() {
        const QByteArray data = "\xEF\xBB\xBF"
                                "a,\"b c\",  \"d\",\t e ,\r\n\r\n\"\",x\"y\",\"z\n\"open\rlast";
        const std::vector<std::string> expected{"a", "b c",    "d", "e ",   "",    "",
                                                "",  "x\"y\"", "z", "open", "last"};
        for (int chunk : {1, 2, 3, 5, 64 * 1024})
            QCOMPARE(allFields(data, chunk), expected);
        // a trailing comma at the very end gives no further field; an empty file gives none
        QCOMPARE(allFields("a,", 4), (std::vector<std::string>{"a"}));
        QVERIFY(allFields("", 4).empty());
        // an overlong field is cut, not kept whole
        const std::vector<std::string> longOne = allFields(QByteArray(100000, '7') + ",8", 1000);
        QCOMPARE(longOne.size(), std::size_t(2));
        QCOMPARE(longOne[0].size(), std::size_t(CsvFieldReader::MaxFieldBytes));
        QCOMPARE(longOne[1], std::string("8"));
        // cut, a quoted one keeps its closing quote: the first 4096 bytes less the opening quote
        const std::vector<std::string> longQuoted = allFields("\"" + QByteArray(5000, '7') + "\",8", 1000);
        QCOMPARE(longQuoted[0], std::string(4095, '7'));
        QCOMPARE(allFields("a,b", 0), (std::vector<std::string>{"a", "b"})); // 0: the default chunk
    }

    void numbersAndTablesAreRecognized() {
        // the leading number only, no exponent
        const std::pair<const char *, double> numbers[] = {{"7.05MHz", 7.05}, {"-3", -3.0}, {"+.5", 0.5},
                                                           {"1.2.3", 1.2},    {"1e3", 1.0}, {"abc", 0.0},
                                                           {"-", 0.0},        {".", 0.0}};
        for (const auto &[text, number] : numbers)
            QCOMPARE(CsvNumber(text), number);
        // tone and DCS code: the first, the last and one not in the table
        for (const auto &[text, tone] : {std::pair{"88.5Hz", 8}, {"250.30", 38}, {"88", -1}})
            QCOMPARE(CsvToneIndex(CsvNumber(text)), tone);
        for (const auto &[text, dcs] : {std::pair{"023", 0}, {"754", 103}, {"024", -1}})
            QCOMPARE(CsvDcsIndex(CsvNumber(text)), dcs);

        // a STEP text outside the table keeps the step code of the record before
        CsvRecognizer recognizer;
        CsvRecord record;
        std::vector<std::string> f;
        for (const QString &s : memoryRecord("1").mid(3))
            f.push_back(s.toStdString());
        f[Step - 3] = "12.5KHz";
        QVERIFY(recognizer.recognize(f.data(), record));
        QCOMPARE(record.value[CsvStep].code, 2.0);
        f[Step - 3] = "12.5kHz";
        QVERIFY(recognizer.recognize(f.data(), record));
        QCOMPARE(record.value[CsvStep].text, QString("12.5KHz"));
        QCOMPARE(record.value[CsvFrequency].text, QString("7.0500"));
        f[Freq - 3] = "0.5";
        f[ShiftFreq - 3] = ".6";
        f[Att - 3] = "20";
        QVERIFY(recognizer.recognize(f.data(), record));
        QCOMPARE(record.value[CsvFrequency].text, QString(".5000"));
        f[Freq - 3] = "-0.5";
        QVERIFY(recognizer.recognize(f.data(), record));
        QCOMPARE(record.value[CsvFrequency].text, QString("-.5000"));
        f[Freq - 3] = "0.5";
        QCOMPARE(record.value[CsvShiftFrequency].text, QString("0.6000"));
        QCOMPARE(record.value[CsvAtt].code, 17.0);
        QCOMPARE(record.value[CsvTxTone].text, QString("88.5Hz"));
        QCOMPARE(record.value[CsvDcs].text, QString("023"));
    }

    void everyMappedFieldOfAChannel() {
        CloneImage image = NewCloneImage();
        const QStringList r{"KT-M40", "MEMORY", "17", "14.195", "5KHz", "TSQ", "88.5Hz", "88.5Hz",    "023",
                            "+Shift", "0.6",    "Lo", "20dB",   "Off",  "Off", "Off",    "ab cdefgh", "On"};
        const CsvImportResult result = ImportCsvBytes(quotedLine(r), image);
        QCOMPARE(result.status, FileStatus::Ok);
        QCOMPARE(result.taken, 1);
        QCOMPARE(result.dropped, 0);
        QVERIFY(image.ChannelUsed[17]);
        const auto &f = image.ChannelTable[17].field;
        const QStringList texts{"14.195.000", "LSB", "-20",        "Slow",   "Low", "Wide",
                                "On",         "Off", "14.795.000", "AB CDE", "Skip"};
        const QList<double> values{14195000, 1, 2, 1, 1, 0, 128, 0, 14795000, 0, 1};
        for (int i = 0; i < ChannelFieldCount; ++i) {
            QCOMPARE(f[i].text, texts[i]);
            QCOMPARE(f[i].value, values[i]);
        }
        // the stored entry is one the radio can hold: it encodes as used and skipped
        QVERIFY(MakeMemData(image, 17).startsWith("880102010100008000"));
    }

    void columnMapping_data() {
        QTest::addColumn<QStringList>("record");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const QStringList r = memoryRecord("3");
        QTest::newRow("-Shift") << with(with(r, Shift, "-Shift"), ShiftFreq, "0.6") << int(FieldSplitFreq)
                                << "6.450.000" << 6450000.0;
        QTest::newRow("+Shift") << with(with(r, Shift, "+Shift"), ShiftFreq, "1") << int(FieldSplitFreq)
                                << "8.050.000" << 8050000.0;
        QTest::newRow("no shift keeps the frequency") << with(with(r, Shift, "None"), ShiftFreq, "1")
                                                      << int(FieldSplitFreq) << "7.050.000" << 7050000.0;
        QTest::newRow("shift is case-sensitive") << with(with(r, Shift, "-shift"), ShiftFreq, "1")
                                                 << int(FieldSplitFreq) << "7.050.000" << 7050000.0;
        QTest::newRow("frequency with unit")
            << with(r, Freq, "21.2MHz") << int(FieldFrequency) << "21.200.000" << 21200000.0;
        QTest::newRow("ATT 10") << with(r, Att, "10") << int(FieldGain) << "-10" << 1.0;
        QTest::newRow("ATT 15") << with(r, Att, "15") << int(FieldGain) << "0" << 0.0;
        QTest::newRow("ATT Off") << with(r, Att, "Off") << int(FieldGain) << "0" << 0.0;
        QTest::newRow("Power Hi") << with(r, Power, "Hi") << int(FieldPwr) << "High" << 0.0;
        QTest::newRow("Power hi") << with(r, Power, "hi") << int(FieldPwr) << "Low" << 1.0;
        QTest::newRow("TONE Tone") << with(r, Tone, "Tone") << int(FieldTone) << "On" << 128.0;
        QTest::newRow("TONE DCS") << with(r, Tone, "DCS") << int(FieldTone) << "On" << 128.0;
        QTest::newRow("TONE None") << with(r, Tone, "None") << int(FieldTone) << "Off" << 0.0;
        QTest::newRow("Skip on") << with(r, Skip, "on") << int(FieldSkip) << "" << 0.0;
        QTest::newRow("name of eight cut to six")
            << with(r, Name, "ABCDEFGH") << int(FieldName) << "ABCDEF" << 0.0;
        QTest::newRow("name upper-cased") << with(r, Name, "qrp-1") << int(FieldName) << "QRP-1" << 0.0;
        QTest::newRow("name cut at a character the radio lacks")
            << with(r, Name, "AB.CD") << int(FieldName) << "AB" << 0.0;
        QTest::newRow("name cut after six, not before")
            << with(r, Name, "ABCDEF.") << int(FieldName) << "ABCDEF" << 0.0;
        QTest::newRow("STEP has no field") << with(r, Step, "30KHz") << int(FieldMode) << "LSB" << 1.0;
        QTest::newRow("BS, Clock, BCLO have no field")
            << with(with(with(r, Bs, "On"), Clock, "On"), Bclo, "On") << int(FieldNB) << "Off" << 0.0;
    }

    void columnMapping() {
        QFETCH(QStringList, record);
        QFETCH(int, field);
        CloneImage image = NewCloneImage();
        QCOMPARE(ImportCsvBytes(quotedLine(record), image).taken, 1);
        QTEST(image.ChannelTable[3].field[field].text, "text");
        QTEST(image.ChannelTable[3].field[field].value, "value");
    }

    void aRecordReplacesTheWholeEntry() {
        // A channel that was there gets the new-channel values wherever the file has no field for them.
        CloneImage image = NewCloneImage(VariantE);
        QVERIFY(UpdateMemData(image, "8805030102000101000100000000000038995800414243444546474838995800", 9));
        QCOMPARE(ImportCsvBytes(quotedLine(with(memoryRecord("9"), Name, "")), image).taken, 1);
        QCOMPARE(MakeMemData(image, 9), QString("80010001000000000000000000000000"
                                                "10936B00000000000000000010936B00"));
    }

    void vfoRecords() {
        CloneImage image = NewCloneImage(VariantT);
        const QByteArray data =
            quotedLine(with(with(vfoRecord("VFO B"), Freq, "3.5"), Att, "10")) +
            quotedLine(vfoRecord("VFO C")) + quotedLine(vfoRecord("vfo a")) +
            // a VFO has no split frequency: only its frequency is checked
            quotedLine(with(with(with(vfoRecord("VFO A"), Freq, "1.7"), Shift, "-Shift"), ShiftFreq, "1"));
        const CsvImportResult result = ImportCsvBytes(data, image);
        QCOMPARE(result.taken, 2);
        QCOMPARE(result.dropped, 0);
        QCOMPARE(MakeVFOData(image, 1), QString("80010101000000000000000000000000"
                                                "E0673500000000000000000000000000"));
        QCOMPARE(image.VfoTable[0].field[FieldFrequency].text, QString("1.700.000"));
        QCOMPARE(image.VfoTable[0].field[FieldPwr].text, QString("High"));
    }

    // The range's own edges after rounding are in tst_csv_frequency_rounding.
    void frequencyRange_data() {
        QTest::addColumn<bool>("wide");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QStringList>("shift"); // SHIFT and SHIFT FREQUENCY
        QTest::addColumn<bool>("taken");
        const QStringList none{"None", "0"};
        QTest::newRow("below 1.6 MHz") << false << "1.599999" << none << false;
        QTest::newRow("split below") << false << "1.7" << QStringList{"-Shift", "0.2"} << false;
        QTest::newRow("split above") << false << "29.5" << QStringList{"+Shift", "0.5"} << false;
        QTest::newRow("split inside") << false << "29.5" << QStringList{"+Shift", "0.499999"} << true;
        QTest::newRow("no exponent: 1e400 is 1") << false << "1e400" << none << false;
        QTest::newRow("enormous digits") << true << QString(400, '9') << none << false;
        QTest::newRow("not a number") << false << "seven" << none << false;
        QTest::newRow("wide below") << true << "0.149999" << none << false;
        QTest::newRow("wide 34.999999") << true << "34.999999" << none << true;
    }

    void frequencyRange() {
        QFETCH(bool, wide);
        QFETCH(QString, frequency);
        QFETCH(QStringList, shift);
        QFETCH(bool, taken);
        CloneImage image = NewCloneImage(VariantA, wide);
        const CloneImage before = image;
        QStringList r =
            with(with(with(memoryRecord("120"), Freq, frequency), Shift, shift[0]), ShiftFreq, shift[1]);
        const CsvImportResult result = ImportCsvBytes(quotedLine(r), image);
        QCOMPARE(result.taken, taken ? 1 : 0);
        QCOMPARE(result.dropped, taken ? 0 : 1);
        QCOMPARE(image.ChannelUsed[120], taken);
        if (!taken) QVERIFY(image == before);
    }

    void whichRecordsAreTaken() {
        CloneImage image = NewCloneImage();
        QVERIFY(UpdateMemData(image, AbcRecord, 50));
        const ChannelEntry kept = image.ChannelTable[50];
        const QByteArray data =
            quotedLine(memoryRecord("200")) + quotedLine(memoryRecord("-1")) +
            quotedLine(memoryRecord("199")) + quotedLine(memoryRecord("")) + quotedLine(memoryRecord("0.4")) +
            quotedLine(memoryRecord("99.6")) + quotedLine(with(memoryRecord("1"), Bank, "Memory")) +
            quotedLine(with(memoryRecord("2"), Model, "kt-m40")) +
            // dropped: tones and DCS codes the tables do not hold
            quotedLine(with(memoryRecord("50"), TxTone, "Fast")) +
            quotedLine(with(memoryRecord("50"), RxTone, "")) +
            quotedLine(with(memoryRecord("50"), Dcs, "024")) +
            // taken: a tone or code written as a bare number
            quotedLine(with(with(memoryRecord("60"), TxTone, "88.5"), RxTone, "250.3Hz")) +
            quotedLine(with(memoryRecord("61"), Dcs, "23")) +
            // taken: the field after a refused BANK or CHANNEL is looked at again as a possible record start
            "\"KT-M40\",\"BANKX\"," + quotedLine(memoryRecord("4")) + "KT-M40,MEMORY,300," +
            quotedLine(memoryRecord("5")) +
            "KT-M40,VFO,VFO X,KT-M40,MEMORY,6,7.05,5KHz,None,88.5Hz,88.5Hz,023,None,0,Hi,Off,"
            "Off,Off,Off,SIX,Off\r\n";
        const CsvImportResult result = ImportCsvBytes(data, image);
        QCOMPARE(result.taken, 5 + 3);
        QCOMPARE(result.dropped, 3);
        QList<int> used;
        for (int k = 0; k < ChannelCount; ++k)
            if (image.ChannelUsed[k]) used << k;
        QCOMPARE(used, (QList<int>{0, 4, 5, 6, 50, 60, 61, 100, 199}));
        QVERIFY(image.ChannelTable[50] == kept);
        QCOMPARE(image.ChannelTable[6].field[FieldName].text, QString("SIX"));
    }

    void layoutAroundRecordsDoesNotDisturb() {
        // a header, blank lines, unquoted and blank-led fields, LF-only lines and a header in between
        const QByteArray header =
            "\"MODEL\",\"BANK\",\"CHANNEL\",\"FREQUENCY\",\"STEP\",\"TONE\",\"TXTONE\",\"RXTONE\","
            "\"DCS\",\"SHIFT\",\"SHIFT FREQUENCY\",\"Power\",\"ATT\",\"BS\",\"Clock\",\"BCLO\","
            "\"Name\",\"Skip\"\r\n";
        const QByteArray data =
            header + "\r\n\r\n" + quotedLine(memoryRecord("10")) + "\n\n" +
            "KT-M40, MEMORY,  11,7.1,5KHz,None,88.5Hz,88.5Hz,023,None,0,Hi,Off,Off,Off,Off,X1,Off\n" +
            header +
            "\"KT-M40\",  \"MEMORY\",\"12\",\"7.2\",\"\",\"\",\"67.0Hz\",\"67\",\"023\","
            "\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"";
        CloneImage image = NewCloneImage();
        const CsvImportResult result = ImportCsvBytes(data, image);
        QCOMPARE(result.taken, 3);
        QCOMPARE(result.dropped, 0);
        QCOMPARE(image.ChannelTable[11].field[FieldName].text, QString("X1"));
        QCOMPARE(image.ChannelTable[11].field[FieldFrequency].value, 7100000.0);
        QCOMPARE(image.ChannelTable[12].field[FieldFrequency].value, 7200000.0);
        // a blank after a value is part of it: "KT-M40 " starts no record
        CloneImage other = NewCloneImage();
        QCOMPARE(ImportCsvBytes("KT-M40 ," + quotedLine(memoryRecord("13")).mid(9), other).taken, 0);
    }

    void recordCutShortByTheEndOfTheFile() {
        CloneImage image = NewCloneImage();
        const QByteArray whole = quotedLine(memoryRecord("20"));
        const QByteArray cut = whole.left(whole.indexOf("\"Hi\""));
        CsvImportResult result = ImportCsvBytes(whole + cut, image);
        QCOMPARE(result.status, FileStatus::Ok);
        QCOMPARE(result.taken, 1);
        QCOMPARE(result.dropped, 1);
        // cut before its CHANNEL a record has not started: nothing to count
        result = ImportCsvBytes(whole + "\"KT-M40\",\"MEMORY\"", image);
        QCOMPARE(result.taken, 1);
        QCOMPARE(result.dropped, 0);
        QCOMPARE(ImportCsvBytes(whole + "\"KT-M40\"", image).dropped, 0);
        // the last field may end the file without a line end
        result = ImportCsvBytes(whole.chopped(2), image);
        QCOMPARE(result.taken, 1);
    }

    void exportedFileTakesNoRecord() {
        CloneImage image = NewCloneImage();
        for (int k : {0, 7, 199})
            QVERIFY(UpdateMemData(image, AbcRecord, k));
        const CloneImage before = image;
        const CsvImportResult result = ImportCsvBytes(CsvExportBytes(image), image);
        QCOMPARE(result.taken, 0);
        QCOMPARE(result.dropped, 5);
        QVERIFY(image == before);
    }

    // Read in chunks of other sizes: tst_robust_files.
    void fileAndBytesReadingAgree() {
        QByteArray data;
        for (int k = 0; k < 2000; ++k)
            data += quotedLine(
                with(with(memoryRecord(QString::number(k % 200)), Freq, QString::number(2 + k % 20)), Name,
                     QString("N%1").arg(k)));
        data += quotedLine(memoryRecord("7")).left(40);
        CloneImage fromBytes = NewCloneImage();
        const CsvImportResult whole = ImportCsvBytes(data, fromBytes);
        QCOMPARE(whole.taken, 2000);
        QCOMPARE(whole.dropped, 1);
        QCOMPARE(fromBytes.ChannelTable[199].field[FieldName].text, QString("N1999"));

        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("big.csv"), data));
        CloneImage image = NewCloneImage();
        const CsvImportResult r = ImportCsv(dir.filePath("big.csv"), image);
        QCOMPARE(r.status, FileStatus::Ok);
        QCOMPARE(r.taken, whole.taken);
        QVERIFY(image == fromBytes);

        const CsvImportResult missing = ImportCsv(dir.filePath("none.csv"), image);
        QCOMPARE(missing.status, FileStatus::FileOpenError);
        QVERIFY(!missing.detail.isEmpty());
        QCOMPARE(missing.taken, 0);
    }
};

QTEST_GUILESS_MAIN(TestCsvImport)
#include "tst_csv_import.moc"
