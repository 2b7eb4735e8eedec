// The main window's start-up, File commands with the save question, the recent files, the port file, the
// COM Port Setup dialog with Find the radio, the about box, the geometry written at exit, and nothing lost:
// data no clone file holds are kept in a backup marked as unsaved work before the window throws them away
// without a question, and the next start names that file.
#include "MainWindowFixture.h"
#include "app/GridModels.h"
#include "app/KeptWorkNotice.h"
#include "app/StatusLine.h"
#include "channels/ChannelRecord.h"
#include "files/Backups.h"
#include "files/CloneFile.h"
#include "files/LocalName.h"
#include "files/NewImage.h"
#include "files/RecentFiles.h"
#include "image/SettingsStore.h"
#include "image/TextTables.h"
#include "link/PtyRadioServer.h"
#include "link/SerialLink.h"
#include "support/TestFiles.h"
#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>

namespace {
AppOptions withPortFile(const QString &path) {
    AppOptions options;
    options.portFileRead = path;
    return options;
}

// The texts of File > Recent Files' entries, Clear Menu left out.
QStringList recentEntries(FrmMain &w) {
    QStringList texts;
    for (QAction *a : w.findChild<QMenu *>(QStringLiteral("mnuFileRecent"))->actions())
        if (!a->isSeparator() && a->objectName() != QStringLiteral("mnuFileRecentClear")) texts << a->text();
    return texts;
}

QStringList unsavedBackups(const QString &folder) {
    return ListBackups(folder).filter(QStringLiteral(" unsaved"));
}

// A file manager's URL of a name: its bytes percent-encoded.
QUrl fileUrl(const QString &name) {
    return QUrl::fromEncoded("file://" + FileNameBytes(name).toPercentEncoding("/"));
}

// Drags urls onto the window and, when it takes them, drops them there: whether it took them.
bool dropOn(FrmMain &w, const QList<QUrl> &urls) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &drop);
    return drop.isAccepted();
}

