#include "link/RadioSession.h"
#include "link/Link.h"
#include "link/PrecisePause.h"
#include "link/TransferSteps.h"
#include "link/WaitReply.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <deque>

namespace {
constexpr qint64 NsPerMs = 1000000;
}

struct RadioSession::Private {
    RadioSession *q;
    CloneImage *image;
    std::unique_ptr<Link> link;
    bool busy = false;
    std::deque<Procedure> queue; // what the run still has to do after the current procedure
    Procedure current = Procedure::ReadMemory;
    std::vector<TransferStep> steps;
    std::size_t next = 0;
    WaitReply waitReply;
    PrecisePause pauseTimer;
    // When the line last fell quiet for the program: the end of a reply or of a pause. A pause lasts until
    // 10 ms after it, so the decoding done meanwhile is part of the pause, and pauses in a row add up.
    QElapsedTimer pauseClock;
    qint64 pauseNs = PauseMs * NsPerMs;
    // When the last reply ended (or its wait ran out), kept across procedures and runs: a command never
    // follows a reply by less than the pause, also where one run follows another (identification then a
    // read, the halves of ALL, a write then its verify).
    QElapsedTimer sinceReply;
    bool holdingOff = false; // the pause timer is keeping an exchange back, not timing a pause step
    QString portFailure;     // the link's own words for its last failure
    RadioRecords records;    // what a Verify run read
    WriteChangesRun changes;
    int retries = 0;     // how often a refused block read or write may be sent again
    int attempt = 0;     // how often the exchange under way has been sent again
    QStringList retried; // the exchanges sent again in this run, with the reason
    QByteArray underWay; // the command of the exchange sent and not yet taken

    void startRun(std::deque<Procedure> procedures);
    void beginProcedure();
    void runSteps();
    void exchangeFinished(const QByteArray &result);
    void pauseElapsed();
    void endProcedure(Ending ending, const QString &detail);
};

RadioSession::RadioSession(CloneImage *image, QObject *parent)
    : QObject(parent), d(std::make_unique<Private>()) {
    d->q = this;
    d->image = image;
    connect(&d->pauseTimer, &PrecisePause::timeout, this, [this] { d->pauseElapsed(); });
    connect(&d->waitReply, &WaitReply::finished, this,
            [this](const QByteArray &r) { d->exchangeFinished(r); });
}

RadioSession::~RadioSession() {
    d->waitReply.cancel();
    d->pauseTimer.stop();
}

bool RadioSession::setLink(std::unique_ptr<Link> link) {
    if (d->busy) return false;
    if (d->link) d->link->close();
    d->link = std::move(link);
    if (d->link)
        connect(d->link.get(), &Link::failed, this,
                [this](const QString &reason) { d->portFailure = reason; });
    return true;
}

Link *RadioSession::link() const {
    return d->link.get();
}

bool RadioSession::busy() const {
    return d->busy;
}

void RadioSession::setCommandPauseMs(int ms) {
    d->pauseNs = qint64(ms) * NsPerMs;
}

QString RetriesText(int retries) {
    return QCoreApplication::translate("RadioSession", "Retries: %1").arg(retries);
}

void RadioSession::setRetries(int retries) {
    d->retries = std::clamp(retries, 0, MaxRetries);
}

int RadioSession::retries() const {
    return d->retries;
}

const QStringList &RadioSession::retriesInRun() const {
    return d->retried;
}

QByteArray RadioSession::commandUnderWay() const {
    return d->underWay;
}

bool RadioSession::start(Procedure procedure) {
    if (d->busy || !d->link) return false;
    d->startRun({procedure});
    return true;
}

bool RadioSession::startReadAll() {
    if (d->busy || !d->link) return false;
    d->startRun({Procedure::ReadSettings, Procedure::ReadMemory});
    return true;
}

bool RadioSession::startWriteAll() {
    if (d->busy || !d->link) return false;
    d->startRun({Procedure::WriteSettings, Procedure::WriteMemory});
    return true;
}

bool RadioSession::startVerify(bool settings, bool memory) {
    if (d->busy || !d->link || (!settings && !memory)) return false;
    d->records.clear();
    std::deque<Procedure> run;
    if (settings) run.push_back(Procedure::VerifySettings);
    if (memory) run.push_back(Procedure::VerifyMemory);
    d->startRun(std::move(run));
    return true;
}

bool RadioSession::startWriteChanges(bool settings, bool memory, const QString &backupFolder) {
    if (d->busy || !d->link || (!settings && !memory)) return false;
    d->records.clear();
    d->changes = WriteChangesRun{};
    d->changes.settings = settings;
    d->changes.memory = memory;
    d->changes.backupFolder = backupFolder;
    d->changes.addresses = WriteChangesAddresses(settings, memory);
    d->changes.clock.start();
    d->startRun({Procedure::ChangesRead, Procedure::ChangesWrite, Procedure::ChangesCheck});
    return true;
}

