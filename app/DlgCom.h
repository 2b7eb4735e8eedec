#pragma once
// dlgCOM, "COM Port Setup": COM 1..COM 14 in two columns, any other port the system reports (with what
// the system knows of it, kept by its stable name where it has one) or a typed device path, "Find the
// radio", and in a demo run the virtual radio.
#include "app/PortChoice.h"
#include "link/SerialPortList.h"
#include <QDialog>

class QButtonGroup;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class PortFinder;

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
    QPushButton *findButton() const { return m_find; }
    // What the last search said, one line a port.
    QPlainTextEdit *findLog() const { return m_findLog; }

    void done(int result) override; // a search under way ends with the dialog

  signals:
    // "Find the radio" is about to ask the ports: a port the program holds open must be let go.
    void findingStarts();

  private:
    void findRadio();
    void say(const QString &line, bool replaceLast = false);

    QButtonGroup *m_group;
    QRadioButton *m_other;
    QRadioButton *m_virtual = nullptr;
    QComboBox *m_otherPath;
    QSpinBox *m_retries;
    QPushButton *m_find;
    QPlainTextEdit *m_findLog;
    PortFinder *m_finder;
    QList<SerialPortEntry> m_ports;
    QStringList m_lines;
    PortChoice m_shown;
};
