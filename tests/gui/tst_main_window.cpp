// The main window's start-up, File commands with the save question, the port file, the COM Port Setup
// dialog, the about box, the menus in both languages and the geometry written at exit.
#include "MainWindowFixture.h"
#include "app/DlgCom.h"
#include "app/FrmAbout.h"
#include "app/GridModels.h"
#include "channels/ChannelRecord.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/TextTables.h"
#include "support/TestFiles.h"
#include <QAction>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

namespace {
AppOptions withPortFile(const QString &path) {
    AppOptions options;
    options.portFileRead = path;
    return options;
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    const QString title = QStringLiteral("Korvan KT-M40 Clone Utility");

    // A channel edit the user could have made.
    void editChannel(MainWindowFixture &f, int k, qint64 hz) {
        f.w().image().ChannelTable[k].field[FieldFrequency] = {FormatFrequencyText(hz), double(hz)};
        f.w().image().ChannelUsed[k] = true;
        f.memory()->model->refreshRows(k, k);
        f.w().setDataChanged(true);
    }

  private slots:
    void startUpStateViewAndAListPickIsNoChange() {
        MainWindowFixture f;
        QVERIFY(!f.w().isVisible() || !f.w().isLoaded()); // the pause runs before the load ends
        QVERIFY(f.load());
        QCOMPARE(f.w().windowTitle(), title);
        QVERIFY(!f.w().dataChanged());
        QCOMPARE(f.w().tabs()->currentIndex(), 0);
        QCOMPARE(f.w().tabs()->tabText(0), QStringLiteral("Settings"));
        QCOMPARE(f.w().tabs()->tabText(1), QStringLiteral("Memory"));
        QCOMPARE(f.settings()->vfoModel->index(1, 0).data().toString(), QStringLiteral("7.050.000"));
        QCOMPARE(f.settings()->combo(SettingsListIndex(QStringLiteral("cmbDimmer")))->currentText(),
                 QStringLiteral("32"));
        QCOMPARE(f.settings()->combo(SettingsListIndex(QStringLiteral("cmbScanType")))->currentText(),
                 QStringLiteral("  2S"));
        QVERIFY(!f.memory()->ProgressBar1->isVisible());
        ChannelTableModel *m = f.memory()->model;
        QCOMPARE(m->rowCount(), 604);
        QCOMPARE(m->headerData(400, Qt::Vertical).toString(), QStringLiteral("A-P1"));
        QCOMPARE(m->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Split Freq."));
        QCOMPARE(f.settings()->modelOption(3)->text(), QStringLiteral("KT-M40A"));
        QCOMPARE(f.settings()->modelOption(1)->text(), QStringLiteral("KTM-40T"));
        // View hides the tool and status bars.
        QToolBar *bar = f.w().findChild<QToolBar *>(QStringLiteral("tbToolBar"));
        QAction *toggle = f.w().action(QStringLiteral("mnuViewToolbar"));
        QVERIFY(toggle->isChecked() && bar->isVisible());
        toggle->trigger();
        QVERIFY(!toggle->isChecked() && !bar->isVisible());
        QAction *status = f.w().action(QStringLiteral("mnuStatusBar"));
        status->trigger();
        QVERIFY(!f.w().statusBar()->isVisible());
        status->trigger();
        QVERIFY(f.w().statusBar()->isVisible());
        // A settings list picked with the keys is no unsaved change: closing asks nothing.
        QComboBox *beep = f.settings()->combo(SettingsListIndex(QStringLiteral("cmbBeep")));
        beep->setFocus();
        QTest::keyClick(beep, Qt::Key_Up);
        QCOMPARE(beep->currentIndex(), 0);
        QCOMPARE(f.w().image().Settings.byName(QStringLiteral("cmbBeep")), 0);
        QVERIFY(!f.w().dataChanged());
        QVERIFY(f.w().close());
        QVERIFY(f.prompts.shown.isEmpty());
    }

    void menusInEnglishAndJapanese() {
        MainWindowFixture en;
        QVERIFY(en.load());
        QStringList titles;
        for (QAction *a : en.w().menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, (QStringList{"File(&F)", "Edit(&E)", "View(&V)", "Tool(&T)", "Help(&H)"}));
        QStringList items; // the File menu from Print Setup on
        for (QAction *a : en.w().findChild<QMenu *>(QStringLiteral("mnuFile"))->actions())
            if (!a->isSeparator()) items << a->text();
        QCOMPARE(items.mid(6, 4),
                 (QStringList{"Print Setup(&U)...", "Print Preview(&V)...", "Print(&P)...", "Exit(&X)..."}));
        for (const char *name : {"mnuFilePageSetup", "mnuFilePrintPreview", "mnuFilePrint"})
            QVERIFY(en.w().action(QLatin1String(name))->isEnabled());
        QCOMPARE(en.w().action(QStringLiteral("mnuFileNew"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(en.w().action(QStringLiteral("mnuFilePrint"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_P));

        AppOptions options;
        options.language = UiLanguage::Japanese;
        MainWindowFixture ja(options);
        QVERIFY(ja.load());
        QCOMPARE(ja.w().menuBar()->actions().first()->text(), QStringLiteral("ﾌｧｲﾙ(&F)"));
        QCOMPARE(ja.w().action(QStringLiteral("mnuFileExit"))->text(), QStringLiteral("終了(&X)"));
        QCOMPARE(ja.w().action(QStringLiteral("mnuWrAll"))->text(), QStringLiteral("すべて(&A)"));
        QCOMPARE(ja.w().action(QStringLiteral("tb_開く"))->toolTip(), QStringLiteral("開く"));
        QCOMPARE(ja.w().action(QStringLiteral("mnuFilePageSetup"))->text(),
                 QStringLiteral("ﾍﾟｰｼﾞ設定(&U)..."));
        QCOMPARE(ja.w().action(QStringLiteral("mnuFilePrintPreview"))->text(),
                 QStringLiteral("印刷プレビュー(&V)..."));
        QCOMPARE(ja.w().action(QStringLiteral("mnuFilePrint"))->text(), QStringLiteral("印刷(&P)..."));
    }

    void saveThenOpenRestoresEverything() {
        MainWindowFixture f;
        QVERIFY(f.load());
        editChannel(f, 3, 7123000);
        editChannel(f, 450, 21200000);
        f.settings()->combo(SettingsListIndex(QStringLiteral("cmbBeep")))->setCurrentIndex(0);
        f.settings()->modelOption(VariantE)->click();
        const QString path = f.path(QStringLiteral("mine.M40"));
        f.prompts.fileNames = {path};
        f.w().action(QStringLiteral("mnuFileSave"))->trigger(); // no name yet: Save asks like Save As
        QCOMPARE(f.prompts.kinds(), QStringList{"save"});
        QCOMPARE(f.prompts.shown[0].text,
                 QStringLiteral("Korvan KT-M40 Clone Files (*.M40)|*.M40|All Files (*.*)|*.*"));
        QCOMPARE(f.w().windowTitle(), QStringLiteral("mine.M40 - ") + title);
        QCOMPARE(f.w().cloneFileName(), path);
        QVERIFY(!f.w().dataChanged());
        const QByteArray saved = readFile(path);
        QVERIFY(saved.startsWith("Korvan KT-M40E Clone 0 FileStart\r\n"));

        // New empties everything and asks nothing (nothing changed since the save).
        f.w().action(QStringLiteral("mnuFileNew"))->trigger();
        QCOMPARE(f.prompts.shown.size(), 1);
        QCOMPARE(f.memory()->model->index(3, 0).data().toString(), QString());
        QCOMPARE(f.w().windowTitle(), title);
        QVERIFY(f.settings()->modelOption(VariantE)->isChecked()); // New keeps the variant

        f.settings()->modelOption(VariantJ)->click();
        QVERIFY(f.w().dataChanged());
        f.prompts.answers = {UserPrompts::Answer::No};
        f.prompts.fileNames = {path};
        f.w().action(QStringLiteral("mnuFileOpen"))->trigger();
        QCOMPARE(f.prompts.kinds(), (QStringList{"save", "question", "open"}));
        QCOMPARE(f.prompts.shown[1].title, QStringLiteral("Save Changes"));
        QCOMPARE(f.prompts.shown[1].text, QStringLiteral("Save changes to settings?"));
        QCOMPARE(f.memory()->model->index(3, 0).data().toString(), QStringLiteral("7.123.000"));
        QCOMPARE(f.memory()->model->index(450, 0).data().toString(), QStringLiteral("21.200.000"));
        QCOMPARE(f.settings()->combo(SettingsListIndex(QStringLiteral("cmbBeep")))->currentText(),
                 QStringLiteral("Off"));
        QVERIFY(f.settings()->modelOption(VariantE)->isChecked());
        QVERIFY(!f.w().dataChanged());
        QCOMPARE(f.w().windowTitle(), QStringLiteral("mine.M40 - ") + title);

        // Saving again writes the same bytes.
        f.w().action(QStringLiteral("mnuFileSave"))->trigger();
        QCOMPARE(readFile(path), saved);
    }

    void saveQuestionOutcomesOnNewAndClose() {
        MainWindowFixture f;
        QVERIFY(f.load());
        editChannel(f, 0, 7000000);
        // Cancel ends New with nothing changed.
        f.w().action(QStringLiteral("mnuFileNew"))->trigger();
        QCOMPARE(f.prompts.kinds(), QStringList{"question"});
        QVERIFY(f.w().image().ChannelUsed[0]);
        QVERIFY(f.w().dataChanged());
        // Yes with no file name shows the save dialog; cancelling it still lets New go on.
        f.prompts.answers = {UserPrompts::Answer::Yes};
        f.w().action(QStringLiteral("tb_新規作成"))->trigger();
        QCOMPARE(f.prompts.kinds(), (QStringList{"question", "question", "save"}));
        QVERIFY(!f.w().image().ChannelUsed[0]);
        QVERIFY(!f.w().dataChanged());
        // Cancel keeps the window; Yes saves before it closes.
        editChannel(f, 9, 7000000);
        f.prompts.shown.clear();
        QVERIFY(!f.w().close());
        QCOMPARE(f.prompts.kinds(), QStringList{"question"});
        QVERIFY(f.w().isVisible());
        const QString path = f.path(QStringLiteral("onclose.M40"));
        f.prompts.answers = {UserPrompts::Answer::Yes};
        f.prompts.fileNames = {path};
        QVERIFY(f.w().close());
        QVERIFY(readFile(path).size() > 0);
    }

    void badFilesAreRefused() {
        MainWindowFixture f;
        QVERIFY(f.load());
        const QString good = f.path(QStringLiteral("good.M40"));
        CloneImage image;
        NewImage(image);
        QVERIFY(SaveCloneFile(good, image) == FileStatus::Ok);
        QByteArray bytes = readFile(good);

        const QString shortLine = f.path(QStringLiteral("short.M40"));
        QByteArray broken = bytes;
        broken.remove(34 + 10, 1); // line 2 one character short
        QVERIFY(writeFile(shortLine, broken));
        f.prompts.fileNames = {shortLine};
        f.w().files()->mnuFileOpen_Click();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("critical"));
        QCOMPARE(f.prompts.lastText(), QStringLiteral("Data Error"));
        QCOMPARE(f.w().windowTitle(), title);

        f.prompts.fileNames = {f.path(QStringLiteral("missing.M40"))};
        f.w().files()->mnuFileOpen_Click();
        QCOMPARE(f.prompts.lastText(), QStringLiteral("File Open Error"));

        // A good header with a wrong end line: refused, yet the model option follows the header.
        const QString wrongEnd = f.path(QStringLiteral("end.M40"));
        QByteArray ending = bytes;
        ending.replace(0, 32, "Korvan KT-M40A Clone A FileStart");
        ending.replace(ending.lastIndexOf("File  End"), 9, "File  Xnd");
        QVERIFY(writeFile(wrongEnd, ending));
        f.prompts.fileNames = {wrongEnd};
        f.w().files()->mnuFileOpen_Click();
        QCOMPARE(f.prompts.lastText(), QStringLiteral("Data Error"));
        QVERIFY(f.settings()->modelOption(VariantA)->isChecked());
        QVERIFY(f.w().image().WideRange);
        QVERIFY(f.w().dataChanged());
    }

    void startupFileOpensAfterTheDefaults() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("start.M40"));
        CloneImage image;
        image.Variant = VariantT;
        NewImage(image);
        image.ChannelTable[5].field[FieldFrequency] = {QStringLiteral("3.550.000"), 3550000};
        image.ChannelTable[5].field[FieldMode] = {QStringLiteral("CWU"), 2};
        image.ChannelUsed[5] = true;
        QVERIFY(SaveCloneFile(path, image) == FileStatus::Ok);
        AppOptions options;
        options.startupFile = path;
        MainWindowFixture f(options);
        QVERIFY(f.load());
        QCOMPARE(f.w().windowTitle(), QStringLiteral("start.M40 - ") + title);
        QCOMPARE(f.memory()->model->index(5, 0).data().toString(), QStringLiteral("3.550.000"));
        QVERIFY(f.settings()->modelOption(VariantT)->isChecked());
        QVERIFY(!f.w().dataChanged());

        AppOptions bad;
        bad.startupFile = dir.filePath(QStringLiteral("none.M40"));
        MainWindowFixture g(bad);
        QVERIFY(g.load());
        QCOMPARE(g.prompts.lastText(), QStringLiteral("File Open Error"));
        QCOMPARE(g.w().windowTitle(), title);
        QCOMPARE(g.settings()->vfoModel->index(0, 0).data().toString(), QStringLiteral("7.050.000"));
    }

    void portFileComDialogAndOneSettingsFile() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("KT-M40.ini"));
        // A demo run starts on the virtual radio; the port file keeps its number.
        QVERIFY(writeFile(ini, "12\r\n"));
        {
            MainWindowFixture demo(withPortFile(ini));
            QVERIFY(demo.load());
            demo.w().action(QStringLiteral("mnuToolsOptions"))->trigger();
            QTRY_VERIFY(demo.w().comDialog()->isVisible());
            QVERIFY(demo.w().comDialog()->virtualOption()->isChecked());
            QCOMPARE(demo.w().comDialog()->virtualOption()->text(), QStringLiteral("Virtual radio (demo)"));
            demo.w().comDialog()->accept();
            QVERIFY(demo.w().portChoice().virtualRadio);
            QVERIFY(demo.w().close());
            QCOMPARE(readFile(demo.path(QStringLiteral("KT-M40.ini"))), QByteArray("12\r\n"));
        }

        MainWindowFixture f(withPortFile(ini), false);
        QVERIFY(f.load());
        f.w().action(QStringLiteral("mnuToolsOptions"))->trigger();
        DlgCom *com = f.w().comDialog();
        QTRY_VERIFY(com->isVisible());
        QCOMPARE(com->windowTitle(), QStringLiteral("COM Port Setup"));
        QCOMPARE(com->comOption(0)->text(), QStringLiteral("COM  1"));
        QCOMPARE(com->comOption(13)->text(), QStringLiteral("COM 14"));
        QVERIFY(com->comOption(11)->isChecked());
        QVERIFY(!com->virtualOption()); // only a demo run offers the virtual radio
        // The two columns: COM 1..7 on the left, COM 8..14 on the right.
        QVERIFY(com->comOption(7)->x() > com->comOption(6)->x());
        QCOMPARE(com->comOption(7)->y(), com->comOption(0)->y());
        QTest::mouseClick(com->comOption(4), Qt::LeftButton);
        QTest::mouseClick(com->findChild<QPushButton *>(QStringLiteral("OKButton")), Qt::LeftButton);
        QVERIFY(!com->isVisible());
        QCOMPARE(f.w().portChoice().commPort, 5);
        QVERIFY(!f.w().portChoice().virtualRadio);
        // Another port by its path: the port file keeps the number.
        f.w().mnuToolsOptions_Click();
        QTRY_VERIFY(com->isVisible());
        QVERIFY(com->comOption(4)->isChecked());
        com->otherPath()->setFocus();
        com->otherPath()->lineEdit()->selectAll();
        QTest::keyClicks(com->otherPath()->lineEdit(), QStringLiteral("/dev/ttyUSB7"));
        QVERIFY(com->otherOption()->isChecked()); // typing a path picks the other-port choice
        QTest::mouseClick(com->findChild<QPushButton *>(QStringLiteral("OKButton")), Qt::LeftButton);
        QCOMPARE(f.w().portChoice().devicePath, QStringLiteral("/dev/ttyUSB7"));
        QCOMPARE(f.w().portChoice().commPort, 5);
        f.w().move(40, 30);
        QVERIFY(f.w().close());
        QCOMPARE(readFile(f.path(QStringLiteral("KT-M40.ini"))), QByteArray("5\r\n"));
        // Everything else, the path and the geometry too, goes to one settings file.
        QStringList stores;
        QDirIterator it(f.dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            if (const QString p = it.next(); QFileInfo(p).fileName() != QStringLiteral("KT-M40.ini"))
                stores << p;
        QCOMPARE(stores.size(), 1);
        QCOMPARE(QFileInfo(stores[0]).completeBaseName(), title);
        QCOMPARE(QFileInfo(stores[0]).dir().dirName(), QStringLiteral("Korvan"));
        QSettings store(QStringLiteral("Korvan"), title);
        QCOMPARE(store.fileName(), stores[0]);
        QVERIFY(store.value(QStringLiteral("Settings/MainWidth")).toInt() > 0);
        QVERIFY(store.value(QStringLiteral("Settings/MainHeight")).toInt() > 0);
        QVERIFY(store.contains(QStringLiteral("Settings/MainLeft")) &&
                store.contains(QStringLiteral("Settings/MainTop")));
        QCOMPARE(store.value(store.allKeys().filter(QStringLiteral("DevicePath")).value(0)).toString(),
                 QStringLiteral("/dev/ttyUSB7"));
    }

    void csvExportAndImport() {
        MainWindowFixture f;
        QVERIFY(f.load());
        const QString clone = f.path(QStringLiteral("base.M40"));
        f.prompts.fileNames = {clone};
        f.w().files()->mnuFileSaveAs_Click();
        editChannel(f, 2, 7040000);
        const QString csv = f.path(QStringLiteral("list.csv"));
        f.prompts.fileNames = {csv};
        f.prompts.choices = {0}; // the original layout, first in the list
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("save"));
        QCOMPARE(f.prompts.shown.last().text, QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*"));
        QVERIFY(readFile(csv).contains("\"KT-M40\",\"MEMORY\",\"2\",\"7.040.000\""));
        QCOMPARE(f.w().windowTitle(), QStringLiteral("list.csv - ") + title);
        QVERIFY(!f.w().dataChanged());
        // A later Save must not write the clone file over the CSV: it asks for a name.
        QVERIFY(f.w().cloneFileName().isEmpty());
        f.w().files()->mnuFileSave_Click();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("save"));
        QVERIFY(readFile(csv).startsWith("\"MODEL\""));
        // Imported again, the original export takes nothing and says which layout would take it.
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuImport"))->trigger();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("open")); // the original import shows no message
        QVERIFY(f.w().statusText().contains(QStringLiteral("Nothing was taken from list.csv")));
        QVERIFY(f.w().statusText().contains(QStringLiteral("full layout")));

        const QString in = f.path(QStringLiteral("in.csv"));
        QVERIFY(writeFile(
            in, "\"MODEL\",\"BANK\"\r\n"
                "\"KT-M40\",\"MEMORY\",\"199\",\"7.1\",\"\",\"\",\"67.0\",\"67.0\",\"023\",\"\",\"0\",\"Hi\","
                "\"\",\"\",\"\",\"\",\"NAME\",\"Off\"\r\n"
                "\"KT-M40\",\"MEMORY\",\"5\",\"7.1\",\"\",\"\",\"Slow\",\"High\",\"Wide\",\"\",\"0\",\"Hi\","
                "\"\",\"\",\"\",\"\",\"NAME\",\"Off\"\r\n"));
        f.w().setDataChanged(true);
        f.prompts.fileNames = {in};
        f.w().action(QStringLiteral("mnuImport"))->trigger();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("open")); // no question before an import
        QCOMPARE(f.w().windowTitle(), title);
        QVERIFY(!f.w().dataChanged());
        QVERIFY(f.w().cloneFileName().isEmpty());
        QVERIFY(f.w().statusText().contains(QStringLiteral("Imported")));
        QCOMPARE(f.memory()->currentRow(), 1);
    }

    void aboutBox() {
        MainWindowFixture f;
        QVERIFY(f.load());
        f.w().action(QStringLiteral("tb_ﾍﾙﾌﾟ"))->trigger();
        FrmAbout *about = f.w().aboutBox();
        QTRY_VERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Korvan Clone Utility"));
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("lblTitle"))->text(), title);
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(),
                 QStringLiteral("Version 0.10.00 Beta"));
        QPushButton *sysInfo = about->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
        QCOMPARE(sysInfo->text(), QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
#ifndef Q_OS_WIN
        QTest::mouseClick(sysInfo, Qt::LeftButton);
        QCOMPARE(f.prompts.kinds(), QStringList{"information"});
        QCOMPARE(f.prompts.shown[0].title, title);
        QCOMPARE(f.prompts.lastText(), QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
#endif
        QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QVERIFY(!about->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
