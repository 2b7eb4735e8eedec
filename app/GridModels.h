#pragma once
// The two grids as views over the image: the memory grid (604 channels) and the VFO grid (VFO A, VFO B).
#include "image/CloneImage.h"
#include <QAbstractTableModel>
#include <functional>

class QTableView;

// Row k is channel k, labelled "0".."199", "A  0".., "A-P1", ...; column n is field n. An unused channel
// shows empty cells whatever its slots hold.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ChannelTableModel(const CloneImage *image, QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Rows first..last (channel indexes) follow the table again.
    void refreshRows(int first, int last);
    void refreshAll() { refreshRows(0, ChannelCount - 1); }

  private:
    const CloneImage *m_image;
};

class VfoTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit VfoTableModel(const CloneImage *image, QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void refreshRow(int n);
    void refreshAll();

  private:
    const CloneImage *m_image;
};

// Column widths from the twips list (label column first), scaled for the screen; whole-row selection.
void SetUpGridView(QTableView *view, int dataColumns);
// Enter or Return in the grid edits its current row, as a double-click does: the keyboard's way to the edit
// dialog.
void EditOnEnter(QTableView *view, std::function<void(int row)> edit);
// Label column, all data columns and the frame: the width that shows every column.
int GridFullWidth(const QTableView *view);
