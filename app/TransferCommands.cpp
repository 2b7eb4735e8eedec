#include "app/TransferCommands.h"
#include "app/GridModels.h"
#include "app/MemoryPage.h"
#include "app/SettingsPage.h"
#include "app/StatusLine.h"
#include "app/UnsavedWork.h"
#include "app/UserPrompts.h"
#include "files/Backups.h"
#include "image/Messages.h"
#include "link/Link.h"
#include "link/TransferProgress.h"
#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

namespace {
constexpr int ListedDifferences = 40; // a message box longer than this is no longer read

QString VerifyTitle() {
    return QCoreApplication::translate("TransferCommands", "Verify");
}

QStringList differenceLines(const QList<ImageDifference> &diffs) {
    QStringList lines;
    for (int i = 0; i < diffs.size() && i < ListedDifferences; ++i)
        lines << QCoreApplication::translate("TransferCommands", "%1  %2: window %3, radio %4")
                     .arg(diffs[i].record, diffs[i].field, diffs[i].first, diffs[i].second);
    if (diffs.size() > ListedDifferences)
        lines << QCoreApplication::translate("TransferCommands", "... and %1 more")
                     .arg(diffs.size() - ListedDifferences);
    return lines;
}
} // namespace

TransferCommands::TransferCommands(const CommandContext &context, UnsavedWork *unsavedWork,
                                   LinkFactory linkFactory, const QString &backupFolder, QObject *parent)
    : QObject(parent), m_c(context), m_unsavedWork(unsavedWork), m_linkFactory(std::move(linkFactory)),
      m_backupFolder(backupFolder), m_session(new RadioSession(&context.image(), this)) {
    connect(m_session, &RadioSession::procedureStarted, this, &TransferCommands::onProcedureStarted);
    connect(m_session, &RadioSession::progress, this, &TransferCommands::showTransferProgress);
    connect(m_session, &RadioSession::changesProgress, this, &TransferCommands::showChangesProgress);
    connect(m_session, &RadioSession::channelDecoded, this,
            [this](int k) { m_c.memoryPage->model->refreshRows(k, k); });
    connect(m_session, &RadioSession::settingsDecoded, m_c.settingsPage, &SettingsPage::showSettings);
    connect(m_session, &RadioSession::vfoDecoded, m_c.settingsPage->vfoModel, &VfoTableModel::refreshAll);
    connect(m_session, &RadioSession::variantIdentified, this, [this](int variant, bool wideRange) {
        m_c.settingsPage->selectVariant(variant);
        m_c.image().WideRange = wideRange;
    });
    connect(m_session, &RadioSession::procedureFinished, this, &TransferCommands::onProcedureFinished);
    connect(m_session, &RadioSession::runFinished, this,
            [this] { QMetaObject::invokeMethod(this, &TransferCommands::endRun, Qt::QueuedConnection); });
}

// The session looks at the image: it goes before the document does.
TransferCommands::~TransferCommands() {
    delete m_session;
}

bool TransferCommands::running() const {
    return m_run || m_session->busy();
}

void TransferCommands::setPort(const PortChoice &port) {
    if (m_session->busy()) return;
    if (Link *link = m_session->link(); link && link->isOpen()) link->close();
    m_port = port;
    m_linkMatchesPort = false;
}

bool TransferCommands::ensureLink() {
    if (m_session->link() && m_linkMatchesPort) return true;
    std::unique_ptr<Link> link = m_linkFactory ? m_linkFactory(m_port) : nullptr;
    if (!link) return false;
    if (!m_session->setLink(std::move(link))) return false;
    m_linkMatchesPort = true;
    return true;
}

void TransferCommands::startRun(const std::function<bool()> &start) {
    if (running()) return;
    m_session->setRetries(m_port.retries);
    if (!ensureLink() || !start()) {
        // No line to the radio at all: the procedure's own failure path.
        m_c.status->showMessage(tr("No port to open"));
        m_c.prompts->critical(m_c.window, ErrorTitle, ComPortErrorText);
    }
}

