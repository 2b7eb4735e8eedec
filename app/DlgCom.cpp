#include "app/DlgCom.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
    connect(m_otherPath, &QComboBox::editTextChanged, this, [this] { m_other->setChecked(true); });
    auto *otherRow = new QHBoxLayout;
    otherRow->addWidget(m_other);
    otherRow->addWidget(m_otherPath, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(ports);
    layout->addLayout(otherRow);
    if (offerVirtualRadio) {
        m_virtual = new QRadioButton(tr("Virtual radio (demo)"), this);
        m_virtual->setObjectName(QStringLiteral("opbVirtual"));
        m_group->addButton(m_virtual, 15);
        layout->addWidget(m_virtual);
    }
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
    m_otherPath->blockSignals(true);
    m_otherPath->clear();
    m_otherPath->addItems(availablePorts);
    m_otherPath->setEditText(choice.devicePath);
    m_otherPath->blockSignals(false);
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
    for (int i = 0; i < 14; ++i)
        if (m_group->button(i)->isChecked()) {
            c.commPort = i + 1;
            return c;
        }
    if (m_virtual && m_virtual->isChecked()) {
        c.virtualRadio = true;
        return c;
    }
    const QString path = m_otherPath->currentText().trimmed();
    if (m_other->isChecked() && !path.isEmpty()) c.devicePath = path;
    return c;
}
