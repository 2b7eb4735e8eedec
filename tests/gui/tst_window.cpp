// The window as a user meets it: boxes and columns wide enough for their texts, the Tab order of the edit
// dialog, short settings lists, a readable about box, Up and Down by the rows in sight, options around
// the file name, message boxes on the window they belong to. File > Export and File > Import with the
// three CSV layouts; File > Print Setup, Print Preview and Print: printing to PDF through the print dialog
// (opened without blocking), a page range, the preview's pages and the page setup kept for the next print.
// The menu items in both languages are checked with the other menus, their refusal while a transfer runs
// with the other refusals in gui_tst_transfers.
#include "MainWindowFixture.h"
#include "app/AppOptions.h"
#include "app/DlgCom.h"
#include "app/DlgModify.h"
#include "app/FrmAbout.h"
#include "app/GridModels.h"
#include "app/PrintCommands.h"
#include "app/UserPrompts.h"
#include "channels/ChannelRecord.h"
#include "channels/NameCharset.h"
#include "files/CloneFile.h"
#include "image/UiText.h"
#include "print/PrintPainter.h"
#include "support/Poppler.h"
#include "support/TestFiles.h"
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplashScreen>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <cmath>

namespace {
// Relative luminance and contrast ratio as the readability guidelines define them.
double luminance(QColor c) {
    auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}
double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// Texts a channel row can show, column by column, written out here from what the grid shows.
QList<QStringList> channelTexts() {
    QStringList frequencies, names;
    for (int d = 0; d <= 9; ++d) {
        const QString n = QString::number(d);
        frequencies << n.repeated(2) + "." + n.repeated(3) + "." + n.repeated(3);
    }
    for (int code = 0; code < 256; ++code)
        if (const QChar c = NameChar(code); !c.isNull()) names << QString(8, c);
    return {frequencies,
            {"USB", "LSB", "CWU", "CWL", "AM", "FM"},
            {"0", "-10", "-20", "+10"},
            {"Fast", "Slow"},
            {"High", "Low", "S-Low"},
            {"Wide", "Narrow"},
            {"Off", "On"},
            {"Off", "On"},
            frequencies,
            names,
            {"Skip"}};
}

// 7.050.000 LSB, gain -10 (no CHIRP column for it), name ABC
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

class TestWindow : public QObject {
    Q_OBJECT

    void click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    // The width the view itself finds a column needs for the texts in sight and its header.
    static int neededWidth(QTableView *view, int column) {
        const int width = view->columnWidth(column);
        view->resizeColumnToContents(column);
        const int needed = view->columnWidth(column);
        view->setColumnWidth(column, width);
        return needed;
    }

  private slots:
    void nameBoxShowsEightOfTheWidestCharacters() {
        MainWindowFixture f;
        QVERIFY(f.load());
        f.w().editing()->openEditor(EditSource::Memory, 0);
        DlgModify *dlg = f.w().editing()->modifyDialog();
        QTRY_VERIFY(dlg->isVisible());
        auto *name = dlg->findChild<QLineEdit *>(QStringLiteral("txtName"));
        for (int code = 0; code < 256; ++code) {
            const QChar c = NameChar(code);
            if (c.isNull()) continue;
            const QString text(8, c);
            name->setText(text);
            auto cursorAt = [name](int position) {
                name->setCursorPosition(position);
                return name->inputMethodQuery(Qt::ImCursorRectangle).toRect();
            };
            const QRect first = cursorAt(0);
            const QRect last = cursorAt(8); // the box scrolls when the end does not fit beside the start
            const int advance = name->fontMetrics().horizontalAdvance(text);
            QVERIFY2(qAbs(last.x() - first.x() - advance) <= 1, qPrintable(text));
            QVERIFY2(last.center().x() < name->width(), qPrintable(text));
        }
        dlg->reject();
    }

