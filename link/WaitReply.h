#pragma once
// One exchange with the radio: discard what is waiting in the line, send a command line, and collect the
// reply until it is complete or 2000 ms have passed since sending. Driven by the link's signals and a
// timer; the result comes by the finished signal.
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class Link;

inline const QByteArray TimeOutResult = QByteArrayLiteral("False01");
inline const QByteArray PortFailureResult = QByteArrayLiteral("False00");

class WaitReply : public QObject {
    Q_OBJECT
  public:
    static constexpr int ReplyTimeoutMs = 2000;

    explicit WaitReply(QObject *parent = nullptr);
    ~WaitReply() override;

    // Sends command (which carries its CR LF). The link must be open; a closed one is a port failure.
    void start(Link *link, const QByteArray &command);
    bool running() const { return running_; }
    // The command line of the current or last exchange, as sent.
    const QByteArray &command() const { return command_; }
    // Abandons the exchange without a result.
    void cancel();

  signals:
    // The complete reply (echo included), TimeOutResult or PortFailureResult.
    void finished(const QByteArray &result);

  private:
    void collect();
    void timedOut();
    void finish(const QByteArray &result);
    void disconnectLink();

    QPointer<Link> link_;
    QByteArray command_;
    QByteArray buffer_;
    QTimer timer_;
    QElapsedTimer sinceSent_;
    QMetaObject::Connection readyConnection_;
    QMetaObject::Connection failedConnection_;
    bool running_ = false;
    quint64 serial_ = 0;
};
