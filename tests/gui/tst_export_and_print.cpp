// File > Export and File > Import with the three CSV layouts, as a user meets them in the window; File >
// Print Setup, Print Preview and Print: printing to PDF through the print dialog (opened without blocking), a
// page range, the preview's pages and the page setup kept for the next print. The menu items in both
// languages are checked with the other menus, their refusal while a transfer runs with the other refusals
// in gui_tst_transfers.
#include "MainWindowFixture.h"
#include "app/GridModels.h"
#include "app/PrintCommands.h"
#include "channels/ChannelRecord.h"
#include "files/CloneFile.h"
#include "image/UiText.h"
#include "print/PrintPainter.h"
#include "support/Poppler.h"
#include "support/TestFiles.h"
#include <QAction>
#include <QFile>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

namespace { // 7.050.000 LSB, gain -10 (no CHIRP column for it), name ABC
const char *const gainRecord = "8001010000000000000000000000000010936B003A3B3C000000000010936B00";
// Channels 0..count-1 used, channel k named P<k>.
void fillChannels(FrmMain &w, int count) {
    for (int k = 0; k < count; ++k) {
        auto &f = w.image().ChannelTable[k].field;
        const qint64 hz = 3500000 + 1000LL * k;
        f[FieldFrequency] = {FormatFrequencyText(hz), double(hz)};
        f[FieldMode] = {"LSB", 1};
        f[FieldName] = {QStringLiteral("P%1").arg(k), 0};
        w.image().ChannelUsed[k] = true;
    }
}

template <class Dialog> Dialog *openDialog(FrmMain &w) {
    Dialog *d = nullptr;
    const bool shown = WaitUntil(
        [&] {
            d = w.findChild<Dialog *>();
            return d && d->isVisible();
        },
        5000);
    return shown ? d : nullptr;
}
} // namespace

class TestExportAndPrint : public QObject {
    Q_OBJECT
  private slots:
    void exportAsksTheLayoutAndTheFullOneGivesTheImageBack() {
        MainWindowFixture f;
        QVERIFY(f.load());
        UpdateMemData(f.w().image(), gainRecord, 250);
        const QByteArray before = CloneFileBytes(f.w().image());
        f.w().setDataChanged(false);
        const QString csv = f.path("all.csv");
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QCOMPARE(f.prompts.kinds(), QStringList{"choose"}); // cancelled at the choice: no file dialog
        const QStringList offered = f.prompts.shown.first().text.split('\n');
        QCOMPARE(offered.size(), 4);
        QVERIFY(offered[1].startsWith("Original layout")); // the original stays first
        QVERIFY(offered[2].startsWith("Full layout"));
        QVERIFY(offered[3].startsWith("CHIRP CSV"));
        QVERIFY(!QFile::exists(csv));
        f.prompts.choices = {1};
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QVERIFY(readFile(csv).startsWith("KT-M40 full CSV,variant J,"));
        QVERIFY(
            readFile(csv).contains("\r\nA 50,7.050.000,LSB,-10,Fast,High,Wide,Off,Off,7.050.000,ABC,,\r\n"));
        QVERIFY(!f.w().dataChanged());
        QVERIFY(f.w().statusText().contains("all.csv"));

        int emptied = 0; // the used channels the import fills again, counted here before they are emptied
        for (int k = 0; k < ChannelCount; ++k) {
            emptied += f.w().image().ChannelUsed[k] ? 1 : 0;
            EmptyChannel(f.w().image(), k);
        }
        QVERIFY(emptied > 0);
        f.w().image().VfoTable[1].field[FieldGain] = {"-20", 2};
        QVERIFY(CloneFileBytes(f.w().image()) != before);
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuImport"))->trigger();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("report"));
        QVERIFY2(
            f.prompts.shown.last().text.contains(
                QString(
                    "606 lines taken, 0 of them with changes; 0 lines refused; %1 channels and VFOs changed")
                    .arg(emptied + 1)),
            qPrintable(f.prompts.shown.last().text));
        QCOMPARE(CloneFileBytes(f.w().image()), before);
        QVERIFY(f.w().dataChanged()); // the clone file is not saved by an import
        QCOMPARE(f.memory()->model->data(f.memory()->model->index(250, FieldGain)).toString(),
                 QString("-10"));
    }

