#include "app/DlgCom.h"
#include "image/UiText.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

DlgCom::DlgCom(bool offerVirtualRadio, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgCOM"));
    setWindowTitle(QStringLiteral("COM Port Setup"));
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

    m_other = new QRadioButton(UiText("Other port:", "その他のポート:"), this);
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
        m_virtual = new QRadioButton(UiText("Virtual radio (demo)", "仮想無線機 (デモ)"), this);
        m_virtual->setObjectName(QStringLiteral("opbVirtual"));
        m_group->addButton(m_virtual, 15);
        layout->addWidget(m_virtual);
    }
    // a noisy cable: a refused block read or write may go again before the transfer fails
    m_retries = new QSpinBox(this);
    m_retries->setObjectName(QStringLiteral("cmbRetries"));
    m_retries->setRange(0, 5);
    m_retries->setToolTip(UiText("How often a block read or write whose reply was refused is sent again "
                                 "(0: never, every exchange once)",
                                 "応答が不正だったブロックの読み書きを再送する回数（0: 再送しない）"));
    auto *retriesLabel = new QLabel(UiText("Retries:", "再送回数:"), this);
    retriesLabel->setBuddy(m_retries);
    auto *retriesRow = new QHBoxLayout;
    retriesRow->addWidget(retriesLabel);
    retriesRow->addWidget(m_retries);
    retriesRow->addStretch();
    layout->addLayout(retriesRow);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
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
    m_retries->setValue(choice.retries);
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
    const QString path = m_otherPath->currentText().trimmed();
    if (m_other->isChecked() && !path.isEmpty()) c.devicePath = path;
    return c;
}
