#pragma once
// The transfers with the radio: Read and Write of Settings, Memory and ALL from the pages and the Tool menu,
// Auto Select, Verify and Write Changes; following a run's progress, and what its ending brings. The radio
// session and the port choice live here; a run in progress is one TransferRun.
#include "app/CommandContext.h"
#include "app/PortChoice.h"
#include "app/TransferRun.h"
#include "link/RadioSession.h"
#include <QObject>
#include <memory>

class UnsavedWork;

class TransferCommands : public QObject {
    Q_OBJECT
  public:
    // backupFolder "" for the per-user backup folder.
    TransferCommands(const CommandContext &context, UnsavedWork *unsavedWork, LinkFactory linkFactory,
                     const QString &backupFolder, QObject *parent);
    ~TransferCommands() override;

    void cmbRxData_Click();  // Read Memory
    void cmbTxData_Click();  // Write Memory
    void cmbRxData1_Click(); // Read Settings
    void cmbTxData1_Click(); // Write Settings
    void cmdAuto_Click();    // Auto Select
    void mnuReSet_Click();
    void mnuReMem_Click();
    void mnuReAll_Click();
    void mnuWrSet_Click();
    void mnuWrMem_Click();
    void mnuWrAll_Click();
    void mnuWrChg_Click();
    void mnuVerify_Click();

    bool running() const;
    RadioSession *session() const { return m_session; }
    PortChoice port() const { return m_port; }
    // The port the next run opens; refused while a run is under way (the line stays with it).
    void setPort(const PortChoice &port);

  signals:
    // A run began (true) or ended (false): the window disables and enables what may not run meanwhile.
    void runningChanged(bool running);
    // The run is over; its outcome is about to be told.
    void runEnding();

  private:
    bool ensureLink();
    void startRun(const std::function<bool()> &start);
    void onProcedureStarted(Procedure procedure);
    void onProcedureFinished(Procedure procedure, Ending ending, const QString &detail);
    void showTransferProgress(int k);
    void showChangesProgress(const WriteChangesProgress &progress);
    void endRun();
    // What follows a run's success.
    void finishReadOrVerify(const TransferRun &run);
    void finishWriteChanges(const TransferRun &run);

    CommandContext m_c;
    UnsavedWork *m_unsavedWork;
    LinkFactory m_linkFactory;
    QString m_backupFolder;
    RadioSession *m_session;
    PortChoice m_port;
    bool m_linkMatchesPort = false;
    std::unique_ptr<TransferRun> m_run; // the run under way, none between runs
};
