// Insert, Delete, Clear, Clear All, Up and Down on the Memory page, clicked as the user does.
#include "MainWindowFixture.h"
#include "app/GridModels.h"
#include "channels/ChannelRecord.h"
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

namespace {
// Channel k holds a frequency that names it: 1.600.000 + 1000 k Hz.
qint64 marker(int k) {
    return 1600000 + 1000 * qint64(k);
}
} // namespace

class TestListOperations : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;
    CloneImage &image() { return f->w().image(); }
    QString cell(int k) { return f->memory()->model->index(k, FieldFrequency).data().toString(); }
    void click(QPushButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    // The channel k now holds what channel `from` held before the operation.
    void expectMoved(int k, int from) {
        QVERIFY2(image().ChannelUsed[k], qPrintable(QString::number(k)));
        QCOMPARE(image().ChannelTable[k].field[FieldFrequency].value, double(marker(from)));
        QCOMPARE(cell(k), FormatFrequencyText(marker(from)));
    }
    void expectEmpty(int k) {
        QVERIFY2(!image().ChannelUsed[k], qPrintable(QString::number(k)));
        QCOMPARE(image().ChannelTable[k], ChannelEntry());
        QCOMPARE(cell(k), QString());
    }

  private slots:
    void init() {
        f = std::make_unique<MainWindowFixture>();
        QVERIFY(f->load());
        for (int k = 0; k < ChannelCount; ++k) {
            image().ChannelTable[k].field[FieldFrequency] = {FormatFrequencyText(marker(k)),
                                                             double(marker(k))};
            image().ChannelTable[k].field[FieldName] = {QStringLiteral("C%1").arg(k), 0};
            image().ChannelUsed[k] = true;
        }
        f->memory()->model->refreshAll();
        f->w().tabs()->setCurrentIndex(1);
        f->w().setDataChanged(false);
    }
    void cleanup() {
        f->w().setDataChanged(false);
        f.reset();
    }

    void insertOnFirstRowShiftsThePlainBank() {
        f->memory()->setCurrentRow(1);
        click(f->memory()->cmbInsert);
        QVERIFY(f->prompts.shown.isEmpty()); // Insert asks nothing
        expectEmpty(0);
        for (int k = 1; k < 200; ++k)
            expectMoved(k, k - 1); // the former channel 199 is gone
        expectMoved(200, 200);     // bank A is not touched
        QVERIFY(f->w().dataChanged());
    }

    void insertOnRow200EmptiesOnlyChannel199() {
        f->memory()->setCurrentRow(200);
        click(f->memory()->cmbInsert);
        expectMoved(198, 198);
        expectEmpty(199);
        expectMoved(200, 200);
    }

    void insertBeyondThePlainBankChangesNothingButCounts() {
        const CloneImage before = image();
        f->memory()->setCurrentRow(250);
        click(f->memory()->cmbInsert);
        QVERIFY(image() == before);
        QCOMPARE(cell(249), FormatFrequencyText(marker(249)));
        QVERIFY(f->w().dataChanged());
    }

    void deleteOnFirstRowShiftsBack() {
        f->prompts.answers = {UserPrompts::Answer::Ok};
        f->memory()->setCurrentRow(1);
        click(f->memory()->cmbDelete);
        QCOMPARE(f->prompts.kinds(), QStringList{"confirm"});
        QCOMPARE(f->prompts.shown[0].title, QStringLiteral("DELETE OK"));
        QCOMPARE(f->prompts.shown[0].text,
                 QStringLiteral("Delete cannot be undone.\r\nAre you sure that you want to do the delete?"));
        for (int k = 0; k < 199; ++k)
            expectMoved(k, k + 1);
        expectEmpty(199);
        expectMoved(200, 200);
        QVERIFY(f->w().dataChanged());
    }

    void deleteOnProgramEdgeChangesNothingButCounts() {
        f->prompts.answers = {UserPrompts::Answer::Ok};
        const CloneImage before = image();
        f->memory()->setCurrentRow(401); // "A-P1"
        click(f->memory()->cmbDelete);
        QVERIFY(image() == before);
        QVERIFY(f->w().dataChanged());
    }

    void clearEmptiesTheCurrentRowOnly() {
        f->prompts.answers = {UserPrompts::Answer::Ok};
        f->memory()->setCurrentRow(604); // "B-P2"
        click(f->memory()->cmbClear);
        QCOMPARE(f->prompts.shown[0].title, QStringLiteral("CLEAR OK"));
        QCOMPARE(f->prompts.shown[0].text,
                 QStringLiteral("Clear cannot be undone.\r\nAre you sure that you want to do the clear?"));
        expectEmpty(603);
        expectMoved(602, 602);
        QVERIFY(f->w().dataChanged());
    }

    void clearAllLeavesVfoAndSettings() {
        f->prompts.answers = {UserPrompts::Answer::Ok};
        const auto vfo = image().VfoTable;
        const auto settings = image().Settings;
        click(f->memory()->cmbClAll);
        QCOMPARE(
            f->prompts.shown[0].text,
            QStringLiteral("Clear cannot be undone.\r\nAre you sure that you want to clear all memory?"));
        for (int k : {0, 199, 200, 401, 603})
            expectEmpty(k);
        QVERIFY(
            std::none_of(image().ChannelUsed.begin(), image().ChannelUsed.end(), [](bool u) { return u; }));
        QVERIFY(image().VfoTable == vfo);
        QVERIFY(image().Settings == settings);
        QCOMPARE(image().Variant, int(VariantJ));
    }

    void cancelLeavesEverything() {
        const CloneImage before = image();
        f->memory()->setCurrentRow(5);
        for (QPushButton *b : {f->memory()->cmbDelete, f->memory()->cmbClear, f->memory()->cmbClAll})
            click(b); // no answers scripted: each question is cancelled
        QCOMPARE(f->prompts.kinds(), (QStringList{"confirm", "confirm", "confirm"}));
        QVERIFY(image() == before);
        QCOMPARE(cell(4), FormatFrequencyText(marker(4)));
        QVERIFY(!f->w().dataChanged());
    }

    void upAndDownStopAtTheirEnds() {
        MemoryPage *page = f->memory();
        page->setCurrentRow(1);
        click(page->Command5);
        QCOMPARE(page->currentRow(), 1);
        click(page->Command4);
        QCOMPARE(page->currentRow(), 2);
        // The whole row is highlighted.
        QCOMPARE(page->MSFlexGrid1->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(page->MSFlexGrid1->selectionModel()->selectedRows().first().row(), 1);
        page->setCurrentRow(200);
        click(page->Command4);
        QCOMPARE(page->currentRow(), 200); // Down stops at the end of the plain bank
        click(page->Command5);
        QCOMPARE(page->currentRow(), 199);
    }

    void upAndDownScrollTheRowIntoView() {
        MemoryPage *page = f->memory();
        page->setTopRow(50);
        page->setCurrentRow(50);
        click(page->Command5); // row 49 is above the top row: it becomes the top row
        QCOMPARE(page->currentRow(), 49);
        QCOMPARE(page->topRow(), 49);
        page->setTopRow(1);
        page->setCurrentRow(120);
        click(page->Command4); // row 121 is out of sight below: it becomes the last row in sight
        QCOMPARE(page->currentRow(), 121);
        const QTableView *grid = page->MSFlexGrid1;
        const int rowsInSight = grid->viewport()->height() / grid->rowHeight(0);
        QCOMPARE(page->topRow(), 121 - (rowsInSight - 1));
        page->setTopRow(100);
        page->setCurrentRow(40);
        click(page->Command4); // row 41 is above the top row: it becomes the top row
        QCOMPARE(page->topRow(), 41);
    }
};

QTEST_MAIN(TestListOperations)
#include "tst_list_operations.moc"
