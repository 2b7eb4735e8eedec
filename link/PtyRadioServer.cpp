#include "link/PtyRadioServer.h"
#include <QSocketNotifier>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {
QString systemError(const char *what) {
    return QStringLiteral("%1: %2").arg(QLatin1String(what), strerror(errno));
}

void makeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) == 0) { // a pseudo-terminal always has attributes
        cfmakeraw(&t);
        tcsetattr(fd, TCSANOW, &t);
    }
}
} // namespace

PtyRadioServer::PtyRadioServer(std::shared_ptr<VirtualRadio> radio, QObject *parent)
    : QObject(parent), port_(std::move(radio)) {
    connect(&port_, &VirtualRadioPort::output, this, &PtyRadioServer::writeMaster);
    connect(&port_, &VirtualRadioPort::lineDropped, this, [this] {
        close();
        emit lineDropped();
    });
}

PtyRadioServer::~PtyRadioServer() {
    close();
}

// The failures below need a system out of pseudo-terminals or refusing its own new one: no test makes that.
bool PtyRadioServer::open(QString *error) {
    close();
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        if (error) *error = systemError("posix_openpt");
        return false;
    }
    const char *name = nullptr;
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 || !(name = ptsname(master_))) {
        if (error) *error = systemError("grantpt");
        close();
        return false;
    }
    device_ = QString::fromLocal8Bit(name);
    keepAlive_ = ::open(name, O_RDWR | O_NOCTTY);
    if (keepAlive_ < 0) {
        if (error) *error = systemError("open pseudo-terminal");
        close();
        return false;
    }
    makeRaw(keepAlive_);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    readNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(readNotifier_, &QSocketNotifier::activated, this, &PtyRadioServer::readMaster);
    writeNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Write, this);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &PtyRadioServer::flushPending);
    // left over from before: they wait in the device's input queue for the first program that opens it
    if (port_.radio()->faults.waiting) writeMaster(VirtualRadioPort::staleBytes());
    return true;
}

void PtyRadioServer::close() {
    delete readNotifier_;
    readNotifier_ = nullptr;
    delete writeNotifier_;
    writeNotifier_ = nullptr;
    port_.clear();
    pending_.clear();
    if (master_ >= 0) ::close(master_);
    if (keepAlive_ >= 0) ::close(keepAlive_);
    master_ = keepAlive_ = -1;
}

void PtyRadioServer::readMaster() {
    char buffer[512];
    QByteArray received;
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n > 0) {
            received.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue; // a signal during read(): the tests send none here
        break; // EAGAIN: all read; anything else: nothing to do until the next notification
    }
    if (!received.isEmpty()) port_.send(received);
}

void PtyRadioServer::writeMaster(const QByteArray &bytes) {
    if (master_ < 0) return; // defensive: the radio answers only while its line is open
    pending_ += bytes;
    flushPending();
}

void PtyRadioServer::flushPending() {
    while (!pending_.isEmpty() && master_ >= 0) {
        const ssize_t n = ::write(master_, pending_.constData(), size_t(pending_.size()));
        if (n > 0) {
            pending_.remove(0, n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        break; // the queue is full (the program reads slower than the radio talks): on when writable
    }
    if (writeNotifier_) writeNotifier_->setEnabled(!pending_.isEmpty());
}
