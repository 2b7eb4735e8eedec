// The clone file: save, open, every check the reader makes one at a time (the length of each of the 610
// lines, the header among the eight accepted ones, the end line, each record), the message each refusal
// gives and what a refused file leaves behind; random damage to a good file (fixed seeds, so a failure
// repeats).
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include "settings/SettingsCodec.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"
#include <QTemporaryDir>
#include <QtTest>
#include <random>

namespace {
const QString Example = "88010201010001850001000000000000"
                        "3899D800"
                        "3C4A543A3B583900"
                        "B0A96D00";

CloneImage sample() {
    CloneImage image = NewCloneImage(VariantT, true);
    image.Settings.byName("cmbDimmer") = 64;
    image.Settings.byName("cmbFunc") = 1;
    UpdateMemData(image, Example, 0);
    UpdateMemData(image, Example, 603);
    UpdateVFORecord(image,
                    "80050000000000000000000000000000"
                    "3899D800" +
                        QString(24, '0'),
                    1);
    return image;
}

QList<QByteArray> lines(const QByteArray &bytes) {
    QList<QByteArray> out = bytes.split('\n');
    out.removeLast();
    for (QByteArray &l : out)
        l.chop(1);
    return out;
}

QByteArray join(const QList<QByteArray> &ls, const char *end = "\r\n") {
    QByteArray out;
    for (const QByteArray &l : ls)
        out += l + end;
    return out;
}
const QByteArray EndLine = "Korvan  KT-M40  Clone  File  End";

// A good file: header of variant E with the wide range, default settings and VFOs, two used channels.
QList<QByteArray> goodLines() {
    QList<QByteArray> lines = {"Korvan KT-M40E Clone A FileStart",
                               "A50000000003000E000000000000000000000320010101010808080000000000",
                               "0000000000000000000001010100000000000000000000000000000000000000",
                               "8001000100000000000000000000000060566C00000000000000000000000000",
                               "8001000100000000000000000000000060566C00000000000000000000000000"};
    for (int k = 0; k < 604; ++k)
        lines << (k == 0 || k == 603 ? "880500000000000000000000000000003899D800"
                                       "3A3B3C0000000000B0A96D00"
                                     : QByteArray(64, '0'));
    lines << EndLine;
    return lines;
}

// The image before the file is opened: variant J, narrow range, one channel the file does not hold.
CloneImage before() {
    CloneImage image = NewCloneImage(VariantJ, false);
    UpdateMemData(image, "80020000000000000000000000000000C0FC9B00" + QString(24, '0'), 5);
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

class TestCloneFile : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;

  private slots:
    void initTestCase() { BuildTextTables(); }

    void layoutOfASavedFile() {
        CloneImage image = sample();
        const QByteArray bytes = CloneFileBytes(image);
        const QList<QByteArray> ls = lines(bytes);
        QCOMPARE(ls.size(), 610);
        QVERIFY(bytes.endsWith("Korvan  KT-M40  Clone  File  End\r\n"));
        QCOMPARE(bytes.count("\r\n"), 610);
        QCOMPARE(ls[0], QByteArray("Korvan KT-M40T Clone A FileStart"));
        QCOMPARE(ls[1].mid(38, 2), QByteArray("40")); // dimmer 64 encoded on save
        QCOMPARE(ls[5], Example.toLatin1());
        QCOMPARE(ls[608], Example.toLatin1());
        QCOMPARE(ls[6], QByteArray(64, '0'));
    }

    void saveThenOpenRestoresEverythingByteForByte() {
        CloneImage image = sample();
        const QString path = dir.filePath("round.M40");
        QCOMPARE(SaveCloneFile(path, image), FileStatus::Ok);
        CloneImage back = NewCloneImage();
        const CloneFileLoad load = LoadCloneFile(path, back);
        QCOMPARE(load.status, FileStatus::Ok);
        QVERIFY(load.variantSelected);
        QCOMPARE(back, image);
        const QString again = dir.filePath("again.M40");
        QCOMPARE(SaveCloneFile(again, back), FileStatus::Ok);
        QCOMPARE(readFile(again), readFile(path));
    }

    // The message names the line of the file (channel k is on line k + 6).
    void refusedFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("detail");
        CloneImage image = sample();
        const QList<QByteArray> ls = lines(CloneFileBytes(image));
        auto edited = [&](int line, int at, const QByteArray &text) {
            QList<QByteArray> other = ls;
            other[line].replace(at, text.size(), text);
            return join(other);
        };
        const int data = int(FileStatus::DataError);
        QTest::newRow("empty") << QByteArray() << int(FileStatus::FileOpenError)
                               << "the file ends before line 610";
        QList<QByteArray> emptied = ls; // an empty line (LF line ends) is a line of no characters
        emptied[9].clear();
        QTest::newRow("an empty line") << join(emptied, "\n") << data << "line 10 is not 64 characters";
        QTest::newRow("a very long line")
            << edited(100, 0, QByteArray(100000, 'A')) << data << "line 101 is not 64 characters";
        QTest::newRow("first channel's mode")
            << edited(5, 0, "8006") << data << "channel line 6 has no valid mode";
        QTest::newRow("channel 195's mode")
            << edited(200, 0, "8806") << data << "channel line 201 has no valid mode";
        QTest::newRow("last channel's mode")
            << edited(608, 0, "80FF") << data << "channel line 609 has no valid mode";
        QTest::newRow("VFO A's mode") << edited(3, 2, "06") << data << "VFO A has no valid mode";
        QTest::newRow("VFO B's mode") << edited(4, 2, "09") << data << "VFO B has no valid mode";
        QTest::newRow("dimmer beyond its list")
            << edited(1, 38, "41") << data << "a setting is beyond its list";
    }
    void refusedFilesChangeNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QString, detail);
        CloneImage image = NewCloneImage();
        const CloneImage before = image;
        const CloneFileLoad load = ParseCloneFile(bytes, image);
        QCOMPARE(int(load.status), status);
        QCOMPARE(load.detail, detail);
        QVERIFY(!load.variantSelected);
        QCOMPARE(image, before);
    }

    void tolerantReading() {
        CloneImage image = sample();
        const QList<QByteArray> ls = lines(CloneFileBytes(image));
        // LF-only line ends, lines after the end line, no line end after the end line
        for (const QByteArray &bytes :
             {join(ls, "\n"), join(ls) + "extra line\r\nmore\r\n", join(ls).chopped(2)}) {
            CloneImage back;
            QCOMPARE(ParseCloneFile(bytes, back).status, FileStatus::Ok);
            QCOMPARE(back, image);
        }
        QList<QByteArray> lower = ls;
        lower[5] = lower[5].toLower();
        CloneImage d;
        QCOMPARE(ParseCloneFile(join(lower), d).status, FileStatus::Ok);
        QCOMPARE(d.ChannelTable[0], image.ChannelTable[0]);
    }

    void missingFileChangesNothing() {
        CloneImage image = sample();
        const CloneImage before = image;
        QCOMPARE(LoadCloneFile(dir.filePath("missing.M40"), image).status, FileStatus::FileOpenError);
        QCOMPARE(image, before);
    }

    void failedSaveKeepsThePreviousFile() {
        CloneImage image = sample();
        const QTemporaryDir own;
        const QString path = own.filePath("kept.M40");
        QCOMPARE(SaveCloneFile(path, image), FileStatus::Ok);
        const QByteArray saved = readFile(path);
        image.ChannelUsed[0] = false;
        QString detail;
        FileStatus status, fresh;
        {
            const FileSizeLimit full(1000); // the disk fills up part-way through the new file
            status = SaveCloneFile(path, image, &detail);
            fresh = SaveCloneFile(own.filePath("new.M40"), image);
        }
        QCOMPARE(status, FileStatus::FileOpenError);
        QCOMPARE(fresh, FileStatus::FileOpenError);
        QVERIFY2(detail.contains("File too large"), qPrintable(detail));
        QCOMPARE(readFile(path), saved);
        // no half-written file left, not even a hidden one
        QCOMPARE(QDir(own.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.M40"});
    }

    void everyLineHasItsLength_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("delta");
        for (int line = 1; line <= 610; ++line)
            for (int delta : {-1, +1})
                QTest::addRow("line %d %+d", line, delta) << line << delta;
    }
    void everyLineHasItsLength() {
        QFETCH(int, line);
        QFETCH(int, delta);
        QList<QByteArray> lines = goodLines();
        QByteArray &l = lines[line - 1];
        const int length = int(l.size());
        if (delta < 0)
            l.chop(1);
        else
            l += l.right(1);
        CloneImage image = before();
        const CloneFileLoad load = ParseCloneFile(join(lines), image);
        QCOMPARE(load.status, FileStatus::DataError);
        QCOMPARE(FileStatusText(load.status), QString("Data Error"));
        const QString which = line == 1 ? " (the header)" : line == 610 ? " (the end line)" : "";
        QCOMPARE(load.detail, QString("line %1%2 is not %3 characters").arg(line).arg(which).arg(length));
        QVERIFY(!load.variantSelected);
        QCOMPARE(image, before());
    }

    void theHeaderIsSearchedAmongTheEight_data() {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<int>("variant"); // -1: refused
        QTest::addColumn<bool>("wide");
        const char letters[] = "JTEA";
        for (int v = 0; v < 4; ++v)
            for (bool wide : {false, true}) {
                const QByteArray h =
                    QByteArray("Korvan KT-M40") + letters[v] + " Clone " + (wide ? "A" : "0") + " FileStart";
                QTest::newRow(h.constData()) << h << v << wide;
            }
        for (const char *h : {"Korvan KT-M40X Clone 0 FileStart", "Korvan KT-M40J Clone 1 FileStart",
                              "Korvan KT-M40J Clone a FileStart", "korvan KT-M40J Clone 0 FileStart",
                              "Korvan KT-M40j Clone 0 FileStart", "Korvan KTM-40T Clone 0 FileStart",
                              "Korvan KT-M40T Clone 0 Filestart", "Korvan  KT-M40  Clone  File  End"})
            QTest::newRow(h) << QByteArray(h) << -1 << false;
    }
    void theHeaderIsSearchedAmongTheEight() {
        QFETCH(QByteArray, header);
        QFETCH(int, variant);
        QFETCH(bool, wide);
        QList<QByteArray> lines = goodLines();
        lines[0] = header;
        CloneImage image = before();
        const CloneFileLoad load = ParseCloneFile(join(lines), image);
        if (variant < 0) {
            QCOMPARE(load.status, FileStatus::DataError);
            QVERIFY(!load.variantSelected);
            QCOMPARE(image, before());
        } else {
            QCOMPARE(load.status, FileStatus::Ok);
            QCOMPARE(image.Variant, variant);
            QCOMPARE(image.WideRange, wide);
            // and it is the header a save writes for that variant and range
            CloneImage saved = NewCloneImage(variant, wide);
            QVERIFY(CloneFileBytes(saved).startsWith(header + "\r\n"));
        }
    }

    // A wrong end line after a good header: refused, but the variant and range already follow the header.
    void theEndLineIsComparedExactly_data() {
        QTest::addColumn<QByteArray>("end");
        for (const char *end : {"Korvan KT-M40 Clone File End    ", "korvan  KT-M40  Clone  File  End",
                                "Korvan  KT-M40  Clone  File  END", "Korvan  KT-M40E Clone  File  End",
                                " Korvan  KT-M40  Clone  File  En", "Korvan KT-M40E Clone A FileStart",
                                "Korvan  KT-M40  Clone  File  Enx"})
            QTest::newRow(end) << QByteArray(end);
    }
    void theEndLineIsComparedExactly() {
        QFETCH(QByteArray, end);
        QList<QByteArray> lines = goodLines();
        lines.last() = end;
        CloneImage image = before();
        const CloneFileLoad load = ParseCloneFile(join(lines), image);
        QCOMPARE(load.status, FileStatus::DataError);
        QVERIFY(load.variantSelected);
        CloneImage want = before();
        want.Variant = VariantE;
        want.WideRange = true;
        QCOMPARE(image, want);
    }

    // Too few lines is a failure to read the file, not a format error; more than 610 are not read.
    void lineCounts_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("status");
        QTest::newRow("609 lines") << 609 << int(FileStatus::FileOpenError);
        QTest::newRow("1 line") << 1 << int(FileStatus::FileOpenError);
        QTest::newRow("610 lines") << 610 << int(FileStatus::Ok);
        QTest::newRow("611 lines") << 611 << int(FileStatus::Ok);
    }
    void lineCounts() {
        QFETCH(int, count);
        QFETCH(int, status);
        QList<QByteArray> lines = goodLines();
        while (lines.size() > count)
            lines.removeLast();
        while (lines.size() < count)
            lines << "anything after the end line";
        CloneImage image = before();
        const CloneFileLoad load = ParseCloneFile(join(lines), image);
        QCOMPARE(int(load.status), status);
        if (load.status != FileStatus::Ok) {
            QCOMPARE(FileStatusText(load.status), QString("File Open Error"));
            QCOMPARE(image, before());
        } else { // the good file opens
            QCOMPARE(image.Variant, int(VariantE));
            QVERIFY(image.WideRange);
            QVERIFY(image.ChannelUsed[0] && image.ChannelUsed[603] && !image.ChannelUsed[5]);
            QCOMPARE(image.ChannelTable[603].field[FieldFrequency].text, QString("14.195.000"));
            QCOMPARE(image.VfoTable[1].field[FieldFrequency].text, QString("7.100.000"));
        }
    }

    // A refused file leaves the image as it was; only a wrong end line after a good header moves the variant
    // and the range flag. Every kind of damage is met and refused at least once.
    void refusedCloneFilesChangeNothing() {
        const CloneImage base = before();
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
};

QTEST_GUILESS_MAIN(TestCloneFile)
#include "tst_clone_file.moc"
