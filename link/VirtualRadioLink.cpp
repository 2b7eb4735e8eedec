#include "link/VirtualRadioLink.h"

VirtualRadioLink::VirtualRadioLink(std::shared_ptr<VirtualRadio> radio, QObject *parent)
    : Link(parent), port_(std::move(radio)) {
    clock_.start();
    connect(&port_, &VirtualRadioPort::output, this, &VirtualRadioLink::received);
    connect(&port_, &VirtualRadioPort::lineDropped, this, [this] {
        dropped_ = true;
        emit failed(QStringLiteral("Virtual radio: the line was dropped"));
    });
}

bool VirtualRadioLink::open(QString *reason) {
    if (!openFailure_.isEmpty()) {
        if (reason) *reason = openFailure_;
        return false;
    }
    open_ = true;
    dropped_ = false;
    if (radio()->faults.waiting) inbox_ += VirtualRadioPort::staleBytes(); // left over from before
    return true;
}

void VirtualRadioLink::close() {
    open_ = false;
    dropped_ = false;
    inbox_.clear();
    port_.clear();
}

bool VirtualRadioLink::write(const QByteArray &bytes) {
    if (!open_ || dropped_) return false;
    transcript_.append({bytes, clock_.nsecsElapsed(), -1});
    port_.send(bytes);
    return true;
}

QByteArray VirtualRadioLink::readAll() {
    return std::exchange(inbox_, {});
}

bool VirtualRadioLink::discardInput() {
    inbox_.clear();
    return open_ && !dropped_;
}

void VirtualRadioLink::injectReceived(const QByteArray &bytes) {
    received(bytes);
}

void VirtualRadioLink::received(const QByteArray &bytes) {
    if (!open_) return;
    if (!transcript_.isEmpty()) transcript_.last().lastReplyNs = clock_.nsecsElapsed();
    inbox_ += bytes;
    emit readyRead();
}

std::unique_ptr<Link> MakeVirtualRadioLink(std::shared_ptr<VirtualRadio> radio) {
    return std::make_unique<VirtualRadioLink>(std::move(radio));
}
