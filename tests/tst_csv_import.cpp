// The original CSV layout. Import: the field reader, the column recognition, where records are stored and
// what is dropped, frequencies in MHz to the nearest hertz. Export: the exact bytes and a failed write.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "csv/CsvExport.h"
#include "csv/CsvFieldReader.h"
#include "csv/CsvImport.h"
#include "csv/CsvRecognition.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include "support/FileSizeLimit.h"
#include "support/RecordText.h"
#include "support/TestFiles.h"
#include <QBuffer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <random>

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

const QByteArray exportHeader =
    "\"MODEL\",\"BANK\",\"CHANNEL\",\"FREQUENCY\",\"STEP\",\"TONE\",\"TXTONE\",\"RXTONE\",\"DCS\","
    "\"SHIFT\",\"SHIFT FREQUENCY\",\"Power\",\"ATT\",\"BS\",\"Clock\",\"BCLO\",\"Name\",\"Skip\"\r\n";

// VFO A: 7.050.000 LSB, gain 0, AGC Fast, High, Wide, tone off, NB off; VFO B: 14.195.000 USB, gain -20,
// AGC Slow, S-Low, Narrow, tone 0x85, NB on.
CloneImage imageWithVfos() {
    CloneImage image = NewCloneImage();
    UpdateVFORecord(image, "8001000000000000000000000000000010936B00000000000000000000000000", 0);
    UpdateVFORecord(image, "800002010200018500010000000000003899D800000000000000000000000000", 1);
    return image;
}

