#include "app/DlgFind.h"
#include "image/UiText.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

DlgFind::DlgFind(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgFind"));
    setWindowTitle(UiText("Find", "検索"));
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setMinimumWidth(txtFind->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 14);
    auto *label = new QLabel(UiText("Fi&nd:", "検索する文字列(&N):"), this);
    label->setBuddy(txtFind);
    opbName = new QRadioButton(UiText("By n&ame (any part)", "名前で(&A)（一部でも可）"), this);
    opbName->setObjectName(QStringLiteral("opbName"));
    opbName->setChecked(true);
    opbFrequency = new QRadioButton(
        UiText("By &frequency (7.050.000, 7.05 or 7050000)", "周波数で(&F)（7.050.000、7.05、7050000）"),
        this);
    opbFrequency->setObjectName(QStringLiteral("opbFrequency"));
    cmdFindNext = new QPushButton(UiText("Find &Next", "次を検索(&N)"), this);
    cmdFindNext->setObjectName(QStringLiteral("cmdFindNext"));
    cmdFindNext->setDefault(true);
    cmdClose = new QPushButton(UiText("Close", "閉じる"), this);
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
