#include "link/VirtualRadioPort.h"

namespace {
constexpr qint64 NsPerMs = 1000000;
} // namespace

VirtualRadioPort::VirtualRadioPort(std::shared_ptr<VirtualRadio> radio, QObject *parent)
    : QObject(parent), radio_(std::move(radio)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &VirtualRadioPort::deliver);
    clock_.start();
}

void VirtualRadioPort::send(const QByteArray &bytes) {
    const qint64 now = clock_.nsecsElapsed();
    for (const VirtualRadioReply &reply : radio_->receive(bytes))
        schedule(reply, now);
    arm();
}

void VirtualRadioPort::clear() {
    queue_.clear();
    timer_.stop();
}

void VirtualRadioPort::schedule(const VirtualRadioReply &reply, qint64 nowNs) {
    const VirtualRadioFaults &f = radio_->faults;
    const qint64 charNs = f.baud > 0 ? 10 * 1000000000LL / f.baud : 0;
    qint64 t = std::max(nowNs, lineFreeNs_);
    // an earlier reply still under way reaches the program before the echo of its new command
    if (!reply.earlier.isEmpty()) {
        if (charNs > 0) {
            bool first = true;
            for (const char c : reply.earlier) {
                enqueue({t += charNs, QByteArray(1, c), false, first});
                first = false;
            }
        } else {
            enqueue({t, reply.earlier, false, true});
        }
    }
    // paced: the radio echoes each character as it arrives, so the echo ends when the command has arrived
    // after an earlier reply the echo comes apart from it, a moment later
    const bool afterEarlier = !reply.earlier.isEmpty();
    if (afterEarlier) t += NsPerMs;
    if (charNs > 0) {
        bool first = afterEarlier;
        for (const char c : reply.echo) {
            enqueue({t += charNs, QByteArray(1, c), false, first});
            first = false;
        }
    } else if (!reply.echo.isEmpty()) {
        enqueue({t, reply.echo, false, afterEarlier});
    }
    t += (f.delayMs + reply.lateMs) * NsPerMs;
    if (reply.dropLine) {
        enqueue({t, {}, true, true});
    } else if (charNs > 0) {
        bool first = true;
        for (const char c : reply.answer) {
            enqueue({t += charNs, QByteArray(1, c), false, first});
            first = false;
        }
    } else if (!reply.answer.isEmpty()) {
        enqueue({t, reply.answer, false, true});
    }
    if (f.stale && !reply.answer.isEmpty()) enqueue({t + NsPerMs, staleBytes(), false, true});
    if (reply.strayAfter) enqueue({t + NsPerMs, staleBytes(), false, true});
    // noise falls in the pause after the reply, before the program's next command
    if (f.noise && !reply.answer.isEmpty()) {
        static const char alphabet[] = "0123456789ABCDEFRZ~\r\n\x00\xff";
        QByteArray junk;
        const int n = 1 + int(noiseRng_() % 6);
        for (int i = 0; i < n; ++i)
            junk += alphabet[noiseRng_() % (sizeof alphabet - 1)];
        enqueue({t + NsPerMs * qint64(2 + noiseRng_() % 6), junk, false, true});
    }
    if (reply.lateMs > 0) t -= reply.lateMs * NsPerMs; // the line stays free for the next exchanges
    lineFreeNs_ = t;
}

void VirtualRadioPort::enqueue(Item item) {
    // in time order; a late answer lets the exchanges after it go first
    auto at = queue_.end();
    while (at != queue_.begin() && std::prev(at)->dueNs > item.dueNs)
        --at;
    queue_.insert(at, std::move(item));
}

void VirtualRadioPort::deliver() {
    const qint64 now = clock_.nsecsElapsed();
    QByteArray out;
    bool dropped = false;
    while (!queue_.empty() && queue_.front().dueNs <= now) {
        if (queue_.front().separate && !out.isEmpty()) break;
        Item item = std::move(queue_.front());
        queue_.pop_front();
        if (item.drop) {
            dropped = true;
            queue_.clear();
            break;
        }
        out += item.bytes;
    }
    arm();
    // what comes apart goes a moment later, also when it is overdue: the program reads in between
    if (!out.isEmpty() && !queue_.empty() && queue_.front().separate && timer_.interval() < 1)
        timer_.start(1);
    if (!out.isEmpty()) emit output(out);
    if (dropped) emit lineDropped();
}

void VirtualRadioPort::arm() {
    if (queue_.empty()) {
        timer_.stop();
        return;
    }
    const qint64 wait = queue_.front().dueNs - clock_.nsecsElapsed();
    timer_.start(wait <= 0 ? 0 : int((wait + NsPerMs - 1) / NsPerMs));
}
