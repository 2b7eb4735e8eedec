// The main window as a user meets it: start-up, File commands with the save question, the recent files,
// dropped files, the port file and COM Port Setup with Find the radio, the about box, the geometry kept
// between runs, nothing lost (unsaved work kept in a backup before it is thrown away); boxes and columns
// wide enough for their texts, short settings lists, Tab in each dialog's visual order, options around the
// file name, message boxes on their window; File > Export, Import, Print Setup, Print Preview and Print;
// every control named for a screen reader, the main work by keyboard alone, menus and texts in every
// language.
#include "MainWindowFixture.h"
#include "app/AppOptions.h"
#include "app/GridModels.h"
#include "app/KeptWorkNotice.h"
#include "app/StatusLine.h"
#include "app/UserPrompts.h"
#include "channels/ChannelRecord.h"
#include "channels/NameCharset.h"
#include "files/Backups.h"
#include "files/CloneFile.h"
#include "files/LocalName.h"
#include "files/NewImage.h"
#include "files/RecentFiles.h"
#include "image/SettingsLists.h"
#include "image/SettingsStore.h"
#include "image/TextTables.h"
#include "image/UiText.h"
#include "link/PtyRadioServer.h"
#include "link/SerialLink.h"
#include "print/PrintPainter.h"
#include "support/Poppler.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QSpinBox>
#include <QSplashScreen>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <cmath>

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
// The roles of controls that take input or show a value.
const QSet<QAccessible::Role> Interactive = {
    QAccessible::PushButton,    QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
    QAccessible::EditableText,  QAccessible::SpinBox,  QAccessible::Table,       QAccessible::List,
    QAccessible::Tree,          QAccessible::PageTab,  QAccessible::MenuItem,    QAccessible::ButtonMenu,
    QAccessible::ButtonDropDown};

// What names a control for a screen reader: its name, or the label it is labelled by (a combo box's name
// on this platform is its value; its label comes as the relation, from the label's buddy).
QString labelOf(QAccessibleInterface *iface) {
    for (const auto &[other, relation] : iface->relations(QAccessible::Label))
        if (!other->text(QAccessible::Name).isEmpty()) return other->text(QAccessible::Name);
    return iface->text(QAccessible::Name);
}

// The shown controls under an interface: those a screen reader would find without a name, and what names
// each it looked at, by objectName. A grid's cells are looked at on their own.
struct Walk {
    QStringList unnamed;
    QMap<QString, QString> named;

    void under(QAccessibleInterface *iface, const QString &path) {
        if (!iface || !iface->isValid() || iface->state().invisible) return;
        const QString name = iface->object() ? iface->object()->objectName() : QString();
        const QString here = path + QLatin1Char('/') + name;
        if (Interactive.contains(iface->role())) {
            named[name] = labelOf(iface);
            if (labelOf(iface).trimmed().isEmpty())
                unnamed << here + QStringLiteral(" (role %1)").arg(int(iface->role()));
        }
        if (iface->role() == QAccessible::Table) return;
        for (int i = 0; i < iface->childCount(); ++i)
            under(iface->child(i), here);
    }
    void window(QWidget *w) { under(QAccessible::queryAccessibleInterface(w), w->objectName()); }
};

// The objectNames Tab visits from the focus, until it comes back round (at most `limit` steps).
QStringList tabChain(QWidget *dialog, int limit = 40) {
    QStringList names;
    QWidget *first = QApplication::focusWidget();
    for (int i = 0; i < limit && first; ++i) {
        QWidget *now = QApplication::focusWidget();
        names << now->objectName();
        QTest::keyClick(now, Qt::Key_Tab);
        if (QApplication::focusWidget() == first || !dialog->isAncestorOf(QApplication::focusWidget())) break;
    }
    return names;
}

// Where the next key goes: the focus, or the active window when nothing has it.
QWidget *keyTarget() {
    return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
}

// The window takes the keys (the offscreen platform leaves activation to the program).
bool activate(QWidget *window) {
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

// A key for the open pop-up menu (a menu bar title opens it; a letter picks its item).
void menuKey(char key) {
    QWidget *menu = QApplication::activePopupWidget();
    QVERIFY2(menu, "no menu open");
    QTest::keyClick(menu, key);
}

bool speaksEnglish(const QString &text) {
    static const QRegularExpression fixedPattern(QStringLiteral("^(CH\\d+|P[12]|COM\\s*\\d+)$"));
    QString t = text;
    t.remove(QLatin1Char('&'));
    bool letters = false;
    for (const QChar c : t) {
        if (c.unicode() > 127) return false; // written in Japanese
        letters = letters || c.isLetter();
    }
    // the same in every language, a text a row
    static const QList<QStringList> fixedTexts = corpusRows(QStringLiteral("gui/fixed-texts.txt"));
    return letters && !fixedTexts.contains(QStringList{text.trimmed()}) &&
           !fixedPattern.match(text).hasMatch();
}

// The texts of a window and all its widgets and actions that speak English.
QStringList englishTexts(QWidget *window, const QStringList &settingsLabels) {
    QStringList found;
    auto check = [&](const QString &where, const QString &text) {
        if (speaksEnglish(text) && !settingsLabels.contains(text)) found << where + ": " + text;
    };
    check(window->objectName() + " title", window->windowTitle());
    for (QLabel *l : window->findChildren<QLabel *>())
        check(l->objectName(), l->text());
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        check(b->objectName(), b->text());
        check(b->objectName() + " tip", b->toolTip());
    }
    for (QGroupBox *g : window->findChildren<QGroupBox *>())
        check(g->objectName(), g->title());
    for (QTabWidget *t : window->findChildren<QTabWidget *>())
        for (int i = 0; i < t->count(); ++i)
            check("tab", t->tabText(i));
    for (QMenu *m : window->findChildren<QMenu *>())
        check(m->objectName(), m->title());
    for (QAction *a : window->findChildren<QAction *>()) {
        if (a->isSeparator()) continue;
        check(a->objectName(), a->text());
        if (a->toolTip() != QString(a->text()).remove(QLatin1Char('&')))
            check(a->objectName() + " tip", a->toolTip());
    }
    return found;
}
} // namespace

