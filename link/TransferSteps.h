#pragma once
// The transfer procedures and the identification as sequences of steps: exchanges, the 10 ms pauses
// between them, and the decoding and progress work in between, in the radio's exact order.
#include "link/RadioSession.h"
#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

constexpr int PauseMs = 10;

// Command lines, CR LF included.
QByteArray BlockReadCommand(const QString &address);
QByteArray BlockWriteCommand(const QString &address, const QString &digits);
inline const QByteArray WriteAccessCommand = QByteArrayLiteral("KTM40\r\n");
inline const QByteArray IdentifyCommand = QByteArrayLiteral("RZ~WHO\r\n");
inline const QByteArray EndCommand = QByteArrayLiteral("RZ~E\r\n");

// Reply lengths, echo included.
constexpr int BlockReadReplyLength = 77;
constexpr int BlockWriteReplyLength = 79;
constexpr int WriteAccessReplyLength = 11;
constexpr int IdentifyReplyLength = 21;

struct StepOutcome {
    bool ok = true;
    Ending ending = Ending::Success;
    QString detail;
    static StepOutcome fail(Ending ending, const QString &detail) { return {false, ending, detail}; }
};

struct TransferStep {
    enum class Kind { Exchange, Pause, Action };
    Kind kind = Kind::Action;
    QString label; // names the exchange in a failure detail
    // Built when it is sent, so that a write sends its record as encoded at that moment.
    std::function<QByteArray()> command;
    int replyLength = 0; // 0: the reply is not examined (the end command)
    bool needsOk = false;
    // After a successful exchange (with its reply) or as the action itself.
    std::function<StepOutcome(const QByteArray &reply)> then;
    // The reply carries record data (a block read): every data character must be a hexadecimal digit.
    bool recordData = false;
    // A block read or write: with retries allowed, a refused reply sends the command again. The
    // identification, the write-access line and the end command never go twice.
    bool retryable = false;
};

// The steps of one procedure on image; the steps emit the session's progress and decode signals.
std::vector<TransferStep> BuildProcedure(Procedure procedure, CloneImage &image, RadioSession &session);

// Whether an exchange's result passes its step's check; the ending and detail when it does not. sent is the
// command line as sent: a reply of the right form that does not begin with its echo answers some other
// command (a late answer, an earlier run's reply still arriving) and is refused as well, and so is a record
// reply of the right length with a character that is no hexadecimal digit (a byte spoilt on the line).
StepOutcome CheckReply(const TransferStep &step, const QByteArray &sent, const QByteArray &result);
