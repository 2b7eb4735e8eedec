// The channel edit dialog driven with clicks and keys: opening from both grids, the typing rules of its
// boxes, OK with the range check, Cancel.
#include "MainWindowFixture.h"
#include "app/DlgModify.h"
#include "app/GridModels.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QWindow>

class TestModifyDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;
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
    QString cell(int k, int column) { return f->memory()->model->index(k, column).data().toString(); }

  private slots:
    void init() {
        f = std::make_unique<MainWindowFixture>();
        QVERIFY(f->load());
        QVERIFY(!f->w().dataChanged());
    }
    void cleanup() {
        f->w().setDataChanged(false);
        f.reset();
    }

    void newChannelOpensWithDefaultsAndTypingAdvances() {
        openChannel(0);
        QCOMPARE(dlg()->windowTitle(), QStringLiteral("Modify "));
        QCOMPARE(label("lblMode")->text(), QStringLiteral("Memory"));
        QCOMPARE(label("lblCH")->text(), QStringLiteral("CH0"));
        QCOMPARE(box("txtFreq")->text(), QStringLiteral("7"));
        QCOMPARE(box("txtFreq2")->text(), QStringLiteral("050"));
        QCOMPARE(box("txtFreq3")->text(), QStringLiteral("000"));
        QCOMPARE(box("txtSP2")->text(), QStringLiteral("050"));
        QCOMPARE(combo("cmbMode")->currentText(), QStringLiteral("LSB"));
        QCOMPARE(combo("cmbAGC")->currentText(), QStringLiteral("Slow"));
        QCOMPARE(combo("cmbPower")->currentText(), QStringLiteral("High"));
        QCOMPARE(box("txtFreq")->selectedText(), QStringLiteral("7"));

        // 1, 4 fill the MHz box and move on; the kHz box is selected, so 1 9 5 replace it and move on.
        QTest::keyClicks(box("txtFreq"), QStringLiteral("14"));
        QCOMPARE(box("txtFreq")->text(), QStringLiteral("14"));
        QVERIFY(focused("txtFreq2"));
        QCOMPARE(box("txtFreq2")->selectedText(), QStringLiteral("050"));
        QTest::keyClicks(box("txtFreq2"), QStringLiteral("19"));
        QVERIFY(focused("txtFreq2"));
        QTest::keyClicks(box("txtFreq2"), QStringLiteral("5"));
        QCOMPARE(box("txtFreq2")->text(), QStringLiteral("195"));
        QVERIFY(focused("txtFreq3"));
        // The Hz box takes digits only and never advances; leaving it completes it to three digits.
        QTest::keyClicks(box("txtFreq3"), QStringLiteral("x5"));
        QCOMPARE(box("txtFreq3")->text(), QStringLiteral("5"));
        QTest::keyClick(box("txtFreq3"), Qt::Key_Tab);
        QCOMPARE(box("txtFreq3")->text(), QStringLiteral("005"));
        QVERIFY(focused("txtName"));
        QTest::keyClicks(box("txtName"), QStringLiteral("dx?c.1"));
        QCOMPARE(box("txtName")->text(), QStringLiteral("DXC1"));

        QTest::mouseClick(button("OKButton"), Qt::LeftButton);
        QVERIFY(!dlg()->isVisible());
        QVERIFY(f->w().dataChanged());
        QVERIFY(f->w().image().ChannelUsed[0]);
        QCOMPARE(cell(0, FieldFrequency), QStringLiteral("14.195.005"));
        QCOMPARE(cell(0, FieldSplitFreq), QStringLiteral("7.050.000"));
        QCOMPARE(cell(0, FieldMode), QStringLiteral("LSB"));
        QCOMPARE(cell(0, FieldName), QStringLiteral("DXC1"));
        QCOMPARE(cell(1, FieldFrequency), QString()); // only the edited row fills
    }

    void advanceOnDiscardedKeysAndBackspaceThenTheRangeCheck() {
        openChannel(1);
        QLineEdit *mhz = box("txtFreq");
        mhz->setText(QStringLiteral("7"));
        mhz->end(false); // one character, nothing selected
        QTest::keyClick(mhz, Qt::Key_A);
        QCOMPARE(mhz->text(), QStringLiteral("7"));
        QVERIFY(focused("txtFreq2"));

        mhz->setFocus();
        mhz->setText(QStringLiteral("7"));
        mhz->end(false);
        QTest::keyClick(mhz, Qt::Key_Backspace);
        // Backspace empties the box, the focus moves on, and leaving completes the empty box to "0".
        QVERIFY(focused("txtFreq2"));
        QCOMPARE(mhz->text(), QStringLiteral("0"));

        // Out of the range: the dialog stays open and stores nothing.
        box("txtFreq")->setText(QStringLiteral("30"));
        box("txtFreq2")->setText(QStringLiteral("000"));
        box("txtFreq3")->setText(QStringLiteral("000"));
        QTest::mouseClick(button("OKButton"), Qt::LeftButton);
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"});
        QCOMPARE(f->prompts.shown[0].title, QStringLiteral("ERROR"));
        QCOMPARE(f->prompts.shown[0].text,
                 QStringLiteral("The frequency is outside the range. \r\n\t(1.6MHz - 30MHz)"));
        QVERIFY(dlg()->isVisible());
        QVERIFY(!f->w().image().ChannelUsed[1]);
        QVERIFY(f->w().dataChanged()); // OK was pressed: the data count as changed

        // A refused split frequency stores nothing either, not even the good frequency.
        box("txtFreq")->setText(QStringLiteral("29"));
        box("txtFreq2")->setText(QStringLiteral("999"));
        box("txtFreq3")->setText(QStringLiteral("999"));
        box("txtSP1")->setText(QStringLiteral("1"));
        box("txtSP2")->setText(QString());
        QTest::mouseClick(button("OKButton"), Qt::LeftButton);
        QCOMPARE(f->prompts.shown.size(), 2);
        QVERIFY(!f->w().image().ChannelUsed[1]);

        box("txtSP2")->setText(QStringLiteral("600"));
        QTest::mouseClick(button("OKButton"), Qt::LeftButton);
        QVERIFY(!dlg()->isVisible());
        QCOMPARE(cell(1, FieldFrequency), QStringLiteral("29.999.999"));
        QCOMPARE(cell(1, FieldSplitFreq), QStringLiteral("1.600.000"));
    }

    void cancelLeavesEverythingAsItWas() {
        openChannel(4);
        button("OKButton")->click(); // a stored channel to change
        f->w().setDataChanged(false);
        const CloneImage before = f->w().image();
        openChannel(4);
        box("txtFreq")->setText(QStringLiteral("21"));
        box("txtName")->setText(QStringLiteral("X"));
        combo("cmbMode")->setCurrentIndex(4);
        dlg()->findChild<QCheckBox *>(QStringLiteral("chkSkip"))->setChecked(true);
        QTest::mouseClick(button("CancelButton"), Qt::LeftButton);
        QVERIFY(!dlg()->isVisible());
        QVERIFY(f->w().image() == before);
        QVERIFY(!f->w().dataChanged());
        QCOMPARE(cell(4, FieldFrequency), QStringLiteral("7.050.000"));
    }

    void vfoEditTouchesOnlyItsRow() {
        f->w().tabs()->setCurrentIndex(0);
        QTableView *vfo = f->settings()->MSFlexGrid2;
        doubleClickRow(vfo, 1);
        QVERIFY(WaitUntil([this] { return dlg()->isVisible(); }, 2000));
        QCOMPARE(label("lblMode")->text(), QStringLiteral("VFO B"));
        QVERIFY(!box("txtName")->isVisible());
        QVERIFY(!box("txtSP1")->isVisible());
        QVERIFY(!dlg()->findChild<QCheckBox *>(QStringLiteral("chkSkip"))->isVisible());
        QCOMPARE(box("txtFreq2")->text(), QStringLiteral("050"));
        box("txtFreq")->setText(QStringLiteral("3"));
        box("txtSP1")->setText(QString()); // hidden split boxes do not count for a VFO
        combo("cmbTone")->setCurrentIndex(1);
        QTest::mouseClick(button("OKButton"), Qt::LeftButton);
        QVERIFY(!dlg()->isVisible());
        QCOMPARE(vfo->model()->index(1, 0).data().toString(), QStringLiteral("3.050.000"));
        QCOMPARE(vfo->model()->index(1, FieldTone).data().toString(), QStringLiteral("On"));
        QCOMPARE(vfo->model()->index(0, 0).data().toString(), QStringLiteral("7.050.000"));
        QCOMPARE(f->w().image().VfoTable[1].field[FieldTone].value, 128.0);
    }

    void editModifyFollowsTheSelectedTabAndNamesTheBank() {
        f->w().tabs()->setCurrentIndex(0);
        f->settings()->MSFlexGrid2->selectRow(1);
        f->w().action(QStringLiteral("mnuEditUndo"))->trigger();
        QTRY_VERIFY(dlg()->isVisible());
        QCOMPARE(dlg()->editSource(), EditSource::Vfo);
        QCOMPARE(dlg()->editIndex(), 1);
        dlg()->reject();
        f->w().tabs()->setCurrentIndex(1);
        f->memory()->setCurrentRow(204);
        f->w().action(QStringLiteral("mnuEditUndo"))->trigger();
        QTRY_VERIFY(dlg()->isVisible());
        QCOMPARE(dlg()->editSource(), EditSource::Memory);
        QCOMPARE(dlg()->editIndex(), 203);
        QCOMPARE(label("lblCH")->text(), QStringLiteral("CH3"));
        dlg()->reject();
        // the labels of the banks' program channels
        for (const auto &[row, bank, ch] :
             {std::tuple{402, "Memory A", "P2"}, std::tuple{403, "Memory B", "CH0"}}) {
            f->memory()->setCurrentRow(row);
            f->w().action(QStringLiteral("mnuEditUndo"))->trigger();
            QTRY_VERIFY(dlg()->isVisible());
            QCOMPARE(label("lblMode")->text(), QLatin1String(bank));
            QCOMPARE(label("lblCH")->text(), QLatin1String(ch));
            dlg()->reject();
        }
    }
};

QTEST_MAIN(TestModifyDialog)
#include "tst_modify_dialog.moc"
