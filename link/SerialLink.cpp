#include "link/SerialLink.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

SerialLink::SerialLink(const QString &device, QObject *parent) : Link(parent), device_(device) {
    connect(&port_, &QSerialPort::readyRead, this, &Link::readyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialLink::portError);
}

// Branches no test line takes: the tests run as root in CI, where access() grants every device, so a
// refused device is met only in an ordinary user's runs (its texts are tested through PortFailureReason);
// a port that opens but refuses 9600 8N1, and a flush or poll() that fails on an open port, take a broken
// adapter; the guards for a closed or failed port keep a caller's late call harmless.
SerialLink::~SerialLink() {
    port_.close();
}

QString PortFailureReason(const QString &device, const QString &systemReason, PortProblem problem,
                          const QString &group) {
    switch (problem) {
    case PortProblem::InUse:
        return QCoreApplication::translate(
                   "SerialLink",
                   "%1: in use by another program (usually the desktop program kt-m40, which keeps its "
                   "port open while it runs: close it or choose another port)")
            .arg(device);
    case PortProblem::AccessRefused:
        if (!group.isEmpty() && group != QLatin1String("root"))
            return QCoreApplication::translate(
                       "SerialLink",
                       "%1: %2 (the port belongs to the group '%3': join it with 'sudo usermod -aG %3 "
                       "$USER', then log in again)")
                .arg(device, systemReason, group);
        return QCoreApplication::translate("SerialLink", "%1: %2 (your user may not use this port)")
            .arg(device, systemReason);
    case PortProblem::HungUp:
        return QCoreApplication::translate(
                   "SerialLink", "%1: disconnected (the cable or adapter was unplugged, or the line hung up)")
            .arg(device);
    case PortProblem::Other:
        break;
    }
    return QStringLiteral("%1: %2").arg(device, systemReason);
}

namespace {
#ifdef Q_OS_UNIX
// Whether the system refuses this user the device itself (as opposed to a lock or a busy device).
bool accessRefused(const QString &device) {
    const QByteArray path = QFile::encodeName(device);
    return ::access(path.constData(), R_OK | W_OK) != 0 && (errno == EACCES || errno == EPERM);
}
#endif

PortProblem problemOf(QSerialPort::SerialPortError error, const QString &device) {
    switch (error) {
    case QSerialPort::PermissionError:
        // QSerialPort reports its lock file held by another program, a busy device (EBUSY) and a refused
        // device (EACCES) all as PermissionError: only the device's own permissions tell them apart
#ifdef Q_OS_UNIX
        return accessRefused(device) ? PortProblem::AccessRefused : PortProblem::InUse;
#else
        Q_UNUSED(device);
        return PortProblem::InUse; // Windows: access denied means another program has the port
#endif
    case QSerialPort::ResourceError:
        return PortProblem::HungUp;
    default:
        return PortProblem::Other;
    }
}

// The device's group, when joining it would help: only a group that may read and write the device.
QString deviceGroup(const QString &device) {
#ifdef Q_OS_LINUX
    const QFileInfo info(device);
    const auto rw = QFileDevice::ReadGroup | QFileDevice::WriteGroup;
    return (info.permissions() & rw) == rw ? info.group() : QString();
#else
    Q_UNUSED(device);
    return {};
#endif
}

// What a path that exists but is no device is ("" when it is a device or does not exist): a file or a
// folder opens, or fails, with a reason that does not say what is wrong.
QString notADevice(const QString &device) {
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(device).constData(), &st) != 0 || S_ISCHR(st.st_mode)) return {};
    return S_ISDIR(st.st_mode)   ? QCoreApplication::translate("SerialLink", "a folder")
           : S_ISREG(st.st_mode) ? QCoreApplication::translate("SerialLink", "an ordinary file")
                                 : QCoreApplication::translate("SerialLink", "not a device");
#else
    Q_UNUSED(device);
    return {};
#endif
}
} // namespace

