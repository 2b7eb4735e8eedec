// The Edit menu on the memory grid, driven as a user does: selections, Undo and Redo of every kind of
// change, the clipboard, Set Field, Sort and Find, and their refusals.
#include "MainWindowFixture.h"
#include "app/DlgFind.h"
#include "app/DlgModify.h"
#include "app/DlgSetField.h"
#include "app/GridModels.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelEdit.h"
#include "channels/ChannelRecord.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

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

  private slots:
    void init() {
        f = std::make_unique<MainWindowFixture>();
        QVERIFY(f->load());
        fill(0, 30);
        f->w().tabs()->setCurrentIndex(1);
        f->w().document().clearHistory();
        f->w().setDataChanged(false);
    }
    void cleanup() {
        QVERIFY(f->waitIdle(30000));
        f->w().setDataChanged(false);
        f.reset();
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

    void listButtonsAreStepsButANoOpInsertIsNot() {
        fill(0, ChannelCount - 1);
        f->w().document().clearHistory();
        f->memory()->setCurrentRow(250);
        QTest::mouseClick(f->memory()->cmbInsert, Qt::LeftButton);
        QVERIFY(f->w().dataChanged());
        QVERIFY(!act("mnuEditUndoStep")->isEnabled()); // nothing moved: nothing to undo
        f->memory()->setCurrentRow(3);
        QTest::mouseClick(f->memory()->cmbInsert, Qt::LeftButton);
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Insert 2"));
        f->prompts.answers = {UserPrompts::Answer::Ok};
        f->memory()->setCurrentRow(403);
        QTest::mouseClick(f->memory()->cmbClear, Qt::LeftButton);
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Clear B 0"));
        // Undo of Clear All restores every channel.
        const CloneImage before = image();
        f->prompts.answers = {UserPrompts::Answer::Ok};
        QTest::mouseClick(f->memory()->cmbClAll, Qt::LeftButton);
        QCOMPARE(cell(603), QString());
        act("mnuEditUndoStep")->trigger();
        QVERIFY(image() == before);
        for (int k : {0, 1, 200, 401, 603}) // the Insert left these in their places
            QCOMPARE(cell(k), FormatFrequencyText(marker(k)));
    }

    void editDialogOkIsUndoable() {
        const CloneImage before = image();
        f->memory()->setCurrentRow(201); // channel 200, "A  0", empty
        act("mnuEditUndo")->trigger();
        DlgModify *dlg = f->w().editing()->modifyDialog();
        QVERIFY(dlg->isVisible());
        dlg->findChild<QLineEdit *>(QStringLiteral("txtName"))->setText(QStringLiteral("NEW"));
        QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("OKButton")), Qt::LeftButton);
        QVERIFY(image().ChannelUsed[200]);
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Modify A 0"));
        act("mnuEditUndoStep")->trigger();
        QVERIFY(image() == before);
        QCOMPARE(cell(200), QString());
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
    }

    void copyThenPasteFromTheCurrentRowDownAndUndo() {
        f->memory()->selectChannels(3, 5);
        key(Qt::Key_C);
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        const QStringList lines = data->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral(
                               "Frequency\tMode\tGain\tAGC\tPwr\tFilter\tTone\tNB\tSplit Freq.\tName\tSkip"));
        QCOMPARE(lines[1].split(QLatin1Char('\t')).value(0), QStringLiteral("1.603.000"));
        QCOMPARE(lines[2].split(QLatin1Char('\t')).value(9), QStringLiteral("C4"));
        QVERIFY(data->hasFormat(ChannelsMimeType));
        QCOMPARE(QString::fromLatin1(data->data(ChannelsMimeType)).split(QLatin1Char('\n')).value(1),
                 MakeMemData(image(), 3));
        QVERIFY(!f->w().dataChanged());
        const CloneImage before = image();
        f->memory()->setCurrentRow(101); // channel 100
        key(Qt::Key_V);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(image().ChannelTable[100 + i], image().ChannelTable[3 + i]);
            QCOMPARE(cell(100 + i, FieldName), QStringLiteral("C%1").arg(3 + i));
        }
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
    }

    void spreadsheetPasteTakesTheGridTexts() {
        setClipboardText(
            QStringLiteral("Frequency\tMode\tGain\tAGC\tPwr\tFilter\tTone\tNB\tSplit Freq.\tName\tSkip\n"
                           "14.195.000\tUSB\t-10\tFast\tLow\tNarrow\tOn\tOn\t14.200.000\tdx\tSkip\n"));
        f->memory()->setCurrentRow(403);
        key(Qt::Key_V);
        QVERIFY2(f->prompts.shown.isEmpty(), qPrintable(f->prompts.lastText()));
        QStringList row;
        for (int c = 0; c < ChannelFieldCount; ++c)
            row << cell(402, c);
        QCOMPARE(row, (QStringList{"14.195.000", "USB", "-10", "Fast", "Low", "Narrow", "On", "On",
                                   "14.200.000", "DX", "Skip"}));
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Paste 1 channel"));
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
        // Undo after it undoes the step before it.
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Clear 1"));
        key(Qt::Key_Z);
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
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Set Mode on 5 channels"));
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
        act("mnuEditSortFrequency")->trigger();
        QCOMPARE(cell(0), FormatFrequencyText(marker(0)));
        f->memory()->selectChannels(7, 7);
        act("mnuEditSortName")->trigger();
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"}); // one row: nothing to sort
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

    void aReadFromTheRadioIsOneStep() {
        const CloneImage before = image();
        QTest::mouseClick(f->memory()->cmbRxData, Qt::LeftButton);
        QVERIFY(WaitUntil([this] { return f->memory()->ProgressBar1->isVisible(); }, 10000));
        // Nothing of the Edit menu runs meanwhile.
        for (const char *name :
             {"mnuEditCut", "mnuEditPaste", "mnuEditSetField", "mnuEditFind", "mnuEditSortName"})
            QVERIFY2(!act(name)->isEnabled(), name);
        setClipboardText(QStringLiteral("7.000.000\n"));
        f->w().editing()->mnuEditPaste_Click();
        f->w().editing()->mnuEditUndoStep_Click();
        QVERIFY(f->waitIdle(60000));
        QVERIFY(act("mnuEditPaste")->isEnabled());
        const CloneImage read = image();
        QVERIFY(read.ChannelTable == VirtualRadio::demoImage().ChannelTable);
        QCOMPARE(plain(act("mnuEditUndoStep")->text()), QStringLiteral("Undo Read Memory"));
        act("mnuEditUndoStep")->trigger();
        QVERIFY(image().ChannelTable == before.ChannelTable);
        QVERIFY(image().ChannelUsed == before.ChannelUsed);
        act("mnuEditRedoStep")->trigger();
        QVERIFY(image() == read);
    }
};

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
