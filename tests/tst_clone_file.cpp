// The clone file: save, open, every check the reader makes one at a time (the length of each of the 610
// lines, the header among the eight accepted ones, the end line, each record), the message each refusal
// gives and what a refused file leaves behind; random damage to a good file (fixed seeds, so a failure
// repeats). Comparing images and files (diff and verify: what differs is named by record and field; codes
// that differ behind the same text are reported, texts that differ where the records agree are not),
// automatic backups, and the progress line of a transfer.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/Backups.h"
#include "files/CloneFile.h"
#include "files/ImageDiff.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include "link/TransferProgress.h"
#include "link/VerifyRecords.h"
#include "settings/SettingsCodec.h"
#include "support/CliRun.h"
#include "support/FileSizeLimit.h"
#include "support/RecordText.h"
#include "support/TestFiles.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
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
// A used channel: LSB, gain +10 (3), AGC Slow (1), S-Low (2), Narrow (1), tone on (0x80), NB on (1).
const QString Channel = "8001030102000180000100000000000010936B003A3B3C000000000010936B00";

CloneImage withChannel(const QString &record, int k) {
    CloneImage image = NewCloneImage();
    UpdateMemData(image, record, k);
    return image;
}

// What the radio holds after a faithful write of image.
RadioRecords written(CloneImage image) {
    MakeSetData(image);
    RadioRecords r{{0x300, image.SetData1}, {0x320, image.SetData2}};
    for (int n = 0; n < VfoCount; ++n)
        r[0x400 + 0x100 * n] = MakeVFOData(image, n);
    for (int k = 0; k < ChannelCount; ++k)
        r[0x600 + 0x20 * k] = MakeMemData(image, k);
    return r;
}

// The example channel in 0 and A-P2.
CloneImage abcIn0AndAP2() {
    CloneImage image = NewCloneImage();
    UpdateMemData(image, AbcRecord, 0);
    UpdateMemData(image, AbcRecord, 401);
    return image;
}
} // namespace

