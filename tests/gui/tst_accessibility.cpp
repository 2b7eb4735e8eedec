// Every radio owner can use the window: a screen reader finds a name on every control of every window and
// dialog; the main work is done with the keyboard alone; Tab goes through each dialog in the order the eye
// reads it; no two items of a menu share an access letter in any language; and every text follows the
// language the window runs in: under Japanese, a text in plain English letters is only one of the fixed
// texts that stay as they are in both languages (the grid captions, the page buttons, the edit dialog's
// labels, the message titles...).
#include "MainWindowFixture.h"
#include "app/EditCommands.h"
#include "app/GridModels.h"
#include "channels/ChannelRecord.h"
#include "image/SettingsLists.h"
#include "support/TestFiles.h"
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTableView>

namespace {
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

// The texts that are the same in both languages.
const QStringList FixedTexts =
    QStringLiteral(
        "Settings|Memory|Settings 1|Memorys|Read Memory|Write Memory|Insert|Delete|Clear|Clear All|"
        "Up|Down|Read Settings|Write Settings|Auto Select|KT-M40J|KTM-40T|KT-M40E|KT-M40A|Modify |"
        "Frequency|M|K|Hz|Name|Skip|Mode|RF Gain|AGC|Power|Filter|Noise Blanker|Tone|"
        "Split Frequency|OK|Cancel|VFO A|VFO B|Memory A|Memory B|COM Port Setup|"
        "About Korvan Clone Utility|Korvan KT-M40 Clone Utility|Version 0.10.00 Beta|"
        // View > Language names each language in itself, whatever the window speaks
        "English|Deutsch|Italiano")
        .split(QLatin1Char('|'));

bool speaksEnglish(const QString &text) {
    static const QRegularExpression fixedPattern(QStringLiteral("^(CH\\d+|P[12]|COM\\s*\\d+)$"));
    QString t = text;
    t.remove(QLatin1Char('&'));
    bool letters = false;
    for (const QChar c : t) {
        if (c.unicode() > 127) return false; // written in Japanese
        letters = letters || c.isLetter();
    }
    return letters && !FixedTexts.contains(text) && !fixedPattern.match(text).hasMatch();
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

class TestAccessibility : public QObject {
    Q_OBJECT

    QTemporaryDir backups;

  private slots:
    void initTestCase() {
        // a screen reader is listening: the interfaces report what they would send it
        QAccessible::setActive(true);
    }

    void everyControlHasAName() {
        MainWindowFixture f(BackupsIn(backups.path()));
        QVERIFY(f.load());
        Walk walk;
        f.eachWindow([&walk](QWidget *w) { walk.window(w); });
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

    // Tab goes into the group of port options once, at its chosen one; the arrows go on within it, to Other
    // port and the virtual radio as well. (The edit dialog's order: gui_tst_window's visual-order test.)
    void tabFollowsTheLayout() {
        const QMap<QString, QStringList> orders = {
            {"dlgCOM", {"opbCom0", "cmbOtherPort", "cmdFindRadio", "cmbRetries", "OKButton"}},
            {"dlgSetField", {"cmbField", "cmbValue", "OKButton", "CancelButton"}},
            {"dlgFind", {"txtFind", "opbName", "cmdFindNext", "cmdClose"}}};
        MainWindowFixture f(BackupsIn(backups.path()));
        QVERIFY(f.load());
        QStringList walked;
        f.eachWindow([&](QWidget *shown) {
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
        const QStringList lines = QString::fromLatin1(readFile(saved)).split(QStringLiteral("\r\n"));
        QVERIFY2(lines.size() > 9, qPrintable(lines.join(QLatin1Char('\n'))));
        // Channel 2: used, USB, AGC slow, power low, 14,250,500 Hz, "KBD", its split frequency 7,074,000 Hz.
        const QString edited =
            QStringLiteral("800000010100000000000000000000000472D900443B3D0000000000D0F06B00");
        QCOMPARE(lines[5 + 2], edited); // rows 3 to 5: on the radio, after Write > Changes

        // Tool > Write > Changes: the radio holds the three edited channels, the others as they were.
        const QString untouched = f.radio->block(0x0600 + 0x20 * 5);
        QTest::keyClick(window, Qt::Key_T, Qt::AltModifier);
        menuKey('w');
        menuKey('c');
        QVERIFY(WaitUntil([&f] { return f.w().transferRunning(); }, 5000));
        QVERIFY(f.waitIdle());
        QVERIFY2(f.prompts.shown.size() == 1, qPrintable(f.prompts.lastText())); // the save dialog only
        QCOMPARE(f.radio->block(0x0600 + 0x20 * 2), edited);
        QCOMPARE(f.radio->block(0x0600 + 0x20 * 4).mid(2 * 4, 2), QStringLiteral("01")); // byte 4: power low
        QCOMPARE(f.radio->block(0x0600 + 0x20 * 5), untouched);
        QCOMPARE(f.w().statusText(), QStringLiteral("3 records differed, 3 written, all verified"));
    }

    // In every language the items of one menu (and the menu bar's titles) each have a letter of their own;
    // the texts come from the translations built into the program; English and Japanese show the original
    // program's texts, German its own words. Under Japanese no text of any window or dialog speaks English
    // unless it is one of the fixed ones.
    void menusAndTextsInEveryLanguage_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("exit");
        const char *const rows[][3] = {{"ja", "ﾌｧｲﾙ(&F)", "終了(&X)"}, {"de", "&Datei", "&Beenden"},
                                       {"fr", "&Fichier", "&Quitter"}, {"es", "&Archivo", "&Salir"},
                                       {"it", "&File", "&Esci"},       {"en", "File(&F)", "Exit(&X)..."}};
        for (const auto &[code, file, exit] : rows) // English last: it comes back after the others
            QTest::newRow(code) << QString::fromUtf8(code) << QString::fromUtf8(file)
                                << QString::fromUtf8(exit);
    }
    void menusAndTextsInEveryLanguage() {
        QFETCH(QString, code);
        QFETCH(QString, file);
        QFETCH(QString, exit);
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
        QCOMPARE(w.menuBar()->actions().first()->text(), file);
        QCOMPARE(w.action(QStringLiteral("mnuFileExit"))->text(), exit);
        if (code == QLatin1String("en")) {
            QStringList titles, items; // the File menu's from Print Setup on
            for (QAction *a : w.menuBar()->actions())
                titles << a->text();
            QCOMPARE(titles, (QStringList{"File(&F)", "Edit(&E)", "View(&V)", "Tool(&T)", "Help(&H)"}));
            for (QAction *a : w.findChild<QMenu *>(QStringLiteral("mnuFile"))->actions())
                if (!a->isSeparator()) items << a->text();
            QCOMPARE(items.mid(7, 4), (QStringList{"Print Setup(&U)...", "Print Preview(&V)...",
                                                   "Print(&P)...", "Exit(&X)..."}));
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
            const std::pair<const char *, const char *> texts[] = {
                {"mnuWrAll", "すべて(&A)"},
                {"mnuFilePageSetup", "ﾍﾟｰｼﾞ設定(&U)..."},
                {"mnuFilePrintPreview", "印刷プレビュー(&V)..."},
                {"mnuFilePrint", "印刷(&P)..."}};
            for (const auto &[name, text] : texts)
                QCOMPARE(w.action(QLatin1String(name))->text(), QString::fromUtf8(text));
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
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
