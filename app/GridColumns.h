#pragma once
// The grids' columns: each at least as wide as the widest text it can show in the font in use (the
// design widths are the least), widened by the user at will, and a tool tip for a cell whose text is cut.
#include <QStringList>
#include <QStyledItemDelegate>

class QTableView;

// Every text data column c (Frequency .. Skip) can show at its widest: a few candidates whose widest
// is the widest the font can draw.
QStringList WidestColumnTexts(int column);

// Widens the label column and the data columns 0..dataColumns-1 of view so that their widest texts and
// header texts fit whole; columns already wider stay as they are.
void FitColumnsToWidestTexts(QTableView *view, int dataColumns);

// Shows a cell's text as its tool tip when the column is too narrow to show it whole.
class CutTextTipDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
};
