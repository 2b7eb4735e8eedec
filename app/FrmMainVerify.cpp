// frmMain's additions around the transfers: Tool > Verify, the backup after every successful read, and the
// progress of memory transfers in the status bar.
#include "app/FrmMain.h"
#include "app/MemoryPage.h"
#include "app/UserPrompts.h"
#include "files/Backups.h"
#include "link/TransferProgress.h"
#include "link/VerifyRecords.h"
#include <QProgressBar>

namespace {
constexpr int ListedDifferences = 40; // a message box longer than this is no longer read
}

void FrmMain::mnuVerify_Click() {
    startRun([this] { return m_session->startVerify(true, true); });
}

void FrmMain::showTransferProgress(int k) {
    m_memoryPage->ProgressBar1->setValue(k);
    setStatusText(TransferProgress{k, ChannelCount, m_transferClock.elapsed()}.text());
}

void FrmMain::finishReadOrVerify(bool succeeded) {
    const bool reads = m_runReads, verifies = m_runVerifies;
    m_runReads = m_runVerifies = false;
    if (!succeeded) return;
    if (reads) {
        // a backup that cannot be saved never disturbs the read: it only says so
        const BackupResult backup = m_options.backupFolder.isEmpty()
                                        ? SaveBackup(m_image)
                                        : SaveBackup(m_image, m_options.backupFolder);
        setStatusText(backup.ok ? QStringLiteral("Backup saved: %1").arg(backup.path)
                                : QStringLiteral("No backup saved: %1").arg(backup.detail));
    }
    if (verifies) {
        const QList<ImageDifference> diffs = CompareWithRadio(m_image, m_session->radioRecords());
        if (diffs.isEmpty()) {
            setStatusText(QStringLiteral("Verify: the radio holds what Write would send"));
            m_prompts->information(this, QStringLiteral("Verify"),
                                   QStringLiteral("The radio holds what Write would send."));
            return;
        }
        setStatusText(QStringLiteral("Verify: %1 difference(s)").arg(diffs.size()));
        QStringList lines{
            QStringLiteral("%1 difference(s) between the window and the radio:").arg(diffs.size())};
        for (int i = 0; i < diffs.size() && i < ListedDifferences; ++i)
            lines << QStringLiteral("%1  %2: window %3, radio %4")
                         .arg(diffs[i].record, diffs[i].field, diffs[i].first, diffs[i].second);
        if (diffs.size() > ListedDifferences)
            lines << QStringLiteral("... and %1 more").arg(diffs.size() - ListedDifferences);
        m_prompts->information(this, QStringLiteral("Verify"), lines.join(QStringLiteral("\r\n")));
    }
}
