// Robustness of the file readers on damaged input: random mutations of a good clone file, and CSV files
// read in chunks of every small size. Deterministic (fixed seeds), so a failure repeats.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "csv/CsvImport.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include "settings/SettingsCodec.h"
#include <QBuffer>
#include <QtTest>
#include <random>

namespace {
CloneImage baseImage() {
    CloneImage image = NewCloneImage(VariantE, false);
    image.Settings.byName("cmbDimmer") = 2;
    MakeSetData(image);
    const QString record = QStringLiteral("88010201010001850001000000000000"
                                          "3899D8003C4A543A3B583900B0A96D00");
    for (int k : {0, 79, 80, 603})
        UpdateMemData(image, record, k);
    return image;
}

// A good file of another image, so that a taken file would show.
QByteArray otherFile() {
    CloneImage other = NewCloneImage(VariantA, true);
    for (int k = 0; k < ChannelCount; k += 7)
        UpdateMemData(other,
                      QStringLiteral("80020000000000000000000000000000"
                                     "40787D01000000000000000040787D01"),
                      k);
    return CloneFileBytes(other);
}

QByteArray mutate(QByteArray bytes, std::mt19937 &rng, int kind) {
    QList<QByteArray> lines = bytes.split('\n');
    const int line = int(rng() % unsigned(std::max<qsizetype>(1, lines.size() - 1)));
    switch (kind) {
    case 0: // one byte replaced anywhere
        bytes[qsizetype(rng() % unsigned(bytes.size()))] = char(rng());
        return bytes;
    case 1: // cut at a random place
        return bytes.left(qsizetype(rng() % unsigned(bytes.size())));
    case 2: // a line removed
        lines.removeAt(line);
        break;
    case 3: // a line doubled
        lines.insert(line, lines[line]);
        break;
    case 4: // a character added to or taken from a line
        if (rng() % 2)
            lines[line].insert(0, 'A');
        else if (!lines[line].isEmpty())
            lines[line].remove(0, 1);
        break;
    case 5: // the header's variant letter or range character changed
        lines[0][qsizetype(rng() % 2 ? 13 : 21)] = char('0' + rng() % 75);
        break;
    default: // the end line changed
        lines[609][qsizetype(rng() % 32)] = char(' ' + rng() % 95);
        break;
    }
    return lines.join('\n');
}
} // namespace

class TestRobustFiles : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { BuildTextTables(); }

    // A refused file leaves the image as it was; only a wrong end line after a good header moves the variant
    // and the range flag. Every kind of damage is met and refused at least once.
    void refusedCloneFilesChangeNothing() {
        const CloneImage base = baseImage();
        const QByteArray good = otherFile();
        std::mt19937 rng(4040);
        int refused[7] = {}, variantMoved = 0;
        for (int i = 0; i < 700; ++i) {
            const int kind = i % 7;
            const QByteArray damaged = mutate(good, rng, kind);
            CloneImage image = base;
            const CloneFileLoad load = ParseCloneFile(damaged, image);
            if (load.status == FileStatus::Ok) continue;
            ++refused[kind];
            CloneImage expected = base;
            if (load.variantSelected) {
                ++variantMoved;
                QCOMPARE(load.status, FileStatus::DataError);
                QCOMPARE(image.Variant, int(VariantA));
                QCOMPARE(image.WideRange, true);
                expected.Variant = image.Variant;
                expected.WideRange = image.WideRange;
            }
            if (!(image == expected))
                QFAIL(qPrintable(QStringLiteral("mutation %1 (kind %2) changed the image").arg(i).arg(kind)));
        }
        for (int kind = 0; kind < 7; ++kind)
            QVERIFY2(refused[kind] > 0, qPrintable(QStringLiteral("damage kind %1 never refused").arg(kind)));
        QVERIFY(variantMoved > 0);
    }

    // The CSV reader takes the same records whatever the chunk size, with fields, quotes and line ends cut
    // across chunk boundaries; and text without a record leaves the image as it was.
    void csvChunkBoundariesChangeNothing() {
        const QByteArray csv =
            "\xEF\xBB\xBF\"MODEL\",\"BANK\",\"CHANNEL\"\r\n"
            "\"KT-M40\",\"MEMORY\",\"5\",\"7.0500\",\"5KHz\",\"Tone\",\"88.5\",\"88.5\",\"023\",\"-Shift\","
            "\"0.6\","
            "\"Hi\",\"10\",\"Off\",\"On\",\"Off\",\"NAMELONG\",\"On\"\r\n\r\n"
            "  KT-M40,VFO,VFO B,14.195,12.5KHz,TSQ,100.0,100.0,754,+Shift,1.2,Lo,20,On,Off,On,VFOB,Off\n"
            "KT-M40,MEMORY,200,7.1,5KHz,Tone,88.5,88.5,023,None,0,Hi,Off,Off,Off,Off,X,Off\r"
            "KT-M40,MEMORY,198.6,7.1,5KHz,Tone,88.5,88.5,023,None,0,Hi,Off,Off,Off,Off,X,Off\r\n"
            "KT-M40,MEMORY,7,7.1,5KHz,Tone,12.3,88.5,023,None,0,Hi,Off,Off,Off,Off,X,Off\r\n"
            "KT-M40,MEMORY,8,7.1";
        const CloneImage base = baseImage();
        CloneImage whole = base;
        const CsvImportResult r = ImportCsvBytes(csv, whole);
        QCOMPARE(r.taken, 3);
        QCOMPARE(r.dropped, 2);
        for (int chunk = 1; chunk <= 17; ++chunk) {
            QBuffer buffer;
            buffer.setData(csv);
            buffer.open(QIODevice::ReadOnly);
            CloneImage image = base;
            const CsvImportResult c = ImportCsvDevice(buffer, image, chunk);
            QCOMPARE(c.taken, r.taken);
            QCOMPARE(c.dropped, r.dropped);
            QVERIFY2(image == whole, qPrintable(QStringLiteral("chunk size %1").arg(chunk)));
        }
        std::mt19937 rng(77);
        for (int i = 0; i < 200; ++i) {
            QByteArray junk(int(rng() % 400), '\0');
            for (char &c : junk) {
                static const char alphabet[] = "KT-M40,\"\r\n VFOMEMORY0123456789.";
                c = alphabet[rng() % (sizeof alphabet - 1)];
            }
            CloneImage image = base;
            if (ImportCsvBytes(junk, image).taken == 0) QVERIFY(image == base);
        }
    }
};

QTEST_GUILESS_MAIN(TestRobustFiles)
#include "tst_robust_files.moc"
