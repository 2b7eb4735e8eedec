// frmMain's side of the radio transfers: starting them, following their progress, and the endings.
#include "app/FrmMain.h"
#include "app/GridModels.h"
#include "app/MemoryPage.h"
#include "app/SettingsPage.h"
#include "app/UserPrompts.h"
#include "image/Messages.h"
#include "image/UiText.h"
#include "link/Link.h"
#include "link/TransferProgress.h"
#include <QAction>
#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

namespace {
bool isMemoryProcedure(Procedure p) {
    return p == Procedure::ReadMemory || p == Procedure::WriteMemory || p == Procedure::VerifyMemory ||
           p == Procedure::ChangesRead;
}
} // namespace

bool FrmMain::transferRunning() const {
    return m_running || m_session->busy();
}

bool FrmMain::ensureLink() {
    if (m_session->link() && m_linkMatchesPort) return true;
    std::unique_ptr<Link> link = m_linkFactory ? m_linkFactory(m_port) : nullptr;
    if (!link) return false;
    if (!m_session->setLink(std::move(link))) return false;
    m_linkMatchesPort = true;
    return true;
}

void FrmMain::startRun(const std::function<bool()> &start) {
    if (transferRunning()) return;
    m_session->setRetries(m_port.retries);
    if (!ensureLink() || !start()) {
        // No line to the radio at all: the procedure's own failure path.
        setStatusText(UiText("No port to open", "開くポートがありません"));
        m_prompts->critical(this, ErrorTitle, ComPortErrorText);
    }
}

void FrmMain::cmbRxData_Click() {
    startRun([this] { return m_session->start(Procedure::ReadMemory); });
}

void FrmMain::cmbTxData_Click() {
    startRun([this] { return m_session->start(Procedure::WriteMemory); });
}

void FrmMain::cmbRxData1_Click() {
    startRun([this] { return m_session->start(Procedure::ReadSettings); });
}

void FrmMain::cmbTxData1_Click() {
    startRun([this] { return m_session->start(Procedure::WriteSettings); });
}

void FrmMain::cmdAuto_Click() {
    startRun([this] { return m_session->start(Procedure::Identify); });
}

void FrmMain::mnuReSet_Click() {
    cmbRxData1_Click();
}

void FrmMain::mnuReMem_Click() {
    if (transferRunning()) return;
    showMemoryPage();
    cmbRxData_Click();
}

void FrmMain::mnuReAll_Click() {
    startRun([this] { return m_session->startReadAll(); });
}

void FrmMain::mnuWrSet_Click() {
    cmbTxData1_Click();
}

void FrmMain::mnuWrMem_Click() {
    if (transferRunning()) return;
    showMemoryPage();
    cmbTxData_Click();
}

void FrmMain::mnuWrAll_Click() {
    startRun([this] { return m_session->startWriteAll(); });
}

void FrmMain::setRunning(bool running) {
    m_running = running;
    const bool idle = !running;
    // Nothing may start another radio command or change the data a transfer moves while one runs.
    for (QPushButton *b : {m_settingsPage->cmbRxData1, m_settingsPage->cmbTxData1, m_settingsPage->cmdAuto,
                           m_memoryPage->cmbRxData, m_memoryPage->cmbTxData, m_memoryPage->cmbInsert,
                           m_memoryPage->cmbDelete, m_memoryPage->cmbClear, m_memoryPage->cmbClAll})
        b->setEnabled(idle);
    m_settingsPage->setInputEnabled(idle);
    for (const char *name :
         {"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuImport", "mnuExport",
          "mnuEditUndo", "mnuReSet", "mnuReMem", "mnuReAll", "mnuWrSet", "mnuWrMem", "mnuWrAll", "mnuWrChg",
          "mnuVerify", "mnuToolsOptions", "tb_新規作成", "tb_開く", "tb_上書き保存"})
        if (QAction *a = action(QString::fromUtf8(name))) a->setEnabled(idle);
    // Printing waits too: the document would show a memory half read.
    for (const char *name : {"mnuFilePageSetup", "mnuFilePrintPreview", "mnuFilePrint"})
        if (QAction *a = action(QString::fromUtf8(name))) a->setEnabled(idle);
    updateEditActions();
    if (running && !m_hourglass) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_hourglass = true;
    } else if (!running && m_hourglass) {
        QApplication::restoreOverrideCursor();
        m_hourglass = false;
    }
}

