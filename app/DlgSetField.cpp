#include "app/DlgSetField.h"
#include "image/UiText.h"
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DlgSetField::DlgSetField(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgSetField"));
    setWindowTitle(UiText("Set Field", "項目の一括設定"));
    cmbField = new QComboBox(this);
    cmbField->setObjectName(QStringLiteral("cmbField"));
    for (int f = 0; f < BulkFieldCount; ++f)
        cmbField->addItem(BulkFieldName(BulkField(f)));
    cmbValue = new QComboBox(this);
    cmbValue->setObjectName(QStringLiteral("cmbValue"));
    m_rows = new QLabel(this);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(UiText("Cancel", "キャンセル"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto *form = new QFormLayout;
    form->addRow(UiText("&Field", "項目(&F)"), cmbField);
    form->addRow(UiText("&Value", "値(&V)"), cmbValue);
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
    cmbValue->addItems(BulkFieldValues(BulkField(cmbField->currentIndex())));
}

void DlgSetField::openFor(int count) {
    m_rows->setText(UiText("On the %1 selected rows (empty channels stay empty):",
                           "選んだ %1 行に設定します（空きチャンネルは空のまま）:")
                        .arg(count));
    open();
}
