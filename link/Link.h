#pragma once
// The line to the radio as the transfer procedures see it: a serial port or the virtual radio.
#include <QByteArray>
#include <QObject>
#include <QString>

class Link : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    ~Link() override = default;

    // Opens the line. False with a reason a user can act on (name, system reason, permission hint).
    virtual bool open(QString *reason) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Queues bytes for sending; false when the line has failed or is not open.
    virtual bool write(const QByteArray &bytes) = 0;
    // Everything received since the last call; never waits.
    virtual QByteArray readAll() = 0;
    // Throws away everything received so far: what the program holds and what waits in the system's input
    // queue. False when the line has failed.
    virtual bool discardInput() {
        readAll();
        return isOpen();
    }
    // A short name for messages ("/dev/ttyUSB0", "Virtual radio").
    virtual QString name() const = 0;

  signals:
    void readyRead();
    // The line failed (unplugged, gone away): the exchange under way ends as a port failure.
    void failed(const QString &reason);
};
