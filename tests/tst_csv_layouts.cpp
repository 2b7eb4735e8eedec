// The three CSV layouts: the field and record readers and the writer, the byte-exact round trip of the full
// layout over random images, the corpus of files (tests/corpus/csv) with every rule an imported line is
// held to, exports byte for byte, what CHIRP cannot carry; and kt-m40-cli export-csv and import-csv in each
// layout, run as a user runs them.
#include "channels/ChannelRecord.h"
#include "channels/FieldValueReader.h"
#include "channels/VfoRecordCodec.h"
#include "csv/CsvChirp.h"
#include "csv/CsvExport.h"
#include "csv/CsvFieldReader.h"
#include "csv/CsvFullLayout.h"
#include "csv/CsvImport.h"
#include "csv/CsvLayoutFiles.h"
#include "csv/CsvRecognition.h"
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
#include <QFileInfo>
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

// The original layout's fields, read in chunks of the given size.
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

QString corpusFile(const QString &file) {
    return sourceDir() + QStringLiteral("/tests/corpus/csv/") + file;
}

// "c7=HEX" (a channel) or "v1=HEX" (a VFO) into the image.
bool setRecord(CloneImage &image, const QString &record) {
    const int n = record.mid(1, record.indexOf('=') - 1).toInt();
    const QString hex = record.section('=', 1);
    return record[0] == 'v' ? UpdateVFORecord(image, hex, n) : UpdateMemData(image, hex, n);
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

    void originalReaderSplitsFieldsAtCommasAndLineEnds() {
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

    void originalNumbersAndTablesAreRecognized() {
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

    // Random MHz texts in the original layout: the hertz are worked out here from the digits, not from a
    // binary fraction.
    void originalMegahertzToTheNearestHertz() {
        std::mt19937 rng(7);
        QByteArray csv;
        QList<qint64> want;
        for (int channel = 0; channel < 200; ++channel) {
            qint64 tenths = 16000000 + qint64(rng() % 283999990); // 1.6 MHz up to below 29.999999 MHz
            if (tenths % 10 == 5) ++tenths;                       // no exact halves
            want << (tenths + 5) / 10;
            const QString mhz =
                QString("%1.%2").arg(tenths / 10000000).arg(tenths % 10000000, 7, 10, QChar('0'));
            csv += "KT-M40,MEMORY," + QByteArray::number(channel) + "," + mhz.toLatin1() +
                   ",5KHz,None,88.5Hz,88.5Hz,023,None,0,Hi,Off,Off,Off,Off,NAME,Off\r\n";
        }
        CloneImage image = NewCloneImage();
        QCOMPARE(ImportCsvBytes(csv, image).taken, 200);
        for (int channel = 0; channel < 200; ++channel)
            QCOMPARE(qint64(image.ChannelTable[channel].field[FieldFrequency].value), want[channel]);
    }

    // The original layout's export: a header, the two VFOs, then the used channels 0 to 199 in order; a
    // write that fails is a File Open Error with its reason.
    void originalExport() {
        CloneImage image = NewCloneImage();
        // VFO B: 14.195.000 USB, gain -20, AGC Slow, S-Low, Narrow, tone 0x85, NB on
        UpdateVFORecord(image, "8001000000000000000000000000000010936B00000000000000000000000000", 0);
        UpdateVFORecord(image, "800002010200018500010000000000003899D800000000000000000000000000", 1);
        for (const auto &[k, name] :
             {std::pair{199, "LAST"}, {0, ""}, {200, "BANKA"}, {400, "EDGE"}, {603, "END"}, {5, "A B C"}}) {
            QVERIFY(UpdateMemData(image, AbcRecord, k));
            image.ChannelTable[k].field[FieldName].text = name;
        }
        image.ChannelTable[5].field[FieldSkip] = {"Skip", 1};
        QCOMPARE(CsvExportBytes(image), readFile(corpusFile("original-export-vfos-0-5-199.csv")));

        QTemporaryDir dir;
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

    // Files as spreadsheets and other programs write them, and files of one case a line: expected.txt says
    // what importing each gives, its records worked out by hand from the record layout.
    void corpus_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("expected");
        const QStringList lines = QString::fromUtf8(readFile(corpusFile("expected.txt"))).split('\n');
        QVERIFY(lines.size() > 1);
        QStringList files, section;
        const auto rows = [&] {
            for (const QString &file : files)
                QTest::newRow(qPrintable(file)) << file << section;
        };
        for (const QString &line : lines)
            if (line.startsWith("file ")) {
                rows();
                files = line.mid(5).split(' ');
                section.clear();
            } else if (!line.isEmpty() && !line.startsWith('#')) {
                section << line;
            }
        rows();
    }
    void corpus() {
        QFETCH(QString, file);
        QFETCH(QStringList, expected);
        CloneImage image = NewCloneImage(VariantJ, false);
        QStringList records, items, counts;
        QString layout, unrecognised;
        bool ownExport = false;
        for (const QString &line : expected) {
            const QString key = line.section(' ', 0, 0), rest = line.section(' ', 1);
            if (key == "image")
                image = NewCloneImage(int(QString("JTEA").indexOf(rest[0])), rest.endsWith("wide"));
            else if (key == "before")
                QVERIFY(setRecord(image, rest));
            else if (key == "layout")
                layout = rest;
            else if (key == "counts")
                counts = rest.split(' ');
            else if (key == "own-export")
                ownExport = true;
            else if (key == "unrecognised")
                unrecognised = rest;
            else
                (line.contains('|') ? items : records) << line;
        }
        CloneImage wanted = image;
        for (const QString &record : records)
            QVERIFY2(setRecord(wanted, record), qPrintable(record));
        const CsvFileImport r = ImportCsvFile(corpusFile(file), image);
        QCOMPARE(CsvLayoutName(r.layout), layout);
        const int refused = r.layout == CsvLayout::Original ? r.original.dropped : r.report.refused;
        QCOMPARE((QStringList{QString::number(r.taken()), QString::number(refused),
                              QString::number(r.report.changed)}),
                 counts);
        QCOMPARE(r.ownOriginalExport, ownExport);
        QVERIFY2(unrecognised.isEmpty() ? r.unrecognised.isEmpty() : r.unrecognised.contains(unrecognised),
                 qPrintable(r.unrecognised));
        QStringList listed; // as expected.txt writes them, with the reason where it gives one
        for (const CsvReportItem &item : r.report.items) {
            QStringList at{item.kind == CsvReportItem::Refused ? "refused" : "changed", item.row, item.field};
            const qsizetype i = listed.size();
            if (i < items.size() && items[i].count('|') == 3)
                at << item.reason;
            else
                QVERIFY(!item.reason.isEmpty());
            listed << at.join('|');
        }
        QCOMPARE(listed, items);
        for (int n = 0; n < VfoCount; ++n)
            QCOMPARE(MakeVFOData(image, n), MakeVFOData(wanted, n));
        for (int k = 0; k < ChannelCount; ++k)
            QVERIFY2(MakeMemData(image, k) == MakeMemData(wanted, k),
                     qPrintable(QString("channel %1: %2").arg(k).arg(MakeMemData(image, k))));
        QVERIFY(image == wanted); // the variant and range too
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

    void exportWritesTheMapping() {
        CloneImage image = NewCloneImage(VariantJ, false);
        UpdateMemData(image, "8005000100000080000000000000000020F7C30150313A50543130468070C201", 0);
        UpdateMemData(image, "800000010000000000000000000000003899D8003D51544C4945424D680ED900", 402);
        // gain -10 and NB on have no column, a tone byte of 0x8C comes back as 0x80
        UpdateMemData(image, "880201000200008C00010000000000008059B10100000000000000008059B101", 603);
        CsvReport notCarried;
        QCOMPARE(ChirpCsvBytes(image, &notCarried), readFile(corpusFile("chirp-export.csv")));
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
    void cliExportsEachLayoutAndTakesTheFullOneBack() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), other = dir.filePath("other.M40"),
                      out = dir.filePath("out.M40");
        const CloneImage image = writeBase(base);
        // without --layout: what the menu writes (titles, two VFOs, channel 3; 420 is beyond 199)
        const std::pair<CsvLayout, QStringList> layouts[] = {{CsvLayout::Original, {}},
                                                             {CsvLayout::Full, {"--layout", "full"}},
                                                             {CsvLayout::Chirp, {"--layout", "chirp"}}};
        for (const auto &[layout, option] : layouts) {
            const QString csv = dir.filePath(QString("%1.csv").arg(int(layout)));
            const CliResult r = runCli(QStringList{"export-csv", base, "-o", csv} + option);
            QCOMPARE(r.exitCode, 0);
            QCOMPARE(readFile(csv), CsvLayoutBytes(image, layout));
            // what CHIRP CSV cannot carry is listed: both VFOs, the gain and the AGC of channel 3, the gain
            // of 420
            QCOMPARE(r.err.isEmpty(), layout != CsvLayout::Chirp);
            if (layout == CsvLayout::Chirp)
                QVERIFY(r.err.startsWith("5 values not carried by CHIRP CSV") &&
                        r.err.contains("3  Gain  not carried"));
        }
        // imported into an empty image, the full layout gives the base back
        CloneImage empty = NewCloneImage(VariantE, false);
        QCOMPARE(SaveCloneFile(other, empty), FileStatus::Ok);
        const QString full = dir.filePath(QString("%1.csv").arg(int(CsvLayout::Full)));
        const CliResult back = runCli({"import-csv", full, "--into", other, "-o", out});
        QCOMPARE(back.exitCode, 0);
        QVERIFY(back.out.startsWith("full layout: 606 lines taken (0 with changes), 0 refused; "));
        QCOMPARE(readFile(out), readFile(base));

        const CliResult bad = runCli({"export-csv", base, "-o", dir.filePath("x.csv"), "--layout", "excel"});
        QCOMPARE(bad.exitCode, 64);
        QVERIFY(bad.err.contains("--layout"));
        const CliResult missing =
            runCli({"export-csv", dir.filePath("none.M40"), "-o", dir.filePath("x.csv")});
        QCOMPARE(missing.exitCode, 4);
        QVERIFY(missing.err.startsWith("File Open Error"));
        QVERIFY(!QFile::exists(dir.filePath("x.csv")));
    }

    void cliImportSaysWhatItTook() {
        QTemporaryDir dir;
        const QString base = dir.filePath("base.M40"), csv = dir.filePath("in.csv"),
                      out = dir.filePath("out.M40");
        writeBase(base);
        const auto import = [&](const QString &file, bool json = false) {
            return runCli(QStringList{"import-csv", file, "--into", base, "-o", out} +
                          (json ? QStringList{"--json"} : QStringList{}));
        };
        // the original layout: its counts, the record taken beside the base's variant and channels
        CliResult r = import(corpusFile("original-cut-in-a-record.csv"), true);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.trimmed(), QByteArray("{\"taken\": 1, \"dropped\": 1}"));
        CloneImage image = NewCloneImage();
        QCOMPARE(LoadCloneFile(out, image).status, FileStatus::Ok);
        QCOMPARE(image.Variant, int(VariantE));
        QCOMPARE(image.ChannelTable[20].field[FieldFrequency].text, QString("7.050.000"));
        QVERIFY(image.ChannelUsed[420]);
        QVERIFY(
            import(corpusFile("original-cut-in-a-record.csv")).out.contains("1 records taken, 1 dropped"));
        // an unreadable CSV is "File Open Error", a base of no known variant "Data Error"; neither writes
        QVERIFY(QFile::remove(out));
        r = import(dir.filePath("none.csv"));
        QCOMPARE(r.exitCode, 4);
        QVERIFY(r.err.startsWith("File Open Error"));
        QVERIFY(writeFile(base, readFile(base).replace("KT-M40E", "KT-M40X")));
        QCOMPARE(import(corpusFile("original-cut-in-a-record.csv")).exitCode, 3);
        QVERIFY(!QFile::exists(out));
        writeBase(base);

        // CHIRP: every change and refusal in JSON
        QVERIFY(writeFile(csv, "Location,Name,Frequency,Mode\r\n"
                               "7,abc\xF0\x9F\x98\x80,7.050000,LSB\r\n"
                               "8,X,146.520000,FM\r\n"
                               "9,Y,7.1,WFM\r\n"));
        r = import(csv, true);
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
        QCOMPARE(LoadCloneFile(out, image).status, FileStatus::Ok);
        QCOMPARE(image.ChannelTable[7].field[FieldName].text, QString("ABC"));
        QVERIFY(!image.ChannelUsed[8]);
        QVERIFY(r.err.isEmpty());

        // taking nothing is said on stderr: the program's own original export names the full layout, a
        // CHIRP file of refused lines does not, a first line that names no layout is quoted
        r = import(corpusFile("original-export-bom.csv"));
        QCOMPARE(r.exitCode, 6);
        QVERIFY(r.out.contains("0 records taken"));
        QVERIFY(r.err.contains("nothing was taken from") && r.err.contains("--layout full"));
        r = import(corpusFile("chirp-no-frequency-column.csv"));
        QCOMPARE(r.exitCode, 6);
        QVERIFY(r.err.contains("nothing was taken from") && !r.err.contains("--layout full"));
        r = import(corpusFile("unrecognised-pipes.csv"));
        QCOMPARE(r.exitCode, 6);
        QVERIFY2(r.err.contains("its first line “Location|Name|Frequency|"), qPrintable(r.err));
        // an empty file says nothing
        QVERIFY(writeFile(csv, ""));
        r = import(csv);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCsvLayouts)
#include "tst_csv_layouts.moc"