const WriteChangesRun &RadioSession::writeChangesRun() const {
    return d->changes;
}

WriteChangesRun &RadioSession::writeChangesRun() {
    return d->changes;
}

const RadioRecords &RadioSession::radioRecords() const {
    return d->records;
}

RadioRecords &RadioSession::radioRecords() {
    return d->records;
}

void RadioSession::Private::startRun(std::deque<Procedure> procedures) {
    busy = true;
    retried.clear();
    queue = std::move(procedures);
    // the run begins from the event loop: the caller has its answer before the first signal
    QMetaObject::invokeMethod(
        q, [this] { beginProcedure(); }, Qt::QueuedConnection);
}

void RadioSession::Private::beginProcedure() {
    current = queue.front();
    queue.pop_front();
    emit q->procedureStarted(current);
    if (!link->isOpen()) {
        QString reason;
        if (!link->open(&reason)) {
            endProcedure(Ending::ProcedureFailure, reason.isEmpty() ? link->name() : reason);
            return;
        }
    }
    portFailure.clear();
    steps = BuildProcedure(current, *image, *q);
    next = 0;
    attempt = 0;
    runSteps();
}

void RadioSession::Private::runSteps() {
    while (next < steps.size()) {
        const TransferStep &step = steps[next];
        switch (step.kind) { // every kind has its case: the switch's other way out is the compiler's
        case TransferStep::Kind::Action: {
            const StepOutcome outcome = step.then({});
            if (!outcome.ok) {
                endProcedure(outcome.ending, outcome.detail);
                return;
            }
            ++next;
            break;
        }
        case TransferStep::Kind::Pause:
            // defensive: every pause follows a reply, and the reply's end has started the clock
            if (!pauseClock.isValid()) pauseClock.start();
            pauseTimer.start(pauseNs - pauseClock.nsecsElapsed());
            return;
        case TransferStep::Kind::Exchange:
            if (sinceReply.isValid() && sinceReply.nsecsElapsed() < pauseNs) {
                holdingOff = true;
                pauseTimer.start(pauseNs - sinceReply.nsecsElapsed());
                return;
            }
            underWay = step.command();
            waitReply.start(link.get(), underWay);
            return;
        }
    }
    endProcedure(Ending::Success, {});
}

void RadioSession::Private::pauseElapsed() {
    if (holdingOff) {
        holdingOff = false;
        runSteps(); // the exchange checks the time again and goes out
        return;
    }
    const qint64 left = pauseNs - pauseClock.nsecsElapsed();
    // a timer may fire a fraction early (not seen in tests: the timer is precise); the pause is kept whole
    if (left > 0) {
        pauseTimer.start(left);
        return;
    }
    pauseClock.start(); // the next pause in a row counts from here
    ++next;
    runSteps();
}

void RadioSession::Private::exchangeFinished(const QByteArray &result) {
    if (next >= steps.size()) return; // defensive: a reply is waited for only while its procedure runs
    const TransferStep &step = steps[next];
    pauseClock.start(); // the reply has ended: the pause after it counts from now
    sinceReply.start();
    StepOutcome outcome = CheckReply(step, waitReply.command(), result);
    if (!outcome.ok && outcome.ending == Ending::CommunicationError && step.retryable) {
        if (attempt < retries) {
            // sent again as it was (a write with the same record), after the pause and the discard
            ++attempt;
            retried << outcome.detail;
            runSteps();
            return;
        }
        if (attempt > 0) outcome.detail += QStringLiteral(" (sent %1 times)").arg(attempt + 1);
    }
    // every exchange with a `then` has a reply to examine (only the end command's is not, and it has none)
    if (outcome.ok && step.then && step.replyLength > 0) outcome = step.then(result);
    if (!outcome.ok) {
        if (outcome.ending == Ending::ComPortError && !portFailure.isEmpty())
            outcome.detail += QStringLiteral(" (%1)").arg(portFailure);
        endProcedure(outcome.ending, outcome.detail);
        return;
    }
    underWay.clear();
    attempt = 0;
    ++next;
    runSteps();
}

void RadioSession::Private::endProcedure(Ending ending, const QString &detail) {
    steps.clear();
    underWay.clear();
    next = 0;
    emit q->procedureFinished(current, ending, detail);
    if (ending == Ending::Success && !queue.empty()) {
        beginProcedure();
        return;
    }
    queue.clear();
    busy = false;
    emit q->runFinished(ending == Ending::Success);
}
