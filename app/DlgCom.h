#pragma once
// dlgCOM, "COM Port Setup": COM 1..COM 14 in two columns, any other port the system reports (or a typed
// device path), and in a demo run the virtual radio.
#include "app/PortChoice.h"
#include <QDialog>

class QButtonGroup;
class QComboBox;
class QRadioButton;
class QSpinBox;

class DlgCom : public QDialog {
    Q_OBJECT
  public:
    DlgCom(bool offerVirtualRadio, QWidget *parent = nullptr);

    // Selects the option of the choice (option CommPort - 1 for a numbered port) and lists the ports.
    void setChoice(const PortChoice &choice, const QStringList &availablePorts);
    // The choice the options show: the first selected option 0..13 gives CommPort = index + 1.
    PortChoice choice() const;

    QRadioButton *comOption(int index) const;
    QRadioButton *otherOption() const { return m_other; }
    QRadioButton *virtualOption() const { return m_virtual; }
    QComboBox *otherPath() const { return m_otherPath; }
    QSpinBox *retries() const { return m_retries; }

  private:
    QButtonGroup *m_group;
    QRadioButton *m_other;
    QRadioButton *m_virtual = nullptr;
    QComboBox *m_otherPath;
    QSpinBox *m_retries;
    PortChoice m_shown;
};
