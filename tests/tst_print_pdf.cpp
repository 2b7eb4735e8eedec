// kt-m40-cli print: the printed document as a PDF, read back with poppler's pdfinfo and pdftotext: the page
// count, the page header and number on every page, every used channel once and in order, the settings and
// the VFOs; page sizes, standard output, failures, and that no display is needed.
#include "channels/ChannelRecord.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "support/CliRun.h"
#include "support/Poppler.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include <QDate>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString pageText(const QString &pdf, int page) {
    return Poppler("pdftotext",
                   {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
}

// Every channel used, channel k at 1.600.000 + k x 10 kHz and named N<k>.
CloneImage fullMemory() {
    CloneImage image = NewCloneImage();
    for (int k = 0; k < ChannelCount; ++k) {
        const qint64 hz = 1600000 + 10000LL * k;
        image.ChannelUsed[k] = true;
        auto &f = image.ChannelTable[k].field;
        f[FieldFrequency] = {FormatFrequencyText(hz), double(hz)};
        f[FieldMode] = {"USB", 0};
        f[FieldGain] = {"0", 0};
        f[FieldAGC] = {"Fast", 0};
        f[FieldPwr] = {"High", 0};
        f[FieldFilter] = {"Wide", 0};
        f[FieldTone] = {"Off", 0};
        f[FieldNB] = {"Off", 0};
        f[FieldSplitFreq] = f[FieldFrequency];
        f[FieldName] = {QStringLiteral("N%1").arg(k), 0};
        f[FieldSkip] = {"", 0};
    }
    return image;
}
} // namespace

