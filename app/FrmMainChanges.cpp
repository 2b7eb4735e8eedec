// frmMain's Tool > Write > Changes: the radio read and kept as a backup, only the differing records written
// and read back, with the whole run's progress and time left in the status bar.
#include "app/FrmMain.h"
#include "app/MemoryPage.h"
#include "app/UserPrompts.h"
#include "files/Backups.h"
#include "image/Messages.h"
#include "image/UiText.h"
#include <QProgressBar>

namespace {
constexpr int ListedDifferences = 40; // a message box longer than this is no longer read
}

void FrmMain::mnuWrChg_Click() {
    if (transferRunning()) return;
    const QString folder = m_options.backupFolder.isEmpty() ? BackupFolder() : m_options.backupFolder;
    startRun([this, folder] {
        m_runChanges = true;
        const bool started = m_session->startWriteChanges(true, true, folder);
        m_runChanges = started;
        return started;
    });
}

void FrmMain::showChangesProgress(const WriteChangesProgress &progress) {
    if (progress.workTotal > 0)
        m_memoryPage->ProgressBar1->setValue(
            int(qint64(ChannelCount - 1) * progress.workDone / progress.workTotal));
    setProgressText(progress.text()); // stays until the run ends: a progress line never fades
}

void FrmMain::finishWriteChanges(bool succeeded) {
    if (!m_runChanges) return;
    m_runChanges = false;
    if (!succeeded) return; // the failure's message and detail have been shown: nothing is claimed
    const WriteChangesRun &run = m_session->writeChangesRun();
    const QList<ChangedRecord> notHeld = run.notHeld(m_session->radioRecords());
    const QString summary = WriteChangesSummary(int(run.changed.size()), run.written, int(notHeld.size()));
    setStatusText(summary);
    if (notHeld.isEmpty()) return;
    const QList<ImageDifference> diffs = run.stillDiffering(m_image, m_session->radioRecords());
    QStringList lines{summary, UiText("The radio does not hold what was written:",
                                      "無線機は書き込んだ内容を保持していません:")};
    for (int i = 0; i < diffs.size() && i < ListedDifferences; ++i)
        lines << UiText("%1  %2: window %3, radio %4", "%1  %2: ウィンドウ %3、無線機 %4")
                     .arg(diffs[i].record, diffs[i].field, diffs[i].first, diffs[i].second);
    if (diffs.size() > ListedDifferences)
        lines << UiText("... and %1 more", "... ほか %1 件").arg(diffs.size() - ListedDifferences);
    m_prompts->critical(this, ErrorTitle, lines.join(QStringLiteral("\r\n")));
}
