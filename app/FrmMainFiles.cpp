// frmMain's File menu: New, Open, Save, Save As, and the save question before data are replaced.
#include "app/FrmMain.h"
#include "app/GridModels.h"
#include "app/MemoryPage.h"
#include "app/SettingsPage.h"
#include "app/UserPrompts.h"
#include "files/CloneFile.h"
#include "image/Messages.h"
#include "image/TextTables.h"
#include "image/UiText.h"
#include <QFileInfo>

bool FrmMain::askSaveChanges() {
    switch (m_prompts->askYesNoCancel(this, SaveQuestionTitle, SaveQuestionText)) {
    case UserPrompts::Answer::Cancel:
        return false;
    case UserPrompts::Answer::Yes:
        mnuFileSave_Click(); // goes on even when the save dialog is cancelled
        return true;
    default:
        return true;
    }
}

void FrmMain::mnuFileNew_Click() {
    if (transferRunning()) return;
    if (m_document.dataChanged() && !askSaveChanges()) return;
    m_document.beginChange();
    NewImage(m_image);
    m_document.setFileState({}, CloneDocument::FileChange::PartOfStep);
    m_document.commitChange(UiText("New", "新規作成"), CloneDocument::Mark::Leave);
    refreshAllViews();
    m_document.setDataChanged(false);
}

void FrmMain::mnuFileOpen_Click() {
    if (transferRunning()) return;
    if (m_document.dataChanged() && !askSaveChanges()) return;
    const QString path = m_prompts->openFileName(this, UiText("Open", "開く"), CloneFileFilter);
    if (path.isEmpty()) return;
    openCloneFile(path);
}

bool FrmMain::openCloneFile(const QString &path) {
    const QString name = QFileInfo(path).fileName();
    const QString stepName = UiText("Open %1", "開く %1").arg(name);
    m_document.beginChange();
    const CloneFileLoad result = LoadCloneFile(path, m_image);
    if (result.variantSelected) // the option button follows the header, as a click would
        showVariantQuietly();
    if (result.status != FileStatus::Ok) {
        m_document.commitChange(stepName, CloneDocument::Mark::Leave); // the header's model stays
        setStatusText(name + QStringLiteral(": ") + result.detail);
        m_prompts->critical(this, ErrorTitle, FileStatusText(result.status));
        return false;
    }
    m_document.setFileState({path, name}, CloneDocument::FileChange::PartOfStep);
    m_document.commitChange(stepName, CloneDocument::Mark::Leave);
    refreshAllViews();
    m_document.setDataChanged(false);
    setStatusText(QString());
    return true;
}

void FrmMain::mnuFileSave_Click() {
    if (transferRunning()) return;
    if (m_document.cloneFileName().isEmpty()) {
        mnuFileSaveAs_Click();
        return;
    }
    writeCloneFile(m_document.cloneFileName());
}

void FrmMain::mnuFileSaveAs_Click() {
    if (transferRunning()) return;
    const QString path =
        m_prompts->saveFileName(this, UiText("Save As", "名前を付けて保存"), CloneFileFilter);
    if (path.isEmpty()) return;
    writeCloneFile(path);
}

bool FrmMain::writeCloneFile(const QString &path) {
    m_image.Variant = m_settingsPage->selectedVariant();
    QString detail;
    const FileStatus status = SaveCloneFile(path, m_image, &detail);
    if (status != FileStatus::Ok) {
        setStatusText(QFileInfo(path).fileName() + QStringLiteral(": ") + detail);
        m_prompts->critical(this, ErrorTitle, FileStatusText(status));
        return false;
    }
    m_document.setFileState({path, QFileInfo(path).fileName()});
    m_document.setDataChanged(false);
    setStatusText(QString());
    return true;
}