class TestPrintPdf : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

    // No display and no platform chosen: print still paints (offscreen) and the other commands never
    // needed one.
    CliResult headless(const QStringList &args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(cliPath(), args);
        if (!p.waitForFinished(60000)) return {};
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }

    QString save(CloneImage image, const QString &name) {
        const QString file = path(name);
        return SaveCloneFile(file, image) == FileStatus::Ok ? file : QString();
    }

  private slots:
    void initTestCase() {
        if (!HavePoppler()) QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
    }

    // Printed with the defaults: A4, to standard output (the PDF and nothing else).
    void aNewImageFitsOnePage() {
        const QString file = save(NewCloneImage(VariantE, true), "club net.M40");
        QVERIFY(!file.isEmpty());
        const CliResult r = runCli({"print", file, "-o", "-"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith("%PDF-"));
        QVERIFY2(!r.err.contains("Error"), r.err.constData()); // nothing but the PDF went wrong
        QVERIFY(writeFile(path("new.pdf"), r.out));
        QCOMPARE(PdfPageCount(path("new.pdf")), 1);
        QVERIFY(Poppler("pdfinfo", {path("new.pdf")})
                    .contains(QRegularExpression("Page size:\\s+595 x 842 pts \\(A4\\)")));
        const QString text = pageText(path("new.pdf"), 1);
        for (const QString &expected : QStringList{
                 "club net.M40", "KT-M40E (150KHz - 35MHz)", "Memory channels (0 of 604 used)",
                 "No channel is in use.", "Page 1 of 1", "Key Speed(WPM)", "Memory Protection", "88.5Hz",
                 "VFO A", "VFO B", "7.100.000", "Split Freq.", QDate::currentDate().toString(Qt::ISODate)})
            QVERIFY2(text.contains(expected), qPrintable(expected + " missing from:\n" + text));
        // the settings come before the VFOs, after the channels
        QVERIFY(text.indexOf("No channel is in use.") < text.indexOf("Key Speed(WPM)"));
        QVERIFY(text.indexOf("Key Speed(WPM)") < text.indexOf("VFO A"));
    }

    // Printed with no display: see headless().
    void fullMemoryRunsOverPagesWithEveryChannelOnce() {
        const QString file = save(fullMemory(), "full.M40");
        QVERIFY(!file.isEmpty());
        const CliResult r = headless({"print", file, "-o", path("full.pdf")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QVERIFY2(headless({"show", file}).exitCode == 0, "show needs no display either");
        const int pages = PdfPageCount(path("full.pdf"));
        // 604 rows of 9-point text on A4: some 50 a page
        QVERIFY2(pages >= 8 && pages <= 20, qPrintable(QString::number(pages)));
        const QRegularExpression name(QStringLiteral("\\bN(\\d+)\\b"));
        int next = 0;
        for (int n = 1; n <= pages; ++n) {
            const QString text = pageText(path("full.pdf"), n);
            QVERIFY2(text.contains(QStringLiteral("Page %1 of %2").arg(n).arg(pages)), qPrintable(text));
            QVERIFY(text.contains("full.M40"));
            QVERIFY(text.contains("KT-M40J (1.6MHz - 30MHz)"));
            int onPage = 0;
            for (auto it = name.globalMatch(text); it.hasNext();) {
                const int k = it.next().captured(1).toInt();
                QCOMPARE(k, next); // every channel once, in index order
                QVERIFY(text.contains(FormatFrequencyText(1600000 + 10000LL * k)));
                ++next;
                ++onPage;
            }
            // a page holding channels holds the grid's heading too
            if (onPage > 0) QVERIFY2(text.contains("Frequency") && text.contains("Skip"), qPrintable(text));
            if (n < pages) QVERIFY2(onPage > 30, qPrintable(QString::number(onPage)));
            if (n == 1) QVERIFY(text.contains("Memory channels (604 of 604 used)"));
        }
        QCOMPARE(next, ChannelCount);
        const QString last = pageText(path("full.pdf"), pages);
        QVERIFY(last.contains("B-P2"));
        QVERIFY(last.contains("Search Range") && last.contains("VFO B"));
    }

    void pageSizes_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("info");
        QTest::newRow("Letter") << QString("Letter") << "612 x 792 pts (letter)";
        QTest::newRow("a3") << QString("a3") << "842 x 1191 pts (A3)";
    }
    void pageSizes() {
        QFETCH(QString, size);
        QFETCH(QString, info);
        const QString file = save(NewCloneImage(), "sizes.M40");
        QCOMPARE(runCli({"print", file, "-o", path("size.pdf"), "--page-size", size}).exitCode, 0);
        const QString pdfinfo = Poppler("pdfinfo", {path("size.pdf")});
        QVERIFY2(pdfinfo.contains(QRegularExpression("Page size:\\s+" + QRegularExpression::escape(info))),
                 qPrintable(pdfinfo));
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("no output") << QStringList{"print", "@in"} << 64 << "-o is missing";
        QTest::newRow("no file") << QStringList{"print", "-o", "@out"} << 64 << "FILE.M40 is missing";
        QTest::newRow("page size") << QStringList{"print", "@in", "-o", "@out", "--page-size", "B7"} << 64
                                   << "--page-size is A4, Letter, Legal, A3 or A5, not B7";
        QTest::newRow("missing clone file")
            << QStringList{"print", "@missing", "-o", "@out"} << 4 << "File Open Error";
        QTest::newRow("output folder missing")
            << QStringList{"print", "@in", "-o", "@nofolder"} << 4 << "File Open Error";
    }
    void failures() {
        QFETCH(QStringList, args);
        const QString in = save(NewCloneImage(), "in.M40");
        for (QString &a : args)
            a = a == "@in"         ? in
                : a == "@out"      ? path("x.pdf")
                : a == "@missing"  ? path("missing.M40")
                : a == "@nofolder" ? path("no/such/folder/x.pdf")
                                   : a;
        const CliResult r = runCli(args);
        QTEST(r.exitCode, "status");
        QFETCH(QString, message);
        QVERIFY2(QString::fromUtf8(r.err).contains(message), r.err.constData());
        QVERIFY(!QFile::exists(path("x.pdf")));
    }
};

QTEST_GUILESS_MAIN(TestPrintPdf)
#include "tst_print_pdf.moc"