bool SerialLink::open(QString *reason) {
    if (port_.isOpen() && !failed_) return true; // a second open() keeps what the radio is sending
    port_.close();
    failed_ = false;
    opening_ = true;
    if (const QString what = notADevice(device_); !what.isEmpty()) {
        if (reason) *reason = tr("%1: not a serial port (%2)").arg(device_, what);
        opening_ = false;
        return false;
    }
    // a stable name (/dev/serial/by-id/...) links to the device: the device itself is opened, so that the
    // lock taken is the one every other program takes for it
    const QFileInfo link(device_);
    const QString target = link.isSymLink() ? link.canonicalFilePath() : QString();
    port_.setPortName(target.isEmpty() ? device_ : target);
    if (!port_.open(QIODevice::ReadWrite)) {
        opening_ = false;
        const QString system =
            port_.error() == QSerialPort::DeviceNotFoundError && port_.errorString().isEmpty()
                ? QStringLiteral("no such port")
                : port_.errorString();
        if (reason)
            *reason =
                PortFailureReason(device_, system, problemOf(port_.error(), device_), deviceGroup(device_));
        port_.clearError();
        return false;
    }
    const bool configured = port_.setBaudRate(QSerialPort::Baud9600) &&
                            port_.setDataBits(QSerialPort::Data8) && port_.setParity(QSerialPort::NoParity) &&
                            port_.setStopBits(QSerialPort::OneStop) &&
                            port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        if (reason)
            *reason = PortFailureReason(device_, port_.errorString(), problemOf(port_.error(), device_));
        port_.close();
        port_.clearError();
        opening_ = false;
        return false;
    }
    // the modem lines power many cables; a line that cannot have them (a pseudo-terminal) works without
    port_.setDataTerminalReady(true);
    port_.setRequestToSend(true);
    port_.clearError();
    opening_ = false;
    // whatever waited in the line before we opened it (an earlier run's replies) is not for us
    discardInput();
    return true;
}

void SerialLink::close() {
    port_.close();
    port_.clearError();
    failed_ = false;
}

bool SerialLink::write(const QByteArray &bytes) {
    if (!port_.isOpen() || failed_) return false;
    return port_.write(bytes) == bytes.size();
}

QByteArray SerialLink::readAll() {
    return port_.isOpen() ? port_.readAll() : QByteArray();
}

bool SerialLink::discardInput() {
    if (!port_.isOpen() || failed_) return false;
    port_.readAll();
    if (!port_.clear(QSerialPort::Input)) {
        port_.clearError(); // a port without a queue to flush still works; a failed one reports itself
        return !failed_;
    }
    return true;
}

void SerialLink::portError(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:
    case QSerialPort::UnsupportedOperationError: // modem lines on a line that has none
        return;
    default:
        break;
    }
    if (opening_ || !port_.isOpen() || failed_) return;
    if ((error == QSerialPort::ReadError || error == QSerialPort::ResourceError) && lineStillThere()) {
        // a read notification that found the queue empty because the discard before a command flushed it
        // first: the line is fine. QSerialPort stopped watching it; it watches again from here.
        port_.clearError();
        port_.setReadBufferSize(port_.readBufferSize());
        return;
    }
    failed_ = true;
    // a hung-up line makes the next call on it fail with whatever that call meets (a flush: "Inappropriate
    // ioctl for device"): the line itself says what happened
    const PortProblem problem = lineStillThere() ? problemOf(error, device_) : PortProblem::HungUp;
    emit failed(PortFailureReason(device_, port_.errorString(), problem));
}

bool SerialLink::lineStillThere() {
#ifdef Q_OS_UNIX
    const int fd = int(port_.handle());
    if (fd < 0) return false;
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 0) < 0) return false;
    return (p.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
#else
    return false;
#endif
}

std::unique_ptr<Link> MakeSerialLink(const QString &device) {
    return std::make_unique<SerialLink>(device);
}
