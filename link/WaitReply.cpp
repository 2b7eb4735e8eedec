#include "link/WaitReply.h"
#include "link/Link.h"

namespace {
constexpr qint64 NsPerMs = 1000000;
}

WaitReply::WaitReply(QObject *parent) : QObject(parent) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &WaitReply::timedOut);
}

WaitReply::~WaitReply() {
    disconnectLink();
}

void WaitReply::start(Link *link, const QByteArray &command) {
    cancel();
    running_ = true;
    link_ = link;
    command_ = command;
    buffer_.clear();
    // a failure is reported from the event loop, like every other result
    const quint64 serial = ++serial_;
    auto failLater = [this, serial] {
        QMetaObject::invokeMethod(
            this,
            [this, serial] {
                // a newer exchange may have begun before this was reported: not this one's to end
                if (serial == serial_) finish(PortFailureResult);
            },
            Qt::QueuedConnection);
    };
    if (!link || !link->isOpen()) { // the session opens the link before the first exchange
        failLater();
        return;
    }
    // stale characters must not precede the reply: the program's buffer and the system's queue alike
    if (!link->discardInput()) {
        failLater();
        return;
    }
    readyConnection_ = connect(link, &Link::readyRead, this, &WaitReply::collect);
    failedConnection_ = connect(link, &Link::failed, this, [this] { finish(PortFailureResult); });
    if (!link->write(command)) { // the links refuse a write only once they have failed, and say so
        disconnectLink();
        failLater();
        return;
    }
    if (serial != serial_ || !running_)
        return; // a link that answered within write() has already finished this exchange
    sinceSent_.start();
    timer_.start(ReplyTimeoutMs);
}

void WaitReply::cancel() {
    running_ = false;
    timer_.stop();
    disconnectLink();
}

void WaitReply::collect() {
    if (!running_ || !link_) return; // a notification queued before the exchange ended
    buffer_ += link_->readAll();
    // the echo alone ends with LF too: only more than four characters beyond the command complete a reply
    if (buffer_.size() > command_.size() + 3 && buffer_.endsWith('\n')) finish(buffer_);
}

void WaitReply::timedOut() {
    if (!running_) return; // stopped with the exchange; here for a time-out already queued
    const qint64 left = ReplyTimeoutMs - sinceSent_.nsecsElapsed() / NsPerMs;
    if (left > 0) { // a timer may fire a fraction early (not Linux's); the full time is kept
        timer_.start(int(left));
        return;
    }
    collect();                           // what arrived up to the last moment still counts
    if (running_) finish(TimeOutResult); // unless that last read completed the reply
}

void WaitReply::finish(const QByteArray &result) {
    if (!running_) return; // defensive: every path here checks first
    running_ = false;
    timer_.stop();
    disconnectLink();
    emit finished(result);
}

void WaitReply::disconnectLink() {
    disconnect(readyConnection_);
    disconnect(failedConnection_);
}
