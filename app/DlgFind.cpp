#include "app/DlgFind.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

DlgFind::DlgFind(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgFind"));
    setWindowTitle(tr("Find"));
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setMinimumWidth(txtFind->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 14);
    auto *label = new QLabel(tr("Fi&nd:"), this);
    label->setBuddy(txtFind);
    opbName = new QRadioButton(tr("By n&ame (any part)"), this);
    opbName->setObjectName(QStringLiteral("opbName"));
    opbName->setChecked(true);
    opbFrequency = new QRadioButton(tr("By &frequency (7.050.000, 7.05 or 7050000)"), this);
    opbFrequency->setObjectName(QStringLiteral("opbFrequency"));
    cmdFindNext = new QPushButton(tr("Find &Next"), this);
    cmdFindNext->setObjectName(QStringLiteral("cmdFindNext"));
    cmdFindNext->setDefault(true);
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(txtFind, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdFindNext);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(opbName);
    layout->addWidget(opbFrequency);
    layout->addLayout(buttons);

    connect(cmdFindNext, &QPushButton::clicked, this, &DlgFind::findNext);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

QString DlgFind::query() const {
    return txtFind->text();
}

FindBy DlgFind::findBy() const {
    return opbFrequency->isChecked() ? FindBy::Frequency : FindBy::Name;
}
