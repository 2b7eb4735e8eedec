#pragma once
// A virtual radio on a new pseudo-terminal: programs open its device path (/dev/pts/N) as a serial port
// and talk to the radio through it. POSIX only.
#include "link/VirtualRadioPort.h"
#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;

class PtyRadioServer : public QObject {
    Q_OBJECT
  public:
    explicit PtyRadioServer(std::shared_ptr<VirtualRadio> radio, QObject *parent = nullptr);
    ~PtyRadioServer() override;

    // Creates the pseudo-terminal. False with the system's reason.
    bool open(QString *error);
    // The device a program opens, "/dev/pts/3".
    QString devicePath() const { return device_; }
    bool isOpen() const { return master_ >= 0; }
    // Hangs up: programs on the device see the line fail.
    void close();

    std::shared_ptr<VirtualRadio> radio() const { return port_.radio(); }

  signals:
    void lineDropped();

  private:
    void readMaster();
    void writeMaster(const QByteArray &bytes);
    void flushPending();

    VirtualRadioPort port_;
    int master_ = -1;
    int keepAlive_ = -1; // our own hold on the device, so that the master never sees a hang-up
    QString device_;
    QByteArray pending_;
    QSocketNotifier *readNotifier_ = nullptr;
    QSocketNotifier *writeNotifier_ = nullptr;
};