    void tabFollowsTheDialogsVisualOrder_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("stops");
        // Memory: three frequency boxes, name, skip, seven lists, three split boxes, OK, Cancel.
        QTest::newRow("memory") << int(EditSource::Memory) << 17;
        // VFO: the name, skip and split controls are hidden.
        QTest::newRow("vfo") << int(EditSource::Vfo) << 12;
    }
    void tabFollowsTheDialogsVisualOrder() {
        QFETCH(int, source);
        QFETCH(int, stops);
        MainWindowFixture f;
        QVERIFY(f.load());
        f.w().editing()->openEditor(EditSource(source), 0);
        DlgModify *dlg = f.w().editing()->modifyDialog();
        QTRY_VERIFY(dlg->isVisible());
        QTRY_COMPARE(dlg->focusWidget()->objectName(), QStringLiteral("txtFreq"));
        QList<QWidget *> visited{dlg->focusWidget()};
        for (int k = 1; k < stops + 1; ++k) {
            QTest::keyClick(dlg->focusWidget(), Qt::Key_Tab);
            visited << dlg->focusWidget();
        }
        QCOMPARE(visited.last(), visited.first()); // round the whole dialog and back to the start
        visited.removeLast();
        QCOMPARE(QSet<QWidget *>(visited.begin(), visited.end()).size(), stops); // each stop once
        for (int k = 0; k + 1 < visited.size(); ++k) {
            const QRect a(visited[k]->mapTo(dlg, QPoint()), visited[k]->size());
            const QRect b(visited[k + 1]->mapTo(dlg, QPoint()), visited[k + 1]->size());
            // the next stop is to the right on the same line, or on a line further down
            const bool sameLine = qAbs(a.center().y() - b.center().y()) < a.height() / 2;
            QVERIFY2(sameLine ? b.left() > a.left() : b.center().y() > a.center().y(),
                     qPrintable(visited[k]->objectName() + " -> " + visited[k + 1]->objectName()));
        }
        dlg->reject();
    }

    void settingsListsOpenAtMostTwelveItemsHigh_data() {
        QTest::addColumn<QString>("style");
        for (const QString &s : QStyleFactory::keys())
            QTest::newRow(qPrintable(s)) << s;
    }
    void settingsListsOpenAtMostTwelveItemsHigh() {
        QFETCH(QString, style);
        QApplication::setStyle(QStyleFactory::create(style));
        {
            MainWindowFixture f;
            QVERIFY(f.load());
            int longLists = 0;
            for (QComboBox *combo : f.settings()->findChildren<QComboBox *>()) {
                if (combo->count() <= 12) continue;
                ++longLists;
                combo->showPopup();
                QAbstractItemView *view = combo->view();
                QTRY_VERIFY(view->isVisible());
                const int rowHeight = view->sizeHintForRow(0);
                QVERIFY(rowHeight > 0);
                const int rows = view->viewport()->height() / rowHeight;
                QVERIFY2(rows <= 12 && rows >= 8,
                         qPrintable(combo->objectName() + " " + QString::number(rows)));
                QVERIFY(view->verticalScrollBar()->maximum() > 0); // the rest is scrolled to
                combo->hidePopup();
                QTRY_VERIFY(!view->isVisible());
            }
            QVERIFY(longLists >= 3); // dimmer, keyer speed, tone
        }
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }

