// Times the file work on a full image: open, decode, encode and save a clone file, export and import a
// CSV of the 200 plain channels, export and import the full and the CHIRP layouts, and import 5 MB and
// 50 MB CSV files of mixed junk and records in each of the three layouts. Prints the time per operation,
// the peak memory, and how much the peak grew from the 5 MB to the 50 MB import.
#include "channels/ChannelRecord.h"
#include "csv/CsvExport.h"
#include "csv/CsvImport.h"
#include "csv/CsvLayoutFiles.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <sys/resource.h>

namespace {
long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs op repeatedly for about half a second (at least once) and returns the mean time in milliseconds.
double timeOp(const std::function<void()> &op) {
    QElapsedTimer total;
    total.start();
    int runs = 0;
    do {
        op();
        ++runs;
    } while (total.nsecsElapsed() < 500'000'000LL && runs < 10000);
    return double(total.nsecsElapsed()) / 1e6 / runs;
}

void report(const char *what, double ms) {
    std::printf("  %-44s %10.3f ms\n", what, ms);
}

// Every channel in use, each on its own frequency, so that nothing is shared between records.
CloneImage fullImage() {
    CloneImage image;
    NewImage(image);
    for (int k = 0; k < ChannelCount; ++k) {
        RecordBytes bytes = ReadRecordBytes(QStringLiteral("88010201010001850001000000000000"
                                                           "3899D8003C4A543A3B583900B0A96D00"));
        const quint32 hz = 1'800'000 + quint32(k) * 25'000;
        WriteLe32(bytes, 16, hz);
        WriteLe32(bytes, 28, hz + 5'000);
        if (!UpdateMemData(image, RecordText(bytes), k)) std::fprintf(stderr, "record %d refused\n", k);
    }
    return image;
}

// One CSV record that the import takes: channel k of the plain bank.
QByteArray importableRecord(int k) {
    const double mhz = 1.8 + 0.025 * k;
    return QByteArray("\"KT-M40\",\"MEMORY\",\"") + QByteArray::number(k) + "\",\"" +
           QByteArray::number(mhz, 'f', 4) +
           "\",\"5KHz\",\"Tone\",\"88.5\",\"88.5\",\"023\",\"None\",\"0.0000\",\"Hi\",\"Off\",\"Off\","
           "\"Off\","
           "\"Off\",\"CH" +
           QByteArray::number(k) + "\",\"Off\"\r\n";
}

// Mixed junk and records: garbage fields, quoted commas, records cut short or refused, very long fields,
// blank lines and binary bytes, with a good record now and then. Written in pieces: the file is never whole
// in memory.
bool writeJunkCsv(const QString &path, qint64 bytes, quint32 seed) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    std::mt19937 rng(seed);
    QByteArray piece;
    qint64 written = 0;
    while (written < bytes) {
        piece.clear();
        while (piece.size() < 256 * 1024) {
            switch (rng() % 10) {
            case 0:
                piece += importableRecord(int(rng() % 200));
                break;
            case 1: // a record that starts well and is dropped (tone not in the table)
                piece += "KT-M40,MEMORY," + QByteArray::number(rng() % 200) +
                         ",7.05,5KHz,Tone,12.3,88.5,023,None,0,Hi,Off,Off,Off,Off,X,Off\r\n";
                break;
            case 2: // start field with a bad bank or channel
                piece += (rng() % 2) ? "KT-M40,BANK,1,\r\n" : "\"KT-M40\",\"MEMORY\",\"250\",\"1\"\r\n";
                break;
            case 3: { // binary bytes, separators included
                QByteArray junk(int(rng() % 200), '\0');
                for (char &c : junk)
                    c = char(rng());
                piece += junk;
                break;
            }
            case 4: { // now and then a long field without any separator (longer than a field may be)
                piece += rng() % 8 == 0 ? QByteArray(int(1000 + rng() % 8000), 'x') : QByteArray("x,y,z");
                piece += "\r\n";
                break;
            }
            case 5:
                piece += "\r\n\r\n,,,\n\r";
                break;
            case 6:
                piece += "\"quoted, with \"\"commas\"\", inside\",MODEL,BANK,CHANNEL\r\n";
                break;
            default: {
                for (unsigned i = 0, n = 1 + rng() % 20; i < n; ++i)
                    piece += QByteArray::number(quint32(rng())) + (i + 1 < n ? "," : "\r\n");
                break;
            }
            }
        }
        if (file.write(piece) != piece.size()) return false;
        written += piece.size();
    }
    return file.flush();
}

// The same for the full and the CHIRP layout: their first lines, then lines the import takes, lines it
// refuses for a rule, rows given again, quoted fields with commas, doubled quotes and line breaks, binary
// bytes (an odd quote among them swallows text up to the next one) and blank lines.
bool writeLayoutJunk(const QString &path, qint64 bytes, quint32 seed, CsvLayout layout) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    std::mt19937 rng(seed);
    const bool full = layout == CsvLayout::Full;
    QByteArray piece =
        full ? QByteArray("KT-M40 full CSV,variant J,range (1.6MHz - 30MHz)\r\n"
                          "Row,Frequency,Mode,Gain,AGC,Pwr,Filter,Tone,NB,Split Freq.,Name,Skip,Codes\r\n")
             : QByteArray("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                          "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                          "RPT1CALL,RPT2CALL,DVCODE\r\n");
    qint64 written = 0;
    while (written < bytes) {
        while (piece.size() < 256 * 1024) {
            const int k = int(rng() % 200);
            switch (rng() % 8) {
            case 0:
            case 1:
                piece +=
                    full ? QByteArray::number(k) + ",7.050.000,LSB,0,Fast,High,Wide,On,Off,7.060.000,CH" +
                               QByteArray::number(k) + ",,Gain=7\r\n"
                         : QByteArray::number(k) + ",\"Rep, " + QByteArray::number(k) +
                               "\",29.620000,-,0.100000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,10.00,,High,"
                               "\"say \"\"hi\"\"\",,,,\r\n";
                break;
            case 2: // refused for a rule
                piece += full ? QByteArray::number(k) + ",31.000.000,XYZ,0,Fast,High,Wide,On,Off,,,,\r\n"
                              : QByteArray::number(k) + ",X,146.520000,,,,,,,,,,WFM,,,,,,,,\r\n";
                break;
            case 3: { // binary bytes, separators and quotes included
                QByteArray junk(int(rng() % 200), '\0');
                for (char &c : junk)
                    c = char(rng());
                piece += junk + "\r\n";
                break;
            }
            case 4:
                piece += "\"quoted, with \"\"commas\"\"\r\nand a line break\",x,y\r\n";
                break;
            case 5:
                piece += "\r\n\n,,,,\r\n";
                break;
            default:
                for (unsigned i = 0, n = 1 + rng() % 20; i < n; ++i)
                    piece += QByteArray::number(quint32(rng())) + (i + 1 < n ? "," : "\r\n");
                break;
            }
        }
        if (file.write(piece) != piece.size()) return false;
        written += piece.size();
        piece.clear();
    }
    return file.flush();
}
} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    BuildTextTables();
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "files-bench: no temporary folder\n");
        return 1;
    }
    std::printf("files-bench: clone file and CSV work on a full image (604 channels in use)\n");

    CloneImage image = fullImage();
    const QString clonePath = dir.filePath("full.M40");
    if (SaveCloneFile(clonePath, image) != FileStatus::Ok) {
        std::fprintf(stderr, "files-bench: cannot save %s\n", qPrintable(clonePath));
        return 1;
    }
    QByteArray fileBytes;
    report("open (read the file)", timeOp([&] {
               QFile f(clonePath);
               f.open(QIODevice::ReadOnly);
               fileBytes = f.readAll();
           }));
    bool decodedOk = true;
    report("decode (check and decode 610 lines)", timeOp([&] {
               CloneImage target;
               NewImage(target);
               decodedOk = decodedOk && ParseCloneFile(fileBytes, target).status == FileStatus::Ok;
           }));
    report("encode (610 lines from the image)", timeOp([&] { fileBytes = CloneFileBytes(image); }));
    report("save (encode and write atomically)",
           timeOp([&] { decodedOk = decodedOk && SaveCloneFile(clonePath, image) == FileStatus::Ok; }));
    report("open file + decode (LoadCloneFile)", timeOp([&] {
               CloneImage target;
               NewImage(target);
               decodedOk = decodedOk && LoadCloneFile(clonePath, target).status == FileStatus::Ok;
           }));

    const QString exportPath = dir.filePath("export.csv");
    report("CSV export of 200 plain channels", timeOp([&] { ExportCsv(exportPath, image); }));
    QByteArray importable;
    for (int k = 0; k < 200; ++k)
        importable += importableRecord(k);
    const QString importPath = dir.filePath("import.csv");
    {
        QFile f(importPath);
        f.open(QIODevice::WriteOnly);
        f.write(importable);
    }
    int taken = 0;
    report("CSV import of 200 channel records", timeOp([&] {
               CloneImage target = image;
               taken = ImportCsv(importPath, target).taken;
           }));
    if (!decodedOk || taken != 200) {
        std::fprintf(stderr, "files-bench: a file operation failed (records taken: %d)\n", taken);
        return 1;
    }
    // The full and CHIRP layouts of the full image, both ways.
    const QString fullPath = dir.filePath("full.csv"), chirpPath = dir.filePath("chirp.csv");
    report("full layout export of 2 VFOs and 604 channels", timeOp([&] {
               decodedOk = decodedOk && ExportCsvLayout(fullPath, image, CsvLayout::Full) == FileStatus::Ok;
           }));
    report("full layout import of them", timeOp([&] {
               CloneImage target = image;
               taken = ImportCsvFile(fullPath, target).report.taken;
           }));
    const int fullTaken = taken;
    report("CHIRP export of 604 channels", timeOp([&] {
               CsvReport notCarried;
               decodedOk = decodedOk &&
                           ExportCsvLayout(chirpPath, image, CsvLayout::Chirp, &notCarried) == FileStatus::Ok;
           }));
    report("CHIRP import of them", timeOp([&] {
               CloneImage target = image;
               taken = ImportCsvFile(chirpPath, target).report.taken;
           }));
    if (!decodedOk || fullTaken != 606 || taken != 604) {
        std::fprintf(stderr, "files-bench: a layout failed (taken: full %d, CHIRP %d)\n", fullTaken, taken);
        return 1;
    }
    std::printf("  peak memory so far %ld KiB\n", peakKiB());

    // Junk imports per layout: time per MB and peak memory, 5 MB then 50 MB.
    for (CsvLayout layout : {CsvLayout::Original, CsvLayout::Full, CsvLayout::Chirp}) {
        const QByteArray name = CsvLayoutName(layout).toLatin1();
        double msPerMb[2] = {0, 0};
        long peakAfter[2] = {0, 0};
        const qint64 sizes[2] = {5LL << 20, 50LL << 20};
        for (int i = 0; i < 2; ++i) {
            const QString junkPath = dir.filePath(QStringLiteral("junk%1.csv").arg(i));
            const bool written = layout == CsvLayout::Original
                                     ? writeJunkCsv(junkPath, sizes[i], 7 + i)
                                     : writeLayoutJunk(junkPath, sizes[i], 7 + i, layout);
            if (!written) {
                std::fprintf(stderr, "files-bench: cannot write %s\n", qPrintable(junkPath));
                return 1;
            }
            const qint64 actual = QFile(junkPath).size();
            // the best of three, so that a cold start does not count against the smaller file
            CsvFileImport r;
            double ms = 1e300;
            for (int run = 0; run < 3; ++run) {
                CloneImage target = image;
                QElapsedTimer t;
                t.start();
                r = ImportCsvFile(junkPath, target);
                ms = std::min(ms, double(t.nsecsElapsed()) / 1e6);
            }
            QFile::remove(junkPath);
            if (r.layout != layout) {
                std::fprintf(stderr, "files-bench: %s junk read as another layout\n", name.constData());
                return 1;
            }
            msPerMb[i] = ms / (double(actual) / double(1 << 20));
            peakAfter[i] = peakKiB();
            const int takenLines = layout == CsvLayout::Original ? r.original.taken : r.report.taken;
            const int refusedLines = layout == CsvLayout::Original ? r.original.dropped : r.report.refused;
            std::printf("  %-8s CSV import of %3lld MB junk: %9.1f ms (%.2f ms/MB), %d taken, %d dropped or "
                        "refused, peak %ld KiB\n",
                        name.constData(), actual >> 20, ms, msPerMb[i], takenLines, refusedLines,
                        peakAfter[i]);
        }
        const double linearity = msPerMb[1] / msPerMb[0];
        const long growth = peakAfter[1] - peakAfter[0];
        std::printf(
            "files-bench: %s layout, 50 MB junk import %.2f ms/MB (x%.2f of the 5 MB rate), peak memory "
            "growth from 5 MB to 50 MB %ld KiB, peak %ld KiB\n",
            name.constData(), msPerMb[1], linearity, growth, peakKiB());
    }
    return 0;
}