class TestWindow : public QObject {
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

    void click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    // The width the view itself finds a column needs for the texts in sight and its header.
    static int neededWidth(QTableView *view, int column) {
        const int width = view->columnWidth(column);
        view->resizeColumnToContents(column);
        const int needed = view->columnWidth(column);
        view->setColumnWidth(column, width);
        return needed;
    }

    QTemporaryDir backups;

  public slots:
    // Stands for the file manager the folder button opens.
    void openUrl(const QUrl &url) { m_opened = url; }

  private slots:
    void initTestCase() {
        // a screen reader is listening: the interfaces report what they would send it
        QAccessible::setActive(true);
    }

    // A screen reader finds a name on every control of every window and dialog. Tab goes into the group of
    // port options once, at its chosen one; the arrows go on within it, to Other port and the virtual radio
    // as well. (The edit dialog's order: the visual-order test.)
    void everyControlHasANameAndTabFollowsTheLayout() {
        const QMap<QString, QStringList> orders = {
            {"dlgCOM", {"opbCom0", "cmbOtherPort", "cmdFindRadio", "cmbRetries", "OKButton"}},
            {"dlgSetField", {"cmbField", "cmbValue", "OKButton", "CancelButton"}},
            {"dlgFind", {"txtFind", "opbName", "cmdFindNext", "cmdClose"}}};
        MainWindowFixture f(BackupsIn(backups.path()));
        QVERIFY(f.load());
        Walk walk;
        QStringList walked;
        f.eachWindow([&](QWidget *shown) {
            walk.window(shown);
            QStringList order = orders.value(shown->objectName());
            if (order.isEmpty()) return;
            walked << shown->objectName();
            QVERIFY(activate(shown));
            shown->findChild<QWidget *>(order.first())->setFocus(Qt::TabFocusReason);
            // a control that is off (Find the radio, on a computer without serial ports) takes no focus
            order.removeIf(
                [shown](const QString &name) { return !shown->findChild<QWidget *>(name)->isEnabled(); });
            QCOMPARE(tabChain(shown), order);
        });
        QCOMPARE(walked.size(), orders.size());
        QVERIFY2(walk.unnamed.isEmpty(), qPrintable(walk.unnamed.join(QLatin1Char('\n'))));
        // the walk reached every kind: grids, lists, boxes, a spin box, a check box, options, buttons; a list
        // is named by its label, the edit dialog's frequency boxes by their unit
        for (const char *name : {"MSFlexGrid1", "MSFlexGrid2", "cmbOtherPort", "txtFind", "cmbRetries",
                                 "chkSkip", "opbModel0", "opbCom0", "cmbValue", "cmdFindNext"})
            QVERIFY2(walk.named.contains(QLatin1String(name)), name);
        const QMap<QString, QString> labels = {
            {"cmbKeyLock", "Key Lock"}, {"txtFreq", "MHz"},  {"txtFreq2", "kHz"},   {"txtFreq3", "Hz"},
            {"txtSP3", "Hz"},           {"txtName", "Name"}, {"cmbGain", "RF Gain"}};
        for (auto it = labels.cbegin(); it != labels.cend(); ++it)
            QCOMPARE(walk.named.value(it.key()), it.value());

        // A settings list says the setting with its value as its description.
        QComboBox *keyLock = f.w().findChild<QComboBox *>(QStringLiteral("cmbKeyLock"));
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(keyLock);
        keyLock->setCurrentIndex(0);
        QCOMPARE(list->text(QAccessible::Value), QStringLiteral("Off"));
        QCOMPARE(list->text(QAccessible::Description), QStringLiteral("Key Lock: Off"));
        keyLock->setCurrentIndex(1);
        QCOMPARE(list->text(QAccessible::Description), QStringLiteral("Key Lock: Dial Lock"));
        // The memory grid's cells: row label and column, then what the cell shows.
        QAccessibleTableInterface *grid =
            QAccessible::queryAccessibleInterface(f.memory()->MSFlexGrid1)->tableInterface();
        QVERIFY(grid);
        f.w().image().ChannelUsed[210] = true;
        f.w().image().ChannelTable[210].field[FieldAGC].text = QStringLiteral("Slow");
        QCOMPARE(grid->cellAt(210, FieldAGC)->text(QAccessible::Name), QStringLiteral("A 10, AGC: Slow"));
        QCOMPARE(grid->cellAt(400, FieldName)->text(QAccessible::Name), QStringLiteral("A-P1, Name"));
    }

