#include "app/MemoryPage.h"
#include "app/GridModels.h"
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QPushButton *makeButton(QWidget *parent, const char *name, const char *caption) {
    auto *b = new QPushButton(QCoreApplication::translate("MemoryPage", caption), parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
} // namespace

MemoryPage::MemoryPage(CloneImage *image, QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MemoryPage"));
    MSFlexGrid1 = new QTableView(this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setAccessibleName(tr("Memory channels"));
    MSFlexGrid1->setAccessibleDescription(tr("One row per channel; Enter edits the current row"));
    model = new ChannelTableModel(image, this);
    MSFlexGrid1->setModel(model);
    SetUpGridView(MSFlexGrid1, ChannelFieldCount);
    // Whole rows: one, a range with Shift, several with Ctrl, all with Ctrl+A.
    MSFlexGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    MSFlexGrid1->setCurrentIndex(model->index(0, 0));
    MSFlexGrid1->installEventFilter(this);
    MSFlexGrid1->setMinimumWidth(GridFullWidth(MSFlexGrid1) +
                                 MSFlexGrid1->verticalScrollBar()->sizeHint().width());

    cmbRxData = makeButton(this, "cmbRxData", QT_TRANSLATE_NOOP("MemoryPage", "Read Memory"));
    cmbTxData = makeButton(this, "cmbTxData", QT_TRANSLATE_NOOP("MemoryPage", "Write Memory"));
    cmbInsert = makeButton(this, "cmbInsert", QT_TRANSLATE_NOOP("MemoryPage", "Insert"));
    cmbDelete = makeButton(this, "cmbDelete", QT_TRANSLATE_NOOP("MemoryPage", "Delete"));
    cmbClear = makeButton(this, "cmbClear", QT_TRANSLATE_NOOP("MemoryPage", "Clear"));
    cmbClAll = makeButton(this, "cmbClAll", QT_TRANSLATE_NOOP("MemoryPage", "Clear All"));
    Command5 = makeButton(this, "Command5", QT_TRANSLATE_NOOP("MemoryPage", "Up"));
    Command4 = makeButton(this, "Command4", QT_TRANSLATE_NOOP("MemoryPage", "Down"));

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, ChannelCount - 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setVisible(false);
    // Keep the bar's room while it is hidden, so the grid does not jump at each transfer.
    QSizePolicy keep = ProgressBar1->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    ProgressBar1->setSizePolicy(keep);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmbRxData);
    buttons->addWidget(cmbTxData);
    buttons->addSpacing(14);
    buttons->addWidget(cmbInsert);
    buttons->addWidget(cmbDelete);
    buttons->addWidget(cmbClear);
    buttons->addWidget(cmbClAll);
    buttons->addSpacing(14);
    buttons->addWidget(Command5);
    buttons->addWidget(Command4);
    buttons->addStretch();

    auto *left = new QVBoxLayout;
    left->addWidget(MSFlexGrid1, 1);
    left->addWidget(ProgressBar1);
    auto *row = new QHBoxLayout;
    row->addLayout(left, 1);
    row->addLayout(buttons);

    auto *box = new QGroupBox(tr("Memorys"), this);
    box->setLayout(row);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(box);
}

int MemoryPage::currentRow() const {
    const QModelIndex current = MSFlexGrid1->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void MemoryPage::setCurrentRow(int r) {
    const bool autoScroll = MSFlexGrid1->hasAutoScroll();
    MSFlexGrid1->setAutoScroll(false);
    MSFlexGrid1->selectionModel()->setCurrentIndex(
        model->index(r - 1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    MSFlexGrid1->setAutoScroll(autoScroll);
}

QList<int> MemoryPage::selectedChannels() const {
    QList<int> channels;
    for (const QModelIndex &index : MSFlexGrid1->selectionModel()->selectedRows())
        channels << index.row();
    std::sort(channels.begin(), channels.end());
    if (channels.isEmpty()) channels << currentRow() - 1;
    return channels;
}

void MemoryPage::selectChannels(int first, int last) {
    QItemSelectionModel *selection = MSFlexGrid1->selectionModel();
    selection->setCurrentIndex(model->index(first, 0), QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(model->index(first, 0), model->index(last, ChannelFieldCount - 1)),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    MSFlexGrid1->scrollTo(model->index(first, 0));
}

int MemoryPage::topRow() const {
    return MSFlexGrid1->verticalScrollBar()->value() + 1;
}

void MemoryPage::setTopRow(int r) {
    MSFlexGrid1->verticalScrollBar()->setValue(qMax(0, r - 1));
}

int MemoryPage::visibleRowCount() const {
    const int rowHeight = qMax(1, MSFlexGrid1->verticalHeader()->defaultSectionSize());
    return qMax(1, MSFlexGrid1->viewport()->height() / rowHeight);
}

// Ctrl+Home and Ctrl+End go to the first and the last row and select it, as a click there would: in a grid
// of several selected rows Ctrl alone only moves the current cell, which left the list buttons acting on a
// row that showed no highlight.
bool MemoryPage::eventFilter(QObject *watched, QEvent *event) {
    if (watched == MSFlexGrid1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::ControlModifier &&
            (key->key() == Qt::Key_Home || key->key() == Qt::Key_End)) {
            const int k = key->key() == Qt::Key_Home ? 0 : ChannelCount - 1;
            const int column = qMax(0, MSFlexGrid1->currentIndex().column());
            MSFlexGrid1->selectionModel()->setCurrentIndex(
                model->index(k, column), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            MSFlexGrid1->scrollTo(model->index(k, column));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
