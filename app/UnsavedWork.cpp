#include "app/UnsavedWork.h"
#include "app/KeptWorkNotice.h"
#include "app/StatusLine.h"
#include "files/Backups.h"
#include "image/CloneDocument.h"
#include "image/SettingsStore.h"
#include <QCoreApplication>

namespace {
const QString UnsavedWorkKey = QStringLiteral("Backups/UnsavedWork");
}

UnsavedWork::UnsavedWork(CloneDocument *document, StatusLine *status, KeptWorkNotice *notice,
                         const QString &backupFolder)
    : m_document(document), m_status(status), m_notice(notice), m_backupFolder(backupFolder) {}

void UnsavedWork::keep(bool atClose) {
    if (!m_document->holdsUnkeptData()) return;
    const BackupResult backup = m_backupFolder.isEmpty()
                                    ? SaveUnsavedWorkBackup(m_document->image())
                                    : SaveUnsavedWorkBackup(m_document->image(), m_backupFolder);
    if (!backup.ok) {
        m_status->showMessage(
            QCoreApplication::translate("UnsavedWork", "No backup saved: %1").arg(backup.detail));
        return;
    }
    m_document->markKept();
    if (atClose)
        SettingsStore().setValue(UnsavedWorkKey, backup.path);
    else
        m_notice->show(backup.path); // the command's own message follows at once: the notice stays
}

void UnsavedWork::showLastSessions() {
    SettingsStore store;
    const QString path = store.value(UnsavedWorkKey).toString();
    if (path.isEmpty()) return;
    store.remove(UnsavedWorkKey);
    m_notice->show(path);
}
