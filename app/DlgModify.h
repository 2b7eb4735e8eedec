#pragma once
// dlgModify: edits one memory channel or one VFO record. Created once and hidden between uses, so controls
// that an opening does not set keep their values.
#include "channels/ChannelEdit.h"
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UserPrompts;

class DlgModify : public QDialog {
    Q_OBJECT
  public:
    DlgModify(CloneImage *image, UserPrompts *prompts, QWidget *parent = nullptr);

    // Fills the controls for channel or VFO index and shows the dialog modally; returns at once, the
    // result arrives through the signals.
    void openFor(EditSource source, int index);
    EditSource editSource() const { return m_source; }
    int editIndex() const { return m_index; }

    // The controls as values, and back.
    EditFields fields() const;
    void setFields(const EditFields &f);

  signals:
    // OK was pressed (the data count as changed even when the range check then refuses).
    void okPressed();
    // OK stored the record: refresh its grid row.
    void stored(EditSource source, int index);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    void OKButton_Click();
    void CancelButton_Click();
    bool frequencyKeyPress(QLineEdit *box, QLineEdit *next, class QKeyEvent *event);
    bool nameKeyPress(QKeyEvent *event);
    void focusFrequency();

    CloneImage *m_image;
    UserPrompts *m_prompts;
    EditSource m_source = EditSource::Memory;
    int m_index = 0;

    QLabel *lblMode, *lblCH, *lblName, *lblSPFreq;
    QLineEdit *txtFreq, *txtFreq2, *txtFreq3, *txtName, *txtSP1, *txtSP2, *txtSP3;
    QLabel *lblMhz, *lblKHz, *lblHz;
    QCheckBox *chkSkip;
    QComboBox *cmbMode, *cmbGain, *cmbAGC, *cmbPower, *cmbFilter, *cmbNB, *cmbTone;
    QPushButton *OKButton, *CancelButton;
};
