#include "app/FrmAbout.h"
#include "app/AppIcon.h"
#include "app/UserPrompts.h"
#include "image/TextTables.h"
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

bool GetKeyValue(const QString &keyName, const QString &valueName, QString *value) {
    value->clear();
#ifdef Q_OS_WIN
    QSettings key(QStringLiteral("HKEY_LOCAL_MACHINE\\") + keyName, QSettings::NativeFormat);
    const QVariant v = key.value(valueName);
    if (!v.isValid() || v.typeId() != QMetaType::QString) return false;
    *value = v.toString().section(QChar(0), 0, 0);
    return true;
#else
    Q_UNUSED(keyName);
    Q_UNUSED(valueName);
    return false;
#endif
}

FrmAbout::FrmAbout(UserPrompts *prompts, QWidget *parent) : QDialog(parent), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Korvan Clone Utility"));
    setWindowModality(Qt::ApplicationModal);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(AppIconPixmap(48));
    auto *lblTitle = new QLabel(QStringLiteral("Korvan KT-M40 Clone Utility"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    lblTitle->setFont(big);
    auto *lblVersion = new QLabel(tr("Version 0.10.00 Beta"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    auto *lblDescription =
        new QLabel(tr("Copyright (C) 2026 Korvan Radio Co., Ltd. All rights reserved."), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    auto *lblDisclaimer =
        new QLabel(tr("Warning: This computer program is protected by copyright law and international\n"
                      "treaties. Unauthorized reproduction or distribution of this program, or any\n"
                      "portion of it, may result in severe civil and criminal penalties, and will be\n"
                      "prosecuted to the maximum extent possible under the law."),
                   this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));

    auto *cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto *cmdSysInfo = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto *texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(lblDescription);
    auto *head = new QHBoxLayout;
    head->addWidget(picIcon, 0, Qt::AlignTop);
    head->addSpacing(12);
    head->addLayout(texts, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    auto *foot = new QHBoxLayout;
    foot->addWidget(lblDisclaimer, 1);
    foot->addSpacing(12);
    foot->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(head);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    layout->addLayout(foot);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::hide);
    connect(cmdSysInfo, &QPushButton::clicked, this, &FrmAbout::StartSysInfo);
}

void FrmAbout::StartSysInfo() {
    QString path;
    bool started = false;
    if (GetKeyValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"),
                    &path)) {
        started = QProcess::startDetached(path, {});
    } else if (GetKeyValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                           QStringLiteral("MSINFO"), &path)) {
        const QString exe = path + QStringLiteral("\\MSINFO32.EXE");
        if (QFileInfo::exists(exe)) started = QProcess::startDetached(exe, {});
    }
    if (!started) m_prompts->information(this, Tables().AppTitle, SysInfoUnavailableText);
}
