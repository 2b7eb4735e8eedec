// The full and CHIRP CSV layouts: the record reader and writer, the byte-exact round trip of the full
// layout over random images, every rule an imported line is held to, files as other programs and
// spreadsheets leave them, what CHIRP cannot carry; and kt-m40-cli export-csv and import-csv in each
// layout, run as a user runs them.
#include "channels/ChannelRecord.h"
#include "channels/FieldValueReader.h"
#include "channels/VfoRecordCodec.h"
#include "csv/CsvChirp.h"
#include "csv/CsvExport.h"
#include "csv/CsvFieldReader.h"
#include "csv/CsvFullLayout.h"
#include "csv/CsvLayoutFiles.h"
#include "csv/CsvRecordReader.h"
#include "csv/CsvRecordWriter.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include "support/CliRun.h"
#include "support/CsvReportItems.h"
#include "support/FileSizeLimit.h"
#include "support/RandomImages.h"
#include "support/RecordText.h"
#include "support/TestFiles.h"
#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {
const QByteArray titles = "Row,Frequency,Mode,Gain,AGC,Pwr,Filter,Tone,NB,Split Freq.,Name,Skip,Codes\r\n";
const QByteArray firstLineJ = "KT-M40 full CSV,variant J,range (1.6MHz - 30MHz)\r\n";

std::vector<std::vector<std::string>> records(const QByteArray &data, int chunk) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    CsvRecordReader reader(buffer, chunk);
    std::vector<std::vector<std::string>> out;
    std::vector<std::string> fields;
    while (reader.readRecord(fields))
        out.push_back(fields);
    return out;
}

// A file of the full layout for variant J, normal range, with the given lines after the titles.
QByteArray fullFile(const QByteArray &lines) {
    return firstLineJ + titles + lines;
}

CloneImage baseImage() {
    CloneImage image = NewCloneImage(VariantJ, false);
    UpdateMemData(image, AbcRecord, 5);
    return image;
}

// Gives its bytes, then fails as a file on a pulled stick or a dropped share does.
class FailingDevice : public QIODevice {
  public:
    explicit FailingDevice(const QByteArray &bytes) : bytes_(bytes) { open(ReadOnly | Unbuffered); }
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char *data, qint64 max) override {
        if (at_ >= bytes_.size()) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 n = std::min(max, qint64(bytes_.size() - at_));
        std::memcpy(data, bytes_.constData() + at_, std::size_t(n));
        at_ += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

  private:
    QByteArray bytes_;
    qint64 at_ = 0;
};

// CHIRP
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

// variant E, channel 3 (gain -10: no CHIRP column for it) and channel 420 in use
CloneImage writeBase(const QString &path) {
    CloneImage image = NewCloneImage(VariantE, false);
    UpdateMemData(image, "8001010000000000000000000000000010936B003A3B3C000000000010936B00", 3);
    UpdateMemData(image, "800501010000008000000000000000008070C2014B494D5449454E4C20F7C301", 420);
    SaveCloneFile(path, image);
    return image;
}
} // namespace