    void theMainWorkByKeyboardAlone() {
        MainWindowFixture f(BackupsIn(backups.path()));
        QVERIFY(f.load());
        f.setPaced(false);
        QWidget *window = &f.w();
        QVERIFY(activate(window));
        // Tool > Read > ALL.
        QTest::keyClick(window, Qt::Key_T, Qt::AltModifier);
        menuKey('r');
        menuKey('a');
        QVERIFY(WaitUntil([&f] { return f.w().transferRunning(); }, 5000));
        QVERIFY(f.waitIdle());
        QVERIFY2(f.prompts.shown.isEmpty(), qPrintable(f.prompts.lastText()));
        QCOMPARE(f.w().image().ChannelTable[2].field[FieldName].text, QStringLiteral("FT8 40M"));

        QVERIFY(activate(window)); // the offscreen platform leaves the closed menu active
        // Into the memory grid by Tab, to channel 2, and Enter: the edit dialog.
        QTableView *grid = f.memory()->MSFlexGrid1;
        for (int i = 0; i < 30 && QApplication::focusWidget() != grid; ++i)
            QTest::keyClick(keyTarget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), grid);
        QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Return);
        DlgModify *dialog = f.w().editing()->modifyDialog();
        QVERIFY(activate(dialog));
        // 14 / 250 / 500 MHz, kHz, Hz: the boxes move on by themselves; Tab to the name; Enter is OK.
        QTest::keyClicks(keyTarget(), QStringLiteral("14"));
        QTest::keyClicks(keyTarget(), QStringLiteral("250"));
        QTest::keyClicks(keyTarget(), QStringLiteral("500"));
        QTest::keyClick(keyTarget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtName"));
        QTest::keyClicks(keyTarget(), QStringLiteral("kbd"));
        QTest::keyClick(keyTarget(), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QVERIFY(activate(window));
        QVERIFY(WaitUntil([grid] { return QApplication::focusWidget() == grid; }, 5000));

        // Rows 2 to 4 with Shift+Down; Edit > Set Field: Pwr, Low.
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(window, Qt::Key_E, Qt::AltModifier);
        menuKey('s');
        DlgSetField *setField = f.w().editing()->setFieldDialog();
        QVERIFY(activate(setField));
        QCOMPARE(QApplication::focusWidget(), setField->cmbField);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(setField->cmbField, Qt::Key_Down);
        QTest::keyClick(setField->cmbField, Qt::Key_Tab);
        QTest::keyClick(setField->cmbValue, Qt::Key_Down);
        QTest::keyClick(setField->cmbValue, Qt::Key_Return);
        QVERIFY(!setField->isVisible());
        QVERIFY(activate(window));

        // File > Save As, the name given in the file dialog.
        const QString saved = f.path(QStringLiteral("keys.M40"));
        f.prompts.fileNames << saved;
        QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
        menuKey('a');
        QVERIFY(QFileInfo::exists(saved));
        // Channel 2: used, USB, AGC slow, power low, 14,250,500 Hz, "KBD", its split frequency 7,074,000 Hz.
        const QString edited =
            QStringLiteral("800000010100000000000000000000000472D900443B3D0000000000D0F06B00");

        // Tool > Write > Changes: the radio holds the three edited channels.
        QTest::keyClick(window, Qt::Key_T, Qt::AltModifier);
        menuKey('w');
        menuKey('c');
        QVERIFY(WaitUntil([&f] { return f.w().transferRunning(); }, 5000));
        QVERIFY(f.waitIdle());
        QVERIFY2(f.prompts.shown.size() == 1, qPrintable(f.prompts.lastText())); // the save dialog only
        QCOMPARE(f.radio->block(0x0600 + 0x20 * 2), edited);
        QCOMPARE(f.radio->block(0x0600 + 0x20 * 4).mid(2 * 4, 2), QStringLiteral("01")); // byte 4: power low
        QCOMPARE(f.w().statusText(), QStringLiteral("3 records differed, 3 written, all verified"));
    }

    // In every language the items of one menu (and the menu bar's titles) each have a letter of their own;
    // the texts come from the translations built into the program; English and Japanese show the original
    // program's texts, German its own words. Under Japanese no text of any window or dialog speaks English
    // unless it is one of the fixed ones.
    void menusAndTextsInEveryLanguage_data() {
        QTest::addColumn<QString>("code");
        for (const char *code :
             {"ja", "de", "fr", "es", "it", "en"}) // English last: it comes back at the end
            QTest::newRow(code) << QString::fromUtf8(code);
    }
    void menusAndTextsInEveryLanguage() {
        QFETCH(QString, code);
        AppOptions options;
        options.language = LanguageFromCode(code).value();
        MainWindowFixture f(BackupsIn(backups.path(), options));
        QVERIFY(f.load());
        FrmMain &w = f.w();
        QList<QList<QAction *>> groups = {w.menuBar()->actions()};
        for (QMenu *m : w.findChildren<QMenu *>())
            groups << m->actions();
        QStringList clashes;
        for (const QList<QAction *> &group : groups) {
            QMap<QString, QString> byKey;
            for (QAction *a : group) {
                const QString text = a->text();
                static const QRegularExpression key(QStringLiteral("&([^&])"));
                const QString letter = key.match(QString(text).replace(QLatin1String("&&"), QString()))
                                           .captured(1)
                                           .toCaseFolded();
                if (a->isSeparator() || letter.isEmpty()) continue;
                if (byKey.contains(letter)) clashes << byKey[letter] + QLatin1String(" / ") + text;
                byKey[letter] = text;
            }
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(", ")));
        // The menus in the bar and the File menu's last items, in their order; their texts in this language.
        QStringList bar, items;
        for (QAction *a : w.menuBar()->actions())
            bar << a->menu()->objectName();
        QCOMPARE(bar, (QStringList{"mnuFile", "mnuEdit", "mnuView", "mnuTools", "mnuHelp"}));
        for (QAction *a : w.findChild<QMenu *>(QStringLiteral("mnuFile"))->actions())
            if (!a->isSeparator()) items << a->objectName();
        QCOMPARE(items.mid(7, 4),
                 (QStringList{"mnuFilePageSetup", "mnuFilePrintPreview", "mnuFilePrint", "mnuFileExit"}));
        const qsizetype column = QStringList{"en", "ja", "de", "fr", "es", "it"}.indexOf(code) + 1;
        const QList<QStringList> menus = corpusRows(QStringLiteral("gui/menu-texts.tsv"));
        QVERIFY(!menus.isEmpty());
        for (const QStringList &cells : menus) {
            QAction *item =
                w.action(cells[0]) ? w.action(cells[0]) : w.findChild<QMenu *>(cells[0])->menuAction();
            if (cells.value(column) != QStringLiteral("-")) QCOMPARE(item->text(), cells.value(column));
        }
        if (code == QLatin1String("en")) {
            for (const char *name : {"mnuFilePageSetup", "mnuFilePrintPreview", "mnuFilePrint"})
                QVERIFY(w.action(QLatin1String(name))->isEnabled());
            QCOMPARE(w.action(QStringLiteral("mnuFileNew"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
            QCOMPARE(w.action(QStringLiteral("mnuFilePrint"))->shortcut(),
                     QKeySequence(Qt::CTRL | Qt::Key_P));
            // the Japanese walk's check finds the English texts
            const QString found = englishTexts(&w, {}).join(QLatin1Char('\n'));
            QVERIFY(found.contains(QStringLiteral("Verify")) && found.contains(QStringLiteral("File")));
        } else if (code == QLatin1String("ja")) {
            QCOMPARE(w.action(QStringLiteral("tb_開く"))->toolTip(), QStringLiteral("開く"));
            // every text of every window and dialog, a question, the status after a read, a message's detail
            QStringList labels, found;
            for (const SettingsList &l : SettingsLists())
                labels << l.label;
            f.eachWindow([&](QWidget *shown) { found += englishTexts(shown, labels); });
            QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
            // Delete's question keeps its fixed text and says in Japanese that Undo takes the step back.
            f.w().tabs()->setCurrentIndex(1);
            QTest::mouseClick(f.memory()->cmbDelete, Qt::LeftButton); // no answer scripted: cancelled
            const QString question = f.prompts.lastText();
            QVERIFY2(question.startsWith(QStringLiteral("Delete cannot be undone.\r\n")),
                     qPrintable(question));
            QVERIFY2(question.endsWith(QStringLiteral("で取り消せます。")), qPrintable(question));
            // The status line after a read, and a message's detail.
            QTest::mouseClick(f.settings()->cmbRxData1, Qt::LeftButton);
            QVERIFY(
                WaitUntil([&f] { return !f.w().transferRunning() && !f.w().statusText().isEmpty(); }, 60000));
            QVERIFY2(!speaksEnglish(f.w().statusText().section(QLatin1Char(':'), 0, 0)),
                     qPrintable(f.w().statusText()));
            // A clone file that cannot be read: the message title and text stay, the detail is Japanese.
            const QString bad = f.path(QStringLiteral("bad.M40"));
            QVERIFY(writeFile(bad, "short\r\n"));
            QVERIFY(!f.w().files()->openCloneFile(bad));
            QCOMPARE(f.prompts.shown.last().text, QStringLiteral("File Open Error"));
            const QString detail = f.w().statusText().section(QStringLiteral(": "), 1);
            QVERIFY2(!detail.isEmpty() && !speaksEnglish(detail), qPrintable(f.w().statusText()));
            // Export's question of the layout, and the report of an import.
            f.prompts.fileNames = {f.path("x.csv")};
            f.w().action(QStringLiteral("mnuExport"))->trigger();
            QVERIFY(f.prompts.shown.last().text.startsWith(QStringLiteral("CSVファイルの形式:")));
            QVERIFY(writeFile(f.path("j.csv"), "Location,Frequency\r\n1,99\r\n"));
            f.prompts.fileNames = {f.path("j.csv")};
            f.w().action(QStringLiteral("mnuImport"))->trigger();
            QVERIFY(f.prompts.shown.last().text.contains(QStringLiteral("行を拒否しました")));
            QVERIFY(f.prompts.reportLines.value(0).contains(QStringLiteral("拒否")));
        } else if (code == QLatin1String("de")) { // the grids, pages and edit dialog; the table keeps English
            QCOMPARE(f.settings()->vfoModel->index(0, FieldAGC).data().toString(), QStringLiteral("Langsam"));
            QCOMPARE(f.w().image().VfoTable[0].field[FieldAGC].text, QStringLiteral("Slow"));
            QCOMPARE(f.settings()->findChild<QGroupBox *>()->title(), QStringLiteral("Einstellungen 1"));
            QCOMPARE(f.memory()->cmbRxData->text(), QStringLiteral("Speicher lesen"));
            f.w().editing()->openEditor(EditSource::Memory, 200);
            auto *dialog = f.w().editing()->modifyDialog();
            QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("cmbPower"))->itemText(0),
                     QStringLiteral("Hoch"));
            QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblMode"))->text(),
                     QStringLiteral("Speicher A"));
            dialog->reject();
            // Set Field's step and status line name the field and value in the words its dialog showed
            QVERIFY(f.runTransfer("mnuReMem"));
            f.memory()->MSFlexGrid1->selectRow(0);
            f.w().editing()->setFieldOnSelection(BulkField::Power, 1);
            QCOMPARE(f.w().statusText(), QStringLiteral("Leistung auf Niedrig gesetzt: 1 Kanal geändert"));
            const QString undo = f.w().action(QStringLiteral("mnuEditUndoStep"))->text();
            QVERIFY2(undo.contains(QStringLiteral("Leistung")), qPrintable(undo));
        }
    }
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
        QVERIFY(readFile(path).startsWith("Korvan KT-M40E Clone 0 FileStart\r\n"));

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
    }

    void startupFileOpensAfterTheDefaultsAndBadFilesAreRefused() {
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

        // A refused clone file: "Data Error", no name in the title, yet the model option follows the header
        // (which lines are refused: tst_clone_file).
        const QString wrongEnd = g.path(QStringLiteral("end.M40"));
        CloneImage fresh = NewCloneImage();
        QVERIFY(SaveCloneFile(wrongEnd, fresh) == FileStatus::Ok);
        QByteArray ending = readFile(wrongEnd);
        ending.replace(0, 32, "Korvan KT-M40A Clone A FileStart");
        ending.replace(ending.lastIndexOf("File  End"), 9, "File  Xnd");
        QVERIFY(writeFile(wrongEnd, ending));
        g.prompts.fileNames = {wrongEnd};
        g.w().files()->mnuFileOpen_Click();
        QCOMPARE(g.prompts.shown.last().kind, QStringLiteral("critical"));
        QCOMPARE(g.prompts.lastText(), QStringLiteral("Data Error"));
        QCOMPARE(g.w().windowTitle(), title);
        QVERIFY(g.settings()->modelOption(VariantA)->isChecked());
        QVERIFY(g.w().dataChanged());
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
        QTest::mouseClick(com->findChild<QPushButton *>(QStringLiteral("OKButton")), Qt::LeftButton);
        QCOMPARE(f.w().portChoice().devicePath, radioPort.devicePath());
    }

    // File > Export asks the layout (the original first; cancelled there, no file dialog comes), then the
    // name; after an export the window bears the CSV's name, yet Save asks for a clone file's. Import asks
    // nothing: the original layout says in the status line what it took, the others show a report. What
    // each layout writes and takes: the CSV tests (tst_csv_layouts).
    void exportAndImportAskTheirQuestionsAndReport() {
        MainWindowFixture f;
        QVERIFY(f.load());
        f.prompts.fileNames = {f.path(QStringLiteral("base.M40"))};
        f.w().files()->mnuFileSaveAs_Click();
        editChannel(f, 2, 7040000);
        const QString csv = f.path(QStringLiteral("list.csv"));
        f.prompts.shown.clear();
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QCOMPARE(f.prompts.kinds(), QStringList{"choose"});
        const QStringList offered = f.prompts.shown.first().text.split('\n');
        QCOMPARE(offered.size(), 4);
        QVERIFY(offered[1].startsWith("Original layout") && offered[2].startsWith("Full layout") &&
                offered[3].startsWith("CHIRP CSV"));
        QVERIFY(!QFile::exists(csv));
        f.prompts.choices = {0};
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("save"));
        QCOMPARE(f.prompts.shown.last().text, QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*"));
        QVERIFY(readFile(csv).contains("\"KT-M40\",\"MEMORY\",\"2\",\"7.040.000\""));
        QCOMPARE(f.w().windowTitle(), QStringLiteral("list.csv - ") + title);
        QVERIFY(!f.w().dataChanged());
        QVERIFY(f.w().cloneFileName().isEmpty());
        f.w().files()->mnuFileSave_Click();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("save"));
        QVERIFY(readFile(csv).startsWith("\"MODEL\""));
        // The original export imported again takes nothing and says which layout would take it.
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuImport"))->trigger();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("open"));
        QVERIFY(f.w().statusText().contains(QStringLiteral("Nothing was taken from list.csv")));
        QVERIFY(f.w().statusText().contains(QStringLiteral("full layout")));
        QCOMPARE(f.w().windowTitle(), title); // no file holds the data now

        // The full layout back after a VFO edit: the report counts it, the window has its data back.
        for (int k = 0; k < ChannelCount; ++k)
            EmptyChannel(f.w().image(), k);
        UpdateMemData(f.w().image(), gainRecord, 3);
        const QByteArray before = CloneFileBytes(f.w().image());
        const QString gain = f.settings()->vfoModel->index(1, FieldGain).data().toString();
        f.prompts.choices = {1};
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QVERIFY(readFile(csv).startsWith("KT-M40 full CSV,variant J,"));
        QVERIFY(f.w().statusText().contains("list.csv"));
        f.w().image().VfoTable[1].field[FieldGain] = {"-20", 2};
        f.settings()->vfoModel->refreshAll();
        f.w().setDataChanged(false);
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuImport"))->trigger();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("report"));
        QVERIFY2(
            f.prompts.shown.last().text.contains(QStringLiteral(
                "606 lines taken, 0 of them with changes; 0 lines refused; 1 channels and VFOs changed")),
            qPrintable(f.prompts.shown.last().text));
        QCOMPARE(CloneFileBytes(f.w().image()), before);
        QCOMPARE(f.settings()->vfoModel->index(1, FieldGain).data().toString(), gain);
        QVERIFY(f.w().dataChanged()); // an import does not save the clone file

        // CHIRP CSV: the export lists what it cannot carry, the import what it changed and refused.
        f.prompts.choices = {2};
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("report"));
        QVERIFY(f.prompts.shown.last().text.contains("1 channels written"));
        QVERIFY(f.prompts.reportLines.contains("3  Gain  not carried: -10 is not carried by CHIRP CSV"));
        QVERIFY(writeFile(csv, "\xEF\xBB\xBFLocation,Name,Frequency,Duplex,Offset,Tone,Mode\r\n"
                               "20,Rep 10m,29.620000,-,0.100000,Tone,FM\r\n"
                               "21,Two m,146.520000,,,,FM\r\n"));
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuImport"))->trigger();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("report"));
        QVERIFY(
            f.prompts.shown.last().text.contains("1 lines taken, 1 of them with changes; 1 lines refused"));
        QCOMPARE(f.prompts.reportLines.size(), 2);
        QCOMPARE(f.memory()->model->index(20, FieldSplitFreq).data().toString(), QString("29.520.000"));
    }

    // The platform's keys for Open, Save, Save As, Exit and New, on a window whose file holds an older edit;
    // the save question answered No, the file dialogs cancelled. A row: the keys, then the prompts, whether
    // the file holds the new edit and whether the window stays open.
    void platformKeysForOpenSaveSaveAsAndQuit() {
        const std::tuple<QKeySequence, QString> rows[] = {
            {QKeySequence(Qt::CTRL | Qt::Key_O), "question open, open"},
            {QKeySequence(Qt::CTRL | Qt::Key_S), "saved, open"},
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "save, open"},
            {QKeySequence(Qt::CTRL | Qt::Key_Q), "question, closed"},
            {QKeySequence(Qt::CTRL | Qt::Key_N), "question, open"}};
        for (const auto &[keys, expected] : rows) {
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
            const QString outcome =
                (f.prompts.kinds().join(' ') + (readFile(path).contains(edited) ? " saved" : "") +
                 (f.w().isVisible() ? ", open" : ", closed"))
                    .trimmed();
            QVERIFY2(outcome == expected, qPrintable(keys.toString() + ": " + outcome));
        }
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
    // list keeps its order and its names. A row: the steps ("+name" adds /r/name.M40, "-name" removes it, a
    // name with a colon stands as it is; names are bytes), then the list.
    void recentFilesListRules() {
        const std::pair<QByteArray, QByteArray> rows[] = {
            {"+a +b", "b a"},
            {"+a +b +c +a", "a c b"}, // opened again moves up, once
            {"+a +x/../a +/b +./b", "./b x/../a"},
            {"+1 +2 +3 +4 +5 +6 +7 +8 +9", "9 8 7 6 5 4 3 2"},
            {"+a +b +c -b -none", "c a"},
            {"+a +", "a"}, // an empty name
#ifdef Q_OS_WIN
            {"+C:/r/a.M40 +c:\\R\\A.m40", "c:\\R\\A.m40"},
#else
            {"+a +A", "A a"},                                 // letter case: two files
            {"+lat\xe4 +lat\xc3\xa4", "lat\xc3\xa4 lat\xe4"}, // Latin-1 and the UTF-8 that shows alike
#endif
        };
        const auto name = [](const QByteArray &token) {
            return FileNameFromBytes(token.isEmpty() || token.contains(':') ? token : "/r/" + token + ".M40");
        };
        for (const auto &[steps, expected] : rows) {
            RecentFiles files;
            for (const QByteArray &step : steps.split(' '))
                step.startsWith('+') ? files.add(name(step.mid(1))) : files.remove(name(step.mid(1)));
            QStringList names;
            for (const QByteArray &token : expected.split(' '))
                names << name(token);
            QVERIFY2(files.names() == names, steps.constData());
            QVERIFY2(RecentFiles::fromStored(files.toStored()).names() == names, steps.constData());
        }
    }

    // Files dropped on the window: a clone file (its extension in any letter case, its name as bytes) opens
    // after the save question (answered No), a CSV file is imported without one; anything else is refused
    // and changes nothing, and so are two files. A row: the name, what the file holds ("" no file, "clone",
    // "folder"), what comes.
    void droppedFiles() {
        const QByteArray csv =
            "\"MODEL\",\"BANK\"\r\n\"KT-M40\",\"MEMORY\",\"199\",\"7.1\",\"\",\"\",\"67.0\",\"67.0\","
            "\"023\",\"\",\"0\",\"Hi\",\"\",\"\",\"\",\"\",\"NAME\",\"Off\"\r\n";
        const std::tuple<QString, QByteArray, QString> rows[] = {
            {"drop.M40", "clone", "question, opened"},
            {"low.m40", "clone", "question, opened"},
            {FileNameFromBytes("lat\xe4.M40"), "clone", "question, opened"},
            {"list.csv", csv, "imported"},
            {"notes.txt", "text", "refused"},
            {"gone.M40", "", "refused"},
            {"folder.M40", "folder", "refused"}};
        MainWindowFixture f;
        QVERIFY(f.load());
        for (const auto &[name, contents, expected] : rows) {
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
            f.prompts.shown.clear();
            f.prompts.answers = {UserPrompts::Answer::No};
            const QString before = f.w().windowTitle();
            QString outcome;
            if (!dropOn(f.w(), {fileUrl(path)})) {
                const bool two = dropOn(f.w(), {fileUrl(path), fileUrl(f.path(QStringLiteral("other.M40")))});
                QTest::qWait(20);
                const bool untouched =
                    f.prompts.shown.isEmpty() && f.w().windowTitle() == before && f.w().dataChanged();
                outcome = !two && untouched ? "refused" : "refused, yet something changed";
            } else if (WaitUntil([&] { return !f.w().dataChanged(); }) && contents == "clone") {
                const bool opened =
                    f.w().windowTitle() == name + " - " + title &&
                    FileNameBytes(f.w().cloneFileName()) == FileNameBytes(path) &&
                    f.memory()->model->index(7, 0).data().toString() == QStringLiteral("3.550.000");
                outcome = f.prompts.kinds().join(' ') + (opened ? ", opened" : ", not opened as it should");
            } else { // imported: channel 199 from the list, and no file named
                const bool imported =
                    f.w().windowTitle() == title && f.prompts.shown.isEmpty() && !f.w().dataChanged() &&
                    f.w().statusText().startsWith(QStringLiteral("Imported 1 records")) &&
                    f.memory()->model->index(199, 0).data().toString() == QStringLiteral("7.100.000");
                outcome = imported ? "imported" : "not imported as it should: " + f.w().statusText();
            }
            QVERIFY2(outcome == expected, qPrintable(name + ": " + outcome));
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

    // The about box: its texts, each readable on its background, System Info and OK.
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
        for (const char *name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
            const QImage image = about->findChild<QLabel *>(QLatin1String(name))->grab().toImage();
            const QColor background = image.pixelColor(0, 0);
            double best = 1;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    best = qMax(best, contrast(image.pixelColor(x, y), background));
            QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(name).arg(best)));
        }
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
    // and the edits are kept in a backup of unsaved work. Data a file holds or given up need no backup. A
    // row: the command ("" closes the window), what came before (0 nothing made, 1 an edit, 2 an edit
    // saved), the answer, the name given in the save dialog ("" cancels it); then what comes: the prompts,
    // whether the command went on or stopped (the window keeping the edit), the backups of unsaved work, and
    // whether the file named holds the edit.
    void saveQuestionAndBackups() {
        using A = UserPrompts::Answer;
        const std::tuple<QString, int, A, QString, QString> rows[] = {
            {"", 0, A::Cancel, "", "went on, 0 kept"},
            {"", 2, A::Cancel, "", "went on, 0 kept"},
            {"", 1, A::No, "", "question went on, 0 kept"},
            {"", 1, A::Cancel, "", "question stopped with the edit, 0 kept"},
            {"", 1, A::Yes, "yes.M40", "question save went on, 0 kept, saved"},
            {"", 1, A::Yes, "", "question save went on, 1 kept"},
            {"mnuFileNew", 1, A::Cancel, "", "question stopped with the edit, 0 kept"},
            {"tb_新規作成", 1, A::Yes, "", "question save went on, 1 kept"}};
        for (const auto &[command, before, answer, saveAs, expected] : rows) {
            QTemporaryDir backups;
            MainWindowFixture f(BackupsIn(backups.path()));
            QVERIFY(f.load());
            if (before > 0) editBankA(f);
            f.prompts.fileNames = {f.path(QStringLiteral("c.M40"))};
            if (before > 1) f.w().action(QStringLiteral("mnuFileSaveAs"))->trigger();
            f.prompts.shown.clear();
            f.prompts.fileNames = saveAs.isEmpty() ? QStringList() : QStringList{f.path(saveAs)};
            f.prompts.answers = {answer};
            QString state;
            if (command.isEmpty()) {
                state = f.w().close() ? "went on" : "stopped";
            } else {
                f.w().action(command)->trigger();
                state = f.w().dataChanged() ? "stopped" : "went on";
            }
            if (f.w().isVisible() && f.w().image().ChannelUsed[200]) state += " with the edit";
            CloneImage back;
            const bool saved = !saveAs.isEmpty() &&
                               LoadCloneFile(f.path(saveAs), back).status == FileStatus::Ok &&
                               back.ChannelUsed[200];
            const QString outcome = (f.prompts.kinds().join(' ') + ' ' + state +
                                     QStringLiteral(", %1 kept").arg(unsavedBackups(backups.path()).size()) +
                                     (saved ? ", saved" : ""))
                                        .trimmed();
            QVERIFY2(outcome == expected, qPrintable(QStringLiteral("%1 after %2, answer %3: %4")
                                                         .arg(command)
                                                         .arg(before)
                                                         .arg(int(answer))
                                                         .arg(outcome)));
        }
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

    // Tab goes round the edit dialog in the order the eye reads it, each stop once: for a memory channel the
    // three frequency boxes, name, skip, seven lists, three split boxes, OK and Cancel; for a VFO, without
    // name, skip and split, twelve.
    void tabFollowsTheDialogsVisualOrder() {
        MainWindowFixture f;
        QVERIFY(f.load());
        for (const auto &[source, stops] :
             {std::pair{EditSource::Memory, 17}, std::pair{EditSource::Vfo, 12}}) {
            f.w().editing()->openEditor(source, 0);
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
        // The whole row is highlighted; Up stops at the first row, Down at the end of the plain bank.
        QCOMPARE(grid->selectionModel()->selectedRows(), QModelIndexList{grid->model()->index(rows - 2, 0)});
        page->setCurrentRow(1);
        click(page->Command5);
        QCOMPARE(page->currentRow(), 1);
        page->setCurrentRow(200);
        click(page->Command4);
        QCOMPARE(page->currentRow(), 200);
        // A row out of sight comes in as the top row from above, as the last row in sight from below.
        for (const auto &[top, row, down, newTop] :
             {std::tuple{50, 50, false, 49}, std::tuple{100, 40, true, 41},
              std::tuple{1, 120, true, 121 - (rows - 1)}}) {
            page->setTopRow(top);
            page->setCurrentRow(row);
            click(down ? page->Command4 : page->Command5);
            QCOMPARE(page->topRow(), newTop);
        }
        f.w().tabs()->setCurrentIndex(0);
        QTRY_VERIFY(vfo->width() >= vfoWidth + 200);
    }

    // The options stand before, after or around the file name, whose words are joined; "--" ends them. A row:
    // the arguments, the locale, what comes out (the file, then "demo" and "ja" when chosen), "|" between.
    void optionsStandBeforeOrAfterTheFile() {
        const char *const rows[][3] = {{"session1.M40|--demo", "en_US", "session1.M40|demo"},
                                       {"--lang=ja|a b.M40|--demo", "en_US", "a b.M40|demo|ja"},
                                       {"--demo|--lang=ja|my file.M40", "en_US", "my file.M40|demo|ja"},
                                       {"my|--demo|file.M40", "en_US", "my file.M40|demo"},
                                       {"--|--demo", "en_US", "--demo"},
                                       {"--demo|--|--lang=ja.M40", "en_US", "--lang=ja.M40|demo"},
                                       {"--demo", "en_US", "|demo"},
                                       {"", "ja_JP", "|ja"},
                                       {"--lang=en|a.M40", "ja_JP", "a.M40"}};
        for (const auto &[arguments, locale, expected] : rows) {
            QString error;
            const QStringList args = QString(arguments).split('|', Qt::SkipEmptyParts);
            const AppOptions o = ParseAppArguments(QStringList{"kt-m40"} + args, locale, &error);
            QStringList got{o.startupFile};
            if (o.demo) got << "demo";
            if (o.language == UiLanguage::Japanese) got << "ja";
            QVERIFY2(error.isEmpty() && got.join('|') == expected,
                     qPrintable(arguments + (": " + got.join('|'))));
        }
        QString error;
        ParseAppArguments({"kt-m40", "--frobnicate"}, "en_US", &error);
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

        // Page Setup is kept for the next print; the preview shows the pages that print.
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
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
        const QString wide = f.path("wide.pdf");
        printer->setOutputFileName(wide);
        QVERIFY(f.w().printCommands()->printTo(printer));
        const QString info = Poppler("pdfinfo", {wide});
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
        QVERIFY2(size.hasMatch(), qPrintable(info));
        QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble()); // wider than high
        const int widePages = PdfPageCount(wide);
        QVERIFY(widePages >= 2);

        f.w().action("mnuFilePrintPreview")->trigger();
        QPrintPreviewDialog *preview = openDialog<QPrintPreviewDialog>(f.w());
        QVERIFY(preview);
        QPrintPreviewWidget *widget = preview->findChild<QPrintPreviewWidget *>();
        QVERIFY(widget);
        QVERIFY(WaitUntil([&] { return widget->pageCount() > 0; }, 5000));
        QCOMPARE(widget->pageCount(), widePages);
        preview->reject();
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