// Answers the next file dialog from a timer: notes the folder it starts in and chooses name.
void answerFileDialog(QString *startFolder, const QString &name) {
    QTimer::singleShot(0, [startFolder, name] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) return;
        *startFolder = dialog->directory().absolutePath();
        dialog->selectFile(name);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog's own is protected
    });
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

    // Bank A's first channel edited through the dialog, as a user does (a whole record, as a file holds it).
    static void editBankA(MainWindowFixture &f) {
        f.w().editing()->openEditor(EditSource::Memory, 200);
        DlgModify *dlg = f.w().editing()->modifyDialog();
        dlg->findChild<QLineEdit *>(QStringLiteral("txtFreq"))->setText(QStringLiteral("14"));
        dlg->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
        QVERIFY(f.w().image().ChannelUsed[200]);
    }

    QUrl m_opened;

  public slots:
    // Stands for the file manager the folder button opens.
    void openUrl(const QUrl &url) { m_opened = url; }

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

    void badFilesAreRefused() {
        MainWindowFixture f;
        QVERIFY(f.load());
        const QString good = f.path(QStringLiteral("good.M40"));
        CloneImage image = NewCloneImage();
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

        // (a file not there: the start-up file's test)

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
        CloneImage image = NewCloneImage(VariantT);
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
        QCOMPARE(com->retries()->value(), 0);     // each exchange once unless asked
        QCOMPARE(com->retries()->maximum(), 5);
        com->retries()->setValue(2);
        QTest::mouseClick(com->findChild<QPushButton *>(QStringLiteral("OKButton")), Qt::LeftButton);
        QCOMPARE(f.w().portChoice().devicePath, QStringLiteral("/dev/ttyUSB7"));
        QCOMPARE(f.w().portChoice().retries, 2);
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
        QCOMPARE(store.value(store.allKeys().filter(QStringLiteral("Retries")).value(0)).toInt(), 2);
    }

    // Find the radio asks the listed ports (the window letting go of the one it holds) and chooses the one
    // that answers; OK keeps it.
    void findTheRadioInComPortSetup() {
        auto other = std::make_shared<VirtualRadio>();
        other->modelName = QStringLiteral("XYZ12");
        PtyRadioServer otherPort(other), radioPort(std::make_shared<VirtualRadio>());
        QString error;
        QVERIFY(otherPort.open(&error) && radioPort.open(&error));
        MainWindowFixture f;
        QVERIFY(f.load());
        QVERIFY(f.w().session()->setLink(std::make_unique<SerialLink>(radioPort.devicePath())));
        QVERIFY(f.w().session()->link()->open(&error)); // as after a transfer
        qputenv("KT_M40_PORTS", (otherPort.devicePath() + ":" + radioPort.devicePath()).toLocal8Bit());
        f.w().action(QStringLiteral("mnuToolsOptions"))->trigger();
        qunsetenv("KT_M40_PORTS");
        DlgCom *com = f.w().comDialog();
        QTRY_VERIFY(com->isVisible());
        QCOMPARE(com->otherPath()->count(), 2);
        // named ports keep their order; a pseudo-terminal has nothing more to show
        QCOMPARE(com->otherPath()->itemText(0), otherPort.devicePath());
        QTest::mouseClick(com->findButton(), Qt::LeftButton);
        QVERIFY(!com->findButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(com->findButton()->isEnabled(), 10000);
        QVERIFY(com->otherOption()->isChecked());
        QCOMPARE(com->otherPath()->currentText(), radioPort.devicePath());
        QCOMPARE(com->findLog()->toPlainText(),
                 otherPort.devicePath() +
                     " skipped: the answer names 'XYZ12', not KTM40\nThe radio (KT-M40J) "
                     "answered on " +
                     radioPort.devicePath() + ": chosen (OK keeps it).");
        QCOMPARE(radioPort.radio()->commandLog(), QList<QByteArray>{"RZ~WHO"});
        QTest::mouseClick(com->findChild<QPushButton *>(QStringLiteral("OKButton")), Qt::LeftButton);
        QCOMPARE(f.w().portChoice().devicePath, radioPort.devicePath());
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

    void platformKeysForOpenSaveSaveAsAndQuit_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QStringList>("shown"); // with the save question answered No, dialogs cancelled
        QTest::addColumn<bool>("saved");        // the edit is in the file
        QTest::addColumn<bool>("open");         // the window after
        QTest::newRow("Ctrl+O: Open")
            << QKeySequence(Qt::CTRL | Qt::Key_O) << QStringList{"question", "open"} << false << true;
        QTest::newRow("Ctrl+S: Save") << QKeySequence(Qt::CTRL | Qt::Key_S) << QStringList{} << true << true;
        QTest::newRow("Ctrl+Shift+S: Save As")
            << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << QStringList{"save"} << false << true;
        QTest::newRow("Ctrl+Q: Exit")
            << QKeySequence(Qt::CTRL | Qt::Key_Q) << QStringList{"question"} << false << false;
        QTest::newRow("Ctrl+N: New, as before")
            << QKeySequence(Qt::CTRL | Qt::Key_N) << QStringList{"question"} << false << true;
    }

    void platformKeysForOpenSaveSaveAsAndQuit() {
        QFETCH(QKeySequence, keys);
        QFETCH(QStringList, shown);
        QFETCH(bool, saved);
        QFETCH(bool, open);
        MainWindowFixture f;
        QVERIFY(f.load());
        const QString path = f.path(QStringLiteral("keys.M40"));
        f.prompts.fileNames = {path};
        f.w().files()->mnuFileSaveAs_Click();
        editChannel(f, 3, 7123000);
        const QByteArray edited = MakeMemData(f.w().image(), 3).toLatin1();
        f.prompts.shown.clear();
        f.prompts.answers = {UserPrompts::Answer::No};
        f.w().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTest::keySequence(f.window.get(), keys);
        QCOMPARE(f.prompts.kinds(), shown);
        QCOMPARE(readFile(path).contains(edited), saved);
        QCOMPARE(f.w().isVisible(), open);
    }

    void recentFilesReopenWhatWasOpenedOrSaved() {
        MainWindowFixture f;
        QVERIFY(f.load());
        QMenu *recent = f.w().findChild<QMenu *>(QStringLiteral("mnuFileRecent"));
        QCOMPARE(recent->title(), QStringLiteral("Recent Files(&R)"));
        QVERIFY(!recent->menuAction()->isEnabled()); // nothing opened or saved yet
        const QString a = f.path(QStringLiteral("a.M40")), b = f.path(QStringLiteral("b.M40"));
        // two names that show alike: Latin-1 bytes, and the UTF-8 of the same letter
        const QByteArray latinBytes = QFile::encodeName(f.path(QStringLiteral("lat"))) + "\xe4.M40";
        const QString latin = FileNameFromBytes(latinBytes), utf8 = f.path(QStringLiteral("lat\u00e4.M40"));
        editChannel(f, 5, 3550000);
        for (const QString &name : {a, b, latin}) {
            f.prompts.fileNames = {name};
            f.w().action(QStringLiteral("mnuFileSaveAs"))->trigger();
        }
        f.w().action(QStringLiteral("mnuFileNew"))->trigger();
        f.prompts.fileNames = {utf8};
        f.w().action(QStringLiteral("mnuFileSaveAs"))->trigger();
        f.prompts.fileNames = {a};
        f.w().action(QStringLiteral("mnuFileOpen"))->trigger(); // opened: first again
        QVERIFY(recent->menuAction()->isEnabled());
        QCOMPARE(recentEntries(f.w()),
                 (QStringList{"&1 " + a, "&2 " + utf8, "&3 " + ShownFileName(latin), "&4 " + b}));

        // An entry opens its very file, with the save question for unsaved work, also after a restart.
        f.w().action(QStringLiteral("mnuFileNew"))->trigger();
        editChannel(f, 9, 7000000);
        f.prompts.shown.clear();
        f.prompts.answers = {UserPrompts::Answer::No};
        f.w().action(QStringLiteral("mnuFileRecent_3"))->trigger();
        QCOMPARE(f.prompts.kinds(), QStringList{"question"});
        QCOMPARE(FileNameBytes(f.w().cloneFileName()), latinBytes);
        QCOMPARE(f.memory()->model->index(5, 0).data().toString(), QStringLiteral("3.550.000"));
        QVERIFY(f.w().close());
        f.restart();
        QVERIFY(f.load());
        QCOMPARE(recentEntries(f.w()),
                 (QStringList{"&1 " + ShownFileName(latin), "&2 " + a, "&3 " + utf8, "&4 " + b}));
        f.w().action(QStringLiteral("mnuFileRecent_3"))->trigger();
        QCOMPARE(f.w().cloneFileName(), utf8);
        f.w().action(QStringLiteral("mnuFileRecent_2"))->trigger();
        QCOMPARE(FileNameBytes(f.w().cloneFileName()), latinBytes);

        // One that has gone says so, asks nothing else and leaves the list; the window keeps its data.
        QVERIFY(QFile::remove(b));
        editChannel(f, 9, 7000000);
        f.prompts.shown.clear();
        f.w().action(QStringLiteral("mnuFileRecent_4"))->trigger();
        QCOMPARE(f.prompts.kinds(), QStringList{"critical"});
        QCOMPARE(f.prompts.lastText(), b + " is no longer there. It has been taken off the recent files.");
        QCOMPARE(recentEntries(f.w()), (QStringList{"&1 " + ShownFileName(latin), "&2 " + utf8, "&3 " + a}));
        QVERIFY(f.w().dataChanged() && f.w().image().ChannelUsed[9]);

        f.w().action(QStringLiteral("mnuFileRecentClear"))->trigger();
        QVERIFY(recentEntries(f.w()).isEmpty());
        QVERIFY(!f.w().findChild<QMenu *>(QStringLiteral("mnuFileRecent"))->menuAction()->isEnabled());
        QVERIFY(StoredRecentFiles().isEmpty());
        // A list written in the settings file by hand: eleven names, one twice, one no name at all
        QVariantList stored;
        for (int i = 1; i <= 10; ++i)
            stored << QByteArray("/r/") + QByteArray::number(i);
        stored.insert(1, QByteArray("/r/1"));
        stored.insert(2, QVariant(7));
        QCOMPARE(RecentFiles::fromStored(stored).names(),
                 (QStringList{"/r/1", "/r/2", "/r/3", "/r/4", "/r/5", "/r/6", "/r/7", "/r/8"}));
    }

    // The list's rules: newest first, each file once, at most eight; read back from the settings file, the
    // list keeps its order and its names. A step "+name" adds /r/name.M40, "-name" removes it (a name with a
    // colon stands as it is); names are bytes.
    void recentFilesListRules_data() {
        QTest::addColumn<QByteArray>("steps");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("newest first") << QByteArray("+a +b") << QByteArray("b a");
        QTest::newRow("opened again moves up, once") << QByteArray("+a +b +c +a") << QByteArray("a c b");
        QTest::newRow("another spelling") << QByteArray("+a +x/../a +/b +./b") << QByteArray("./b x/../a");
        QTest::newRow("nine: the oldest goes")
            << QByteArray("+1 +2 +3 +4 +5 +6 +7 +8 +9") << QByteArray("9 8 7 6 5 4 3 2");
        QTest::newRow("removed, and one not there") << QByteArray("+a +b +c -b -none") << QByteArray("c a");
        QTest::newRow("empty name") << QByteArray("+a +") << QByteArray("a");
#ifdef Q_OS_WIN
        QTest::newRow("letter case") << QByteArray("+C:/r/a.M40 +c:\\R\\A.m40") << QByteArray("c:\\R\\A.m40");
#else
        QTest::newRow("letter case: two files") << QByteArray("+a +A") << QByteArray("A a");
        // a Latin-1 name and the UTF-8 one that shows alike are two files
        QTest::newRow("bytes: two files")
            << QByteArray("+lat\xe4 +lat\xc3\xa4") << QByteArray("lat\xc3\xa4 lat\xe4");
#endif
    }
    void recentFilesListRules() {
        QFETCH(QByteArray, steps);
        QFETCH(QByteArray, expected);
        const auto name = [](const QByteArray &token) {
            return FileNameFromBytes(token.isEmpty() || token.contains(':') ? token : "/r/" + token + ".M40");
        };
        RecentFiles files;
        for (const QByteArray &step : steps.split(' '))
            step.startsWith('+') ? files.add(name(step.mid(1))) : files.remove(name(step.mid(1)));
        QStringList names;
        for (const QByteArray &token : expected.split(' '))
            names << name(token);
        QCOMPARE(files.names(), names);
        QCOMPARE(RecentFiles::fromStored(files.toStored()).names(), names);
    }

    void droppedFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents"); // "" for no file; "clone" for a clone file
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QStringList>("shown"); // the save question answered No; an import asks nothing
        const QByteArray csv =
            "\"MODEL\",\"BANK\"\r\n\"KT-M40\",\"MEMORY\",\"199\",\"7.1\",\"\",\"\",\"67.0\",\"67.0\","
            "\"023\",\"\",\"0\",\"Hi\",\"\",\"\",\"\",\"\",\"NAME\",\"Off\"\r\n";
        const QStringList question{"question"};
        QTest::newRow("clone file") << "drop.M40" << QByteArray("clone") << true << question;
        QTest::newRow("lower-case extension") << "low.m40" << QByteArray("clone") << true << question;
        QTest::newRow("name not UTF-8")
            << FileNameFromBytes("lat\xe4.M40") << QByteArray("clone") << true << question;
        QTest::newRow("CSV file") << "list.csv" << csv << true << QStringList{};
        QTest::newRow("other file") << "notes.txt" << QByteArray("text") << false << QStringList{};
        QTest::newRow("clone file not there") << "gone.M40" << QByteArray() << false << QStringList{};
        QTest::newRow("folder") << "folder.M40" << QByteArray("folder") << false << QStringList{};
    }

    void droppedFiles() {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(bool, taken);
        QFETCH(QStringList, shown);
        MainWindowFixture f;
        QVERIFY(f.load());
        const QString path = f.dir.path() + QLatin1Char('/') + name;
        if (contents == "clone") {
            CloneImage image = NewCloneImage();
            image.ChannelTable[7].field[FieldFrequency] = {QStringLiteral("3.550.000"), 3550000};
            image.ChannelUsed[7] = true;
            QVERIFY(SaveCloneFile(path, image) == FileStatus::Ok);
        } else if (contents == "folder") {
            QVERIFY(QDir(f.dir.path()).mkdir(name));
        } else if (!contents.isEmpty()) {
            LocalFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        }
        editChannel(f, 9, 7000000);
        f.prompts.answers = {UserPrompts::Answer::No};
        const QString before = f.w().windowTitle();
        QCOMPARE(dropOn(f.w(), {fileUrl(path)}), taken);
        if (!taken) {
            QVERIFY(!dropOn(f.w(), {fileUrl(path), fileUrl(f.path(QStringLiteral("other.M40")))}));
            QTest::qWait(20);
            QVERIFY(f.prompts.shown.isEmpty());
            QCOMPARE(f.w().windowTitle(), before);
            QVERIFY(f.w().dataChanged());
            return;
        }
        QVERIFY(WaitUntil([&] { return !f.w().dataChanged(); }));
        QCOMPARE(f.prompts.kinds(), shown);
        QVERIFY(!f.w().dataChanged());
        if (shown.isEmpty()) { // imported: channel 199 from the list, and no file named
            QCOMPARE(f.w().windowTitle(), title);
            QVERIFY2(f.w().statusText().startsWith(QStringLiteral("Imported 1 records")),
                     qPrintable(f.w().statusText()));
            QCOMPARE(f.memory()->model->index(199, 0).data().toString(), QStringLiteral("7.100.000"));
        } else {
            QCOMPARE(f.w().windowTitle(), name + " - " + title);
            QCOMPARE(FileNameBytes(f.w().cloneFileName()), FileNameBytes(path));
            QCOMPARE(f.memory()->model->index(7, 0).data().toString(), QStringLiteral("3.550.000"));
        }
    }

    void sizePlaceAndColumnsKeptBetweenRuns() {
        MainWindowFixture f;
        QVERIFY(f.load());
        const QSize firstRun = f.w().size();
        QTableView *memory = f.memory()->MSFlexGrid1;
        const int nameWidth = memory->columnWidth(FieldName);
        const QRect screen = f.w().screen()->availableGeometry();
        const QRect placed(screen.topLeft() + QPoint(30, 40), firstRun + QSize(20, 10));
        f.w().setGeometry(placed);
        memory->setColumnWidth(FieldName, nameWidth + 55);
        f.settings()->MSFlexGrid2->setColumnWidth(FieldMode, 123);
        QVERIFY(f.w().close());
        f.restart();
        QVERIFY(f.load());
        QCOMPARE(f.w().geometry(), placed);
        QCOMPARE(f.memory()->MSFlexGrid1->columnWidth(FieldName), nameWidth + 55);
        QCOMPARE(f.settings()->MSFlexGrid2->columnWidth(FieldMode), 123);

        // Off every screen: back where the user can take hold of it, at the size it had.
        f.w().move(screen.right() + 3000, screen.bottom() + 3000);
        QVERIFY(f.w().close());
        f.restart();
        QVERIFY(f.load());
        QVERIFY2(screen.intersects(f.w().frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2").arg(f.w().x()).arg(f.w().y())));
        QCOMPARE(f.w().size(), placed.size());

        // Stored values that are no geometry or widths: a first run's.
        QVERIFY(f.w().close());
        {
            SettingsStore store;
            store.setValue(QStringLiteral("Settings/MainGeometry"), QByteArray("no geometry"));
            store.setValue(QStringLiteral("Settings/MemoryColumnWidths"), QStringList{"80", "x"});
            store.setValue(QStringLiteral("Settings/VfoColumnWidths"), QStringList(8, QStringLiteral("-5")));
        }
        f.restart();
        QVERIFY(f.load());
        QCOMPARE(f.w().size(), firstRun);
        QCOMPARE(f.memory()->MSFlexGrid1->columnWidth(FieldName), nameWidth);
        QVERIFY(f.settings()->MSFlexGrid2->columnWidth(FieldMode) != 123);
        QVERIFY(f.settings()->MSFlexGrid2->columnWidth(FieldMode) > 0);
    }

    void dialogsStartInTheLastFolderAndPrintToFileBesideTheCloneFile() {
        MainWindowFixture f;
        QVERIFY(f.load());
        QVERIFY(QDir(f.dir.path()).mkpath(QStringLiteral("one/two")));
        const QString one = f.path(QStringLiteral("one")), two = f.path(QStringLiteral("one/two"));
        const QString csv = one + QStringLiteral("/list.csv");
        QVERIFY(writeFile(csv, "x"));
        QtUserPrompts shown;
        QString start;
        answerFileDialog(&start, csv);
        QCOMPARE(shown.openFileName(&f.w(), QStringLiteral("Import"), CsvFileFilter), csv);
        answerFileDialog(&start, two + QStringLiteral("/new.M40"));
        QCOMPARE(shown.saveFileName(&f.w(), QStringLiteral("Save As"), CloneFileFilter),
                 two + QStringLiteral("/new.M40"));
        QCOMPARE(start, one);
        // a clone file saved by the window counts as well: the next dialog starts beside it
        const QString clone = f.path(QStringLiteral("mine.backup.M40"));
        f.prompts.fileNames = {clone};
        f.w().files()->mnuFileSaveAs_Click();
        answerFileDialog(&start, csv);
        shown.openFileName(&f.w(), QStringLiteral("Import"), CsvFileFilter);
        QCOMPARE(start, f.dir.path());

        // Print to File proposes the clone file's name as a PDF beside it; untitled, in the last folder.
        auto proposed = [&f] {
            f.w().action(QStringLiteral("mnuFilePrint"))->trigger();
            QPrintDialog *dialog = nullptr;
            auto shown = [&] {
                for (QPrintDialog *d : f.w().findChildren<QPrintDialog *>())
                    if (d->isVisible()) dialog = d;
                return dialog != nullptr;
            };
            if (!WaitUntil(shown)) return QStringLiteral("no dialog");
            const QString text = dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->text();
            dialog->reject();
            return text;
        };
        QCOMPARE(proposed(), f.path(QStringLiteral("mine.backup.pdf")));
        f.w().action(QStringLiteral("mnuFileNew"))->trigger();
        QCOMPARE(proposed(), one + QStringLiteral("/untitled.pdf"));
    }

    void longStatusLineLosesItsMiddleNotItsEnd() {
        QLabel panel;
        panel.resize(300, 20);
        panel.show(); // a hidden label hears of a resize only when shown
        StatusLine line(&panel, 60000, nullptr);
        const QString whole =
            QStringLiteral("Read from the radio in 0:08. Backup saved: /home/op/.local/share/kt-m40/"
                           "backups/KT-M40 2026-12-07 18.00.00.M40");
        line.showMessage(whole);
        QCOMPARE(line.text(), whole);
        QCOMPARE(panel.toolTip(), whole);
        const QString shown = panel.text();
        QVERIFY2(shown.size() < whole.size() && shown.contains(QChar(0x2026)), qPrintable(shown));
        QVERIFY2(shown.startsWith(QStringLiteral("Read from")) && shown.endsWith(QStringLiteral("00.M40")),
                 qPrintable(shown));
        panel.resize(4000, 20); // room again: the whole line
        QCOMPARE(panel.text(), whole);
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
    // Each command that replaces data no file holds keeps them first, with no question: after an export
    // (nothing is unsaved, yet no clone file holds the edit), and after a No that held only for an Open
    // cancelled in its file dialog (that Open leaves nothing behind). The backup stays named in the status
    // bar after the command's own message, whole in the tooltip, shortened in the middle only, with a button
    // that opens its folder.
    void replacingUnkeptDataKeepsItFirst_data() {
        QTest::addColumn<QString>("command"); // "" for closing the window
        QTest::addColumn<bool>("afterNo");
        QTest::addColumn<QString>("sentence"); // the status bar's, in English or, when given, in Japanese
        const QString en = QStringLiteral("Unsaved work kept: ");
        QTest::newRow("new") << "mnuFileNew" << false << en;
        QTest::newRow("open") << "mnuFileOpen" << false << en;
        QTest::newRow("read") << "mnuReMem" << false << en;
        QTest::newRow("import") << "mnuImport" << false << en;
        QTest::newRow("close") << "" << false << en;
        QTest::newRow("read after a No, ja") << "mnuReMem" << true << "保存されていない作業の保管先: ";
        QTest::newRow("import after a No") << "mnuImport" << true << en;
    }
    void replacingUnkeptDataKeepsItFirst() {
        QFETCH(QString, command);
        QFETCH(bool, afterNo);
        QFETCH(QString, sentence);
        QTemporaryDir backups;
        AppOptions options = BackupsIn(backups.path());
        options.language = sentence.startsWith(QLatin1Char('U')) ? UiLanguage::English : UiLanguage::Japanese;
        MainWindowFixture f(options);
        QVERIFY(f.load());
        f.setPaced(false);                     // a read here only replaces the data
        f.w().resize(f.w().minimumSizeHint()); // where room is shortest
        const QString file = f.path(QStringLiteral("a.M40"));
        if (afterNo) {
            editBankA(f);
            const CloneImage before = f.w().image();
            f.prompts.answers = {UserPrompts::Answer::No};
            f.w().action(QStringLiteral("mnuFileOpen"))->trigger(); // Escape in the file dialog
            QCOMPARE(f.prompts.kinds(), (QStringList{"question", "open"}));
            QCOMPARE(f.w().image(), before);
            QVERIFY(unsavedBackups(backups.path()).isEmpty());
        } else {
            f.prompts.fileNames = {file};
            f.w().action(QStringLiteral("mnuFileSaveAs"))->trigger();
            QVERIFY(QFileInfo::exists(file));
            editBankA(f);
            f.prompts.choices = {0}; // the original layout: channels 0 to 199 and the VFOs only
            f.prompts.fileNames = {f.path(QStringLiteral("list.csv"))};
            f.w().action(QStringLiteral("mnuExport"))->trigger();
            QVERIFY(QFileInfo::exists(f.path(QStringLiteral("list.csv"))));
            QVERIFY(!f.w().dataChanged()); // no question comes
        }
        QLabel *label = f.w().keptWorkNotice()->label();
        QVERIFY(!label->isVisible());
        const CloneImage edited = f.w().image();
        f.prompts.shown.clear();
        f.prompts.fileNames = {file};
        if (command == QStringLiteral("mnuImport")) {
            QVERIFY(writeFile(f.path(QStringLiteral("b.csv")), "\"MODEL\",\"BANK\"\r\n"));
            f.prompts.fileNames = {f.path(QStringLiteral("b.csv"))};
        }
        if (command.isEmpty())
            QVERIFY(f.w().close());
        else
            f.w().action(command)->trigger();
        QVERIFY(f.waitIdle(60000));
        const QStringList saved = unsavedBackups(backups.path());
        QCOMPARE(saved.size(), 1);
        CloneImage back;
        QCOMPARE(LoadCloneFile(saved.first(), back).status, FileStatus::Ok);
        QCOMPARE(back.ChannelTable[200], edited.ChannelTable[200]);
        QVERIFY(!f.prompts.kinds().contains(QStringLiteral("question")));
        if (command.isEmpty()) { // what the next start names
            QCOMPARE(SettingsStore().value(QStringLiteral("Backups/UnsavedWork")).toString(), saved.first());
            return;
        }
        if (command == QStringLiteral("mnuReMem")) QVERIFY(!f.w().statusText().isEmpty()); // the read's own
        QVERIFY(label->isVisible());
        QCOMPARE(label->toolTip(), QDir::toNativeSeparators(saved.first()));
        const QString name = QFileInfo(saved.first()).fileName();
        const QString text = label->text();
        QVERIFY2(text.startsWith(sentence), qPrintable(text));
        const QStringList parts = text.mid(sentence.size()).split(QChar(0x2026));
        QVERIFY2(parts.size() == 1 ? parts[0] == name
                                   : parts.size() == 2 && !parts[0].isEmpty() && !parts[1].isEmpty() &&
                                         name.startsWith(parts[0]) && name.endsWith(parts[1]),
                 qPrintable(text));
        // The whole text shows, inside the status bar.
        QTRY_VERIFY(label->width() >= label->fontMetrics().horizontalAdvance(text));
        QVERIFY(f.w().statusBar()->rect().contains(label->geometry()));
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
        f.w().keptWorkNotice()->openFolderAction()->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(m_opened.toLocalFile(), QDir(backups.path()).absolutePath());
    }

    // The save question at New and at close: Cancel ends the command; No gives the edits up; Yes saves them,
    // through the save dialog while no file is named, and when that is cancelled too, the command goes on
    // and the edits are kept in a backup of unsaved work. Data a file holds or given up need no backup.
    void saveQuestionAndBackups_data() {
        QTest::addColumn<QString>("command"); // "" for closing the window
        QTest::addColumn<int>("before");      // 0: nothing made, 1: an edit, 2: an edit saved
        QTest::addColumn<int>("answer");      // to the save question
        QTest::addColumn<QString>("saveAs");  // the name given in the save dialog; "" cancels it
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<int>("kept"); // backups of unsaved work
        const int c = int(UserPrompts::Answer::Cancel), n = int(UserPrompts::Answer::No),
                  y = int(UserPrompts::Answer::Yes);
        const QStringList none, q{"question"}, qs{"question", "save"};
        QTest::newRow("close: nothing made") << "" << 0 << c << "" << none << true << 0;
        QTest::newRow("close: the file holds it") << "" << 2 << c << "" << none << true << 0;
        QTest::newRow("close: No") << "" << 1 << n << "" << q << true << 0;
        QTest::newRow("close: Cancel") << "" << 1 << c << "" << q << false << 0;
        QTest::newRow("close: Yes saves") << "" << 1 << y << "yes.M40" << qs << true << 0;
        QTest::newRow("close: Yes, no name") << "" << 1 << y << "" << qs << true << 1;
        QTest::newRow("New: Cancel") << "mnuFileNew" << 1 << c << "" << q << false << 0;
        QTest::newRow("New button: Yes, no name") << "tb_新規作成" << 1 << y << "" << qs << true << 1;
    }
    void saveQuestionAndBackups() {
        QFETCH(QString, command);
        QFETCH(int, before);
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(QStringList, shown);
        QFETCH(bool, goesOn);
        QFETCH(int, kept);
        QTemporaryDir backups;
        MainWindowFixture f(BackupsIn(backups.path()));
        QVERIFY(f.load());
        if (before > 0) editBankA(f);
        f.prompts.fileNames = {f.path(QStringLiteral("c.M40"))};
        if (before > 1) f.w().action(QStringLiteral("mnuFileSaveAs"))->trigger();
        f.prompts.shown.clear();
        f.prompts.fileNames = saveAs.isEmpty() ? QStringList() : QStringList{f.path(saveAs)};
        f.prompts.answers = {UserPrompts::Answer(answer)};
        if (command.isEmpty())
            QCOMPARE(f.w().close(), goesOn);
        else
            f.w().action(command)->trigger();
        QCOMPARE(f.prompts.kinds(), shown);
        QCOMPARE(unsavedBackups(backups.path()).size(), kept);
        QCOMPARE(f.w().isVisible() && f.w().image().ChannelUsed[200], before > 0 && !goesOn);
        if (!command.isEmpty()) QCOMPARE(f.w().dataChanged(), !goesOn);
        CloneImage back;
        if (!saveAs.isEmpty()) QVERIFY(LoadCloneFile(f.path(saveAs), back).status == FileStatus::Ok);
        QCOMPARE(back.ChannelUsed[200], !saveAs.isEmpty());
    }

    void unsavedBackupsCountAmongTheKeptOnes() {
        QTemporaryDir backups;
        CloneImage image;
        ClearTables(image);
        const QDateTime t0(QDate(2026, 1, 1), QTime(10, 0));
        for (int i = 0; i < 3; ++i)
            QVERIFY(SaveBackup(image, backups.path(), t0.addSecs(i), 3).ok);
        const BackupResult unsaved = SaveUnsavedWorkBackup(image, backups.path(), t0.addSecs(10), 3);
        QVERIFY(unsaved.ok);
        QCOMPARE(QFileInfo(unsaved.path).fileName(),
                 QStringLiteral("KT-M40 2026-01-01 10-00-10 unsaved.M40"));
        const QStringList all = ListBackups(backups.path());
        QCOMPARE(all.size(), 3); // the oldest went
        QCOMPARE(all.last(), unsaved.path);
        QVERIFY(QFileInfo(all.first()).fileName().endsWith(QStringLiteral("10-00-01.M40")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
