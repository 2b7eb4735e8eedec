#pragma once
// A one-shot pause measured in nanoseconds, delivered through the event loop. On Linux a timerfd watched by
// a QSocketNotifier wakes the loop at the exact moment; elsewhere a precise QTimer rounds up to whole ms.
// Either way nothing spins: the thread sleeps in the event loop until the pause is over.
#include <QObject>
#include <QTimer>

class QSocketNotifier;

class PrecisePause : public QObject {
    Q_OBJECT
  public:
    explicit PrecisePause(QObject *parent = nullptr);
    ~PrecisePause() override;

    // Fires timeout() once, ns nanoseconds from now (at once, through the event loop, for ns <= 0).
    void start(qint64 ns);
    void stop();

  signals:
    void timeout();

  private:
    int fd_ = -1;
    QSocketNotifier *notifier_ = nullptr;
    QTimer fallback_;
};