    void aboutBoxTextIsReadable() {
        MainWindowFixture f;
        QVERIFY(f.load());
        f.w().mnuHelpAbout_Click();
        FrmAbout *about = f.w().aboutBox();
        QTRY_VERIFY(about->isVisible());
        for (const char *name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
            auto *label = about->findChild<QLabel *>(QLatin1String(name));
            QVERIFY(label);
            const QImage image = label->grab().toImage();
            const QColor background = image.pixelColor(0, 0);
            double best = 1;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    best = qMax(best, contrast(image.pixelColor(x, y), background));
            QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(name).arg(best)));
        }
        about->hide();
    }

    void columnsHoldTheirWidestTextsAndResize() {
        MainWindowFixture f;
        QVERIFY(f.load());
        f.w().tabs()->setCurrentIndex(1);
        QTableView *grid = f.memory()->MSFlexGrid1;
        const QList<QStringList> texts = channelTexts();
        CloneImage &image = f.w().image();
        image.ChannelUsed[0] = true;
        for (int c = 0; c < ChannelFieldCount; ++c) {
            for (const QString &t : texts[c]) {
                image.ChannelTable[0].field[c].text = t;
                f.memory()->model->refreshRows(0, 0);
                QVERIFY2(neededWidth(grid, c) <= grid->columnWidth(c),
                         qPrintable(QStringLiteral("column %1: %2").arg(c).arg(t)));
            }
        }
        // Every row label fits the label column.
        const QFontMetrics labels(grid->verticalHeader()->font());
        for (int r = 0; r < ChannelCount; ++r)
            QVERIFY(labels.horizontalAdvance(grid->model()->headerData(r, Qt::Vertical).toString()) <
                    grid->verticalHeader()->width());
        // The VFO grid: the first eight columns, the same texts.
        QTableView *vfo = f.settings()->MSFlexGrid2;
        for (int c = 0; c < VfoFieldCount; ++c) {
            for (const QString &t : texts[c]) {
                image.VfoTable[0].field[c].text = t;
                f.settings()->vfoModel->refreshAll();
                QVERIFY2(neededWidth(vfo, c) <= vfo->columnWidth(c), qPrintable(t));
            }
        }
        // The user resizes the columns; a text cut short shows whole in its tip.
        for (QTableView *view : {grid, vfo})
            for (int c = 0; c < view->model()->columnCount(); ++c)
                QCOMPARE(view->horizontalHeader()->sectionResizeMode(c), QHeaderView::Interactive);
        image.ChannelTable[0].field[FieldName].text = QStringLiteral("WWV 10MH");
        f.memory()->model->refreshRows(0, 0);
        const int full = grid->columnWidth(FieldName);
        auto tipAt = [grid](int column) {
            QToolTip::hideText();
            if (!WaitUntil([] { return !QToolTip::isVisible(); }, 2000)) return QStringLiteral("stuck");
            const QPoint at = grid->visualRect(grid->model()->index(0, column)).center();
            QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
            QApplication::sendEvent(grid->viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipAt(FieldName), QString()); // shown whole: no tip
        grid->horizontalHeader()->resizeSection(FieldName, full / 3);
        QCOMPARE(grid->columnWidth(FieldName), full / 3);
        QCOMPARE(tipAt(FieldName), QStringLiteral("WWV 10MH"));
        grid->horizontalHeader()->resizeSection(FieldName, full);
        QCOMPARE(tipAt(FieldName), QString());
    }

    void gridsGrowWithTheWindowAndUpAndDownNeverJumpWhileTheRowIsInSight() {
        MainWindowFixture f;
        QVERIFY(f.load());
        QTableView *vfo = f.settings()->MSFlexGrid2;
        const int vfoWidth = vfo->width();
        f.w().tabs()->setCurrentIndex(1);
        MemoryPage *page = f.memory();
        QTableView *grid = page->MSFlexGrid1;
        const QSize before = grid->size();
        f.w().resize(f.w().size() + QSize(240, 260));
        QTRY_VERIFY(grid->width() >= before.width() + 200);
        QTRY_VERIFY(grid->height() >= before.height() + 200);
        QTRY_VERIFY(page->visibleRowCount() > 16);
        const int rowHeight = grid->rowHeight(0);
        auto shownWhole = [grid](int r) {
            return grid->viewport()->rect().contains(grid->visualRect(grid->model()->index(r - 1, 0)));
        };
        page->setTopRow(1);
        page->setCurrentRow(1);
        int lowestTop = 1;
        // Down through the plain bank, and Up again to the first row.
        for (const int step : {1, -1}) {
            for (int r = step > 0 ? 1 : 200; r != (step > 0 ? 200 : 1); r += step) {
                const int top = page->topRow();
                const bool nextInSight = shownWhole(r + step);
                click(step > 0 ? page->Command4 : page->Command5);
                QCOMPARE(page->currentRow(), r + step);
                QVERIFY2(shownWhole(r + step), qPrintable(QString::number(r + step)));
                if (nextInSight) QVERIFY2(page->topRow() == top, qPrintable(QString::number(r + step)));
                lowestTop = qMax(lowestTop, page->topRow());
            }
        }
        QVERIFY(lowestTop > 1);
        QCOMPARE(page->topRow(), 1);
        // From the last row in sight Up moves the highlight one row up the screen, the list stays.
        const int rows = grid->viewport()->height() / rowHeight;
        page->setCurrentRow(rows);
        click(page->Command5);
        QCOMPARE(page->topRow(), 1);
        QCOMPARE(page->currentRow(), rows - 1);
        f.w().tabs()->setCurrentIndex(0);
        QTRY_VERIFY(vfo->width() >= vfoWidth + 200);
    }

    void optionsStandBeforeOrAfterTheFile_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("demo");
        QTest::addColumn<bool>("japanese");
        const QString en = "en_US", ja = "ja_JP";
        QTest::newRow("after") << QStringList{"session1.M40", "--demo"} << en << "session1.M40" << true
                               << false;
        QTest::newRow("around") << QStringList{"--lang=ja", "a b.M40", "--demo"} << en << "a b.M40" << true
                                << true;
        QTest::newRow("before") << QStringList{"--demo", "--lang=ja", "my file.M40"} << en << "my file.M40"
                                << true << true;
        QTest::newRow("split name") << QStringList{"my", "--demo", "file.M40"} << en << "my file.M40" << true
                                    << false;
        QTest::newRow("-- ends") << QStringList{"--", "--demo"} << en << "--demo" << false << false;
        QTest::newRow("-- then name")
            << QStringList{"--demo", "--", "--lang=ja.M40"} << en << "--lang=ja.M40" << true << false;
        QTest::newRow("none") << QStringList{"--demo"} << en << "" << true << false;
        QTest::newRow("Japanese locale") << QStringList{} << ja << "" << false << true;
        QTest::newRow("--lang=en over the locale")
            << QStringList{"--lang=en", "a.M40"} << ja << "a.M40" << false << false;
    }
    void optionsStandBeforeOrAfterTheFile() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, locale);
        QFETCH(QString, file);
        QFETCH(bool, demo);
        QFETCH(bool, japanese);
        QString error;
        const AppOptions o = ParseAppArguments(QStringList{"kt-m40"} + arguments, locale, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(o.startupFile, file);
        QCOMPARE(o.demo, demo);
        QCOMPARE(o.language == UiLanguage::Japanese, japanese);
        ParseAppArguments({"kt-m40", "--frobnicate"}, locale, &error);
        QVERIFY(!error.isEmpty());
    }

    void messageBoxesSitOnTheirWindow() {
        QPixmap picture(300, 200);
        picture.fill(Qt::darkBlue);
        QSplashScreen splash(picture);
        splash.move(500, 400);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QWidget window; // loading: not shown yet
        window.setGeometry(20, 20, 900, 700);
        QtUserPrompts prompts;
        prompts.setStandInParent(&splash);
        QRect shownAt;
        auto answerNextBox = [&shownAt] {
            QTimer::singleShot(0, [&shownAt] {
                QTRY_VERIFY(QApplication::activeModalWidget());
                QWidget *box = QApplication::activeModalWidget();
                shownAt = box->frameGeometry();
                qobject_cast<QMessageBox *>(box)->button(QMessageBox::Ok)->click();
            });
        };
        answerNextBox();
        prompts.critical(&window, QStringLiteral("ERROR"), QStringLiteral("File Open Error"));
        QVERIFY(shownAt.isValid());
        QVERIFY2((shownAt.center() - splash.frameGeometry().center()).manhattanLength() < 12,
                 qPrintable(QStringLiteral("%1,%2").arg(shownAt.center().x()).arg(shownAt.center().y())));
        // Once the window shows, its boxes sit on it.
        splash.close();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        shownAt = QRect();
        answerNextBox();
        prompts.information(&window, QStringLiteral("Verify"), QStringLiteral("text"));
        QVERIFY((shownAt.center() - window.frameGeometry().center()).manhattanLength() < 12);
    }

    // File > Export, Import and Print.
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
        QVERIFY(readFile(csv).startsWith("KT-M40 full CSV,variant J,")); // its lines: the layout's tests
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
        QVERIFY(text.contains("Memory channels (120 of 604 used)")); // the window's own channels
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

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
