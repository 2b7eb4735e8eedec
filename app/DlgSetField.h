#pragma once
// Edit > Set Field: a field and a value for every selected channel. The choice arrives through chosen().
#include "channels/ChannelBulkEdit.h"
#include <QDialog>

class QComboBox;
class QPushButton;

class DlgSetField : public QDialog {
    Q_OBJECT
  public:
    explicit DlgSetField(QWidget *parent = nullptr);

    // Shows the dialog for `count` selected rows, without waiting.
    void openFor(int count);

    QComboBox *cmbField;
    QComboBox *cmbValue;
    QPushButton *OKButton;
    QPushButton *CancelButton;

  signals:
    void chosen(BulkField field, int value);

  private:
    void fillValues();
    class QLabel *m_rows;
};
