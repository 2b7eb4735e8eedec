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
    // Channel k holds what channel `from` held before the operation, or nothing when from is -1.
    void expectFrom(int k, int from) {
        QVERIFY2(image().ChannelUsed[k] == (from >= 0), qPrintable(QString::number(k)));
        if (from < 0)
            QCOMPARE(image().ChannelTable[k], ChannelEntry());
        else
            QCOMPARE(image().ChannelTable[k].field[FieldFrequency].value, double(marker(from)));
        QCOMPARE(cell(k), from < 0 ? QString() : FormatFrequencyText(marker(from)));
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

    // Channels first..last take what channel k + shift held, channel `emptied` empties, every other
    // channel stays; the rows are the grid's, one above the channel.
    void buttonsMoveOrEmptyChannels_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("emptied");
        QTest::addColumn<QString>("question"); // title and text; none for Insert
        // The fixed questions, then what this program adds: Edit > Undo takes the step back.
        const QString undo = "\r\n\r\nThis step can be undone with Edit > Undo.";
        const QString del =
            "DELETE OK\nDelete cannot be undone.\r\nAre you sure that you want to do the delete?" + undo;
        const QString clear =
            "CLEAR OK\nClear cannot be undone.\r\nAre you sure that you want to do the clear?" + undo;
        QTest::newRow("insert on the first row") << "cmbInsert" << 1 << 1 << 199 << -1 << 0 << "";
        QTest::newRow("insert on row 200") << "cmbInsert" << 200 << 0 << -1 << 0 << 199 << "";
        QTest::newRow("insert beyond the plain bank") << "cmbInsert" << 250 << 0 << -1 << 0 << -1 << "";
        QTest::newRow("delete on the first row") << "cmbDelete" << 1 << 0 << 198 << 1 << 199 << del;
        QTest::newRow("delete on A-P1") << "cmbDelete" << 401 << 0 << -1 << 0 << -1 << del;
        QTest::newRow("clear B-P2") << "cmbClear" << 604 << 0 << -1 << 0 << 603 << clear;
    }
    void buttonsMoveOrEmptyChannels() {
        QFETCH(QString, button);
        QFETCH(int, row);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, shift);
        QFETCH(int, emptied);
        QFETCH(QString, question);
        f->prompts.answers = {UserPrompts::Answer::Ok};
        f->memory()->setCurrentRow(row);
        QPushButton *b = f->memory()->findChild<QPushButton *>(button);
        QVERIFY(b);
        click(b);
        QStringList asked;
        for (const ScriptedPrompts::Shown &s : f->prompts.shown)
            asked << s.kind + ": " + s.title + "\n" + s.text;
        QCOMPARE(asked, question.isEmpty() ? QStringList() : QStringList{"confirm: " + question});
        for (int k = 0; k < ChannelCount && !QTest::currentTestFailed(); ++k)
            expectFrom(k, k == emptied ? -1 : k >= first && k <= last ? k + shift : k);
        QVERIFY(f->w().dataChanged()); // even when nothing moved
    }

    void clearAllLeavesVfoAndSettings() {
        f->prompts.answers = {UserPrompts::Answer::Ok};
        const auto vfo = image().VfoTable;
        const auto settings = image().Settings;
        click(f->memory()->cmbClAll);
        QCOMPARE(f->prompts.shown[0].text,
                 QStringLiteral("Clear cannot be undone.\r\nAre you sure that you want to clear all memory?"
                                "\r\n\r\nThis step can be undone with Edit > Undo."));
        for (int k : {0, 199, 200, 401, 603})
            expectFrom(k, -1);
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

    void upAndDownStopAtTheirEndsAndScrollTheRowIntoView() {
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
