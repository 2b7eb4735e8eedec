// CSV export: the exact bytes of the file, which channels are written, and a failed write.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "csv/CsvExport.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include "support/FileSizeLimit.h"
#include "support/RecordText.h"
#include "support/TestFiles.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QByteArray Header =
    "\"MODEL\",\"BANK\",\"CHANNEL\",\"FREQUENCY\",\"STEP\",\"TONE\",\"TXTONE\",\"RXTONE\",\"DCS\","
    "\"SHIFT\",\"SHIFT FREQUENCY\",\"Power\",\"ATT\",\"BS\",\"Clock\",\"BCLO\",\"Name\",\"Skip\"\r\n";
// 7.050.000 LSB, gain 0, AGC Fast, High, Wide, tone off, NB off
const QString VfoRecordText = "8001000000000000000000000000000010936B00000000000000000000000000";

CloneImage imageWithVfos() {
    CloneImage image = NewCloneImage();
    UpdateVFORecord(image, VfoRecordText, 0);
    // VFO B: 14.195.000 USB, gain -20, AGC Slow, S-Low, Narrow, tone 0x85, NB on
    UpdateVFORecord(image,
                    "80000201020001850001000000000000"
                    "3899D800000000000000000000000000",
                    1);
    return image;
}

// A used channel: frequency 7.050.000 / split 7.050.000, LSB, name as given (record encoding of the name).
void useChannel(CloneImage &image, int k, const QString &name, bool skip = false) {
    QVERIFY(UpdateMemData(image, AbcRecord, k));
    image.ChannelTable[k].field[FieldName].text = name;
    if (skip) image.ChannelTable[k].field[FieldSkip] = {"Skip", 1};
}
} // namespace

class TestCsvExport : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { BuildTextTables(); }

    void emptyMemoryGivesHeaderAndVfoLinesOnly() {
        const QByteArray bytes = CsvExportBytes(imageWithVfos());
        QCOMPARE(
            bytes,
            Header +
                "\"KT-M40\",\"VFO\",\"VFO A\",\"7.050.000\",\"LSB\",\"0\",\"Fast\",\"High\",\"Wide\",\"Off\","
                "\"Off\",\"\",\"\",\"\",\"\",\"\",\"No\",\"Off\"\r\n"
                "\"KT-M40\",\"VFO\",\"VFO B\",\"14.195.000\",\"USB\",\"-20\",\"Slow\",\"S-Low\",\"Narrow\","
                "\"On\",\"On\",\"\",\"\",\"\",\"\",\"\",\"No\",\"Off\"\r\n");
        QCOMPARE(bytes.count("\r\n"), 3);
    }

    void usedChannelsZeroTo199InOrder() {
        CloneImage image = imageWithVfos();
        for (const auto &[k, name] :
             {std::pair{199, "LAST"}, {0, ""}, {200, "BANKA"}, {400, "EDGE"}, {603, "END"}})
            useChannel(image, k, name);
        useChannel(image, 5, "A B C", true);
        const QList<QByteArray> lines = CsvExportBytes(image).split('\n');
        QCOMPARE(lines.size(), 3 + 3 + 1); // header, 2 VFOs, 3 channels, and the empty rest after the last LF
        QVERIFY(lines.last().isEmpty());
        for (int i = 0; i < lines.size() - 1; ++i)
            QVERIFY2(lines[i].endsWith('\r') && lines[i].count('\r') == 1, lines[i].constData());
        QCOMPARE(lines[3],
                 "\"KT-M40\",\"MEMORY\",\"0\",\"7.050.000\",\"LSB\",\"0\",\"Fast\",\"High\",\"Wide\",\"Off\","
                 "\"Off\",\"7.050.000\",\"\",\"\",\"\",\"\",\"\",\"Off\"\r");
        // a name with blanks keeps them inside its quotes; a skipped channel shows "Skip" in the 14th column
        QCOMPARE(lines[4],
                 "\"KT-M40\",\"MEMORY\",\"5\",\"7.050.000\",\"LSB\",\"0\",\"Fast\",\"High\",\"Wide\",\"Off\","
                 "\"Off\",\"7.050.000\",\"A B C\",\"Skip\",\"\",\"\",\"\",\"Off\"\r");
        QVERIFY(lines[5].startsWith("\"KT-M40\",\"MEMORY\",\"199\",\"7.050.000\""));
        QVERIFY(lines[5].contains(",\"LAST\","));
        for (const QByteArray &line : lines)
            QCOMPARE(line.count(','), line.isEmpty() ? 0 : 17);
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
        detail.clear();
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

QTEST_GUILESS_MAIN(TestCsvExport)
#include "tst_csv_export.moc"
