// The Edit menu and the Memory page driven as a user does: selections, Undo and Redo of every kind of
// change, the clipboard, Set Field, Sort and Find and their refusals; Insert, Delete, Clear, Clear All, Up
// and Down; the channel edit dialog from both grids. Transfers from the window against the virtual radio:
// Read and Write ALL, a failed transfer, Auto Select, what the window refuses while one runs, the backup
// and the progress in the status bar, Verify, Write > Changes; finished messages give way or fade.
#include "MainWindowFixture.h"
#include "app/GridModels.h"
#include "app/UserPrompts.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelEdit.h"
#include "channels/ChannelRecord.h"
#include "files/Backups.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "support/TestFiles.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>
#include <QWindow>

namespace {
// Channel k holds a frequency and a name that tell it apart.
qint64 marker(int k) {
    return 1600000 + 1000 * qint64(k);
}
QString plain(QString text) {
    return text.remove(QStringLiteral("(&U)")).remove(QStringLiteral("(&R)"));
}
} // namespace

class TestEditing : public QObject {
    Q_OBJECT

    QTemporaryDir backups;
    std::unique_ptr<MainWindowFixture> f;
    CloneImage &image() { return f->w().image(); }
    QTableView *grid() { return f->memory()->MSFlexGrid1; }
    QAction *act(const char *name) { return f->w().action(QLatin1String(name)); }
    QString cell(int k, int field = FieldFrequency) {
        return f->memory()->model->index(k, field).data().toString();
    }
    // Channels made as the edit dialog's OK makes them.
    void fill(int first, int last) {
        for (int k = first; k <= last; ++k) {
            EditFields e = NewChannelFields(VariantJ);
            e.frequency = e.split = SplitFrequency(marker(k));
            e.name = QStringLiteral("C%1").arg(k);
            QVERIFY(ApplyEditFields(image(), EditSource::Memory, k, e, nullptr));
        }
        f->memory()->model->refreshAll();
    }
    // A key typed into the grid, where the user's focus is.
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
        grid()->setFocus();
        QTest::keyClick(grid(), k, m);
    }
    void clickRow(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        grid()->scrollTo(f->memory()->model->index(k, 0));
        const QRect r = grid()->visualRect(f->memory()->model->index(k, 1));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, m, r.center());
    }
    void setClipboardText(const QString &text) { QGuiApplication::clipboard()->setText(text); }
    void click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    // Every channel used, none of it a change.
    void fillAll() {
        fill(0, ChannelCount - 1);
        f->w().document().clearHistory();
        f->w().setDataChanged(false);
    }
    // Channel k holds what channel `from` held before the operation, or nothing when from is -1, in the
    // image and in the grid.
    bool holdsFrom(int k, int from) {
        const ChannelEntry &entry = image().ChannelTable[k];
        const bool held =
            from < 0 ? entry == ChannelEntry() : entry.field[FieldFrequency].value == double(marker(from));
        return held && image().ChannelUsed[k] == (from >= 0) &&
               cell(k) == (from < 0 ? QString() : FormatFrequencyText(marker(from)));
    }

    // The edit dialog.
    DlgModify *dlg() { return f->w().editing()->modifyDialog(); }
    QLineEdit *box(const char *name) { return dlg()->findChild<QLineEdit *>(QLatin1String(name)); }
    QComboBox *combo(const char *name) { return dlg()->findChild<QComboBox *>(QLatin1String(name)); }
    QLabel *label(const char *name) { return dlg()->findChild<QLabel *>(QLatin1String(name)); }
    // The dialog's focus widget (whether or not the platform has made the dialog the active window).
    bool focused(const char *name) { return dlg()->focusWidget() == box(name); }
    QPushButton *button(const char *name) { return dlg()->findChild<QPushButton *>(QLatin1String(name)); }

    void doubleClickRow(QTableView *view, int row) {
        const QModelIndex index = view->model()->index(row, 1);
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    }
    void openChannel(int k) {
        f->w().tabs()->setCurrentIndex(1);
        doubleClickRow(f->memory()->MSFlexGrid1, k);
        QVERIFY(WaitUntil([this] { return dlg()->isVisible(); }, 2000));
        // Focus events need the dialog to be the active window. The click on the grid asked the platform to
        // activate the main window, which may arrive late; and the offscreen platform may still count a
        // dialog hidden earlier as its focus window. Move the activation to the main window and back until
        // the dialog stays active.
        QVERIFY(WaitUntil(
            [this] {
                if (!dlg()->isActiveWindow()) {
                    f->w().windowHandle()->requestActivate();
                    QTest::qWait(10);
                    dlg()->activateWindow();
                    return false;
                }
                QTest::qWait(40);
                return dlg()->isActiveWindow();
            },
            5000));
        QTRY_VERIFY(focused("txtFreq"));
        QCOMPARE(box("txtFreq")->selectedText(), box("txtFreq")->text());
    }

    QList<QPushButton *> radioButtons() {
        return {f->memory()->cmbRxData, f->memory()->cmbTxData, f->settings()->cmbRxData1,
                f->settings()->cmbTxData1, f->settings()->cmdAuto};
    }
    // After any ending: every button back, default pointer, progress bar hidden at 0.
    void expectRestored() {
        for (QPushButton *b : radioButtons())
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(f->memory()->cmbInsert->isEnabled());
        QVERIFY(f->w().action(QStringLiteral("mnuFileOpen"))->isEnabled());
        QVERIFY(f->w().action(QStringLiteral("mnuReAll"))->isEnabled());
        QVERIFY(!f->memory()->ProgressBar1->isVisible());
        QCOMPARE(f->memory()->ProgressBar1->value(), 0);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    QStringList writes() const {
        QStringList out;
        for (const QByteArray &line : f->radio->commandLog())
            if (line.startsWith("RZ~F") && line.size() > 9) out << QString::fromLatin1(line.left(9));
        return out;
    }
    // The window holds what the radio holds; that read leaves no backup behind.
    bool holdWhatTheRadioHolds() {
        f->setPaced(false);
        const bool read = f->runTransfer("mnuReAll") && f->prompts.shown.isEmpty();
        for (const QString &file : ListBackups(backups.path()))
            QFile::remove(file);
        f->setPaced(true);
        return read;
    }

    // The status lines of a transfer the button starts: its progress lines, the last of them counting every
    // record, then only its outcome, which stays.
    QStringList statusLinesOf(QPushButton *button) {
        QSignalSpy lines(&f->w(), &FrmMain::statusTextChanged);
        QTest::mouseClick(button, Qt::LeftButton);
        if (!WaitUntil([this] { return f->w().transferRunning(); }, 5000) || !f->waitIdle(120000)) return {};
        QStringList texts;
        for (const QList<QVariant> &l : lines)
            texts << l.first().toString();
        const QRegularExpression progress(
            QStringLiteral("^\\d+ of 604 records, \\d+:\\d\\d elapsed, (\\d+:\\d\\d|--:--) left$"));
        int last = -1;
        for (int i = 0; i < texts.size(); ++i)
            if (progress.match(texts[i]).hasMatch()) last = i;
        if (last < 0 || !texts[last].startsWith(QStringLiteral("604 of 604 records")) ||
            last + 1 >= texts.size() || f->w().statusText() != texts.last())
            return QStringList{QStringLiteral("unexpected lines")} + texts;
        return texts;
    }

  private slots:
    void init() {
        f = std::make_unique<MainWindowFixture>(BackupsIn(backups.path()));
        QVERIFY(f->load());
        fill(0, 30);
        f->w().tabs()->setCurrentIndex(1);
        f->w().document().clearHistory();
        f->w().document().markKept(); // as if a file held them: no backup of unsaved work comes
        f->w().setDataChanged(false);
    }
    void cleanup() {
        if (f) { // a test that shows real message boxes has let it go already
            QVERIFY(f->waitIdle(30000));
            f->w().setDataChanged(false);
            f.reset();
        }
        for (const QString &file : ListBackups(backups.path()))
            QFile::remove(file);
    }

    void undoStartsDisabledThenDeleteUndoRedoByKeys() {
        QCOMPARE(act("mnuEditUndo")->text(), QStringLiteral("Modify(&M)"));
        QVERIFY(!act("mnuEditUndoStep")->isEnabled());
        QVERIFY(!act("mnuEditRedoStep")->isEnabled());
        QCOMPARE(act("mnuEditUndoStep")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(act("mnuEditRedoStep")->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
        // Every Edit menu item carries its accelerator letter.
        const QMenu *edit = f->w().menuBar()->findChild<QMenu *>(QStringLiteral("mnuEdit"));
        for (QAction *a : edit->actions())
            if (!a->isSeparator()) QVERIFY2(a->text().contains(QLatin1Char('&')), qPrintable(a->text()));

        // Delete, then Undo and Redo by their keys.
        const CloneImage before = image();
        const QString caption = f->w().windowTitle();
        f->memory()->setCurrentRow(18); // channel 17
        f->prompts.answers = {UserPrompts::Answer::Ok};
        QTest::mouseClick(f->memory()->cmbDelete, Qt::LeftButton);
        QCOMPARE(cell(17), FormatFrequencyText(marker(18)));
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Delete 17"));
        f->w().setDataChanged(false);
        key(Qt::Key_Z);
        QVERIFY(image() == before);
        QCOMPARE(cell(17), FormatFrequencyText(marker(17)));
        QVERIFY(f->w().dataChanged()); // the data differ from what was last saved or not: they changed
        QCOMPARE(f->w().windowTitle(), caption);
        QCOMPARE(plain(act("mnuEditRedoStep")->text()), QStringLiteral("Redo Delete 17"));
        key(Qt::Key_Y);
        QCOMPARE(cell(17), FormatFrequencyText(marker(18)));
        key(Qt::Key_Z);
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(cell(199), QString()); // the shifted-in empty channel is back
        QVERIFY(!act("mnuEditRedoStep")->isEnabled());
    }

    void selectionsAreWholeRows() {
        clickRow(4);
        clickRow(7, Qt::ShiftModifier);
        QCOMPARE(f->memory()->selectedChannels(), (QList<int>{4, 5, 6, 7}));
        clickRow(10, Qt::ControlModifier);
        QCOMPARE(f->memory()->selectedChannels(), (QList<int>{4, 5, 6, 7, 10}));
        QCOMPARE(f->memory()->currentRow(), 11); // the page's buttons act on the row clicked last
        QCOMPARE(grid()->selectionModel()->selectedIndexes().size(), 5 * ChannelFieldCount);
        key(Qt::Key_A);
        QCOMPARE(f->memory()->selectedChannels().size(), ChannelCount);
        QCOMPARE(f->memory()->currentRow(), 11);
        clickRow(2);
        QCOMPARE(f->memory()->selectedChannels(), QList<int>{2});
        // Ctrl+End and Ctrl+Home go to the last and the first row and leave it selected.
        clickRow(5, Qt::ShiftModifier);
        for (const auto &[k, row] : {std::pair{Qt::Key_End, 603}, std::pair{Qt::Key_Home, 0}}) {
            key(k);
            const QModelIndexList rows = grid()->selectionModel()->selectedRows();
            QCOMPARE(rows.size(), 1);
            QCOMPARE(rows.first().row(), row);
            QCOMPARE(f->memory()->currentRow(), row + 1);
        }
    }

    // Channel 4 holds codes outside the lists (gain 7, tone byte 140, NB 5): the text form would give
    // them as +10, On, On; Paste takes the lossless form, and the record comes back byte for byte.
    void copyThenPasteFromTheCurrentRowDownAndUndo() {
        const QString odd = QStringLiteral("800107000000008C0005000000000000"
                                           "10936B003A3B3C000000000010936B00");
        QVERIFY(UpdateMemData(image(), odd, 4));
        f->memory()->model->refreshAll();
        f->memory()->selectChannels(3, 5);
        key(Qt::Key_C);
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        // both forms, the spreadsheet's text (its titles and three rows: the text's own tests) and the
        // lossless
        QCOMPARE(data->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 4);
        QVERIFY(data->hasFormat(ChannelsMimeType));
        QCOMPARE(QString::fromLatin1(data->data(ChannelsMimeType)).split(QLatin1Char('\n')).value(2), odd);
        QVERIFY(!f->w().dataChanged());
        const CloneImage before = image();
        f->memory()->setCurrentRow(101); // channel 100
        key(Qt::Key_V);
        QCOMPARE(MakeMemData(image(), 101), odd);
        for (int i : {0, 2})
            QCOMPARE(cell(100 + i, FieldName), QStringLiteral("C%1").arg(3 + i));
        QCOMPARE(f->memory()->selectedChannels(), (QList<int>{100, 101, 102}));
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Paste 3 channels"));
        QVERIFY(f->w().dataChanged());
        key(Qt::Key_Z);
        QVERIFY(image() == before);
        QCOMPARE(cell(100), QString());
    }

    void cutEmptiesTheSelectionInOneStep() {
        f->memory()->selectChannels(10, 12);
        const CloneImage before = image();
        key(Qt::Key_X);
        for (int k = 10; k <= 12; ++k)
            QVERIFY(!image().ChannelUsed[k]);
        QVERIFY(f->prompts.shown.isEmpty()); // Undo makes the question needless
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Cut 3 channels"));
        f->memory()->setCurrentRow(301);
        key(Qt::Key_V);
        QCOMPARE(image().ChannelTable[300], before.ChannelTable[10]);
        key(Qt::Key_Z);
        key(Qt::Key_Z);
        QVERIFY(image() == before);
        f->memory()->selectChannels(0, 0);
        key(Qt::Key_C);
        QCOMPARE(f->w().statusText(), QStringLiteral("1 channel copied"));
    }

    void aFailedPasteChangesNothingAndLeavesNoStep() {
        f->prompts.answers = {UserPrompts::Answer::Ok};
        f->memory()->setCurrentRow(2);
        QTest::mouseClick(f->memory()->cmbClear, Qt::LeftButton);
        const CloneImage afterClear = image();
        f->w().setDataChanged(false);
        f->prompts.shown.clear();
        f->memory()->setCurrentRow(6);
        setClipboardText(QStringLiteral("7.000.000\tLSB\n30.000.000\tUSB\n"));
        key(Qt::Key_V);
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"});
        QVERIFY2(f->prompts.lastText().contains(QStringLiteral("Row 6")) &&
                     f->prompts.lastText().contains(QStringLiteral("Frequency")) &&
                     f->prompts.lastText().contains(QStringLiteral("(1.6MHz - 30MHz)")),
                 qPrintable(f->prompts.lastText()));
        QVERIFY(image() == afterClear);
        QCOMPARE(cell(5), FormatFrequencyText(marker(5)));
        QVERIFY(!f->w().dataChanged());
        QCOMPARE(f->w().statusText(), QStringLiteral("Nothing pasted"));
        // Undo after it undoes the step before it.
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Clear 1"));
        key(Qt::Key_Z);
        QCOMPARE(f->w().statusText(), QStringLiteral("Undone: Clear 1"));
        QVERIFY(image().ChannelUsed[1]);
        QVERIFY(!act("mnuEditUndoStep")->isEnabled());
    }

    void setFieldThroughItsDialogAndItsRefusal() {
        f->memory()->selectChannels(0, 4);
        image().ChannelUsed[2] = false; // an empty channel in the selection stays empty
        act("mnuEditSetField")->trigger();
        DlgSetField *dlg = f->w().editing()->setFieldDialog();
        QVERIFY(dlg->isVisible());
        dlg->cmbField->setCurrentIndex(int(BulkField::Mode));
        dlg->cmbValue->setCurrentIndex(4); // AM
        QTest::mouseClick(dlg->OKButton, Qt::LeftButton);
        QVERIFY(!dlg->isVisible());
        for (int k : {0, 1, 3, 4})
            QCOMPARE(cell(k, FieldMode), QStringLiteral("AM"));
        QVERIFY(!image().ChannelUsed[2]);
        QCOMPARE(cell(5, FieldMode), QStringLiteral("LSB"));
        // One count in the Edit menu and the status bar: the four channels in use changed, not the empty one.
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Set Mode on 4 channels"));
        QCOMPARE(f->w().statusText(), QStringLiteral("Mode set to AM: 4 channels changed"));
        act("mnuEditUndoStep")->trigger();
        for (int k : {0, 1, 3, 4})
            QCOMPARE(cell(k, FieldMode), QStringLiteral("LSB"));
        // A channel the dialog could not store refuses the whole change.
        image().ChannelTable[3].field[FieldFrequency] = {QStringLiteral("0.500.000"), 500000};
        const CloneImage before = image();
        f->w().editing()->setFieldOnSelection(BulkField::Tone, 1);
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"});
        QVERIFY2(f->prompts.lastText().contains(QStringLiteral("Row 3")), qPrintable(f->prompts.lastText()));
        QVERIFY(image() == before);
        QVERIFY(!act("mnuEditUndoStep")->isEnabled());
    }

    void sortSelectionByNameAndFrequency() {
        // Names in reverse of the frequencies over rows 0..4.
        for (int k = 0; k <= 4; ++k)
            image().ChannelTable[k].field[FieldName] = {QString(QChar('E' - k)), 0};
        f->memory()->selectChannels(0, 4);
        act("mnuEditSortName")->trigger();
        QCOMPARE((QStringList{cell(0, FieldName), cell(1, FieldName), cell(4, FieldName)}),
                 (QStringList{"A", "B", "E"}));
        QCOMPARE(cell(0), FormatFrequencyText(marker(4)));
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Sort 5 channels by name"));
        // Each command says what it did: no message of the one before stays.
        QCOMPARE(f->w().statusText(), QStringLiteral("5 channels sorted by name"));
        key(Qt::Key_Z);
        QCOMPARE(f->w().statusText(), QStringLiteral("Undone: Sort 5 channels by name"));
        key(Qt::Key_Y);
        QCOMPARE(f->w().statusText(), QStringLiteral("Redone: Sort 5 channels by name"));
        act("mnuEditSortFrequency")->trigger();
        QCOMPARE(cell(0), FormatFrequencyText(marker(0)));
        QCOMPARE(f->w().statusText(), QStringLiteral("5 channels sorted by frequency"));
        f->memory()->selectChannels(7, 7);
        act("mnuEditSortName")->trigger();
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"}); // one row: nothing to sort
        QCOMPARE(f->w().statusText(), QStringLiteral("Nothing sorted"));
    }

    void findByNameAndFrequencyThenF3() {
        image().ChannelTable[25].field[FieldName] = {QStringLiteral("BEACON"), 0};
        image().ChannelTable[450].field = image().ChannelTable[25].field;
        image().ChannelUsed[450] = true;
        f->memory()->setCurrentRow(1);
        f->w().tabs()->setCurrentIndex(0);
        key(Qt::Key_F);
        DlgFind *dlg = f->w().editing()->findDialog();
        QVERIFY(dlg->isVisible());
        QCOMPARE(f->w().tabs()->currentWidget(), f->memory());
        QTest::keyClicks(dlg->txtFind, QStringLiteral("beac"));
        QTest::mouseClick(dlg->cmdFindNext, Qt::LeftButton);
        QCOMPARE(f->memory()->currentRow(), 26);
        QTest::keyClick(grid(), Qt::Key_F3);
        QCOMPARE(f->memory()->currentRow(), 451);
        const int top = f->memory()->topRow();
        QVERIFY(451 >= top && 451 < top + f->memory()->visibleRowCount()); // scrolled into view
        QTest::keyClick(grid(), Qt::Key_F3);
        QCOMPARE(f->memory()->currentRow(), 26); // round again
        dlg->opbFrequency->setChecked(true);
        dlg->txtFind->setText(QStringLiteral("1.612"));
        QTest::mouseClick(dlg->cmdFindNext, Qt::LeftButton);
        QCOMPARE(f->memory()->currentRow(), 13);
        dlg->txtFind->setText(QStringLiteral("9.999.999"));
        QTest::mouseClick(dlg->cmdFindNext, Qt::LeftButton);
        QCOMPARE(f->memory()->currentRow(), 13);
        QCOMPARE(f->prompts.kinds(), QStringList{"information"});
    }

    void settingsListsAndModelChoiceAreUndoable() {
        f->w().tabs()->setCurrentIndex(0);
        QComboBox *dimmer = f->settings()->findChild<QComboBox *>(QStringLiteral("cmbDimmer"));
        const int was = dimmer->currentIndex();
        dimmer->setCurrentIndex(was + 5);
        QVERIFY(!f->w().dataChanged()); // a list pick alone is no unsaved change
        QVERIFY(plain(act("mnuEditUndoStep")->text()).startsWith(QStringLiteral("Undo Setting ")));
        QTest::mouseClick(f->settings()->modelOption(VariantE), Qt::LeftButton);
        QCOMPARE(image().Variant, int(VariantE));
        QVERIFY(f->w().dataChanged());
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Model KT-M40E"));
        act("mnuEditUndoStep")->trigger();
        QCOMPARE(image().Variant, int(VariantJ));
        QVERIFY(f->settings()->modelOption(VariantJ)->isChecked());
        act("mnuEditUndoStep")->trigger();
        QCOMPARE(dimmer->currentIndex(), was);
        QCOMPARE(image().Settings[SettingsListIndex(QStringLiteral("cmbDimmer"))], was);
        act("mnuEditRedoStep")->trigger();
        QCOMPARE(dimmer->currentIndex(), was + 5);
    }

    void openAndNewAreUndoableWithTheirFileNames() {
        const QString file = f->path(QStringLiteral("other.M40"));
        CloneImage other = NewCloneImage(VariantT);
        other.ChannelTable[0].field[FieldFrequency] = {QStringLiteral("7.123.000"), 7123000};
        other.ChannelUsed[0] = true;
        QCOMPARE(SaveCloneFile(file, other), FileStatus::Ok);
        const CloneImage before = image();
        const QString caption = f->w().windowTitle();
        f->prompts.fileNames = {file};
        act("mnuFileOpen")->trigger();
        QCOMPARE(cell(0), QStringLiteral("7.123.000"));
        QVERIFY(f->w().windowTitle().startsWith(QStringLiteral("other.M40 - ")));
        QVERIFY(!f->w().dataChanged());
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Open other.M40"));
        act("mnuEditUndoStep")->trigger();
        QVERIFY(image() == before);
        QCOMPARE(f->w().windowTitle(), caption); // Save would not write the old data over other.M40
        QCOMPARE(f->w().cloneFileName(), QString());
        QVERIFY(f->settings()->modelOption(VariantJ)->isChecked());
        QVERIFY(f->w().dataChanged());
        act("mnuEditRedoStep")->trigger();
        QCOMPARE(f->w().cloneFileName(), file);
        QVERIFY(f->settings()->modelOption(VariantT)->isChecked());
        f->prompts.answers = {UserPrompts::Answer::No};
        act("mnuFileNew")->trigger();
        QCOMPARE(cell(0), QString());
        QCOMPARE(f->w().cloneFileName(), QString());
        act("mnuEditUndoStep")->trigger();
        QCOMPARE(cell(0), QStringLiteral("7.123.000"));
        QCOMPARE(f->w().cloneFileName(), file);
    }

    // A button on a grid row (one above its channel): channels first..last take what channel k + shift
    // held, channel `emptied` empties (all of them for ChannelCount), every other channel stays, and so do
    // the VFOs and settings. The question asked (none for Insert). A button that moved or emptied something
    // leaves an Undo step that brings every channel back; one that did nothing leaves none, yet marks the
    // data changed.
    void buttonsMoveOrEmptyChannels() {
        // The fixed questions, then what this program adds: Edit > Undo takes the step back.
        const QString undo = "\r\n\r\nThis step can be undone with Edit > Undo.";
        const QString del =
            "DELETE OK\nDelete cannot be undone.\r\nAre you sure that you want to do the delete?" + undo;
        const QString clear =
            "CLEAR OK\nClear cannot be undone.\r\nAre you sure that you want to do the clear?" + undo;
        const QString all =
            "CLEAR OK\nClear cannot be undone.\r\nAre you sure that you want to clear all memory?" + undo;
        struct Case {
            QString button;
            int row, first, last, shift, emptied;
            QString question, step;
        };
        const Case cases[] = {{"cmbInsert", 1, 1, 199, -1, 0, "", "Insert 0"},
                              {"cmbInsert", 3, 3, 199, -1, 2, "", "Insert 2"},
                              {"cmbInsert", 200, 0, -1, 0, 199, "", "Insert 199"},
                              {"cmbInsert", 250, 0, -1, 0, -1, "", ""}, // beyond the plain bank
                              {"cmbDelete", 1, 0, 198, 1, 199, del, "Delete 0"},
                              {"cmbDelete", 401, 0, -1, 0, -1, del, ""}, // A-P1
                              {"cmbClear", 403, 0, -1, 0, 402, clear, "Clear B 0"},
                              {"cmbClear", 604, 0, -1, 0, 603, clear, "Clear B-P2"},
                              {"cmbClAll", 5, 0, -1, 0, ChannelCount, all, "Clear All"}};
        for (const Case &c : cases) {
            const QByteArray name = QStringLiteral("%1 on row %2").arg(c.button).arg(c.row).toUtf8();
            fillAll();
            f->prompts.shown.clear();
            const CloneImage before = image();
            f->prompts.answers = {UserPrompts::Answer::Ok};
            f->memory()->setCurrentRow(c.row);
            click(f->memory()->findChild<QPushButton *>(c.button));
            QStringList asked;
            for (const ScriptedPrompts::Shown &s : f->prompts.shown)
                asked << s.kind + ": " + s.title + "\n" + s.text;
            QVERIFY2(asked == (c.question.isEmpty() ? QStringList() : QStringList{"confirm: " + c.question}),
                     name);
            for (int k = 0; k < ChannelCount; ++k) {
                const bool emptied = k == c.emptied || c.emptied == ChannelCount;
                const int from = emptied ? -1 : k >= c.first && k <= c.last ? k + c.shift : k;
                QVERIFY2(holdsFrom(k, from), name + " channel " + QByteArray::number(k));
            }
            QVERIFY2(image().VfoTable == before.VfoTable && image().Settings == before.Settings &&
                         image().Variant == before.Variant,
                     name);
            QVERIFY2(f->w().dataChanged(), name); // even when nothing moved
            QVERIFY2(act("mnuEditUndoStep")->isEnabled() == !c.step.isEmpty(), name);
            if (c.step.isEmpty()) continue;
            QCOMPARE(plain(act("mnuEditUndoStep")->text()), "Undo " + c.step);
            act("mnuEditUndoStep")->trigger();
            QVERIFY2(image() == before, name);
        }
    }

    void cancelLeavesEverything() {
        fillAll();
        const CloneImage before = image();
        f->memory()->setCurrentRow(5);
        for (QPushButton *b : {f->memory()->cmbDelete, f->memory()->cmbClear, f->memory()->cmbClAll})
            click(b); // no answers scripted: each question is cancelled
        QCOMPARE(f->prompts.kinds(), (QStringList{"confirm", "confirm", "confirm"}));
        QVERIFY(image() == before);
        QCOMPARE(cell(4), FormatFrequencyText(marker(4)));
        QVERIFY(!f->w().dataChanged());
    }

    // The edit dialog, driven with clicks and keys (the rules of its boxes: tst_records_and_tables). A new
    // channel opens with the defaults; keys are filtered and move on as they come, a box is completed when
    // left, a key the box drops still moves on; OK refuses a frequency out of the range and keeps the dialog
    // open, then stores the channel as one Undo step.
    void newChannelThroughTheDialog() {
        const CloneImage before = image();
        openChannel(40);
        QCOMPARE(dlg()->windowTitle(), QStringLiteral("Modify "));
        QCOMPARE(label("lblMode")->text() + label("lblCH")->text(), QStringLiteral("MemoryCH40"));
        QCOMPARE(box("txtFreq")->text() + box("txtFreq2")->text() + box("txtFreq3")->text(),
                 QStringLiteral("7050000"));
        QCOMPARE(box("txtSP2")->text(), QStringLiteral("050"));
        QCOMPARE(combo("cmbMode")->currentText() + combo("cmbAGC")->currentText() +
                     combo("cmbPower")->currentText(),
                 QStringLiteral("LSBSlowHigh"));
        // 1, 4 fill the MHz box and move on; the kHz box is selected, so 1 9 5 replace it and move on.
        QTest::keyClicks(box("txtFreq"), QStringLiteral("14"));
        QVERIFY(focused("txtFreq2"));
        QTest::keyClicks(box("txtFreq2"), QStringLiteral("19"));
        QVERIFY(focused("txtFreq2"));
        QTest::keyClicks(box("txtFreq2"), QStringLiteral("5"));
        QVERIFY(focused("txtFreq3"));
        QTest::keyClicks(box("txtFreq3"), QStringLiteral("x5"));
        QTest::keyClick(box("txtFreq3"), Qt::Key_Tab);
        QCOMPARE(box("txtFreq3")->text(), QStringLiteral("005"));
        QVERIFY(focused("txtName"));
        QTest::keyClicks(box("txtName"), QStringLiteral("dx?c.1"));
        QCOMPARE(box("txtName")->text(), QStringLiteral("DXC1"));
        // A dropped key moves on from a box of one character; so does Backspace, and the empty box left is
        // "0".
        QLineEdit *mhz = box("txtFreq");
        for (const Qt::Key k : {Qt::Key_A, Qt::Key_Backspace}) {
            mhz->setFocus();
            mhz->setText(QStringLiteral("7"));
            mhz->end(false);
            QTest::keyClick(mhz, k);
            QVERIFY(focused("txtFreq2"));
            QCOMPARE(mhz->text(), QLatin1String(k == Qt::Key_A ? "7" : "0"));
        }
        mhz->setText(QStringLiteral("30"));
        QTest::mouseClick(button("OKButton"), Qt::LeftButton);
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"});
        QCOMPARE(f->prompts.shown[0].title, QStringLiteral("ERROR"));
        QCOMPARE(f->prompts.shown[0].text,
                 QStringLiteral("The frequency is outside the range. \r\n\t(1.6MHz - 30MHz)"));
        QVERIFY(dlg()->isVisible());
        QVERIFY(!image().ChannelUsed[40]);
        QVERIFY(f->w().dataChanged()); // OK was pressed: the data count as changed
        mhz->setText(QStringLiteral("14"));
        QTest::mouseClick(button("OKButton"), Qt::LeftButton);
        QVERIFY(!dlg()->isVisible());
        QCOMPARE(cell(40, FieldFrequency) + " " + cell(40, FieldSplitFreq),
                 QStringLiteral("14.195.005 7.050.000"));
        QCOMPARE(cell(40, FieldMode) + " " + cell(40, FieldName), QStringLiteral("LSB DXC1"));
        QCOMPARE(cell(41, FieldFrequency), QString()); // only the edited row fills
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Modify 40"));
        act("mnuEditUndoStep")->trigger();
        QVERIFY(image() == before);
    }

    // Cancel leaves everything as it was. Edit > Modify opens the row of the page in front; a VFO (opened
    // with a double click too) shows no name, skip or split boxes, and OK changes its row alone.
    void cancelAndTheVfoRows() {
        openChannel(44);
        button("OKButton")->click(); // a stored channel to change
        f->w().setDataChanged(false);
        const CloneImage before = image();
        openChannel(44);
        box("txtFreq")->setText(QStringLiteral("21"));
        box("txtName")->setText(QStringLiteral("X"));
        combo("cmbMode")->setCurrentIndex(4);
        dlg()->findChild<QCheckBox *>(QStringLiteral("chkSkip"))->setChecked(true);
        QTest::mouseClick(button("CancelButton"), Qt::LeftButton);
        QVERIFY(!dlg()->isVisible());
        QVERIFY(image() == before);
        QVERIFY(!f->w().dataChanged());
        QCOMPARE(cell(44, FieldFrequency), QStringLiteral("7.050.000"));

        f->memory()->setCurrentRow(204);
        act("mnuEditUndo")->trigger();
        QTRY_VERIFY(dlg()->isVisible());
        QCOMPARE(dlg()->editSource(), EditSource::Memory);
        QCOMPARE(dlg()->editIndex(), 203);
        QCOMPARE(label("lblMode")->text() + " " + label("lblCH")->text(), QStringLiteral("Memory A CH3"));
        dlg()->reject();
        f->w().tabs()->setCurrentIndex(0);
        QTableView *vfo = f->settings()->MSFlexGrid2;
        vfo->selectRow(0);
        act("mnuEditUndo")->trigger();
        QTRY_VERIFY(dlg()->isVisible());
        QCOMPARE(dlg()->editSource(), EditSource::Vfo);
        QCOMPARE(dlg()->editIndex(), 0);
        dlg()->reject();
        doubleClickRow(vfo, 1);
        QVERIFY(WaitUntil([this] { return dlg()->isVisible(); }, 2000));
        QCOMPARE(label("lblMode")->text(), QStringLiteral("VFO B"));
        QVERIFY(!box("txtName")->isVisible() && !box("txtSP1")->isVisible());
        QVERIFY(!dlg()->findChild<QCheckBox *>(QStringLiteral("chkSkip"))->isVisible());
        box("txtFreq")->setText(QStringLiteral("3"));
        box("txtSP1")->setText(QString()); // hidden split boxes do not count for a VFO
        combo("cmbTone")->setCurrentIndex(1);
        QTest::mouseClick(button("OKButton"), Qt::LeftButton);
        QVERIFY(!dlg()->isVisible());
        QCOMPARE(vfo->model()->index(1, 0).data().toString(), QStringLiteral("3.050.000"));
        QCOMPARE(vfo->model()->index(1, FieldTone).data().toString(), QStringLiteral("On"));
        QCOMPARE(vfo->model()->index(0, 0).data().toString(), QStringLiteral("7.050.000"));
    }

    // Read ALL. While it runs the memory half shows the Memory page and the bar, everything that would start
    // a command or change the data is off and, reached anyway, does nothing, and closing is refused. Then
    // the grid, the lists and the VFOs show what came, no unsaved change, and the read is one Undo step.
    void readAllFillsGridListsAndVfos() {
        const CloneImage expected = VirtualRadio::demoImage(), before = image();
        f->w().tabs()->setCurrentIndex(0);
        f->w().action(QStringLiteral("mnuReAll"))->trigger();
        QVERIFY(WaitUntil([this] { return f->memory()->ProgressBar1->isVisible(); }, 10000));
        QCOMPARE(f->w().tabs()->currentWidget(), f->memory());
        for (QPushButton *b : radioButtons())
            QVERIFY(!b->isEnabled());
        QVERIFY(!f->memory()->cmbInsert->isEnabled());
        for (const char *name :
             {"mnuFileNew", "mnuWrAll", "mnuFilePageSetup", "mnuFilePrintPreview", "mnuFilePrint",
              "mnuEditCut", "mnuEditPaste", "mnuEditSetField", "mnuEditFind", "mnuEditSortName"})
            QVERIFY2(!act(name)->isEnabled(), name);
        QVERIFY(!f->settings()->combo(0)->isEnabled());
        QVERIFY(QApplication::overrideCursor());
        QVERIFY(!f->w().close());
        QCOMPARE(f->prompts.kinds(), QStringList{"information"});
        QCOMPARE(f->prompts.lastText(),
                 QStringLiteral("A transfer with the radio is under way.\r\nWait until it has "
                                "ended, then close the window."));
        const CloneImage during = f->w().image();
        setClipboardText(QStringLiteral("7.000.000\n"));
        f->w().lists()->cmbInsert_Click();
        f->w().files()->mnuFileNew_Click();
        f->w().editing()->mnuEditPaste_Click();
        f->w().editing()->mnuEditUndoStep_Click();
        f->w().mnuFilePageSetup_Click();
        f->w().mnuFilePrintPreview_Click();
        f->w().mnuFilePrint_Click();
        QCOMPARE(f->w().image().ChannelTable[0], during.ChannelTable[0]);
        QVERIFY(!f->w().findChild<QPageSetupDialog *>());
        QVERIFY(!f->w().findChild<QPrintPreviewDialog *>());
        QVERIFY(!f->w().findChild<QPrintDialog *>());

        QVERIFY(f->waitIdle(60000));
        QCOMPARE(f->prompts.shown.size(), 1); // no error
        expectRestored();
        QVERIFY(act("mnuFilePrint")->isEnabled() && act("mnuEditPaste")->isEnabled());
        const CloneImage read = image();
        QVERIFY(read.ChannelTable == expected.ChannelTable && read.ChannelUsed == expected.ChannelUsed);
        QCOMPARE(cell(2, FieldName), QStringLiteral("FT8 40M")); // the grid shows what came
        for (int n = 0; n < VfoCount; ++n)
            QCOMPARE(f->settings()->vfoModel->index(n, FieldFrequency).data().toString(),
                     expected.VfoTable[n].field[FieldFrequency].text);
        for (int i = 0; i < SettingsListCount; ++i)
            QCOMPARE(f->settings()->combo(i)->currentIndex(), expected.Settings[i]);
        QVERIFY(!f->w().dataChanged()); // data read from the radio are not unsaved changes
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Read ALL"));
        act("mnuEditUndoStep")->trigger();
        QVERIFY(image().ChannelTable == before.ChannelTable && image().ChannelUsed == before.ChannelUsed);
        act("mnuEditRedoStep")->trigger();
        QVERIFY(image() == read);
    }

    void failedReadRestoresTheWindow() {
        f->radio->faults.timeoutAt = {QStringLiteral("0620")};
        const qsizetype kept = ListBackups(backups.path()).size();
        QTest::mouseClick(f->w().tabs()->tabBar(), Qt::LeftButton, {},
                          f->w().tabs()->tabBar()->tabRect(1).center());
        QTest::mouseClick(f->memory()->cmbRxData, Qt::LeftButton);
        QVERIFY(WaitUntil([this] { return f->memory()->ProgressBar1->isVisible(); }, 5000));
        QVERIFY(f->waitIdle(10000));
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"});
        QCOMPARE(f->prompts.shown[0].title, QStringLiteral("ERROR"));
        QCOMPARE(f->prompts.shown[0].text, QStringLiteral("Communication Error"));
        expectRestored();
        // the grid shows channel 0, which arrived before the time-out; channel 1 (7.050.000 on the radio) not
        QCOMPARE(cell(0), QStringLiteral("3.573.000"));
        QCOMPARE(cell(1), FormatFrequencyText(marker(1)));
        QCOMPARE(ListBackups(backups.path()).size(), kept); // no backup of a failed read
    }

    void portThatCannotOpenGivesComPortError() {
        f->openFailure = QStringLiteral("no such port");
        QTest::mouseClick(f->settings()->cmbRxData1, Qt::LeftButton);
        QVERIFY(f->waitIdle(5000));
        QTRY_COMPARE(f->prompts.kinds(), QStringList{"critical"});
        QCOMPARE(f->prompts.shown[0].text, QStringLiteral("COM Port Error"));
        expectRestored();
        QVERIFY(f->radio->commandLog().isEmpty());

        // Read ALL stops after the failed first half: one message only.
        f->prompts.shown.clear();
        f->w().action(QStringLiteral("mnuReAll"))->trigger();
        QVERIFY(f->waitIdle(5000));
        QTRY_COMPARE(f->prompts.kinds(), QStringList{"critical"});
        QCOMPARE(cell(0), FormatFrequencyText(marker(0)));
    }

    void autoSelectSetsVariantAndRange() {
        f->radio->setIdentity(VariantT, true);
        QVERIFY(f->settings()->modelOption(VariantJ)->isChecked());
        QTest::mouseClick(f->settings()->cmdAuto, Qt::LeftButton);
        QVERIFY(f->waitIdle(5000));
        QTRY_VERIFY(f->settings()->cmdAuto->isEnabled());
        QVERIFY(f->prompts.shown.isEmpty());
        QVERIFY(f->settings()->modelOption(VariantT)->isChecked());
        QCOMPARE(f->w().image().Variant, int(VariantT));
        QVERIFY(f->w().image().WideRange);
        QVERIFY(f->w().dataChanged()); // the option button moved
    }

    void aReadLeavesABackupAndReadAndWriteShowTheirProgress() {
        f->setPaced(false); // every line is kept by the spy
        const QStringList lines = statusLinesOf(f->memory()->cmbRxData);
        QVERIFY2(!lines.isEmpty() && lines.first() != "unexpected lines", qPrintable(lines.join('\n')));
        QVERIFY(f->prompts.shown.isEmpty());
        const QStringList saved = ListBackups(backups.path());
        QCOMPARE(saved.size(), 1);
        QVERIFY2(lines.last().endsWith(QStringLiteral(". Backup saved: %1").arg(saved.first())),
                 qPrintable(lines.last()));
        CloneImage back;
        QCOMPARE(LoadCloneFile(saved.first(), back).status, FileStatus::Ok);
        QVERIFY(back.ChannelTable == f->w().image().ChannelTable);
        QVERIFY(!f->w().dataChanged()); // a backup is not a save of the window's file
        // A write's lines end with its outcome too.
        const QStringList written = statusLinesOf(f->memory()->cmbTxData);
        QVERIFY2(!written.isEmpty() && written.first() != "unexpected lines", qPrintable(written.join('\n')));
        QVERIFY2(written.last().contains("Written to the radio"), qPrintable(written.last()));
        QVERIFY(f->prompts.shown.isEmpty());
    }

    void finishedMessagesGiveWayToTheNextActionOrFade() {
        AppOptions options = BackupsIn(backups.path());
        options.statusFadeMs = 1200;
        f.reset();
        f = std::make_unique<MainWindowFixture>(options);
        QVERIFY(f->load());
        auto readSettings = [this] {
            QTest::mouseClick(f->settings()->cmbRxData1, Qt::LeftButton);
            return WaitUntil([this] { return f->w().statusText().contains(QStringLiteral("Backup saved")); },
                             60000);
        };
        QVERIFY(readSettings());
        QTest::qWait(300);
        QVERIFY(!f->w().statusText().isEmpty()); // it does not fade yet
        f->w().tabs()->setCurrentIndex(1);
        QTest::mouseClick(f->memory()->Command4, Qt::LeftButton); // Down
        QCOMPARE(f->w().statusText(), QString());
        QVERIFY(readSettings());
        f->w().action(QStringLiteral("mnuEditUndo"))->trigger(); // a menu command
        QCOMPARE(f->w().statusText(), QString());
        f->w().editing()->modifyDialog()->reject();
        QVERIFY(readSettings());
        QTRY_COMPARE_WITH_TIMEOUT(f->w().statusText(), QString(), 5000);
    }

    void theBusyBoxGoesWhenTheTransferEnds() {
        QtUserPrompts shown;
        f.reset();
        f = std::make_unique<MainWindowFixture>(BackupsIn(backups.path()), true, &shown);
        QVERIFY(f->load());
        f->w().transfers()->cmbRxData1_Click();
        QVERIFY(f->w().transferRunning());
        QVERIFY(!f->w().close());
        QPointer<QMessageBox> box = f->w().findChild<QMessageBox *>();
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        QVERIFY(box->text().contains(QStringLiteral("transfer")));
        QVERIFY(f->waitIdle(60000));
        QTRY_VERIFY(!box || !box->isVisible());
        f.reset(); // before the prompts it shows with
    }

    // Write ALL sends the window's edits (the grid's channel, the list's setting); Verify then finds the
    // radio holding what Write would send, and lists a difference after an edit.
    void writeAllThenVerifyMatchesAndListsDifferences() {
        CloneImage &image = f->w().image();
        image.ChannelTable[7].field[FieldFrequency] = {QStringLiteral("14.074.000"), 14074000};
        image.ChannelTable[7].field[FieldMode] = {QStringLiteral("USB"), 0};
        image.ChannelTable[7].field[FieldName] = {QStringLiteral("FT8"), 0};
        f->settings()->combo(SettingsListIndex(QStringLiteral("cmbDimmer")))->setCurrentIndex(40);
        f->w().action(QStringLiteral("mnuWrAll"))->trigger();
        QVERIFY(WaitUntil([this] { return f->memory()->ProgressBar1->isVisible(); }, 10000));
        QVERIFY(f->waitIdle(60000));
        QVERIFY(f->prompts.shown.isEmpty());
        expectRestored();
        QCOMPARE(f->radio->block(0x600 + 0x20 * 7), MakeMemData(image, 7));
        QCOMPARE(f->radio->block(0x300).mid(2 * 19, 2), QStringLiteral("28")); // dimmer "40"

        QAction *verify = f->w().action(QStringLiteral("mnuVerify"));
        QVERIFY(verify);
        verify->trigger();
        QVERIFY(WaitUntil([this] { return f->memory()->ProgressBar1->isVisible(); }, 10000));
        QVERIFY(!verify->isEnabled()); // no second run while one is under way
        QVERIFY(f->waitIdle(60000));
        QCOMPARE(f->prompts.kinds(), QStringList{"information"});
        QCOMPARE(f->prompts.lastText(), QStringLiteral("The radio holds what Write would send."));
        QVERIFY(verify->isEnabled());

        image.ChannelUsed[40] = true;
        image.ChannelTable[40].field[FieldFrequency] = {QStringLiteral("7.123.000"), 7123000};
        image.ChannelTable[40].field[FieldMode] = {QStringLiteral("LSB"), 1};
        const CloneImage before = image;
        f->setPaced(false);
        QVERIFY(f->runTransfer("mnuVerify"));
        QCOMPARE(f->prompts.shown.size(), 2);
        QVERIFY(f->prompts.lastText().startsWith("1 difference(s) between the window and the radio:"));
        QVERIFY(f->prompts.lastText().contains("40  Used: window Frequency 7.123.000, Mode LSB, "));
        QVERIFY(f->prompts.lastText().endsWith(", radio empty"));
        QCOMPARE(f->w().image(), before);               // Verify changes nothing
        QVERIFY(ListBackups(backups.path()).isEmpty()); // a Verify is no read of the window's data
    }

    // Only the edited channel is written, after a backup of what the radio held; then the errors.
    void onlyTheEditedChannelIsWrittenAndErrorsAreReported() {
        QVERIFY(holdWhatTheRadioHolds());
        CloneImage &image = f->w().image();
        image.ChannelTable[4].field[FieldName].text = QStringLiteral("EDITED");
        QAction *changes = f->w().action(QStringLiteral("mnuWrChg"));
        QVERIFY(changes);
        changes->trigger();
        const QRegularExpression reading(QStringLiteral(
            "^Write Changes: reading \\d+ of 608 records, \\d+:\\d\\d elapsed, (\\d+:\\d\\d|--:--) left$"));
        QVERIFY(WaitUntil([&] { return reading.match(f->w().statusText()).hasMatch(); }, 10000));
        QVERIFY(!changes->isEnabled()); // no second run while one is under way
        QVERIFY(f->memory()->ProgressBar1->isVisible());
        QVERIFY(f->waitIdle(60000));
        QVERIFY(f->prompts.shown.isEmpty());
        QCOMPARE(f->w().statusText(), QStringLiteral("1 records differed, 1 written, all verified"));
        QCOMPARE(writes(), QStringList{"RZ~F0680W"});
        QVERIFY(!f->memory()->ProgressBar1->isVisible());
        QVERIFY(changes->isEnabled());
        QCOMPARE(ListBackups(backups.path()).size(), 1); // its bytes: the session's own test

        // A record the radio stores wrong is an error (a failed run's message: failedReadRestoresTheWindow).
        f->setPaced(false); // the outcome counts here, not the window during the run
        f->prompts.shown.clear();
        image.ChannelTable[4].field[FieldName].text = QStringLiteral("EDIT2");
        f->radio->faults.corruptAt.insert(QStringLiteral("0680"));
        QVERIFY(f->runTransfer("mnuWrChg"));
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"});
        QVERIFY(f->prompts.lastText().contains(
            QStringLiteral("4  Frequency: window 14.195.000, radio 14.194.992")));
        QCOMPARE(f->w().statusText(),
                 QStringLiteral("1 records differed, 1 written, 1 differ after writing"));
    }
};

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
