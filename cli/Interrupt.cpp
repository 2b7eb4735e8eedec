#include "cli/Interrupt.h"
#include <QSocketNotifier>
#include <fcntl.h>
#include <unistd.h>

namespace {
int writeEnd = -1; // the handler can only write a byte to a pipe

void onSignal(int n) {
    const unsigned char byte = static_cast<unsigned char>(n);
    if (writeEnd >= 0) [[maybe_unused]]
        const ssize_t written = ::write(writeEnd, &byte, 1);
}
} // namespace

InterruptWatch::InterruptWatch() {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
    writeEnd = pipe_[1];
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &oldInt_);
    sigaction(SIGTERM, &action, &oldTerm_);
    auto *notifier = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        if (::read(pipe_[0], &byte, 1) != 1 || signal_ != 0) return;
        signal_ = byte;
        emit interrupted(signal_);
    });
}

InterruptWatch::~InterruptWatch() {
    if (pipe_[0] < 0) return;
    sigaction(SIGINT, &oldInt_, nullptr);
    sigaction(SIGTERM, &oldTerm_, nullptr);
    writeEnd = -1;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}
