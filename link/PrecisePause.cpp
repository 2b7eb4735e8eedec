#include "link/PrecisePause.h"
#include <QSocketNotifier>
#ifdef Q_OS_LINUX
#include <sys/timerfd.h>
#include <unistd.h>
#endif

PrecisePause::PrecisePause(QObject *parent) : QObject(parent) {
    fallback_.setSingleShot(true);
    fallback_.setTimerType(Qt::PreciseTimer);
    connect(&fallback_, &QTimer::timeout, this, &PrecisePause::timeout);
#ifdef Q_OS_LINUX
    // timerfd exists on every Linux since 2.6.25: the QTimer fallback runs only elsewhere (not in the tests)
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ >= 0) {
        notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] {
            quint64 expirations = 0;
            // a stop() between the expiry and this notification has read it already
            if (::read(fd_, &expirations, sizeof expirations) == sizeof expirations) emit timeout();
        });
    }
#endif
}

PrecisePause::~PrecisePause() {
#ifdef Q_OS_LINUX
    delete notifier_;
    if (fd_ >= 0) ::close(fd_);
#endif
}

void PrecisePause::start(qint64 ns) {
    stop();
#ifdef Q_OS_LINUX
    if (fd_ >= 0) {
        itimerspec spec{};
        const qint64 at = ns > 0 ? ns : 1; // a zero value would disarm the timer
        spec.it_value.tv_sec = at / 1000000000;
        spec.it_value.tv_nsec = at % 1000000000;
        if (timerfd_settime(fd_, 0, &spec, nullptr) == 0) return;
    }
#endif
    fallback_.start(int(ns <= 0 ? 0 : (ns + 999999) / 1000000));
}

void PrecisePause::stop() {
    fallback_.stop();
#ifdef Q_OS_LINUX
    if (fd_ >= 0) {
        itimerspec off{};
        timerfd_settime(fd_, 0, &off, nullptr);
        quint64 expirations = 0;
        [[maybe_unused]] const auto n = ::read(fd_, &expirations, sizeof expirations); // drop a pending one
    }
#endif
}
