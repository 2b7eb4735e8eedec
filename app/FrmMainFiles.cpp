// frmMain's File menu: New, Open, Save, Save As, and the save question before data are replaced.
#include "app/FrmMain.h"
#include "app/GridModels.h"
#include "app/MemoryPage.h"
#include "app/SettingsPage.h"
#include "app/UserPrompts.h"
#include "files/Backups.h"
#include "files/CloneFile.h"
#include "image/Messages.h"
#include "image/SettingsStore.h"
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
        m_userDiscarded = true;
        return true;
    }
}

namespace {
const QString UnsavedWorkKey = QStringLiteral("Backups/UnsavedWork");
}

void FrmMain::keepUnsavedWork(bool atClose) {
    const bool discarded = m_userDiscarded;
    m_userDiscarded = false;
    if (discarded || !m_document.holdsUnkeptData()) return;
    const BackupResult backup = m_options.backupFolder.isEmpty()
                                    ? SaveUnsavedWorkBackup(m_image)
                                    : SaveUnsavedWorkBackup(m_image, m_options.backupFolder);
    if (!backup.ok) {
        setStatusText(UiText("No backup saved: %1", "バックアップを保存できません: %1").arg(backup.detail));
        return;
    }
    m_document.markKept();
    if (atClose)
        SettingsStore().setValue(UnsavedWorkKey, backup.path);
    else
        setStatusText(
            UiText("Unsaved work kept in %1", "保存されていない作業を %1 に残しました").arg(backup.path));
}

void FrmMain::showLastSessionsUnsavedWork() {
    SettingsStore store;
    const QString path = store.value(UnsavedWorkKey).toString();
    if (path.isEmpty()) return;
    store.remove(UnsavedWorkKey);
    // It stays until the next action: the user may come back to the window later.
    setProgressText(UiText("Unsaved work of the last session was kept in %1",
                           "前回保存されなかった作業を %1 に残しました")
                        .arg(path));
}

void FrmMain::mnuFileNew_Click() {
    if (transferRunning()) return;
    m_userDiscarded = false;
    if (m_document.dataChanged() && !askSaveChanges()) return;
    keepUnsavedWork(false);
    m_document.beginChange();
    NewImage(m_image);
    m_document.setFileState({}, CloneDocument::FileChange::PartOfStep);
    m_document.commitChange(UiText("New", "新規作成"), CloneDocument::Mark::Leave);
    refreshAllViews();
    m_document.setDataChanged(false);
    m_document.markKept(); // defaults: nothing anybody made
}

void FrmMain::mnuFileOpen_Click() {
    if (transferRunning()) return;
    m_userDiscarded = false;
    if (m_document.dataChanged() && !askSaveChanges()) return;
    const QString path = m_prompts->openFileName(this, UiText("Open", "開く"), CloneFileFilter);
    if (path.isEmpty()) return;
    keepUnsavedWork(false);
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
    m_document.markKept();
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
    m_document.markKept();
    m_document.setDataChanged(false);
    setStatusText(QString());
    return true;
}
