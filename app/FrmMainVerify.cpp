// frmMain's additions around the transfers: Tool > Verify, the backup after every successful read, and the
// progress of memory transfers in the status bar.
#include "app/FrmMain.h"
#include "app/MemoryPage.h"
#include "app/UserPrompts.h"
#include "files/Backups.h"
#include "image/UiText.h"
#include "link/TransferProgress.h"
#include "link/VerifyRecords.h"
#include <QProgressBar>

namespace {
constexpr int ListedDifferences = 40; // a message box longer than this is no longer read

QString VerifyTitle() {
    return UiText("Verify", "ベリファイ");
}
} // namespace

void FrmMain::mnuVerify_Click() {
    startRun([this] { return m_session->startVerify(true, true); });
}

void FrmMain::showTransferProgress(int k) {
    m_memoryPage->ProgressBar1->setValue(k);
    setProgressText(TransferProgress{k, ChannelCount, m_transferClock.elapsed()}.text());
}

void FrmMain::finishReadOrVerify(bool succeeded) {
    const bool reads = m_runReads, verifies = m_runVerifies, writes = m_runWrites;
    m_runReads = m_runVerifies = m_runWrites = false;
    if (!succeeded) return;
    const QString took = FormatDuration(m_runClock.elapsed());
    if (writes)
        setStatusText(
            UiText("Written to the radio in %1", "無線機への書き込みが終わりました (%1)").arg(took));
    else if (!reads && !verifies) // identification alone
        setStatusText(UiText("The radio answered in %1", "無線機が応答しました (%1)").arg(took));
    if (reads) {
        // a backup that cannot be saved never disturbs the read: it only says so
        const BackupResult backup = m_options.backupFolder.isEmpty()
                                        ? SaveBackup(m_image)
                                        : SaveBackup(m_image, m_options.backupFolder);
        if (backup.ok) m_document.markKept(); // the backup holds what the read brought
        const QString read =
            UiText("Read from the radio in %1. ", "無線機からの読み出しが終わりました (%1)。").arg(took);
        setStatusText(
            read +
            (backup.ok
                 ? UiText("Backup saved: %1", "バックアップを保存しました: %1").arg(backup.path)
                 : UiText("No backup saved: %1", "バックアップを保存できません: %1").arg(backup.detail)));
    }
    if (verifies) {
        const QList<ImageDifference> diffs = CompareWithRadio(m_image, m_session->radioRecords());
        if (diffs.isEmpty()) {
            setStatusText(UiText("Verify: the radio holds what Write would send",
                                 "ベリファイ: 無線機の内容は書き込むデータと一致しています"));
            m_prompts->information(this, VerifyTitle(),
                                   UiText("The radio holds what Write would send.",
                                          "無線機の内容は書き込むデータと一致しています。"));
            return;
        }
        setStatusText(UiText("Verify: %1 difference(s)", "ベリファイ: 相違 %1 件").arg(diffs.size()));
        QStringList lines{
            UiText("%1 difference(s) between the window and the radio:", "ウィンドウと無線機の相違 %1 件:")
                .arg(diffs.size())};
        for (int i = 0; i < diffs.size() && i < ListedDifferences; ++i)
            lines << UiText("%1  %2: window %3, radio %4", "%1  %2: ウィンドウ %3、無線機 %4")
                         .arg(diffs[i].record, diffs[i].field, diffs[i].first, diffs[i].second);
        if (diffs.size() > ListedDifferences)
            lines << UiText("... and %1 more", "... ほか %1 件").arg(diffs.size() - ListedDifferences);
        m_prompts->information(this, VerifyTitle(), lines.join(QStringLiteral("\r\n")));
    }
}
