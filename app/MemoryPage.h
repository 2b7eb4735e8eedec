#pragma once
// The Memory page ("Memorys"): the 604-row memory grid, the transfer and list buttons, the progress bar.
#include "image/CloneImage.h"
#include <QWidget>

class ChannelTableModel;
class QProgressBar;
class QPushButton;
class QTableView;

class MemoryPage : public QWidget {
    Q_OBJECT
  public:
    MemoryPage(CloneImage *image, QWidget *parent = nullptr);

    // Grid row r (1..604) is channel r - 1; the current row is the target of the list operations.
    int currentRow() const;
    // Makes row r current with the whole row highlighted, leaving the scroll position alone.
    void setCurrentRow(int r);
    // Scroll position as the number of the top visible row (1-based), and how many rows show whole.
    int topRow() const;
    void setTopRow(int r);
    int visibleRowCount() const;
    // The channels of the selected rows in row order; the current row's alone when none is selected.
    QList<int> selectedChannels() const;
    // Selects rows first..last (channel indexes) and makes `first` current, scrolled into view.
    void selectChannels(int first, int last);

    QTableView *MSFlexGrid1;
    ChannelTableModel *model;
    QPushButton *cmbRxData, *cmbTxData, *cmbInsert, *cmbDelete, *cmbClear, *cmbClAll, *Command5, *Command4;
    QProgressBar *ProgressBar1;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
