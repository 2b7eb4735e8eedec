// The printed document's content and how its tables break into pages; kt-m40-cli print: the PDF read back
// with poppler's pdfinfo and pdftotext (pages, page headers, every used channel once and in order, the
// settings and the VFOs; page sizes, standard output, failures, and that no display is needed).
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/HexText.h"
#include "image/UiText.h"
#include "print/document/PrintDocument.h"
#include "support/CliRun.h"
#include "support/Poppler.h"
#include "support/RecordText.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include <QDate>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
PrintTable table(int rows, bool heading) {
    PrintTable t;
    if (heading) t.columns = QStringList{"", "Frequency"};
    t.columnWidths = {650, 900};
    for (int r = 0; r < rows; ++r)
        t.rows << QStringList{QString::number(r), "x"};
    return t;
}

QString pageText(const QString &pdf, int page) {
    return Poppler("pdftotext",
                   {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
}

// Every channel used as the worked example, channel k at 1.600.000 + k x 10 kHz and named N<k>.
CloneImage fullMemory() {
    CloneImage image = NewCloneImage();
    for (int k = 0; k < ChannelCount; ++k) {
        const qint64 hz = 1600000 + 10000LL * k;
        UpdateMemData(image, AbcRecord, k);
        auto &f = image.ChannelTable[k].field;
        f[FieldFrequency] = f[FieldSplitFreq] = {FormatFrequencyText(hz), double(hz)};
        f[FieldName] = {QStringLiteral("N%1").arg(k), 0};
    }
    return image;
}
} // namespace

class TestPrintDocument : public QObject {
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
    // Only used channels, in index order, with row labels and every field; and the VFOs as their grid shows
    // them.
    void onlyUsedChannelsInIndexOrderWithRowLabelsAndEveryField() {
        CloneImage image = NewCloneImage(VariantE);
        // VFO B: 14.195.000 USB, gain code 2, AGC 0, power 2, filter 1, tone byte 80, NB 1
        QVERIFY(
            UpdateVFORecord(image, "800002000200018000010000000000003899D800000000000000000000000000", 1));
        QVERIFY(UpdateMemData(image, AbcRecord, 603));
        QVERIFY(UpdateMemData(image, withByte(withByte(AbcRecord, 0, 0x88), 1, 5), 200));
        QVERIFY(UpdateMemData(image, withByte(AbcRecord, 7, 0x8C), 0));
        QVERIFY(UpdateMemData(image, withByte(AbcRecord, 0, 0xFF), 401)); // empty: not printed
        const PrintDocument doc = BuildPrintDocument(image, QString(), QDate(2026, 12, 6));
        QMap<QString, QList<QStringList>> want; // the lines of the corpus file by what they are
        for (const QStringList &line : corpusRows(QStringLiteral("core/print-document-tables.tsv")))
            want[line[0]] << line.mid(1);
        const PrintTable &channels = doc.tables[PrintChannels], &vfos = doc.tables[PrintVfos];
        QStringList widths;
        for (int w : channels.columnWidths)
            widths << QString::number(w);
        QCOMPARE(QList<QStringList>{channels.columns}, want["channels columns"]);
        QCOMPARE(QList<QStringList>{widths}, want["channels widths"]);
        QCOMPARE(channels.rows, want["channels row"]);
        QCOMPARE(channels.title, QStringLiteral("Memory channels (3 of 604 used)"));
        QCOMPARE(QList<QStringList>{vfos.columns}, want["vfos columns"]);
        QCOMPARE(vfos.rows, want["vfos row"]);
    }

    void pageHeaderTexts() {
        const std::tuple<int, bool, QString, const char *, const char *> cases[] = {
            {VariantJ, false, "/home/op/radio.M40", "radio.M40", "KT-M40J (1.6MHz - 30MHz)"},
            {VariantT, true, "rel/dir/Club Net.M40", "Club Net.M40", "KTM-40T (150KHz - 35MHz)"},
            {VariantA, false, QString(), "(untitled)", "KT-M40A (1.6MHz - 30MHz)"}};
        for (const auto &[variant, wide, path, fileName, model] : cases) {
            const PrintDocument doc =
                BuildPrintDocument(NewCloneImage(variant, wide), path, QDate(2027, 3, 9));
            QCOMPARE(doc.fileName, QString(fileName));
            QCOMPARE(doc.model, QString(model));
            QCOMPARE(doc.date, QStringLiteral("2027-03-09"));
        }
        QCOMPARE(PageNumberText(2, 7), QStringLiteral("Page 2 of 7"));
        // an empty memory prints its empty line
        const PrintTable channels =
            BuildPrintDocument(NewCloneImage(), QString(), QDate()).tables[PrintChannels];
        QVERIFY(channels.rows.isEmpty());
        QCOMPARE(channels.title, QStringLiteral("Memory channels (0 of 604 used)"));
        QCOMPARE(channels.emptyText, QStringLiteral("No channel is in use."));
    }

    void settingsInThePagesThreeColumns() {
        CloneImage image = NewCloneImage(); // the default blocks, decoded
        const PrintTable settings = BuildPrintDocument(image, QString(), QDate()).tables[PrintSettings];
        QCOMPARE(settings.title, QStringLiteral("Settings"));
        QVERIFY(settings.columns.isEmpty());
        QCOMPARE(settings.rows, corpusRows("core/print-settings-defaults.tsv"));
        QCOMPARE(settings.columnWidths.size(), 6);

        // the page's selections, not the blocks, are what is printed
        image.Settings.byName("cmbDimmer") = 64;
        image.Settings.byName("cmbPaddle") = 1;
        const PrintTable changed = BuildPrintDocument(image, QString(), QDate()).tables[PrintSettings];
        QCOMPARE(changed.rows[4][3], QStringLiteral("64"));
        QCOMPARE(changed.rows[0][5], QStringLiteral("Revers"));
    }

    void textsInJapanese() {
        SetUiLanguage(UiLanguage::Japanese);
        const PrintDocument doc = BuildPrintDocument(NewCloneImage(), QString(), QDate(2026, 12, 6));
        const QString page = PageNumberText(3, 4);
        SetUiLanguage(UiLanguage::English);
        QCOMPARE(doc.tables[PrintChannels].title, QStringLiteral("メモリーチャンネル (604 中 0 使用)"));
        QCOMPARE(doc.tables[PrintSettings].title, QStringLiteral("設定"));
        QCOMPARE(doc.fileName, QStringLiteral("(無題)"));
        QCOMPARE(page, QStringLiteral("3 / 4 ページ"));
        // the radio's own texts stay as the grids show them
        QCOMPARE(doc.tables[PrintChannels].columns[1], QStringLiteral("Frequency"));
    }

    // The cases of tests/corpus/core/page-breaks.tsv.
    void pageBreaks() {
        const QList<QStringList> rows = corpusRows(QStringLiteral("core/page-breaks.tsv"));
        QVERIFY(rows.size() > 5);
        for (const QStringList &row : rows) {
            std::vector<PrintTable> tables;
            for (const QString &t : row[2].split(' ', Qt::SkipEmptyParts))
                tables.push_back(table(QString(t).remove('h').toInt(), t.endsWith('h')));
            std::vector<PrintPage> pages;
            for (const QString &page : row.mid(3)) {
                pages.emplace_back();
                for (const QString &slice : page.split(' ', Qt::SkipEmptyParts)) {
                    const QStringList n = slice.split(QRegularExpression("[:+t]"));
                    pages.back().push_back({n[0].toInt(), n[1].toInt(), n[2].toInt(), slice.endsWith('t')});
                }
            }
            QVERIFY2(PaginateTables(tables, row[1].toInt()) == pages, qPrintable(row[0]));
        }
    }

    void everyRowOnExactlyOnePageAndNoPageOverfull() {
        for (int rows : {0, 1, 57, 604})
            for (int lines : {4, 17, 52, 80}) {
                const QByteArray name = QStringLiteral("%1 rows, %2 lines").arg(rows).arg(lines).toLatin1();
                const std::vector<PrintTable> tables{table(rows, true), table(11, false), table(2, true)};
                int next[3] = {0, 0, 0};
                for (const PrintPage &page : PaginateTables(tables, lines)) {
                    int used = 0;
                    for (const PageSlice &s : page) {
                        // in order, nothing skipped or repeated
                        QVERIFY2(s.firstRow == next[s.table] && s.withTitle == (s.firstRow == 0), name);
                        next[s.table] += s.rowCount;
                        used += (used > 0 ? 1 : 0) + (s.withTitle ? 1 : 0) +
                                (tables[size_t(s.table)].columns.isEmpty() ? 0 : 1) +
                                std::max(s.rowCount, tables[size_t(s.table)].rows.isEmpty() ? 1 : 0);
                    }
                    QVERIFY2(used <= lines, name);
                }
                QVERIFY2(next[0] == rows && next[1] == 11 && next[2] == 2, name);
            }
    }

    // kt-m40-cli print: the document as a PDF, read back with poppler's pdfinfo and pdftotext.
    // Printed with the defaults: A4, to standard output (the PDF and nothing else).
    void aNewImageFitsOnePage() {
        if (!HavePoppler()) QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
        const QString file = save(NewCloneImage(VariantE, true), "club net.M40");
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
        // typed text extracts as typed: "Off" is three letters, never a ligature
        QVERIFY2(text.contains(QRegularExpression("\\bOff\\b")) && !text.contains(QChar(0xFB00)),
                 qPrintable(text));
        // the settings come before the VFOs, after the channels
        QVERIFY(text.indexOf("No channel is in use.") < text.indexOf("Key Speed(WPM)"));
        QVERIFY(text.indexOf("Key Speed(WPM)") < text.indexOf("VFO A"));
        // other page sizes
        for (const auto &[size, info] :
             {std::pair{"Letter", "612 x 792 pts (letter)"}, {"a3", "842 x 1191 pts (A3)"}}) {
            QCOMPARE(runCli({"print", file, "-o", path("size.pdf"), "--page-size", size}).exitCode, 0);
            const QString pdfinfo = Poppler("pdfinfo", {path("size.pdf")});
            QVERIFY2(
                pdfinfo.contains(QRegularExpression("Page size:\\s+" + QRegularExpression::escape(info))),
                qPrintable(pdfinfo));
        }
    }

    // Printed with no display: see headless().
    void fullMemoryRunsOverPagesWithEveryChannelOnce() {
        if (!HavePoppler()) QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
        const QString file = save(fullMemory(), "full.M40");
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

    // A clone file that is not there, an output folder that is not there (print's usage errors are in
    // tst_cli_manners's table).
    void failures() {
        const QString in = save(NewCloneImage(), "in.M40");
        for (const auto &[file, pdf] :
             {std::pair{path("missing.M40"), path("x.pdf")}, {in, path("no/such/folder/x.pdf")}}) {
            const CliResult r = runCli({"print", file, "-o", pdf});
            QCOMPARE(r.exitCode, 4);
            QVERIFY2(r.err.contains("File Open Error\n"), r.err.constData());
        }
        QVERIFY(!QFile::exists(path("x.pdf")));
    }
};

QTEST_GUILESS_MAIN(TestPrintDocument)
#include "tst_print_document.moc"