void TransferCommands::cmbRxData_Click() {
    startRun([this] { return m_session->start(Procedure::ReadMemory); });
}

void TransferCommands::cmbTxData_Click() {
    startRun([this] { return m_session->start(Procedure::WriteMemory); });
}

void TransferCommands::cmbRxData1_Click() {
    startRun([this] { return m_session->start(Procedure::ReadSettings); });
}

void TransferCommands::cmbTxData1_Click() {
    startRun([this] { return m_session->start(Procedure::WriteSettings); });
}

void TransferCommands::cmdAuto_Click() {
    startRun([this] { return m_session->start(Procedure::Identify); });
}

void TransferCommands::mnuReSet_Click() {
    cmbRxData1_Click();
}

void TransferCommands::mnuReMem_Click() {
    if (running()) return;
    m_c.showMemoryPage();
    cmbRxData_Click();
}

void TransferCommands::mnuReAll_Click() {
    startRun([this] { return m_session->startReadAll(); });
}

void TransferCommands::mnuWrSet_Click() {
    cmbTxData1_Click();
}

void TransferCommands::mnuWrMem_Click() {
    if (running()) return;
    m_c.showMemoryPage();
    cmbTxData_Click();
}

void TransferCommands::mnuWrAll_Click() {
    startRun([this] { return m_session->startWriteAll(); });
}

void TransferCommands::mnuWrChg_Click() {
    if (running()) return;
    const QString folder = m_backupFolder.isEmpty() ? BackupFolder() : m_backupFolder;
    startRun([this, folder] { return m_session->startWriteChanges(true, true, folder); });
}

void TransferCommands::mnuVerify_Click() {
    startRun([this] { return m_session->startVerify(true, true); });
}

void TransferCommands::onProcedureStarted(Procedure procedure) {
    if (!m_run) {
        // a read replaces what it reads: data no file holds are kept first
        if (procedure == Procedure::ReadMemory || procedure == Procedure::ReadSettings)
            m_unsavedWork->keep(false);
        m_run = std::make_unique<TransferRun>();
        m_c.document->beginChange(); // what the run reads into the image is one undo step
        emit runningChanged(true);
    }
    m_run->procedureStarted(procedure);
    m_c.status->clear();
    if (IsMemoryProcedure(procedure)) {
        m_c.showMemoryPage();
        m_c.memoryPage->ProgressBar1->setValue(0);
        m_c.memoryPage->ProgressBar1->setVisible(true);
    }
}

void TransferCommands::showTransferProgress(int k) {
    m_c.memoryPage->ProgressBar1->setValue(k);
    const qint64 elapsed = m_run ? m_run->procedureElapsed() : 0;
    m_c.status->showProgress(TransferProgress{k, ChannelCount, elapsed}.text());
}

void TransferCommands::showChangesProgress(const WriteChangesProgress &progress) {
    if (progress.workTotal > 0)
        m_c.memoryPage->ProgressBar1->setValue(
            int(qint64(ChannelCount - 1) * progress.workDone / progress.workTotal));
    m_c.status->showProgress(progress.text()); // stays until the run ends: a progress line never fades
}

void TransferCommands::onProcedureFinished(Procedure procedure, Ending ending, const QString &detail) {
    if (ending == Ending::Success) {
        // The last line of a memory transfer counts every record: all were moved.
        if (IsMemoryProcedure(procedure)) {
            m_c.memoryPage->ProgressBar1->setValue(m_c.memoryPage->ProgressBar1->maximum());
            const qint64 elapsed = m_run ? m_run->procedureElapsed() : 0;
            m_c.status->showProgress(TransferProgress{ChannelCount, ChannelCount, elapsed}.text());
        }
        return;
    }
    if (m_run) m_run->procedureFailed(procedure, ending);
    m_c.status->showMessage(detail);
}