class TestCsvLayouts : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { BuildTextTables(); }

    void readerFollowsSpreadsheetQuoting() {
        const QByteArray data = "\xEF\xBB\xBF"
                                "a,\"b, c\",\"say \"\"hi\"\"\",,\r\n"
                                "\"two\r\nlines\",x\n"
                                "lone,cr\r"
                                "trailing,,,\r\n"
                                "\"open quote at the end";
        const std::vector<std::vector<std::string>> expected{{"a", "b, c", "say \"hi\"", "", ""},
                                                             {"two\r\nlines", "x"},
                                                             {"lone", "cr"},
                                                             {"trailing", "", "", ""},
                                                             {"open quote at the end"}};
        for (int chunk : {0, 1, 2, 3, 7, 64 * 1024}) // 0: the default chunk
            QCOMPARE(records(data, chunk), expected);
        // a field is cut at 4096 bytes, a record at 256 fields
        const auto big = records(QByteArray(6000, 'a') + QByteArray(300, ','), 1000);
        QCOMPARE(big.size(), std::size_t(1));
        QCOMPARE(big[0].size(), std::size_t(256));
        QCOMPARE(big[0][0], std::string(4096, 'a'));
    }

    void writerQuotesOnlyWhatNeedsIt() {
        QCOMPARE(CsvQuotedField("A  0"), QByteArray("A  0"));
        QCOMPARE(CsvQuotedField("a,b"), QByteArray("\"a,b\""));
        QCOMPARE(CsvQuotedField("say \"hi\""), QByteArray("\"say \"\"hi\"\"\""));
        QCOMPARE(CsvQuotedField(" AB "), QByteArray("\" AB \""));
        QCOMPARE(CsvRecordLine({"x", "", "y,z"}), QByteArray("x,,\"y,z\"\r\n"));
        // what the writer writes, the reader reads back
        QCOMPARE(CsvQuotedField("\tAB"), QByteArray("\"\tAB\""));
        const QStringList odd{"a,b",        "\"",       "\"\"",  " lead", "trail ",
                              "two\nlines", "lone\rcr", "\ttab", "tab\t", ""};
        const std::vector<std::vector<std::string>> back = records(CsvRecordLine(odd), 3);
        QCOMPARE(back.size(), std::size_t(1));
        for (int i = 0; i < odd.size(); ++i)
            QCOMPARE(QString::fromStdString(back[0][std::size_t(i)]), odd[i]);
    }

    void exportShowsGridTextsAndCodes() {
        CloneImage image = baseImage();
        // gain 7 and tone byte 0x8C: texts "+10" and "On" stand for other codes too
        UpdateMemData(image, "880007000100008C0000000000000000809FD5003A3B3C0000000000E8E1D500", 402);
        const QList<QByteArray> lines = FullCsvBytes(image).split('\n');
        QCOMPARE(lines.size(), 2 + 2 + 604 + 1); // first line, titles, VFOs, channels, nothing after the last
        QCOMPARE(lines[0] + '\n', firstLineJ);
        QCOMPARE(lines[1] + '\n', titles);
        QCOMPARE(lines[2], QByteArray("VFO A,7.050.000,LSB,0,Slow,High,Wide,Off,Off,,,,\r"));
        QCOMPARE(lines[4], QByteArray("0,,,,,,,,,,,,\r"));
        QCOMPARE(lines[9], QByteArray("5,7.050.000,LSB,0,Fast,High,Wide,Off,Off,7.050.000,ABC,,\r"));
        QCOMPARE(lines[4 + 200], QByteArray("A  0,,,,,,,,,,,,\r"));
        QCOMPARE(lines[4 + 400], QByteArray("A-P1,,,,,,,,,,,,\r"));
        QCOMPARE(
            lines[4 + 402],
            QByteArray("B  0,14.000.000,USB,+10,Fast,Low,Wide,On,Off,14.017.000,ABC,Skip,Gain=7 Tone=140\r"));
        QCOMPARE(lines[4 + 603], QByteArray("B-P2,,,,,,,,,,,,\r"));
    }

    // The round trip over many random images, codes outside the lists and frequencies outside the range
    // (0 Hz, 31 MHz, 4,294,967,295 Hz: whatever a clone file holds) included: the clone file saved after
    // importing the export into another image is byte for byte the one saved before.
    void roundTripIsByteExact() {
        for (quint32 seed = 1; seed <= 60; ++seed) {
            std::mt19937 rng(seed);
            RandomImageOptions options;
            options.anyFrequencies = true;
            CloneImage image = RandomImage(rng, options);
            CloneImage other = RandomImageLike(image, rng);
            QVERIFY(CloneFileBytes(other) != CloneFileBytes(image));
            const CsvFileImport r = ImportCsvFileBytes(FullCsvBytes(image), other);
            QCOMPARE(r.layout, CsvLayout::Full);
            QCOMPARE(r.report.taken, 2 + 604);
            QCOMPARE(r.report.refused, 0);
            QCOMPARE(r.report.changed, 0);
            QVERIFY2(CloneFileBytes(other) == CloneFileBytes(image), qPrintable(QString::number(seed)));
        }
    }

    void spreadsheetQuirksAreRead() {
        // quoted everything, LF line ends, a BOM, columns in another order, trailing empty columns,
        // "+10" turned into 10, a frequency in plain hertz, blank lines, a line per channel left out
        const QByteArray data = "\xEF\xBB\xBF\"KT-M40 full CSV\",\"variant J\",\"range (1.6MHz - 30MHz)\"\n"
                                "Name,Row,Frequency,Mode,Gain,AGC,Pwr,Filter,Tone,NB,Split Freq.,Skip,,\n"
                                "\"CQ AB-9\",\"7\",\"7.074.000\",\"USB\",\"10\",\"Fast\",\"High\",\"Wide\","
                                "\"On\",\"Off\",\"7074000\",\"Skip\",,\n"
                                ",,,,,,,,,,,,,\n"
                                "\n"
                                "\" ab \",A199,29.999.999,FM,-20,Slow,S-Low,Narrow,Off,On,1.600.000,,,\n";
        CloneImage image = baseImage();
        const CsvFileImport r = ImportCsvFileBytes(data, image);
        QCOMPARE(r.report.taken, 2);
        QCOMPARE(r.report.refused, 0);
        QCOMPARE(MakeMemData(image, 7),
                 QString("88000300000000800000000000000000D0F06B003C4A543A3B583900D0F06B00"));
        QCOMPARE(image.ChannelTable[399].field[FieldName].text, QString(" AB "));
        QCOMPARE(image.ChannelTable[399].field[FieldFrequency].text, QString("29.999.999"));
        QVERIFY(hasItem(r.report, CsvReportItem::Changed, "A199", "Name"));
        QCOMPARE(r.report.items.first().reason, QString("“ ab ” stored as “ AB ”"));
        QCOMPARE(r.report.changed, 1);
        // lines missing from the file leave their channel as it was
        QCOMPARE(MakeMemData(image, 5), AbcRecord);
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QStringList>("fields");
        const QByteArray good = "5,7.100.000,USB,-10,Fast,Low,Narrow,On,On,7.200.000,NEW,Skip,";
        auto with = [&](int column, const QByteArray &value) {
            QList<QByteArray> parts = good.split(',');
            parts[column] = value;
            return parts.join(',');
        };
        QTest::newRow("no such row") << with(0, "200") << "line 3" << QStringList{"Row"};
        QTest::newRow("no such bank row") << with(0, "A200") << "line 3" << QStringList{"Row"};
        QTest::newRow("not a frequency") << with(1, "7.05.5") << "5" << QStringList{"Frequency"};
        QTest::newRow("beyond four bytes") << with(1, "4294.967.296") << "5" << QStringList{"Frequency"};
        QTest::newRow("empty field") << with(9, "") << "5" << QStringList{"Split Freq."};
        QTest::newRow("mode") << with(2, "NFM") << "5" << QStringList{"Mode"};
        QTest::newRow("gain") << with(3, "-30") << "5" << QStringList{"Gain"};
        QTest::newRow("agc") << with(4, "faster") << "5" << QStringList{"AGC"};
        QTest::newRow("power") << with(5, "Mid") << "5" << QStringList{"Pwr"};
        QTest::newRow("filter") << with(6, "Medium") << "5" << QStringList{"Filter"};
        QTest::newRow("tone") << with(7, "88.5") << "5" << QStringList{"Tone"};
        QTest::newRow("nb") << with(8, "Yes") << "5" << QStringList{"NB"};
        QTest::newRow("name too long") << with(10, "ABCDEFGHI") << "5" << QStringList{"Name"};
        QTest::newRow("name character") << with(10, "\"A,B\"") << "5" << QStringList{"Name"};
        QTest::newRow("name quote") << with(10, "\"A\"\"B\"") << "5" << QStringList{"Name"};
        QTest::newRow("name backspace") << with(10, "A\bB") << "5" << QStringList{"Name"};
        QTest::newRow("name beyond the plane") << with(10, "A\xF0\x9F\x98\x80") << "5" << QStringList{"Name"};
        QTest::newRow("skip") << with(11, "Yes") << "5" << QStringList{"Skip"};
        QTest::newRow("codes text") << with(12, "Gain:7") << "5" << QStringList{"Codes"};
        QTest::newRow("codes field") << with(12, "Mode=7") << "5" << QStringList{"Codes"};
        QTest::newRow("codes value") << with(12, "Gain=256") << "5" << QStringList{"Codes"};
        QTest::newRow("vfo name") << QByteArray("VFO B,7.100.000,USB,0,Fast,High,Wide,Off,Off,,X,,")
                                  << "VFO B" << QStringList{"Name"};
        QTest::newRow("vfo empty") << QByteArray("VFO A,,,,,,,,,,,,") << "VFO A"
                                   << QStringList{"Frequency", "Mode",   "Gain", "AGC",
                                                  "Pwr",       "Filter", "Tone", "NB"};
        QTest::newRow("two broken") << with(2, "X").replace("-10", "Y") << "5" << QStringList{"Mode", "Gain"};
        QTest::newRow("the good line is taken") << good << "5" << QStringList{};
        // read as Paste reads them: the same line in megahertz, in other letter case and spacing
        QTest::newRow("the good line as typed")
            << QByteArray(" 5 ,7.1 MHz,usb,-10,FAST,low,narrow,on,ON,7200 kHz,NEW,skip,") << "5"
            << QStringList{};
    }

    void refusals() {
        QFETCH(QByteArray, line);
        QFETCH(QString, row);
        QFETCH(QStringList, fields);
        CloneImage image = baseImage();
        const CloneImage before = image;
        const CsvFileImport r = ImportCsvFileBytes(fullFile(line + "\r\n"), image);
        QCOMPARE(r.report.taken, fields.isEmpty() ? 1 : 0);
        QCOMPARE(r.report.refused, fields.isEmpty() ? 0 : 1);
        QCOMPARE(r.report.items.size(), fields.size());
        for (int i = 0; i < fields.size(); ++i) {
            QCOMPARE(r.report.items[i].kind, CsvReportItem::Refused);
            QCOMPARE(r.report.items[i].row, row);
            QCOMPARE(r.report.items[i].field, fields[i]);
            QVERIFY(!r.report.items[i].reason.isEmpty());
        }
        if (fields.isEmpty())
            QCOMPARE(MakeMemData(image, 5),
                     QString("8800010001000180000100000000000060566C00473E50000000000000DD6D00"));
        else
            QVERIFY(image == before); // nothing from the line is stored
    }

    // Whole files and what they leave in channel 5 (ABC before): the variant and range of the image stay.
    void fileReports_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<int>>("counts"); // lines taken, refused, taken with a change
        QTest::addColumn<QStringList>("items"); // kind|row|field, each listed in the report
        QTest::addColumn<QString>("record");
        QTest::newRow("an empty line clears a channel")
            << fullFile("5,,,,,,,,,,,,\r\n") << QList<int>{1, 0, 0} << QStringList{} << QString(64, '0');
        QTest::newRow("a row given twice is refused the second time")
            << fullFile("5,,,,,,,,,,,,\r\n5,7.100.000,USB,0,Fast,High,Wide,Off,Off,7.100.000,,,\r\n")
            << QList<int>{1, 1, 0} << QStringList{"Refused|5|Row"} << QString(64, '0');
        // the export said +10 with Gain=7; the user changed the text to -20: gain -20, the tone byte kept
        QTest::newRow("a code whose text was edited is left out")
            << fullFile("5,7.050.000,LSB,-20,Fast,High,Wide,On,Off,7.050.000,ABC,,Gain=7 Tone=140\r\n")
            << QList<int>{1, 0, 1} << QStringList{"Changed|5|Codes"}
            << "800102000000008C000000000000000010936B003A3B3C000000000010936B00";
        QTest::newRow("a missing title takes nothing")
            << firstLineJ +
                   "Row,Frequency,Mode,Gain,AGC,Pwr,Filter,Tone,Split Freq.,Name,Skip\r\n5,,,,,,,,,,,\r\n"
            << QList<int>{0, 0, 0} << QStringList{"Refused|line 2|NB"} << AbcRecord;
        QTest::newRow("no title line takes nothing")
            << firstLineJ << QList<int>{0, 0, 0} << QStringList{"Refused|line 2|Row", "Refused|line 2|Skip"}
            << AbcRecord;
        // a title given twice: its first column is read
        QTest::newRow("a second Name column is not read")
            << firstLineJ +
                   "Row,Frequency,Mode,Gain,AGC,Pwr,Filter,Tone,NB,Split Freq.,Name,Skip,Codes,Name\r\n"
                   "5,7.100.000,USB,-10,Fast,Low,Narrow,On,On,7.200.000,NEW,Skip,,OLD\r\n"
            << QList<int>{1, 0, 0} << QStringList{}
            << "8800010001000180000100000000000060566C00473E50000000000000DD6D00";
        QTest::newRow("a line ending before its Row column")
            << firstLineJ +
                   "Name,Row,Frequency,Mode,Gain,AGC,Pwr,Filter,Tone,NB,Split Freq.,Skip,Codes\r\nX\r\n"
            << QList<int>{0, 1, 0} << QStringList{"Refused|line 3|Row"} << AbcRecord;
        QTest::newRow("a first line naming only the layout")
            << "KT-M40 full CSV\r\n" + titles + "5,,,,,,,,,,,,\r\n"
            << QList<int>{1, 0, 0} << QStringList{"Changed|line 1|variant", "Changed|line 1|range"}
            << QString(64, '0');
        // the lossless copy keeps what the other image held, in this image's range or not
        QTest::newRow("another variant is noted, not applied")
            << "KT-M40 full CSV,variant E,range (150KHz - 35MHz)\r\n" + titles +
                   "5,0.150.000,LSB,0,Fast,High,Wide,Off,Off,0.150.000,,,\r\n"
            << QList<int>{1, 0, 0} << QStringList{"Changed|line 1|variant", "Changed|line 1|range"}
            << "80010000000000000000000000000000F04902000000000000000000F0490200";
    }
    void fileReports() {
        QFETCH(QByteArray, file);
        QFETCH(QList<int>, counts);
        QFETCH(QStringList, items);
        CloneImage image = baseImage();
        const CsvFileImport r = ImportCsvFileBytes(file, image);
        QCOMPARE((QList<int>{r.report.taken, r.report.refused, r.report.changed}), counts);
        for (const QString &item : items) {
            const QStringList at = item.split('|');
            const auto kind = at[0] == "Refused" ? CsvReportItem::Refused : CsvReportItem::Changed;
            QVERIFY2(hasItem(r.report, kind, at[1], at[2]), qPrintable(item));
        }
        QTEST(MakeMemData(image, 5), "record");
        QCOMPARE(image.Variant, int(VariantJ));
        QVERIFY(!image.WideRange);
        if (counts[0] == 0) QVERIFY(image == baseImage());
    }

    // Files as spreadsheets re-save our layouts (tests/corpus/csv, expected.tsv): each gives exactly the
    // records worked out by hand from the record layout, or nothing and the reason why.
    void spreadsheetCorpus_data() {
        QTest::addColumn<QStringList>("expected");
        QFile list(QStringLiteral(KT_M40_SOURCE_DIR "/tests/corpus/csv/expected.tsv"));
        QVERIFY(list.open(QIODevice::ReadOnly));
        for (const QByteArray &line : list.readAll().split('\n'))
            if (!line.isEmpty() && !line.startsWith('#')) {
                const QStringList row = QString::fromUtf8(line).split('\t');
                QTest::newRow(qPrintable(row[0])) << row;
            }
    }
    void spreadsheetCorpus() {
        QFETCH(QStringList, expected);
        CloneImage image = NewCloneImage(VariantJ, false), wanted = image;
        const CsvFileImport r =
            ImportCsvFile(QStringLiteral(KT_M40_SOURCE_DIR "/tests/corpus/csv/") + expected[0], image);
        QCOMPARE(CsvLayoutName(r.layout), expected[1]);
        QCOMPARE(r.taken(), expected[2].toInt());
        QCOMPARE(r.layout == CsvLayout::Original ? r.original.dropped : r.report.refused,
                 expected[3].toInt());
        QCOMPARE(r.ownOriginalExport, expected[4] == "1");
        if (expected[5] == "-")
            QCOMPARE(r.unrecognised, QString());
        else
            QVERIFY2(r.unrecognised.contains(expected[5]), qPrintable(r.unrecognised));
        for (const QString &record : expected[6].split(' ', Qt::SkipEmptyParts))
            if (record != "-") {
                const int n = record.mid(1, record.indexOf('=') - 1).toInt();
                const QString hex = record.mid(record.indexOf('=') + 1);
                QVERIFY(record[0] == 'v' ? UpdateVFORecord(wanted, hex, n) : UpdateMemData(wanted, hex, n));
            }
        for (int n = 0; n < VfoCount; ++n)
            QCOMPARE(MakeVFOData(image, n), MakeVFOData(wanted, n));
        for (int k = 0; k < ChannelCount; ++k)
            QCOMPARE(MakeMemData(image, k), MakeMemData(wanted, k));
    }

    // A read error part-way keeps what came before it and reports the system's reason, in every layout.
    void readErrorIsReported() {
        const std::pair<QByteArray, int> heads[] = {{fullFile("5,,,,,,,,,,,,\r\n"), 1},
                                                    {"Location,Frequency\r\n7,7.050000\r\n", 1},
                                                    {"1,2,3\r\n", 0}};
        for (const auto &[head, taken] : heads) {
            FailingDevice device(head);
            CloneImage image = baseImage();
            const CsvFileImport r = ImportCsvFileDevice(device, image, 4096);
            QCOMPARE(r.status(), FileStatus::FileOpenError);
            QCOMPARE(r.detail(), QStringLiteral("Input/output error"));
            QCOMPARE(r.taken(), taken);
        }
        // and the reader stays at its end after the error
        FailingDevice device("a,b\r\n");
        CsvRecordReader reader(device, 2);
        std::vector<std::string> fields;
        QVERIFY(reader.readRecord(fields));
        QVERIFY(!reader.readRecord(fields));
        QVERIFY(!reader.readRecord(fields));
        QVERIFY(reader.readFailed());
        FailingDevice again("a,b\r\n");
        CsvFieldReader fieldReader(again, 2);
        std::string field;
        QVERIFY(fieldReader.readField(field) && fieldReader.readField(field));
        QCOMPARE(field, std::string("b"));
        QVERIFY(!fieldReader.readField(field));
        QVERIFY(!fieldReader.readField(field));
        QVERIFY(fieldReader.readFailed());
    }

    // An export into a folder that does not exist fails with the system's reason; one on a full disk keeps
    // the file that was there.
    void failedExportsKeepTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.csv"), missing = dir.filePath("missing/out.csv");
        for (CsvLayout layout : {CsvLayout::Full, CsvLayout::Chirp}) {
            QString detail;
            QCOMPARE(ExportCsvLayout(missing, baseImage(), layout, nullptr, &detail),
                     FileStatus::FileOpenError);
            QVERIFY(!detail.isEmpty());
            QVERIFY(!QFile::exists(missing));
            QCOMPARE(ExportCsvLayout(missing, baseImage(), layout, nullptr, nullptr),
                     FileStatus::FileOpenError);
            QVERIFY(writeFile(path, "the list before\r\n"));
            FileStatus status;
            {
                const FileSizeLimit full(100);
                status = ExportCsvLayout(path, baseImage(), layout, nullptr, &detail);
            }
            QCOMPARE(status, FileStatus::FileOpenError);
            QVERIFY2(detail.contains("File too large"), qPrintable(detail));
            QCOMPARE(readFile(path), QByteArray("the list before\r\n"));
        }
    }

    void layoutBytesAndTitles() {
        QCOMPARE(CsvLayoutShortTitle(CsvLayout::Original), QStringLiteral("original layout"));
        const CloneImage image = baseImage();
        QVERIFY(CsvLayoutBytes(image, CsvLayout::Full, nullptr).startsWith(firstLineJ + titles));
        QVERIFY(CsvLayoutBytes(image, CsvLayout::Chirp, nullptr).startsWith("Location,Name,Frequency,"));
        QVERIFY(CsvLayoutBytes(image, CsvLayout::Original, nullptr).startsWith("\"MODEL\",\"BANK\","));
    }

    void reportListStaysBounded() {
        QByteArray lines;
        for (int i = 0; i < CsvReport::MaxItems + 500; ++i)
            lines += "nowhere,1,2,3\r\n";
        CloneImage image = baseImage();
        const CsvFileImport r = ImportCsvFileBytes(fullFile(lines), image);
        QCOMPARE(r.report.refused, CsvReport::MaxItems + 500);
        QCOMPARE(r.report.items.size(), qsizetype(CsvReport::MaxItems));
        QCOMPARE(r.report.itemsLeftOut, qint64(500));
        QCOMPARE(r.report.items.last().row, QString("line %1").arg(CsvReport::MaxItems + 2));
    }

    // Junk after each new layout's first lines: read in chunks of any size it gives the same image and the
    // same report as read whole, and whatever is refused leaves the image as it was.
    void junkReadsTheSameInAnyChunks() {
        const QByteArray heads[] = {fullFile(""), "Location,Name,Frequency,Duplex,Offset,Tone,Mode\r\n"};
        for (quint32 seed = 1; seed <= 30; ++seed) {
            std::mt19937 rng(seed);
            QByteArray data = heads[seed % 2];
            const char *pieces[] = {"\"",   ",", "\r\n", "\n",   "\r", "5", "A  0", "7.050.000", "LSB",
                                    "\"\"", " ", "Skip", "14.2", "FM", "-", "Tone", "x"};
            for (int i = 0; i < 400; ++i)
                data += pieces[rng() % (sizeof pieces / sizeof *pieces)];
            CloneImage whole = baseImage();
            const CsvFileImport w = ImportCsvFileBytes(data, whole);
            for (int chunk : {1, 2, 5, 64}) {
                QBuffer buffer;
                buffer.setData(data);
                buffer.open(QIODevice::ReadOnly);
                CloneImage image = baseImage();
                const CsvFileImport c = ImportCsvFileDevice(buffer, image, chunk);
                QCOMPARE(c.report.items, w.report.items);
                QCOMPARE(c.report.taken, w.report.taken);
                QVERIFY(image == whole);
            }
            if (w.report.taken == 0) QVERIFY(whole == baseImage());
        }
    }

    // The one reader of field values that Paste and both importers share.
    void frequencyTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("plainMHz");     // a unitless whole number in MHz (CHIRP), else in Hz
        QTest::addColumn<bool>("decimalComma"); // separated by semicolons or TABs
        QTest::addColumn<qint64>("hz");
        QTest::addColumn<bool>("rounded");
        const auto row = [](const char *text, bool mhz, bool comma, qint64 hz, bool rounded = false) {
            QTest::newRow(qPrintable(QString("%1%2%3").arg(text, mhz ? " (MHz)" : "", comma ? " (;)" : "")))
                << QString(text) << mhz << comma << hz << rounded;
        };
        row("7.050.000", false, false, 7050000);
        row(" 0.150.000 ", false, false, 150000);
        row("4294.967.295", false, false, 4294967295);
        row("4294.967.296", false, false, -1);
        row("7050000", false, false, 7050000);
        row("14", true, false, 14000000);
        row("7.05", false, false, 7050000);
        row("7.05", true, false, 7050000);
        row("7.05 mhz", false, false, 7050000);
        row("7050 kHz", true, false, 7050000);
        row("7050000Hz", true, false, 7050000);
        row("7.0500004", true, false, 7050000, true);
        row("7.0500005", true, false, 7050001, true);
        row("7.050000000", true, false, 7050000);
        row(".5", true, false, 500000);
        row("7,05", false, true, 7050000);
        row("7,05", false, false, -1);
        row("7,050,000", false, true, 7050000);
        row("-7.05", false, false, -1);
        row("7.05.000", false, false, -1);
        row("seven", false, false, -1);
        row("", false, false, -1);
    }
    void frequencyTexts() {
        QFETCH(QString, text);
        QFETCH(bool, plainMHz);
        QFETCH(bool, decimalComma);
        const FrequencyReading r =
            ReadFrequencyText(text, plainMHz ? PlainUnit::MHz : PlainUnit::Hz, decimalComma);
        QTEST(r.hz, "hz");
        QTEST(r.rounded, "rounded");
    }

    void rowLabelsListsAndNames() {
        const QStringList labels{"0",    "199",   "A  5", "A5",  "a 5",  "B199", "A-P1",
                                 "b-p2", "VFO A", "vfob", "200", "A200", "C5",   ""};
        const int U = RowLabelUnknown;
        const QList<int> rows{0, 199, 205, 205, 205, 601, 400, 603, -1, -2, U, U, U, U};
        for (int i = 0; i < labels.size(); ++i)
            QCOMPARE(ReadRowLabel(labels[i]), rows[i]);
        const QStringList gain{"0", "-10", "-20", "+10"};
        QCOMPARE(ReadListText(" 10 ", gain), 3);
        QCOMPARE(ReadListText("+10", gain), 3);
        QCOMPARE(ReadListText("-10", gain), 1);
        QCOMPARE(ReadListText("s-low", {"High", "Low", "S-Low"}), 2);
        QCOMPARE(ReadListText("10", {"-10"}), -1);
        QString stored, bad;
        QVERIFY(ReadNameText(" cq dx", stored) && stored == " CQ DX");
        QVERIFY(!ReadNameText("ABCDEFGHI", stored, &bad) && bad.isEmpty());
        QVERIFY(!ReadNameText("A\U0001F600", stored, &bad));
        QCOMPARE(bad, QString("\U0001F600")); // the whole character, not half of it
    }

    // CHIRP
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
        QTest::addColumn<QString>("reason"); // "" when any reason will do
        const QString plain = "8001000100000000000000000000000010936B003A3B3C000000000010936B00";
        const QString toneOn = QString(plain).replace(14, 2, "80");
        auto refusal = [](const char *name, const QByteArray &line, const QString &field,
                          const QString &row = "7", const QString &reason = QString()) {
            QTest::newRow(name) << line << int(CsvReportItem::Refused) << row << field << QString() << reason;
        };
        auto change = [](const char *name, const QByteArray &line, const QString &field,
                         const QString &record, const QString &reason = QString()) {
            QTest::newRow(name) << line << int(CsvReportItem::Changed) << QString("7") << field << record
                                << reason;
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
        refusal("shift below zero", lineWith(3, "-").replace("0.000000", "7.300000"), "Offset", "7",
                "the transmit frequency -0.250000 MHz is outside the range (1.6MHz - 30MHz)");
        refusal("shift without frequency", lineWith(3, "+").replace("7.050000", ""), "Frequency");
        refusal("tone mode", lineWith(5, "DCS"), "Tone");
        refusal("mode", lineWith(12, "WFM"), "Mode");
        refusal("mode dv", lineWith(12, "DV"), "Mode");
        refusal("skip", lineWith(14, "X"), "Skip");
        QTest::newRow("the good line") << goodLine << -1 << QString() << QString() << plain << QString();
        QTest::newRow("shift without offset")
            << lineWith(3, "+").replace("0.000000", "") << -1 << QString() << QString() << plain << QString();
        // values in any letter case and with blanks round them, as Paste and the full layout take them
        QTest::newRow("lower case")
            << lineWith(12, " usb").replace(",High,", ",low ,").replace(",,88.5", ",tone,88.5") << -1
            << QString() << QString()
            << QString(plain).replace(2, 2, "00").replace(8, 2, "01").replace(14, 2, "80") << QString();
        change("name case", lineWith(1, "abc"), "Name", plain, "“abc” stored as “ABC”");
        change("name of nine", lineWith(1, "ABCDEFGHI"), "Name",
               "8001000100000000000000000000000010936B003A3B3C3D3E3F404110936B00",
               "“ABCDEFGHI” stored as “ABCDEFGH”");
        change("name beyond the plane", lineWith(1, "AB\xF0\x9F\x98\x80"), "Name",
               QString(plain).replace(44, 2, "00"), "“AB\U0001F600” stored as “AB”");
        change("name cut", lineWith(1, "ABC.DEFGHIJ"), "Name",
               "8001000100000000000000000000000010936B003A3B3C3D3E3F404110936B00");
        change("nfm", lineWith(12, "NFM"), "Mode", QString(plain).replace(2, 2, "05"));
        change("rtty", lineWith(12, "RTTY"), "Mode", plain);
        change("dtcs", lineWith(5, "DTCS"), "Tone", plain);
        change("cross to tone", lineWith(5, "Cross").replace("Tone->Tone", "Tone->DTCS"), "Tone", toneOn);
        change("cross from dtcs", lineWith(5, "Cross").replace("Tone->Tone", "DTCS->Tone"), "Tone", plain);
        change("cross without its mode", lineWith(5, "Cross").replace("Tone->Tone", ""), "Tone", plain,
               "Cross without a CrossMode: stored as tone Off");
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
            QFETCH(QString, reason);
            if (!reason.isEmpty()) QCOMPARE(r.report.items[0].reason, reason);
        }
        if (kind == CsvReportItem::Refused)
            QVERIFY(image == before);
        else
            QCOMPARE(MakeMemData(image, 7), record);
    }

    // A quote left open on Location 1's line (CHIRP) or row 1's (full layout): that line alone is refused,
    // naming where the quote opened and where it ran to, and the fifty lines after it are taken, whether a
    // later quote would have closed it or not. A comment may hold a line break.
    void quoteLeftOpen_data() {
        QTest::addColumn<bool>("full");
        QTest::addColumn<bool>("laterQuote");
        for (bool full : {false, true})
            for (bool later : {false, true})
                QTest::newRow(qPrintable(QString("%1, %2").arg(full ? "full" : "chirp",
                                                               later ? "a later quote" : "no later quote")))
                    << full << later;
    }
    void quoteLeftOpen() {
        QFETCH(bool, full);
        QFETCH(bool, laterQuote);
        QByteArray file = full ? "KT-M40 full CSV,variant J,range (1.6MHz - 30MHz)\r\n"
                                 "Row,Frequency,Mode,Gain,AGC,Pwr,Filter,Tone,NB,Split Freq.,Name,Skip\r\n"
                                 "1,7.001.000,LSB,0,Fast,High,Wide,Off,Off,7.001.000,\"OPEN QUOTE,\r\n"
                               : "Location,Name,Frequency,Comment\r\n"
                                 "1,\"OPEN QUOTE,7.001000,\r\n"
                                 "2,CH2,7.002000,\"two\r\nlines\"\r\n";
        for (int k = full ? 2 : 3; k <= 51; ++k) {
            const QByteArray name = "CH" + QByteArray::number(k),
                             khz = QByteArray::number(k).rightJustified(3, '0');
            // an untitled column past the last: read as RFC 4180 does, its quote would close the open one
            const QByteArray later = k == 51 && laterQuote ? ",later\"quote" : "";
            file += full ? QByteArray::number(k) + ",7." + khz + ".000,LSB,0,Fast,High,Wide,Off,Off,7." +
                               khz + ".000," + name + "," + later + "\r\n"
                         : QByteArray::number(k) + "," + name + ",7." + khz + "000," + later + "\r\n";
        }
        CloneImage image = NewCloneImage(VariantJ, false);
        const CsvFileImport r = ImportCsvFileBytes(file, image);
        QCOMPARE(r.report.taken, 50);
        QCOMPARE(r.report.refused, 1);
        QVERIFY(!image.ChannelUsed[1]);
        const CsvReportItem &item = r.report.items.first();
        QCOMPARE(item.kind, CsvReportItem::Refused);
        QCOMPARE(item.row, QString("1"));
        QCOMPARE(item.field, QString("Name"));
        QVERIFY2(
            item.reason.startsWith(
                QString("a quote opened on line %1 is still open at the end of line %1").arg(full ? 3 : 2)),
            qPrintable(item.reason));
        for (int k = 2; k <= 51; ++k)
            QCOMPARE(qRound64(image.ChannelTable[k].field[FieldFrequency].value), qint64(7000000 + 1000 * k));
        QCOMPARE(image.ChannelTable[50].field[FieldName].text, QString("CH50"));
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

    // kt-m40-cli
    void exportInEachLayoutAndTheFullOneBack() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), other = dir.filePath("other.M40"),
                      out = dir.filePath("out.M40");
        CloneImage image = writeBase(base);
        const CliResult full =
            runCli({"export-csv", base, "-o", dir.filePath("full.csv"), "--layout", "full"});
        QCOMPARE(full.exitCode, 0);
        QCOMPARE(readFile(dir.filePath("full.csv")), FullCsvBytes(image));
        // imported into an empty image, the full layout gives the base back
        CloneImage empty = NewCloneImage(VariantE, false);
        SaveCloneFile(other, empty);
        const CliResult back = runCli({"import-csv", dir.filePath("full.csv"), "--into", other, "-o", out});
        QCOMPARE(back.exitCode, 0);
        QVERIFY(back.out.startsWith("full layout: 606 lines taken (0 with changes), 0 refused; "));
        QCOMPARE(readFile(out), readFile(base));

        const CliResult chirp =
            runCli({"export-csv", base, "-o", dir.filePath("c.csv"), "--layout", "chirp"});
        QCOMPARE(chirp.exitCode, 0);
        QCOMPARE(readFile(dir.filePath("c.csv")), ChirpCsvBytes(image));
        // what CHIRP CSV cannot carry is listed: both VFOs, the gain and the AGC of channel 3, the gain of
        // 420
        QVERIFY(chirp.err.contains("5 values not carried by CHIRP CSV"));
        QVERIFY(chirp.err.contains("3  Gain  not carried"));

        // the original layout writes what the menu writes: titles, two VFOs, channel 3 (420 is beyond 199)
        const CliResult original = runCli({"export-csv", base, "-o", dir.filePath("o.csv")});
        QCOMPARE(original.exitCode, 0);
        QCOMPARE(readFile(dir.filePath("o.csv")), CsvExportBytes(image));
        QVERIFY(original.err.isEmpty());
        const CliResult missing =
            runCli({"export-csv", dir.filePath("none.M40"), "-o", dir.filePath("o.csv")});
        QCOMPARE(missing.exitCode, 4);
        QVERIFY(missing.err.startsWith("File Open Error"));

        const CliResult bad = runCli({"export-csv", base, "-o", dir.filePath("x.csv"), "--layout", "excel"});
        QCOMPARE(bad.exitCode, 64);
        QVERIFY(bad.err.contains("--layout"));
        QVERIFY(!QFile::exists(dir.filePath("x.csv")));
    }

    void originalImportTakesRecordsIntoTheBase() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), csv = dir.filePath("in.csv"),
                      out = dir.filePath("out.M40");
        writeBase(base);
        QVERIFY(writeFile(
            csv,
            "\"MODEL\",\"BANK\"\r\n"
            "\"KT-M40\",\"MEMORY\",\"3\",\"14.2\",\"5KHz\",\"Tone\",\"88.5Hz\",\"88.5Hz\",\"023\",\"None\","
            "\"0\",\"Hi\",\"10\",\"Off\",\"Off\",\"Off\",\"cq dx\",\"Off\"\r\n"
            "\"KT-M40\",\"MEMORY\",\"4\",\"40\",\"5KHz\",\"Tone\",\"88.5Hz\",\"88.5Hz\",\"023\",\"None\","
            "\"0\",\"Hi\",\"10\",\"Off\",\"Off\",\"Off\",\"OUT\",\"Off\"\r\n"));
        const CliResult r = runCli({"import-csv", csv, "--into", base, "-o", out, "--json"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.trimmed(), QByteArray("{\"taken\": 1, \"dropped\": 1}"));
        CloneImage image = NewCloneImage();
        QCOMPARE(LoadCloneFile(out, image).status, FileStatus::Ok);
        // the record taken, beside the base's variant and channels (what is dropped: the import's tests)
        QCOMPARE(image.Variant, int(VariantE));
        QCOMPARE(image.ChannelTable[3].field[FieldFrequency].text, QString("14.200.000"));
        QVERIFY(image.ChannelUsed[420]);
        QVERIFY(runCli({"import-csv", csv, "--into", base, "-o", out})
                    .out.contains("1 records taken, 1 dropped"));

        // an unreadable CSV is "File Open Error", a base of no known variant "Data Error"; neither writes
        const QString never = dir.filePath("never.M40");
        const CliResult missing =
            runCli({"import-csv", dir.filePath("none.csv"), "--into", base, "-o", never});
        QCOMPARE(missing.exitCode, 4);
        QVERIFY(missing.err.startsWith("File Open Error"));
        QVERIFY(writeFile(dir.filePath("bad.M40"), readFile(base).replace("KT-M40E", "KT-M40X")));
        QCOMPARE(runCli({"import-csv", csv, "--into", dir.filePath("bad.M40"), "-o", never}).exitCode, 3);
        QVERIFY(!QFile::exists(never));
    }

    void jsonListsEveryChangeAndRefusal() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), csv = dir.filePath("in.csv"),
                      out = dir.filePath("out.M40");
        writeBase(base);
        QVERIFY(writeFile(csv, "Location,Name,Frequency,Mode\r\n"
                               "7,abc\xF0\x9F\x98\x80,7.050000,LSB\r\n"
                               "8,X,146.520000,FM\r\n"
                               "9,Y,7.1,WFM\r\n"));
        const CliResult r = runCli({"import-csv", csv, "--into", base, "-o", out, "--json"});
        QCOMPARE(r.exitCode, 0);
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(r.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QVERIFY(QString::fromUtf8(r.out).toUtf8() == r.out); // valid UTF-8: no lone surrogate
        QCOMPARE(o.value("layout").toString(), QString("chirp"));
        QCOMPARE((QList<int>{o["records"].toInt(), o["taken"].toInt(), o["changed"].toInt(),
                             o["refused"].toInt()}),
                 (QList<int>{1, 1, 1, 2}));
        QStringList items;
        for (const QJsonValue &v : o.value("items").toArray()) {
            items << v["kind"].toString() + "|" + v["row"].toString() + "|" + v["field"].toString();
            QVERIFY(!v["reason"].toString().isEmpty());
        }
        QCOMPARE(items, (QStringList{"changed|7|Name", "refused|8|Frequency", "refused|9|Mode"}));
        QCOMPARE(o["items"][0]["reason"].toString(), QString("“abc\U0001F600” stored as “ABC”"));
        CloneImage image = NewCloneImage();
        QCOMPARE(LoadCloneFile(out, image).status, FileStatus::Ok);
        QCOMPARE(image.ChannelTable[7].field[FieldName].text, QString("ABC"));
        QVERIFY(!image.ChannelUsed[8]);
        QVERIFY(r.err.isEmpty());
    }

    void takingNothingIsSaidOnStderr() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), out = dir.filePath("out.M40");
        writeBase(base);
        // the program's own export in the original layout: nothing is taken, and the full layout is named
        QCOMPARE(runCli({"export-csv", base, "-o", dir.filePath("o.csv")}).exitCode, 0);
        const CliResult own = runCli({"import-csv", dir.filePath("o.csv"), "--into", base, "-o", out});
        QCOMPARE(own.exitCode, 6);
        QVERIFY(own.out.contains("0 records taken"));
        QVERIFY(own.err.contains("nothing was taken from"));
        QVERIFY(own.err.contains("--layout full"));
        // a CHIRP file whose every line is refused
        QVERIFY(writeFile(dir.filePath("c.csv"), "Location,Frequency\n1,146.52\n"));
        const CliResult chirp = runCli({"import-csv", dir.filePath("c.csv"), "--into", base, "-o", out});
        QCOMPARE(chirp.exitCode, 6);
        QVERIFY(chirp.err.contains("nothing was taken from"));
        QVERIFY(!chirp.err.contains("--layout full"));
        // a first line that names no layout is quoted with what was expected
        QVERIFY(writeFile(dir.filePath("u.csv"), "Loc|Freq\n1|7.05\n"));
        const CliResult unknown = runCli({"import-csv", dir.filePath("u.csv"), "--into", base, "-o", out});
        QCOMPARE(unknown.exitCode, 6);
        QVERIFY2(unknown.err.contains("its first line “Loc|Freq” names no layout"), qPrintable(unknown.err));
        // an empty file says nothing
        QVERIFY(writeFile(dir.filePath("e.csv"), ""));
        const CliResult empty = runCli({"import-csv", dir.filePath("e.csv"), "--into", base, "-o", out});
        QCOMPARE(empty.exitCode, 0);
        QVERIFY(empty.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCsvLayouts)
#include "tst_csv_layouts.moc"
