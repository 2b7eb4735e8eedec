#include "app/DlgCom.h"
#include "image/CloneImage.h"
#include "link/PortFinder.h"
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

DlgCom::DlgCom(bool offerVirtualRadio, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgCOM"));
    setWindowTitle(tr("COM Port Setup"));
    setWindowModality(Qt::ApplicationModal);
    m_group = new QButtonGroup(this);

    auto *ports = new QGridLayout;
    for (int i = 0; i < 14; ++i) {
        auto *option = new QRadioButton(QStringLiteral("COM %1").arg(i + 1, 2), this);
        option->setObjectName(QStringLiteral("opbCom%1").arg(i));
        m_group->addButton(option, i);
        ports->addWidget(option, i % 7, i / 7);
    }
    ports->setHorizontalSpacing(32);

    m_other = new QRadioButton(tr("Other port:"), this);
    m_other->setObjectName(QStringLiteral("opbOther"));
    m_group->addButton(m_other, 14);
    m_otherPath = new QComboBox(this);
    m_otherPath->setObjectName(QStringLiteral("cmbOtherPort"));
    m_otherPath->setEditable(true);
    m_otherPath->setMinimumWidth(180);
    m_otherPath->setMinimumContentsLength(28);
    m_otherPath->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(m_otherPath, &QComboBox::editTextChanged, this, [this] { m_other->setChecked(true); });
    // the list shows each port with what the system knows of it; the line keeps the path that is used
    connect(m_otherPath, &QComboBox::activated, this,
            [this](int index) { m_otherPath->setEditText(m_otherPath->itemData(index).toString()); });
    // the list and its line have no label of their own: the option before them names them
    m_otherPath->setAccessibleName(m_other->text());
    m_otherPath->lineEdit()->setAccessibleName(m_other->text());
    auto *otherRow = new QHBoxLayout;
    otherRow->addWidget(m_other);
    otherRow->addWidget(m_otherPath, 1);

    m_find = new QPushButton(tr("Find the radio"), this);
    m_find->setObjectName(QStringLiteral("cmdFindRadio"));
    m_find->setToolTip(tr("Ask each listed port, USB ports first, for the radio's identification and "
                          "choose the one that answers"));
    m_findLog = new QPlainTextEdit(this);
    m_findLog->setObjectName(QStringLiteral("txtFindLog"));
    m_findLog->setReadOnly(true);
    m_findLog->setFixedHeight(m_findLog->fontMetrics().lineSpacing() * 5 + 12);
    m_findLog->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_findLog->hide();
    m_findLog->setAccessibleName(m_find->text());
    m_finder = new PortFinder(this);
    connect(m_find, &QPushButton::clicked, this, &DlgCom::findRadio);
    connect(m_finder, &PortFinder::asking, this,
            [this](const QString &device) { say(tr("Asking %1 ...").arg(device)); });
    connect(m_finder, &PortFinder::skipped, this, [this](const QString &device, const QString &reason) {
        say(tr("%1 skipped: %2").arg(device, reason), true);
    });
    connect(m_finder, &PortFinder::finished, this, [this](const QString &device) {
        m_find->setEnabled(true);
        if (device.isEmpty()) {
            say(tr("No port answered as the radio."));
            return;
        }
        const int i = FindPortEntry(m_ports, device);
        const QString path = i >= 0 ? m_ports[i].path() : device;
        m_otherPath->setEditText(path);
        m_other->setChecked(true);
        say(tr("The radio (%1) answered on %2: chosen (OK keeps it).")
                .arg(VariantCaption(m_finder->variant()), device),
            true);
    });
    auto *findRow = new QHBoxLayout;
    findRow->addWidget(m_find);
    findRow->addStretch();

    // the port list widens the dialog: the COM columns keep their own width (a radio button takes clicks on
    // its circle and text only)
    auto *portsRow = new QHBoxLayout;
    portsRow->addLayout(ports);
    portsRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(portsRow);
    layout->addLayout(otherRow);
    layout->addLayout(findRow);
    layout->addWidget(m_findLog);
    if (offerVirtualRadio) {
        m_virtual = new QRadioButton(tr("Virtual radio (demo)"), this);
        m_virtual->setObjectName(QStringLiteral("opbVirtual"));
        m_group->addButton(m_virtual, 15);
        layout->addWidget(m_virtual);
    }
    // a noisy cable: a refused block read or write may go again before the transfer fails
    m_retries = new QSpinBox(this);
    m_retries->setObjectName(QStringLiteral("cmbRetries"));
    m_retries->setRange(0, 5);
    m_retries->setToolTip(tr("How often a block read or write whose reply was refused is sent again "
                             "(0: never, every exchange once)"));
    auto *retriesLabel = new QLabel(tr("Retries:"), this);
    retriesLabel->setBuddy(m_retries);
    auto *retriesRow = new QHBoxLayout;
    retriesRow->addWidget(retriesLabel);
    retriesRow->addWidget(m_retries);
    retriesRow->addStretch();
    layout->addLayout(retriesRow);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QRadioButton *DlgCom::comOption(int index) const {
    return qobject_cast<QRadioButton *>(m_group->button(index));
}

void DlgCom::setChoice(const PortChoice &choice, const QStringList &availablePorts) {
    m_shown = choice;
    m_ports = DescribeListedPorts(availablePorts);
    m_otherPath->blockSignals(true);
    m_otherPath->clear();
    for (const SerialPortEntry &entry : m_ports) {
        m_otherPath->addItem(PortLabel(entry), entry.path());
        if (!entry.stableName.isEmpty())
            m_otherPath->setItemData(m_otherPath->count() - 1,
                                     tr("Kept as %1, the same after replugging").arg(entry.stableName),
                                     Qt::ToolTipRole);
    }
    m_otherPath->setEditText(choice.devicePath);
    m_otherPath->blockSignals(false);
    m_retries->setValue(choice.retries);
    // the list is as wide as its longest line: a port's description is what tells two adapters apart
    m_otherPath->view()->setMinimumWidth(m_otherPath->view()->sizeHintForColumn(0) + 8);
    m_find->setEnabled(!m_ports.isEmpty() && !m_finder->running());
    if (choice.virtualRadio && m_virtual)
        m_virtual->setChecked(true);
    else if (!choice.devicePath.isEmpty())
        m_other->setChecked(true);
    else if (QAbstractButton *b = m_group->button(choice.commPort - 1))
        b->setChecked(true);
}

PortChoice DlgCom::choice() const {
    PortChoice c;
    c.commPort = m_shown.commPort;
    c.retries = m_retries->value();
    for (int i = 0; i < 14; ++i)
        if (m_group->button(i)->isChecked()) {
            c.commPort = i + 1;
            return c;
        }
    if (m_virtual && m_virtual->isChecked()) {
        c.virtualRadio = true;
        return c;
    }
    QString path = m_otherPath->currentText().trimmed();
    // a port's line from the list stands for its path
    if (const int i = m_otherPath->findText(path, Qt::MatchExactly); i >= 0)
        path = m_otherPath->itemData(i).toString();
    if (m_other->isChecked() && !path.isEmpty()) c.devicePath = path;
    return c;
}

void DlgCom::findRadio() {
    if (m_finder->running() || m_ports.isEmpty()) return;
    emit findingStarts();
    m_lines.clear();
    m_findLog->show();
    m_find->setEnabled(false);
    QStringList devices;
    for (const SerialPortEntry &entry : m_ports)
        devices << entry.facts.device;
    m_finder->start(devices);
}

void DlgCom::say(const QString &line, bool replaceLast) {
    if (replaceLast && !m_lines.isEmpty()) m_lines.removeLast();
    m_lines << line;
    m_findLog->setPlainText(m_lines.join(QLatin1Char('\n')));
    m_findLog->moveCursor(QTextCursor::End);
}

void DlgCom::done(int result) {
    if (m_finder->running()) {
        m_finder->cancel();
        m_find->setEnabled(true);
        say(tr("The search was stopped."));
    }
    QDialog::done(result);
}