class TestCloneFile : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir;

  private slots:
    void initTestCase() {
        BuildTextTables();
        QStandardPaths::setTestModeEnabled(true);
    }

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
        // too few lines is a failure to read the file, not a format error
        QTest::newRow("empty") << QByteArray() << int(FileStatus::FileOpenError)
                               << "the file ends before line 610";
        QTest::newRow("609 lines") << join(ls.first(609)) << int(FileStatus::FileOpenError)
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

    // A file written by hand: the header's variant and range, the VFOs and the channels it holds.
    void aHandWrittenFileOpens() {
        CloneImage image = before();
        QCOMPARE(ParseCloneFile(join(goodLines()), image).status, FileStatus::Ok);
        QCOMPARE(image.Variant, int(VariantE));
        QVERIFY(image.WideRange);
        QVERIFY(image.ChannelUsed[0] && image.ChannelUsed[603] && !image.ChannelUsed[5]);
        QCOMPARE(image.ChannelTable[603].field[FieldFrequency].text, QString("14.195.000"));
        QCOMPARE(image.VfoTable[1].field[FieldFrequency].text, QString("7.100.000"));
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

    // Comparing images and files

    void differencesByLabelAndField() {
        CloneImage a = NewCloneImage();
        QVERIFY(UpdateMemData(a, AbcRecord, 400));
        CloneImage b = a;
        QVERIFY(DiffImages(a, b).isEmpty());

        b.Settings.byName("cmbBeep") = 0;
        b.VfoTable[1].field[FieldMode] = {"USB", 0};
        b.ChannelTable[400].field[FieldName].text = "ABD";
        b.ChannelTable[400].field[FieldGain] = {"+10", 7}; // same text as code 3, other code
        QVERIFY(UpdateMemData(b, AbcRecord, 5));
        b.WideRange = true;
        const QList<ImageDifference> d = DiffImages(a, b);
        QCOMPARE(d.size(), 6);
        QCOMPARE(d[0], (ImageDifference{"Model", "Range", "(1.6MHz - 30MHz)", "(150KHz - 35MHz)"}));
        QCOMPARE(d[1], (ImageDifference{"Settings", "Beep", "On", "Off"}));
        QCOMPARE(d[2], (ImageDifference{"VFO B", "Mode", "LSB (1)", "USB (0)"}));
        // a channel on one side only is shown whole on that side
        const QString whole =
            "Frequency 7.050.000, Mode LSB, Gain 0, AGC Fast, Pwr High, Filter Wide, Tone Off, NB Off, "
            "Split Freq. 7.050.000, Name \"ABC\", Skip -";
        QCOMPARE((QStringList{d[3].record, d[3].field, d[3].first, d[3].second}),
                 (QStringList{"5", "Used", "empty", whole}));
        // each field for the JSON output (cliDiff reads them there)
        QCOMPARE(d[3].content.size(), 11);
        QCOMPARE(d[3].content[10], (QPair<QString, QString>{"Skip", ""}));
        // and the other way round: the side that lost it holds the content
        const QList<ImageDifference> back = DiffChannel(b, a, 5);
        QCOMPARE(back.size(), 1);
        QCOMPARE((QStringList{back[0].first, back[0].second}), (QStringList{whole, "empty"}));
        QCOMPARE(d[4], (ImageDifference{"A-P1", "Gain", "0 (0)", "+10 (7)"}));
        QCOMPARE(d[5], (ImageDifference{"A-P1", "Name", "ABC", "ABD"}));

        // the variant; a split frequency and Skip show their texts alone
        CloneImage e = a;
        e.Variant = VariantE;
        e.ChannelTable[400].field[FieldSplitFreq] = {"7.100.000", 7100000};
        e.ChannelTable[400].field[FieldSkip] = {"Skip", 1};
        const QList<ImageDifference> m = DiffImages(a, e);
        QCOMPARE(m.size(), 3);
        QCOMPARE(m[0], (ImageDifference{"Model", "Variant", "KT-M40J", "KT-M40E"}));
        QCOMPARE(m[1], (ImageDifference{"A-P1", "Split Freq.", "7.050.000", "7.100.000"}));
        QCOMPARE(m[2], (ImageDifference{"A-P1", "Skip", "", "Skip"}));

        // slots of unused channels are not data
        CloneImage c = a;
        c.ChannelTable[7].field[FieldMode] = {"FM", 5};
        QVERIFY(DiffImages(a, c).isEmpty());
    }

    void cliDiff() {
        CloneImage a = NewCloneImage();
        const QString fa = dir.filePath("a.M40"), fb = dir.filePath("b.M40");
        QCOMPARE(SaveCloneFile(fa, a), FileStatus::Ok);
        CliResult r = runCli({"diff", fa, fa});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("same data"));
        QVERIFY(UpdateMemData(a, AbcRecord, 210));
        QCOMPARE(SaveCloneFile(fb, a), FileStatus::Ok);
        r = runCli({"diff", fa, fb, "--json"});
        QCOMPARE(r.exitCode, 5);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o["equal"].toBool(), false);
        QCOMPARE(o["differences"][0]["record"].toString(), QString("A 10"));
        QCOMPARE(o["differences"][0]["field"].toString(), QString("Used"));
        QCOMPARE(o["differences"][0]["a"].toString(), QString("empty"));
        QCOMPARE(o["differences"][0]["channel"]["Frequency"].toString(), QString("7.050.000"));
        QCOMPARE(o["differences"][0]["channel"]["Name"].toString(), QString("ABC"));
        QCOMPARE(o["differences"][0]["channel"].toObject().size(), 11);
        r = runCli({"diff", fa, fb});
        QCOMPARE(r.exitCode, 5);
        QVERIFY(r.out.contains("A 10  Used: empty -> Frequency 7.050.000, Mode LSB, "));
        QCOMPARE(runCli({"diff", fa, dir.filePath("missing.M40")}).exitCode, 4);
    }

    void backupsAreWrittenAndRotated() {
        const QString folder = dir.filePath("backups");
        CloneImage image = NewCloneImage();
        QVERIFY(UpdateMemData(image, AbcRecord, 0));
        const CloneImage before = image;
        const QDateTime t0(QDate(2026, 1, 2), QTime(3, 4, 5));
        BackupResult r = SaveBackup(image, folder, t0, 3);
        QVERIFY2(r.ok, qPrintable(r.detail));
        QCOMPARE(QFileInfo(r.path).fileName(), QString("KT-M40 2026-01-02 03-04-05.M40"));
        QCOMPARE(image, before); // the image itself is not touched
        CloneImage back = NewCloneImage();
        QCOMPARE(LoadCloneFile(r.path, back).status, FileStatus::Ok);
        QCOMPARE(back.ChannelTable[0], image.ChannelTable[0]);

        r = SaveBackup(image, folder, t0, 3); // same second
        QCOMPARE(QFileInfo(r.path).fileName(), QString("KT-M40 2026-01-02 03-04-05 (2).M40"));

        // the default folder lies in the per-user data folder (test mode keeps it out of the real one)
        QVERIFY(BackupFolder().endsWith("/backups"));
        QVERIFY(BackupFolder().startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));

        // a folder that cannot be made reports why
        QVERIFY(writeFile(dir.filePath("blocker"), ""));
        r = SaveBackup(image, dir.filePath("blocker/backups"), t0, 3);
        QVERIFY(!r.ok);
        QVERIFY(!r.detail.isEmpty());
    }

    // After every save the backups kept are the last `keep` saved, oldest first: also when ten and more
    // fall in one second ("(10)" is newer than "(2)"), and when one second holds more than are kept.
    void rotationKeepsTheNewest_data() {
        QTest::addColumn<int>("burst"); // saves in the first second
        QTest::addColumn<int>("later"); // then one a second
        QTest::addColumn<int>("keep");
        QTest::newRow("fifty kept, twelve in the oldest second") << 12 << 48 << 50;
        QTest::newRow("one second holds more than are kept") << 8 << 0 << 5;
    }
    void rotationKeepsTheNewest() {
        QFETCH(int, burst);
        QFETCH(int, later);
        QFETCH(int, keep);
        const QTemporaryDir own;
        QVERIFY(writeFile(own.filePath("notes.txt"), "")); // not a backup: left alone
        const CloneImage image = NewCloneImage();
        const QDateTime t0(QDate(2026, 3, 1), QTime(12, 0, 0));
        QStringList saved;
        for (int i = 0; i < burst + later; ++i) {
            const BackupResult r =
                SaveBackup(image, own.path(), t0.addSecs(std::max(0, i - burst + 1)), keep);
            QVERIFY2(r.ok, qPrintable(r.detail));
            saved << r.path;
            QCOMPARE(ListBackups(own.path()), saved.mid(std::max(0, int(saved.size()) - keep)));
        }
        QCOMPARE(QDir(own.path()).entryList(QDir::Files).size(), keep + 1);
    }

    void progressLine() {
        TransferProgress p;
        QCOMPARE(p.text(), QString("0 of 604 records, 0:00 elapsed, --:-- left"));
        p.done = 151;
        p.elapsedMs = 15000;
        QCOMPARE(p.remainingMs(), 45000);
        QCOMPARE(p.text(), QString("151 of 604 records, 0:15 elapsed, 0:45 left"));
        p.done = 604;
        p.elapsedMs = 61000;
        QCOMPARE(p.text(), QString("604 of 604 records, 1:01 elapsed, 0:00 left"));
        QCOMPARE(FormatDuration(3723000), QString("1:02:03"));
    }

    // The same texts from other codes: diff and verify name the field, in a channel and in a VFO.
    void codesBehindTheSameText_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("field");
        QTest::newRow("gain +10 from 7") << 2 << 7 << "Gain";
        QTest::newRow("AGC Slow from 4") << 3 << 4 << "AGC";
        QTest::newRow("power S-Low from 9") << 4 << 9 << "Pwr";
        QTest::newRow("filter Narrow from 2") << 6 << 2 << "Filter";
        QTest::newRow("tone On from 8C") << 7 << 0x8C << "Tone";
        QTest::newRow("NB On from 3") << 9 << 3 << "NB";
    }
    void codesBehindTheSameText() {
        QFETCH(int, byte);
        QFETCH(int, code);
        QFETCH(QString, field);
        const QString other = withByte(Channel, byte, code);
        const CloneImage a = withChannel(Channel, 300);
        const CloneImage b = withChannel(other, 300);
        QCOMPARE(b.ChannelTable[300].field[ChannelFieldNames().indexOf(field)].text,
                 a.ChannelTable[300].field[ChannelFieldNames().indexOf(field)].text);
        QList<ImageDifference> d = DiffImages(a, b);
        QCOMPARE(d.size(), 1);
        QCOMPARE((QStringList{d[0].record, d[0].field}), (QStringList{"A100", field}));
        QVERIFY(d[0].first != d[0].second);
        CloneImage va = NewCloneImage(), vb = NewCloneImage();
        QVERIFY(UpdateVFORecord(va, Channel, 1) && UpdateVFORecord(vb, other, 1));
        d = DiffImages(va, vb);
        QCOMPARE(d.size(), 1);
        QCOMPARE((QStringList{d[0].record, d[0].field}), (QStringList{"VFO B", field}));

        // verify: the radio holds the other code in B199 and VFO B
        CloneImage image = withChannel(Channel, 601);
        QVERIFY(UpdateVFORecord(image, Channel, 1));
        RadioRecords radio = written(image);
        radio[0x600 + 0x20 * 601] = other;
        radio[0x500] = withByte(radio[0x500], byte, code);
        d = CompareWithRadio(image, radio);
        QCOMPARE(d.size(), 2);
        QCOMPARE((QStringList{d[0].record, d[0].field, d[1].record, d[1].field}),
                 (QStringList{"VFO B", field, "B199", field}));
    }

    // Verify compares with what a write sends: the settings page encoded, whatever text the image held
    // for the blocks before.
    void verifyEncodesTheSettingsPageFirst_data() {
        QTest::addColumn<QString>("setData1");
        QTest::addColumn<QString>("setData2");
        const QString d1 = DefaultSetData1, d2 = DefaultSetData2;
        QTest::newRow("lower case") << d1.toLower() << d2.toLower();
        QTest::newRow("fixed bytes not as written")
            << withByte(withByte(d1, 1, 0x12), 0, 0x00) << withByte(d2, 31, 0xEE);
        QTest::newRow("keyer byte bits 1 to 6") << withByte(d1, 23, 0x7F) << d2;
        QTest::newRow("short texts") << d1.left(30) << QString();
    }
    void verifyEncodesTheSettingsPageFirst() {
        QFETCH(QString, setData1);
        QFETCH(QString, setData2);
        CloneImage image = NewCloneImage();
        const RadioRecords radio = written(image); // the page's selections, as a write sends them
        image.SetData1 = setData1;                 // the blocks as last read or loaded, not yet re-encoded
        image.SetData2 = setData2;
        QCOMPARE(CompareWithRadio(image, radio), QList<ImageDifference>{});
        // and a radio that holds other bytes than a write would send is reported
        RadioRecords other = radio;
        other[0x300] = withByte(radio[0x300], 2, 0x01);
        QCOMPARE(CompareWithRadio(image, other).size(), 1);
    }

    // Verify in general: what differs is named by record and field.
    void differencesByRecordAndField() {
        const CloneImage image = abcIn0AndAP2();
        RadioRecords radio = written(image);
        QVERIFY(CompareWithRadio(image, radio).isEmpty());
        QVERIFY(CompareWithRadio(image, {}).isEmpty()); // nothing read, nothing compared
        radio[0x600] = radio[0x600].toLower();          // the radio's case does not matter
        QVERIFY(CompareWithRadio(image, radio).isEmpty());
        radio[0x600 + 0x20 * 401] = withByte(radio[0x600 + 0x20 * 401], 4, 1); // power Low in A-P2
        radio[0x600 + 0x20 * 7] = AbcRecord;                                   // a channel the PC has empty
        radio[0x500] = withByte(radio[0x500], 9, 1);                           // NB on in VFO B
        radio[0x400] = withByte(radio[0x400], 12, 0x55);                       // a byte no field shows
        radio[0x600] = withByte(radio[0x600], 1, 7);                           // no such mode
        const QList<ImageDifference> d = CompareWithRadio(image, radio);
        QCOMPARE(d.size(), 5);
        QCOMPARE((QStringList{d[0].record, d[0].field}), (QStringList{"VFO A", "Other bytes"}));
        QCOMPARE(d[1], (ImageDifference{"VFO B", "NB", "Off (0)", "On (1)"}));
        QCOMPARE(d[2], (ImageDifference{"0", "Mode", "LSB", "code 7 (no such mode)"}));
        QCOMPARE((QStringList{d[3].record, d[3].field, d[3].first}), (QStringList{"7", "Used", "empty"}));
        QVERIFY(d[3].second.startsWith("Frequency 7.050.000, Mode LSB, "));
        QVERIFY(d[3].second.endsWith(", Name \"ABC\", Skip -"));
        QCOMPARE(d[4], (ImageDifference{"A-P2", "Pwr", "High (0)", "Low (1)"}));
    }

    void settingsBlocksBeyondTheirListsOrInFixedBytes() {
        const CloneImage image = abcIn0AndAP2();
        RadioRecords radio = written(image);
        radio[0x300] = withByte(radio[0x300], 1, 0x12); // a fixed byte
        QList<ImageDifference> d = CompareWithRadio(image, radio);
        QCOMPARE(d.size(), 1);
        QCOMPARE(d[0].record, QString("Settings block 0300"));
        radio[0x320] = withByte(radio[0x320], 12, 9); // key ratio beyond its list
        d = CompareWithRadio(image, radio);
        QCOMPARE(d.size(), 1);
        QCOMPARE(d[0], (ImageDifference{"Settings", "Key Ratio", "3.0", "value beyond the list"}));
    }
};

QTEST_GUILESS_MAIN(TestCloneFile)
#include "tst_clone_file.moc"
