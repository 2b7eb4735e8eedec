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
    // paced: the radio echoes each character as it arrives, so the echo ends when the command has arrived
    if (charNs > 0) {
        for (const char c : reply.echo)
            queue_.push_back({t += charNs, QByteArray(1, c)});
    } else if (!reply.echo.isEmpty()) {
        queue_.push_back({t, reply.echo});
    }
    t += f.delayMs * NsPerMs;
    if (reply.dropLine) {
        queue_.push_back({t, {}, true, true});
    } else if (charNs > 0) {
        bool first = true;
        for (const char c : reply.answer) {
            queue_.push_back({t += charNs, QByteArray(1, c), false, first});
            first = false;
        }
    } else if (!reply.answer.isEmpty()) {
        queue_.push_back({t, reply.answer, false, true});
    }
    if (f.stale && !reply.answer.isEmpty()) queue_.push_back({t + NsPerMs, staleBytes(), false, true});
    lineFreeNs_ = t;
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
