// Every check the clone file reader makes, one at a time: the length of each of the 610 lines, the
// search for the header among the eight accepted ones, the end line, and the message each failure gives.
#include "channels/ChannelRecord.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include <QtTest>

namespace {
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

QByteArray join(const QList<QByteArray> &lines) {
    QByteArray out;
    for (const QByteArray &l : lines)
        out += l + "\r\n";
    return out;
}

// The image before the file is opened: variant J, narrow range, one channel the file does not hold.
CloneImage before() {
    CloneImage image = NewCloneImage(VariantJ, false);
    UpdateMemData(image, "80020000000000000000000000000000C0FC9B00" + QString(24, '0'), 5);
    return image;
}
} // namespace

class TestCloneFileChecks : public QObject {
    Q_OBJECT
  private slots:
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

    // An empty line (LF line ends) is a line of no characters.
    void anEmptyLineIsTooShort() {
        QList<QByteArray> lines = goodLines();
        lines[9].clear();
        CloneImage image = before();
        const CloneFileLoad load = ParseCloneFile(lines.join('\n') + '\n', image);
        QCOMPARE(load.status, FileStatus::DataError);
        QCOMPARE(load.detail, QString("line 10 is not 64 characters"));
        QCOMPARE(image, before());
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
};

QTEST_GUILESS_MAIN(TestCloneFileChecks)
#include "tst_clone_file_checks.moc"
