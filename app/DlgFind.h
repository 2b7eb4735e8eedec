#pragma once
// Edit > Find: a name (any part, any case) or a frequency; Find Next goes on from the current row.
#include "channels/ChannelBulkEdit.h"
#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

class DlgFind : public QDialog {
    Q_OBJECT
  public:
    explicit DlgFind(QWidget *parent = nullptr);

    QString query() const;
    FindBy findBy() const;

    QLineEdit *txtFind;
    QRadioButton *opbName;
    QRadioButton *opbFrequency;
    QPushButton *cmdFindNext;
    QPushButton *cmdClose;

  signals:
    void findNext();
};