void TransferCommands::endRun() {
    if (m_session->busy() || !m_run) return; // a further run has begun meanwhile
    emit runEnding();
    if (!m_run->succeeded()) {
        if (m_run->selectsFirstVfoRow()) m_c.settingsPage->MSFlexGrid2->selectRow(0);
        m_c.prompts->critical(m_c.window, ErrorTitle, m_run->failureText());
    }
    // A read that stopped part-way leaves what it decoded: the lists and the VFO grid show it.
    m_c.settingsPage->showSettings();
    m_c.settingsPage->vfoModel->refreshAll();
    m_c.document->commitChange(m_run->stepName(), CloneDocument::Mark::Leave);
    // ComEnd: buttons back, default pointer, progress bar hidden and at 0.
    const std::unique_ptr<TransferRun> run = std::move(m_run);
    emit runningChanged(false);
    m_c.memoryPage->ProgressBar1->setVisible(false);
    m_c.memoryPage->ProgressBar1->setValue(0);
    if (run->succeeded()) {
        finishReadOrVerify(*run);
        finishWriteChanges(*run);
    } // else the failure's message and detail have been shown: nothing is claimed
    // a noisy cable shows in the closing line: how many exchanges had to go again
    if (const qsizetype retried = m_session->retriesInRun().size(); retried > 0)
        m_c.status->showMessage(QStringLiteral("%1 (%2)").arg(m_c.status->text(), RetriesText(int(retried))));
}

void TransferCommands::finishReadOrVerify(const TransferRun &run) {
    const QString took = FormatDuration(run.elapsed());
    if (run.writes())
        m_c.status->showMessage(tr("Written to the radio in %1").arg(took));
    else if (!run.reads() && !run.verifies()) // identification alone
        m_c.status->showMessage(tr("The radio answered in %1").arg(took));
    if (run.reads()) {
        // a backup that cannot be saved never disturbs the read: it only says so
        const BackupResult backup =
            m_backupFolder.isEmpty() ? SaveBackup(m_c.image()) : SaveBackup(m_c.image(), m_backupFolder);
        if (backup.ok) m_c.document->markKept(); // the backup holds what the read brought
        const QString read = tr("Read from the radio in %1. ").arg(took);
        m_c.status->showMessage(read + (backup.ok ? tr("Backup saved: %1").arg(backup.path)
                                                  : tr("No backup saved: %1").arg(backup.detail)));
    }
    if (!run.verifies()) return;
    const QList<ImageDifference> diffs = CompareWithRadio(m_c.image(), m_session->radioRecords());
    if (diffs.isEmpty()) {
        m_c.status->showMessage(tr("Verify: the radio holds what Write would send"));
        m_c.prompts->information(m_c.window, VerifyTitle(), tr("The radio holds what Write would send."));
        return;
    }
    m_c.status->showMessage(tr("Verify: %1 difference(s)").arg(diffs.size()));
    const QStringList lines =
        QStringList{tr("%1 difference(s) between the window and the radio:").arg(diffs.size())} +
        differenceLines(diffs);
    m_c.prompts->information(m_c.window, VerifyTitle(), lines.join(QStringLiteral("\r\n")));
}

void TransferCommands::finishWriteChanges(const TransferRun &run) {
    if (!run.writesChanges()) return;
    const WriteChangesRun &changes = m_session->writeChangesRun();
    const QList<ChangedRecord> notHeld = changes.notHeld(m_session->radioRecords());
    const QString summary =
        WriteChangesSummary(int(changes.changed.size()), changes.written, int(notHeld.size()));
    m_c.status->showMessage(summary);
    if (notHeld.isEmpty()) return;
    const QList<ImageDifference> diffs = changes.stillDiffering(m_c.image(), m_session->radioRecords());
    const QStringList lines =
        QStringList{summary, tr("The radio does not hold what was written:")} + differenceLines(diffs);
    m_c.prompts->critical(m_c.window, ErrorTitle, lines.join(QStringLiteral("\r\n")));
}
