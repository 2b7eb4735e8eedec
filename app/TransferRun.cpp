#include "app/TransferRun.h"
#include "image/Messages.h"
#include <QCoreApplication>

TransferRun::TransferRun() {
    m_clock.start();
}

void TransferRun::procedureStarted(Procedure p) {
    m_readsMemory = m_readsMemory || p == Procedure::ReadMemory;
    m_readsSettings = m_readsSettings || p == Procedure::ReadSettings;
    m_writes = m_writes || p == Procedure::WriteMemory || p == Procedure::WriteSettings;
    m_verifies = m_verifies || p == Procedure::VerifySettings || p == Procedure::VerifyMemory;
    m_writesChanges = m_writesChanges || p == Procedure::ChangesRead || p == Procedure::ChangesWrite ||
                      p == Procedure::ChangesCheck;
    m_failure = Ending::Success;
    m_procedureClock.start();
}

void TransferRun::procedureFailed(Procedure procedure, Ending ending) {
    m_failedProcedure = procedure;
    m_failure = ending;
}

QString TransferRun::failureText() const {
    switch (m_failure) {
    case Ending::Success:
        return QString();
    case Ending::CommunicationError:
        return CommunicationErrorText;
    case Ending::FileError:
        return FileOpenErrorText;
    default:
        return ComPortErrorText;
    }
}

bool TransferRun::selectsFirstVfoRow() const {
    return m_failure == Ending::ProcedureFailure && m_failedProcedure == Procedure::ReadSettings;
}

QString TransferRun::stepName() const {
    return m_readsMemory && m_readsSettings ? QCoreApplication::translate("TransferRun", "Read ALL")
           : m_readsMemory                  ? QCoreApplication::translate("TransferRun", "Read Memory")
           : m_readsSettings                ? QCoreApplication::translate("TransferRun", "Read Settings")
                                            : QCoreApplication::translate("TransferRun", "Auto Select");
}

bool IsMemoryProcedure(Procedure p) {
    return p == Procedure::ReadMemory || p == Procedure::WriteMemory || p == Procedure::VerifyMemory ||
           p == Procedure::ChangesRead;
}
