#include "app/UnsavedWork.h"
#include "app/StatusLine.h"
#include "files/Backups.h"
#include "image/CloneDocument.h"
#include "image/SettingsStore.h"
#include "image/UiText.h"

namespace {
const QString UnsavedWorkKey = QStringLiteral("Backups/UnsavedWork");
}

UnsavedWork::UnsavedWork(CloneDocument *document, StatusLine *status, const QString &backupFolder)
    : m_document(document), m_status(status), m_backupFolder(backupFolder) {}

void UnsavedWork::keep(bool atClose) {
    if (!m_document->holdsUnkeptData()) return;
    const BackupResult backup = m_backupFolder.isEmpty()
                                    ? SaveUnsavedWorkBackup(m_document->image())
                                    : SaveUnsavedWorkBackup(m_document->image(), m_backupFolder);
    if (!backup.ok) {
        m_status->showMessage(
            UiText("No backup saved: %1", "バックアップを保存できません: %1").arg(backup.detail));
        return;
    }
    m_document->markKept();
    if (atClose)
        SettingsStore().setValue(UnsavedWorkKey, backup.path);
    else
        m_status->showMessage(
            UiText("Unsaved work kept in %1", "保存されていない作業を %1 に残しました").arg(backup.path));
}

void UnsavedWork::showLastSessions() {
    SettingsStore store;
    const QString path = store.value(UnsavedWorkKey).toString();
    if (path.isEmpty()) return;
    store.remove(UnsavedWorkKey);
    // It stays until the next action: the user may come back to the window later.
    m_status->showProgress(UiText("Unsaved work of the last session was kept in %1",
                                  "前回保存されなかった作業を %1 に残しました")
                               .arg(path));
}
