// The full CSV layout: the record reader and writer, the byte-exact round trip over random images, and
// every rule an imported line is held to.
#include "channels/ChannelRecord.h"
#include "csv/CsvFieldReader.h"
#include "csv/CsvFullLayout.h"
#include "csv/CsvLayoutFiles.h"
#include "csv/CsvRecordReader.h"
#include "csv/CsvRecordWriter.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include "support/CsvReportItems.h"
#include "support/FileSizeLimit.h"
#include "support/RandomImages.h"
#include "support/RecordText.h"
#include "support/TestFiles.h"
#include <QBuffer>
#include <QtTest>

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
} // namespace

class TestCsvFull : public QObject {
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
        QCOMPARE(CsvLayoutOfFirstLine(lines[0]), CsvLayout::Full);
    }

    // The round trip over many random images, codes outside the lists included: the clone file saved after
    // importing the export into another image is byte for byte the one saved before.
    void roundTripIsByteExact() {
        for (quint32 seed = 1; seed <= 60; ++seed) {
            std::mt19937 rng(seed);
            CloneImage image = RandomImage(rng);
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
        QTest::newRow("padded label") << with(0, "A0") << "line 3" << QStringList{"Row"};
        QTest::newRow("not a frequency") << with(1, "7.05") << "5" << QStringList{"Frequency"};
        QTest::newRow("below the range") << with(1, "1.599.999") << "5" << QStringList{"Frequency"};
        QTest::newRow("at the top") << with(1, "30.000.000") << "5" << QStringList{"Frequency"};
        QTest::newRow("split outside") << with(9, "0.150.000") << "5" << QStringList{"Split Freq."};
        QTest::newRow("empty field") << with(9, "") << "5" << QStringList{"Split Freq."};
        QTest::newRow("mode") << with(2, "NFM") << "5" << QStringList{"Mode"};
        QTest::newRow("gain") << with(3, "-30") << "5" << QStringList{"Gain"};
        QTest::newRow("agc") << with(4, "fast") << "5" << QStringList{"AGC"};
        QTest::newRow("power") << with(5, "Mid") << "5" << QStringList{"Pwr"};
        QTest::newRow("filter") << with(6, "Medium") << "5" << QStringList{"Filter"};
        QTest::newRow("tone") << with(7, "88.5") << "5" << QStringList{"Tone"};
        QTest::newRow("nb") << with(8, "Yes") << "5" << QStringList{"NB"};
        QTest::newRow("name too long") << with(10, "ABCDEFGHI") << "5" << QStringList{"Name"};
        QTest::newRow("name character") << with(10, "\"A,B\"") << "5" << QStringList{"Name"};
        QTest::newRow("name quote") << with(10, "\"A\"\"B\"") << "5" << QStringList{"Name"};
        QTest::newRow("name backspace") << with(10, "A\bB") << "5" << QStringList{"Name"};
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
        // the frequency is checked against this image's range
        QTest::newRow("another variant is noted, not applied")
            << "KT-M40 full CSV,variant E,range (150KHz - 35MHz)\r\n" + titles +
                   "5,0.150.000,LSB,0,Fast,High,Wide,Off,Off,0.150.000,,,\r\n"
            << QList<int>{0, 1, 0}
            << QStringList{"Changed|line 1|variant", "Changed|line 1|range", "Refused|5|Frequency"}
            << AbcRecord;
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

    // An export into a folder that does not exist fails with the system's reason.
    void exportIntoAMissingFolderFails() {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/missing/out.csv");
        for (CsvLayout layout : {CsvLayout::Full, CsvLayout::Chirp}) {
            QString detail;
            QCOMPARE(ExportCsvLayout(path, baseImage(), layout, nullptr, &detail), FileStatus::FileOpenError);
            QVERIFY(!detail.isEmpty());
            QVERIFY(!QFile::exists(path));
            QCOMPARE(ExportCsvLayout(path, baseImage(), layout, nullptr, nullptr), FileStatus::FileOpenError);
        }
    }

    void exportOnAFullDiskKeepsTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.csv");
        for (CsvLayout layout : {CsvLayout::Full, CsvLayout::Chirp}) {
            QVERIFY(writeFile(path, "the list before\r\n"));
            QString detail;
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
        QCOMPARE(CsvLayoutOfFirstLine("\xEF\xBB\xBFKT-M40 full CSV,variant J"), CsvLayout::Full);
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

    void gridFrequencyTexts_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("hz");
        QTest::newRow("dotted") << "7.050.000" << qint64(7050000);
        QTest::newRow("two digits") << "14.195.000" << qint64(14195000);
        QTest::newRow("below 1 MHz") << "0.150.000" << qint64(150000);
        QTest::newRow("plain") << "7050000" << qint64(7050000);
        QTest::newRow("blanks") << " 7.050.000 " << qint64(7050000);
        QTest::newRow("short group") << "7.05.000" << qint64(-1);
        QTest::newRow("comma") << "7,050,000" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(-1);
        QTest::newRow("mhz") << "7.05" << qint64(-1);
    }
    void gridFrequencyTexts() {
        QFETCH(QString, text);
        QFETCH(qint64, hz);
        QCOMPARE(GridFrequencyHz(text), hz);
    }
};

QTEST_GUILESS_MAIN(TestCsvFull)
#include "tst_csv_full.moc"
