#include "app/DlgSetField.h"
#include "channels/ChannelRecord.h"
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DlgSetField::DlgSetField(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgSetField"));
    setWindowTitle(tr("Set Field"));
    cmbField = new QComboBox(this);
    cmbField->setObjectName(QStringLiteral("cmbField"));
    for (int f = 0; f < BulkFieldCount; ++f)
        cmbField->addItem(ShownBulkFieldName(BulkField(f)));
    cmbValue = new QComboBox(this);
    cmbValue->setObjectName(QStringLiteral("cmbValue"));
    m_rows = new QLabel(this);
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Field"), cmbField);
    form->addRow(tr("&Value"), cmbValue);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_rows);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmbField, &QComboBox::currentIndexChanged, this, &DlgSetField::fillValues);
    connect(OKButton, &QPushButton::clicked, this, [this] {
        accept();
        emit chosen(BulkField(cmbField->currentIndex()), cmbValue->currentIndex());
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    fillValues();
}

void DlgSetField::fillValues() {
    cmbValue->clear();
    // the item's index is the value; its text is the word in the window's language
    for (const QString &value : BulkFieldValues(BulkField(cmbField->currentIndex())))
        cmbValue->addItem(ShownFieldValue(value));
}

void DlgSetField::openFor(int count) {
    m_rows->setText(count == 1 ? tr("On the selected row (an empty channel stays empty):")
                               : tr("On the %1 selected rows (empty channels stay empty):").arg(count));
    open();
}
