#pragma once
// One run with the radio, from its first procedure to its end (an ALL run and Verify have two, Write
// Changes three): what the run is, what follows its success (a backup of what it read, the Verify report,
// the Write Changes summary, the name of its undo step) and what its failure means. The transfer commands
// make one when a run begins and drop it when the run ends: nothing of a run outlives it.
#include "link/RadioSession.h"
#include <QElapsedTimer>
#include <QString>

class TransferRun {
  public:
    TransferRun();

    // A procedure of the run begins: the run now holds it, and an earlier half's failure no longer stands.
    void procedureStarted(Procedure procedure);
    void procedureFailed(Procedure procedure, Ending ending);

    bool succeeded() const { return m_failure == Ending::Success; }
    // The message box of the failure: "Communication Error", "File Open Error" or "COM Port Error".
    QString failureText() const;
    // Read Settings' own failure path selects the VFO grid's first row.
    bool selectsFirstVfoRow() const;

    bool reads() const { return m_readsMemory || m_readsSettings; } // a backup follows its success
    bool writes() const { return m_writes; }
    bool verifies() const { return m_verifies; }           // the Verify report follows
    bool writesChanges() const { return m_writesChanges; } // the Write Changes summary follows
    // What the image's undo step is named after: what the run read (an identification reads nothing).
    QString stepName() const;

    qint64 elapsed() const { return m_clock.elapsed(); }                   // since the run began
    qint64 procedureElapsed() const { return m_procedureClock.elapsed(); } // since its procedure began

  private:
    bool m_readsMemory = false, m_readsSettings = false, m_writes = false, m_verifies = false,
         m_writesChanges = false;
    Procedure m_failedProcedure = Procedure::ReadMemory;
    Ending m_failure = Ending::Success;
    QElapsedTimer m_clock, m_procedureClock;
};

// The procedures that move the memory channels and show the progress bar.
bool IsMemoryProcedure(Procedure procedure);
