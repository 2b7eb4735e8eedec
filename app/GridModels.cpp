#include "app/GridModels.h"
#include "app/GridColumns.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "image/Startup.h"
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

ChannelTableModel::ChannelTableModel(const CloneImage *image, QObject *parent)
    : QAbstractTableModel(parent), m_image(image) {}

int ChannelTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ChannelCount;
}

int ChannelTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ChannelFieldCount;
}

namespace {
// What a screen reader says for a cell: its row, its column and what it shows ("12, Mode: LSB").
QString SpokenCell(const QString &row, int column, const QString &shown) {
    const QString where =
        QCoreApplication::translate("GridModels", "%1, %2").arg(row.simplified(), ShownFieldName(column));
    return shown.isEmpty() ? where : QCoreApplication::translate("GridModels", "%1: %2").arg(where, shown);
}
} // namespace

QVariant ChannelTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return QVariant();
    const int k = index.row();
    const QString shown = m_image->ChannelUsed[k]
                              ? ShownFieldValue(m_image->ChannelTable[k].field[index.column()].text)
                              : QString();
    return role == Qt::DisplayRole ? shown : SpokenCell(RowLabel(k), index.column(), shown);
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QVariant();
    if (orientation == Qt::Horizontal) return ShownFieldName(section);
    return RowLabel(section);
}

void ChannelTableModel::refreshRows(int first, int last) {
    emit dataChanged(index(first, 0), index(last, ChannelFieldCount - 1), {Qt::DisplayRole});
}

VfoTableModel::VfoTableModel(const CloneImage *image, QObject *parent)
    : QAbstractTableModel(parent), m_image(image) {}

int VfoTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : VfoCount;
}

int VfoTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : VfoFieldCount;
}

QVariant VfoTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) return QVariant();
    const QString shown = ShownFieldValue(m_image->VfoTable[index.row()].field[index.column()].text);
    return role == Qt::DisplayRole ? shown : SpokenCell(VfoLabel(index.row()), index.column(), shown);
}

QVariant VfoTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QVariant();
    if (orientation == Qt::Horizontal) return ShownFieldName(section);
    return VfoLabel(section);
}

void VfoTableModel::refreshRow(int n) {
    emit dataChanged(index(n, 0), index(n, VfoFieldCount - 1), {Qt::DisplayRole});
}

void VfoTableModel::refreshAll() {
    emit dataChanged(index(0, 0), index(VfoCount - 1, VfoFieldCount - 1), {Qt::DisplayRole});
}

void SetUpGridView(QTableView *view, int dataColumns) {
    // The grids use a small font, as the radio's own program did.
    QFont small = view->font();
    small.setPointSizeF(qMin(small.pointSizeF(), 8.0));
    view->setFont(small);
    view->horizontalHeader()->setFont(small);
    view->verticalHeader()->setFont(small);
    // Twips are 1/1440 inch: 15 to a pixel at 96 dots per inch, more on a denser screen. The widths were
    // made for a font in which "14.195.000" fits the 900-twip frequency column; a wider font widens them
    // alike.
    const QFontMetrics metrics(small);
    const double fit =
        (metrics.horizontalAdvance(QStringLiteral("14.195.000")) + 8) / double(TwipsToPixels(900));
    const double scale = qMax(view->logicalDpiX() / 96.0, fit);
    auto px = [scale](int twips) { return int(TwipsToPixels(twips) * scale + 0.5); };
    const auto &widths = ColumnWidths();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setFixedWidth(px(widths[0]));
    view->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The user may widen or narrow any data column; a cut text shows whole in its tool tip.
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->setItemDelegate(new CutTextTipDelegate(view));
    view->horizontalHeader()->setHighlightSections(false);
    view->verticalHeader()->setHighlightSections(false);
    for (int c = 0; c < dataColumns; ++c)
        view->setColumnWidth(c, px(widths[c + 1]));
    FitColumnsToWidestTexts(view, dataColumns);
    view->verticalHeader()->setDefaultSectionSize(metrics.height() + 5);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
}

int GridFullWidth(const QTableView *view) {
    int width = view->verticalHeader()->width() + 2 * view->frameWidth();
    for (int c = 0; c < view->model()->columnCount(); ++c)
        width += view->columnWidth(c);
    return width;
}

namespace {
class EnterKeyFilter : public QObject {
  public:
    EnterKeyFilter(QTableView *view, std::function<void(int)> edit)
        : QObject(view), m_edit(std::move(edit)) {}
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        const QModelIndex current = static_cast<QTableView *>(watched)->currentIndex();
        if (current.isValid()) m_edit(current.row());
        return true;
    }

  private:
    std::function<void(int)> m_edit;
};
} // namespace

void EditOnEnter(QTableView *view, std::function<void(int row)> edit) {
    view->installEventFilter(new EnterKeyFilter(view, std::move(edit)));
}
