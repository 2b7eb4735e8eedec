#include "link/SerialLink.h"
#include <QFileInfo>

SerialLink::SerialLink(const QString &device, QObject *parent) : Link(parent), device_(device) {
    connect(&port_, &QSerialPort::readyRead, this, &Link::readyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialLink::portError);
}

SerialLink::~SerialLink() {
    port_.close();
}

QString PortOpenFailureReason(const QString &device, const QString &systemReason, bool permissionDenied) {
    QString reason = QStringLiteral("%1: %2").arg(device, systemReason);
#ifdef Q_OS_LINUX
    if (permissionDenied) {
        const QString group = QFileInfo(device).group();
        if (!group.isEmpty() && group != QLatin1String("root"))
            reason += QStringLiteral(" (the port belongs to the group '%1': join it with "
                                     "'sudo usermod -aG %1 $USER', then log in again)")
                          .arg(group);
        else
            reason += QStringLiteral(" (your user may not use this port)");
    }
#else
    Q_UNUSED(permissionDenied);
#endif
    return reason;
}

bool SerialLink::open(QString *reason) {
    if (port_.isOpen() && !failed_) return true;
    port_.close();
    failed_ = false;
    opening_ = true;
    port_.setPortName(device_);
    if (!port_.open(QIODevice::ReadWrite)) {
        opening_ = false;
        const bool denied = port_.error() == QSerialPort::PermissionError;
        const QString system =
            port_.error() == QSerialPort::DeviceNotFoundError && port_.errorString().isEmpty()
                ? QStringLiteral("no such port")
                : port_.errorString();
        if (reason) *reason = PortOpenFailureReason(device_, system, denied);
        port_.clearError();
        return false;
    }
    const bool configured = port_.setBaudRate(QSerialPort::Baud9600) &&
                            port_.setDataBits(QSerialPort::Data8) && port_.setParity(QSerialPort::NoParity) &&
                            port_.setStopBits(QSerialPort::OneStop) &&
                            port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        if (reason) *reason = PortOpenFailureReason(device_, port_.errorString(), false);
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
    failed_ = true;
    emit failed(QStringLiteral("%1: %2").arg(device_, port_.errorString()));
}

std::unique_ptr<Link> MakeSerialLink(const QString &device) {
    return std::make_unique<SerialLink>(device);
}
