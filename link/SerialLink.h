#pragma once
// The radio on a serial port: 9600 baud, 8 data bits, no parity, one stop bit, no flow control.
// DTR and RTS are both asserted: many interface cables take their power from them. A port that cannot
// set them (a pseudo-terminal) still works.
#include "link/Link.h"
#include <QSerialPort>
#include <memory>

class SerialLink : public Link {
    Q_OBJECT
  public:
    // device: "/dev/ttyUSB0", "COM3" (see ResolvePortName).
    explicit SerialLink(const QString &device, QObject *parent = nullptr);
    ~SerialLink() override;

    bool open(QString *reason) override;
    void close() override;
    // A port that has failed counts as closed, so that the next procedure opens it afresh.
    bool isOpen() const override { return port_.isOpen() && !failed_; }
    bool write(const QByteArray &bytes) override;
    QByteArray readAll() override;
    QString name() const override { return device_; }

  private:
    void portError(QSerialPort::SerialPortError error);

    QString device_;
    QSerialPort port_;
    bool failed_ = false;
    bool opening_ = false;
};

// The link the desktop program uses for a device ("/dev/ttyS0", "COM3"; see CurrentPortDevice).
std::unique_ptr<Link> MakeSerialLink(const QString &device);

// The reason a port could not be opened, for a status line: the port's name, the system's reason, and
// where access was refused on Linux, the group that owns the device and how to join it.
QString PortOpenFailureReason(const QString &device, const QString &systemReason, bool permissionDenied);
