// File > Print Setup, Print Preview and Print: printing to PDF through the print dialog (opened without
// blocking), a page range, the preview's pages and the page setup kept for the next print. The menu items
// in both languages are checked with the other menus, their refusal while a transfer runs with the other
// refusals in gui_tst_transfers.
#include "MainWindowFixture.h"
#include "app/PrintCommands.h"
#include "channels/ChannelRecord.h"
#include "print/PrintPainter.h"
#include "support/Poppler.h"
#include <QAction>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

namespace {
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

class TestPrint : public QObject {
    Q_OBJECT

  private slots:
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

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
