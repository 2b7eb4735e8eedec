#pragma once
// A link to a virtual radio in the same process: what the program writes reaches the radio at once,
// the radio's replies arrive later from the event loop, as from a serial port.
#include "link/Link.h"
#include "link/VirtualRadioPort.h"
#include <QElapsedTimer>
#include <QList>
#include <memory>

class VirtualRadioLink : public Link {
    Q_OBJECT
  public:
    explicit VirtualRadioLink(std::shared_ptr<VirtualRadio> radio, QObject *parent = nullptr);

    bool open(QString *reason) override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool write(const QByteArray &bytes) override;
    QByteArray readAll() override;
    bool discardInput() override;
    QString name() const override { return QStringLiteral("Virtual radio"); }

    std::shared_ptr<VirtualRadio> radio() const { return port_.radio(); }

    // Makes open() fail with this reason, as a missing or busy port does ("" to open normally).
    void setOpenFailure(const QString &reason) { openFailure_ = reason; }
    // Characters that wait in the line as if the radio had sent them.
    void injectReceived(const QByteArray &bytes);

    // What went over the line, with times on one clock (nanoseconds): each write, and when the last
    // character of its reply arrived (-1 when none did).
    struct Exchange {
        QByteArray command;
        qint64 sentNs = 0;
        qint64 lastReplyNs = -1;
    };
    const QList<Exchange> &transcript() const { return transcript_; }
    qint64 clockNs() const { return clock_.nsecsElapsed(); }

  private:
    void received(const QByteArray &bytes);

    VirtualRadioPort port_;
    QByteArray inbox_;
    QString openFailure_;
    bool open_ = false;
    bool dropped_ = false;
    QElapsedTimer clock_;
    QList<Exchange> transcript_;
};

// The link the desktop program's demo mode uses.
std::unique_ptr<Link> MakeVirtualRadioLink(std::shared_ptr<VirtualRadio> radio);