    void chirpExportAndImportListWhatTheyCannotCarry() {
        MainWindowFixture f;
        QVERIFY(f.load());
        for (int k = 0; k < ChannelCount; ++k)
            EmptyChannel(f.w().image(), k);
        UpdateMemData(f.w().image(), gainRecord, 3);
        const QString csv = f.path("chirp.csv");
        f.prompts.choices = {2};
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QVERIFY(readFile(csv).startsWith("Location,Name,Frequency,Duplex,Offset,Tone,"));
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("report"));
        QVERIFY(f.prompts.shown.last().text.contains("1 channels written"));
        QCOMPARE(f.prompts.reportLines.size(), 4); // VFO A, VFO B, the gain and the AGC of channel 3
        QVERIFY(f.prompts.reportLines.contains("3  Gain  not carried: -10 is not carried by CHIRP CSV"));
        // An import shows what it took, changed and refused.
        QVERIFY(writeFile(csv, "\xEF\xBB\xBFLocation,Name,Frequency,Duplex,Offset,Tone,Mode\r\n"
                               "20,Rep 10m,29.620000,-,0.100000,Tone,FM\r\n"
                               "21,Two m,146.520000,,,,FM\r\n"));
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuImport"))->trigger();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("report"));
        QVERIFY(
            f.prompts.shown.last().text.contains("1 lines taken, 1 of them with changes; 1 lines refused"));
        QCOMPARE(f.prompts.reportLines.size(), 2);
        QVERIFY(f.prompts.reportLines[0].startsWith("20  Name  changed:"));
        QVERIFY(f.prompts.reportLines[1].startsWith("21  Frequency  refused:"));
        QCOMPARE(f.memory()->model->data(f.memory()->model->index(20, FieldSplitFreq)).toString(),
                 QString("29.520.000"));
    }

    void japaneseTexts() {
        AppOptions options;
        options.language = UiLanguage::Japanese;
        MainWindowFixture f(options);
        QVERIFY(f.load());
        f.prompts.fileNames = {f.path("x.csv")};
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QVERIFY(f.prompts.shown.last().text.startsWith(QStringLiteral("CSVファイルの形式:")));
        const QString csv = f.path("j.csv");
        QVERIFY(writeFile(csv, "Location,Frequency\r\n1,99\r\n"));
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuImport"))->trigger();
        QVERIFY(f.prompts.shown.last().text.contains(QStringLiteral("行を拒否しました")));
        QVERIFY(f.prompts.reportLines.value(0).contains(QStringLiteral("拒否")));
        SetUiLanguage(UiLanguage::English);
    }

    void printsToPdfThroughThePrintDialog() {
        if (!HavePoppler()) QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
        MainWindowFixture f;
        QVERIFY(f.load());
        fillChannels(f.w(), 120);
        QVERIFY(f.w().image().ChannelUsed[119]);
        QPrinter *printer = f.w().printCommands()->printer();
        const QString pdf = f.path("printed.pdf");
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);

        f.w().action("mnuFilePrint")->trigger(); // returns with the dialog open
        QPrintDialog *dialog = openDialog<QPrintDialog>(f.w());
        QVERIFY(dialog);
        QVERIFY(!QFile::exists(pdf));
        dialog->accept();
        QVERIFY(WaitUntil([&] { return QFile::exists(pdf); }, 5000));
        const int pages = PdfPageCount(pdf);
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages))); // 120 channels do not fit one page
        const QString text = Poppler("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.contains("(untitled)"));
        QVERIFY(text.contains("Memory channels (120 of 604 used)"));
        QVERIFY(text.contains("P0") && text.contains("P119") && text.contains("3.619.000"));
        QVERIFY(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));
        QCOMPARE(f.w().statusText(), QStringLiteral("Printed %1 page(s) to printed.pdf").arg(pages));
        QVERIFY(f.prompts.shown.isEmpty());

        // A page range prints those pages, numbered as in the whole document.
        const QString part = f.path("part.pdf");
        printer->setOutputFileName(part);
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(2, 2);
        QVERIFY(f.w().printCommands()->printTo(printer));
        QCOMPARE(PdfPageCount(part), 1);
        QVERIFY(Poppler("pdftotext", {part, "-"}).contains(QStringLiteral("Page 2 of %1").arg(pages)));

        // A file that cannot be written is reported.
        printer->setPrintRange(QPrinter::AllPages);
        printer->setOutputFileName(f.path("no/such/folder/x.pdf"));
        QVERIFY(!f.w().printCommands()->printTo(printer));
        QCOMPARE(f.prompts.kinds(), QStringList{"critical"});
        QCOMPARE(f.prompts.lastText(), QStringLiteral("File Open Error"));
    }

    void pageSetupIsKeptAndThePreviewShowsThePagesThatPrint() {
        if (!HavePoppler()) QSKIP("pdfinfo (poppler-utils) is not installed");
        MainWindowFixture f;
        QVERIFY(f.load());
        fillChannels(f.w(), 604);
        // Qt's page setup dialog runs modally: it is answered from a timer while it is up.
        bool answered = false;
        QTimer answer;
        connect(&answer, &QTimer::timeout, &answer, [&] {
            QPageSetupDialog *setup = f.w().findChild<QPageSetupDialog *>();
            if (!setup || !setup->isVisible()) return;
            answer.stop();
            if (auto *landscape = setup->findChild<QRadioButton *>(QStringLiteral("landscape"))) {
                landscape->click();
                answered = true;
            }
            setup->accept();
        });
        answer.start(20);
        f.w().action("mnuFilePageSetup")->trigger();
        QVERIFY(answered);
        QPrinter *printer = f.w().printCommands()->printer();
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
        const QString pdf = f.path("wide.pdf");
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        QVERIFY(f.w().printCommands()->printTo(printer));
        const QString info = Poppler("pdfinfo", {pdf});
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
        QVERIFY2(size.hasMatch(), qPrintable(info));
        QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble()); // wider than high
        const int pages = PdfPageCount(pdf);
        QVERIFY(pages > 5);

        f.w().action("mnuFilePrintPreview")->trigger();
        QPrintPreviewDialog *preview = openDialog<QPrintPreviewDialog>(f.w());
        QVERIFY(preview);
        QPrintPreviewWidget *widget = preview->findChild<QPrintPreviewWidget *>();
        QVERIFY(widget);
        QVERIFY(WaitUntil([&] { return widget->pageCount() > 0; }, 5000));
        QCOMPARE(widget->pageCount(), pages);
        preview->reject();
    }
};

QTEST_MAIN(TestExportAndPrint)
#include "tst_export_and_print.moc"