// A used channel: frequency 7.050.000 / split 7.050.000, LSB, name as given.
void useChannel(CloneImage &image, int k, const QString &name, bool skip = false) {
    QVERIFY(UpdateMemData(image, AbcRecord, k));
    image.ChannelTable[k].field[FieldName].text = name;
    if (skip) image.ChannelTable[k].field[FieldSkip] = {"Skip", 1};
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

    // MHz texts with no exact binary value come in as the nearest hertz, never one hertz low, and the range
    // check judges the rounded value; a VFO has no split frequency, so only its frequency is checked.
    void frequencyRange_data() {
        QTest::addColumn<bool>("wide");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QStringList>("shift"); // SHIFT and SHIFT FREQUENCY
        QTest::addColumn<QString>("stored");    // the frequency's text, "" when the record is dropped
        QTest::addColumn<QString>("split");     // the split frequency's text, "" when it is the frequency
        const QStringList none{"None", "0"};
        const auto row = [](const char *name, bool wide, const QString &mhz, const QStringList &shift,
                            const char *stored, const char *split = "") {
            QTest::newRow(name) << wide << mhz << shift << QString(stored) << QString(split);
        };
        row("below 1.6 MHz", false, "1.599999", none, "");
        row("split below", false, "1.7", {"-Shift", "0.2"}, "");
        row("split above", false, "29.5", {"+Shift", "0.5"}, "");
        row("split inside", false, "29.5", {"+Shift", "0.499999"}, "29.500.000", "29.999.999");
        row("no exponent: 1e400 is 1", false, "1e400", none, "");
        row("enormous digits", true, QString(400, '9'), none, "");
        row("not a number", false, "seven", none, "");
        row("wide below", true, "0.149999", none, "");
        row("wide 34.999999", true, "34.999999", none, "34.999.999");
        row("7.05", false, "7.05", none, "7.050.000");
        row("14.195", false, "14.195", none, "14.195.000");
        row("0.15 wide", true, "0.15", none, "0.150.000");
        row("0.15 narrow", false, "0.15", none, "");
        row("29.9999995 wide", true, "29.9999995", none, "30.000.000");
        row("29.9999995 narrow is 30 MHz", false, "29.9999995", none, "");
        row("29.9999994 narrow", false, "29.9999994", none, "29.999.999");
        row("7.0500007 up", false, "7.0500007", none, "7.050.001");
        row("7.0500004 down", false, "7.0500004", none, "7.050.000");
        row("3.9999996 up", false, "3.9999996", none, "4.000.000");
        row("1.5999995 is 1.6 MHz", false, "1.5999995", none, "1.600.000");
        row("0.1499995 wide is 150 kHz", true, "0.1499995", none, "0.150.000");
        row("34.9999995 wide is 35 MHz", true, "34.9999995", none, "");
        row("7.05 - 0.6", false, "7.05", {"-Shift", "0.6"}, "7.050.000", "6.450.000");
        row("14.195 + 0.0000007", false, "14.195", {"+Shift", "0.0000007"}, "14.195.000", "14.195.001");
        row("14.195 - 0.0000004", false, "14.195", {"-Shift", "0.0000004"}, "14.195.000", "14.195.000");
        row("7.0500007 + 0.0000007", false, "7.0500007", {"+Shift", "0.0000007"}, "7.050.001", "7.050.002");
    }

    void frequencyRange() {
        QFETCH(bool, wide);
        QFETCH(QString, frequency);
        QFETCH(QStringList, shift);
        QFETCH(QString, stored);
        QFETCH(QString, split);
        const auto hz = [](QString text) { return text.remove('.').toDouble(); };
        for (const bool vfo : {false, true}) {
            if (vfo && shift[0] != "None") continue;
            CloneImage image = NewCloneImage(VariantA, wide);
            const CloneImage before = image;
            const QStringList r = with(
                with(with(vfo ? vfoRecord("VFO B") : memoryRecord("120"), Freq, frequency), Shift, shift[0]),
                ShiftFreq, shift[1]);
            const CsvImportResult result = ImportCsvBytes(quotedLine(r), image);
            QCOMPARE(result.taken, stored.isEmpty() ? 0 : 1);
            QCOMPARE(result.dropped, stored.isEmpty() ? 1 : 0);
            if (stored.isEmpty()) {
                QVERIFY(image == before);
                continue;
            }
            const FieldSlot &f =
                vfo ? image.VfoTable[1].field[FieldFrequency] : image.ChannelTable[120].field[FieldFrequency];
            QCOMPARE(f.text, stored);
            QCOMPARE(f.value, hz(stored));
            if (!vfo)
                QCOMPARE(image.ChannelTable[120].field[FieldSplitFreq].value,
                         hz(split.isEmpty() ? stored : split));
        }
    }

    // Random MHz texts: the hertz are worked out here from the digits, not from a binary fraction.
    void randomMegahertzToTheNearestHertz() {
        std::mt19937 rng(7);
        QByteArray csv;
        QList<qint64> want;
        for (int channel = 0; channel < 200; ++channel) {
            qint64 tenths = 16000000 + qint64(rng() % 283999990); // 1.6 MHz up to below 29.999999 MHz
            if (tenths % 10 == 5) ++tenths;                       // no exact halves
            want << (tenths + 5) / 10;
            const QString mhz =
                QString("%1.%2").arg(tenths / 10000000).arg(tenths % 10000000, 7, 10, QChar('0'));
            csv += quotedLine(with(memoryRecord(QString::number(channel)), Freq, mhz));
        }
        CloneImage image = NewCloneImage();
        QCOMPARE(ImportCsvBytes(csv, image).taken, 200);
        for (int channel = 0; channel < 200; ++channel)
            QCOMPARE(qint64(image.ChannelTable[channel].field[FieldFrequency].value), want[channel]);
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

    // The export: a header, the two VFOs, then the used channels 0 to 199 in order.
    void exportWritesVfosThenChannelsZeroTo199() {
        CloneImage image = imageWithVfos();
        QCOMPARE(
            CsvExportBytes(image),
            exportHeader +
                "\"KT-M40\",\"VFO\",\"VFO A\",\"7.050.000\",\"LSB\",\"0\",\"Fast\",\"High\",\"Wide\",\"Off\","
                "\"Off\",\"\",\"\",\"\",\"\",\"\",\"No\",\"Off\"\r\n"
                "\"KT-M40\",\"VFO\",\"VFO B\",\"14.195.000\",\"USB\",\"-20\",\"Slow\",\"S-Low\",\"Narrow\","
                "\"On\",\"On\",\"\",\"\",\"\",\"\",\"\",\"No\",\"Off\"\r\n");
        for (const auto &[k, name] :
             {std::pair{199, "LAST"}, {0, ""}, {200, "BANKA"}, {400, "EDGE"}, {603, "END"}})
            useChannel(image, k, name);
        useChannel(image, 5, "A B C", true);
        const QList<QByteArray> lines = CsvExportBytes(image).split('\n');
        QCOMPARE(lines.size(), 3 + 3 + 1); // header, 2 VFOs, 3 channels, and the empty rest after the last LF
        QVERIFY(lines.last().isEmpty());
        for (int i = 0; i < lines.size() - 1; ++i)
            QVERIFY2(lines[i].endsWith('\r') && lines[i].count('\r') == 1 && lines[i].count(',') == 17,
                     lines[i].constData());
        QCOMPARE(lines[3],
                 "\"KT-M40\",\"MEMORY\",\"0\",\"7.050.000\",\"LSB\",\"0\",\"Fast\",\"High\",\"Wide\",\"Off\","
                 "\"Off\",\"7.050.000\",\"\",\"\",\"\",\"\",\"\",\"Off\"\r");
        // a name with blanks keeps them inside its quotes; a skipped channel shows "Skip" in the 14th column
        QCOMPARE(lines[4],
                 "\"KT-M40\",\"MEMORY\",\"5\",\"7.050.000\",\"LSB\",\"0\",\"Fast\",\"High\",\"Wide\",\"Off\","
                 "\"Off\",\"7.050.000\",\"A B C\",\"Skip\",\"\",\"\",\"\",\"Off\"\r");
        QVERIFY(lines[5].startsWith("\"KT-M40\",\"MEMORY\",\"199\",\"7.050.000\""));
        QVERIFY(lines[5].contains(",\"LAST\","));
    }

    // The file holds the same bytes; a write that fails is a File Open Error with its reason.
    void writingTheFile() {
        QTemporaryDir dir;
        CloneImage image = imageWithVfos();
        useChannel(image, 42, "QRP");
        const QString path = dir.filePath("list.csv");
        QVERIFY(writeFile(path, QByteArray(5000, 'x'))); // an older, longer file is replaced whole
        QString detail;
        QCOMPARE(ExportCsv(path, image, &detail), FileStatus::Ok);
        QCOMPARE(readFile(path), CsvExportBytes(image));
        QCOMPARE(ExportCsv(dir.filePath("missing/dir/list.csv"), image, &detail), FileStatus::FileOpenError);
        QVERIFY(!detail.isEmpty());
        QCOMPARE(ExportCsv(dir.filePath("missing/dir/list.csv"), image), FileStatus::FileOpenError);
        detail.clear();
        FileStatus status;
        {
            const FileSizeLimit full(100);
            status = ExportCsv(dir.filePath("limited.csv"), image, &detail);
        }
        QCOMPARE(status, FileStatus::FileOpenError);
        QVERIFY2(detail.contains("File too large"), qPrintable(detail));
        QCOMPARE(QFileInfo(dir.filePath("limited.csv")).size(), 100); // what was written before stays
    }
};

QTEST_GUILESS_MAIN(TestCsvImport)
#include "tst_csv_import.moc"
