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
    // QSerialPort::clear empties its own buffer and flushes the system's input queue (tcflush on Unix,
    // PurgeComm on Windows): readAll() alone leaves what the system has not handed over yet.
    bool discardInput() override;
    QString name() const override { return device_; }

  private:
    void portError(QSerialPort::SerialPortError error);
    // The line has not hung up or gone away (a failed read may only mean there was nothing to read).
    bool lineStillThere();

    QString device_;
    QSerialPort port_;
    bool failed_ = false;
    bool opening_ = false;
};

// The link the desktop program uses for a device ("/dev/ttyS0", "COM3"; see CurrentPortDevice).
std::unique_ptr<Link> MakeSerialLink(const QString &device);

// Why a port could not be opened or failed, as far as the program can tell.
enum class PortProblem {
    Other,         // the system's own reason says it
    InUse,         // another program holds the port (its lock, or the device is busy)
    AccessRefused, // the user may not use the device
    HungUp         // the line went away: the cable or adapter was unplugged, the other end hung up
};

// The reason for a status line: the port's name, then what the problem means for the user: who usually
// holds a busy port, the group to join where access is refused (group: the device's owning group), or
// that the line is disconnected; otherwise the system's reason.
QString PortFailureReason(const QString &device, const QString &systemReason, PortProblem problem,
                          const QString &group = {});