void FrmMain::onProcedureStarted(Procedure procedure) {
    if (!m_running) {
        m_runReads = false;
        m_runVerifies = false;
        // a read replaces what it reads: data no file holds are kept first
        if (procedure == Procedure::ReadMemory || procedure == Procedure::ReadSettings)
            keepUnsavedWork(false);
        m_runReadsMemory = m_runReadsSettings = false;
        m_runWrites = false;
        m_runClock.start();
        m_document.beginChange(); // what the run reads into the image is one undo step
    }
    m_runReadsMemory = m_runReadsMemory || procedure == Procedure::ReadMemory;
    m_runReadsSettings = m_runReadsSettings || procedure == Procedure::ReadSettings;
    m_runWrites = m_runWrites || procedure == Procedure::WriteMemory || procedure == Procedure::WriteSettings;
    m_runReads = m_runReads || procedure == Procedure::ReadMemory || procedure == Procedure::ReadSettings;
    m_runVerifies =
        m_runVerifies || procedure == Procedure::VerifySettings || procedure == Procedure::VerifyMemory;
    m_transferClock.start();
    setRunning(true);
    m_pendingError.clear();
    setStatusText(QString());
    if (isMemoryProcedure(procedure)) {
        showMemoryPage();
        m_memoryPage->ProgressBar1->setValue(0);
        m_memoryPage->ProgressBar1->setVisible(true);
    }
}

void FrmMain::onProcedureFinished(Procedure procedure, Ending ending, const QString &detail) {
    if (ending == Ending::Success) {
        // The last line of a memory transfer counts every record: all were moved.
        if (isMemoryProcedure(procedure)) {
            m_memoryPage->ProgressBar1->setValue(m_memoryPage->ProgressBar1->maximum());
            setProgressText(TransferProgress{ChannelCount, ChannelCount, m_transferClock.elapsed()}.text());
        }
        return;
    }
    m_failedProcedure = procedure;
    m_failedEnding = ending;
    m_pendingError = ending == Ending::CommunicationError ? CommunicationErrorText
                     : ending == Ending::FileError        ? FileOpenErrorText
                                                          : ComPortErrorText;
    setStatusText(detail);
}

void FrmMain::endRun() {
    if (m_session->busy()) return;           // a further run has begun meanwhile
    if (m_busyNotice) m_busyNotice->close(); // what it told of has passed
    const bool succeeded = m_pendingError.isEmpty();
    if (!m_pendingError.isEmpty()) {
        const QString message = m_pendingError;
        m_pendingError.clear();
        if (m_failedEnding == Ending::ProcedureFailure && m_failedProcedure == Procedure::ReadSettings) {
            QTableView *vfo = m_settingsPage->MSFlexGrid2;
            vfo->selectRow(0);
        }
        m_prompts->critical(this, ErrorTitle, message);
    }
    // A read that stopped part-way leaves what it decoded: the lists and the VFO grid show it.
    m_settingsPage->showSettings();
    m_settingsPage->vfoModel->refreshAll();
    m_document.commitChange(m_runReadsMemory && m_runReadsSettings ? UiText("Read ALL", "すべて読み出し")
                            : m_runReadsMemory   ? UiText("Read Memory", "メモリー読み出し")
                            : m_runReadsSettings ? UiText("Read Settings", "設定読み出し")
                                                 : UiText("Auto Select", "自動選択"),
                            CloneDocument::Mark::Leave);
    // ComEnd: buttons back, default pointer, progress bar hidden and at 0.
    setRunning(false);
    m_memoryPage->ProgressBar1->setVisible(false);
    m_memoryPage->ProgressBar1->setValue(0);
    finishReadOrVerify(succeeded);
    finishWriteChanges(succeeded);
    // a noisy cable shows in the closing line: how many exchanges had to go again
    if (const qsizetype retried = m_session->retriesInRun().size(); retried > 0)
        setStatusText(QStringLiteral("%1 (%2)").arg(statusText(), RetriesText(int(retried))));
}
