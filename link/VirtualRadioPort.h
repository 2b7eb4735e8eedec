#pragma once
// The wire between the program and a virtual radio: feeds the radio what the program sends and hands its
// replies back later, on timers, as a serial line would: the echo and the answer in separate deliveries,
// an answer delayed or paced at a baud rate, stray characters after a reply, a dropped line.
#include "link/VirtualRadio.h"
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>
#include <memory>
#include <random>

class VirtualRadioPort : public QObject {
    Q_OBJECT
  public:
    explicit VirtualRadioPort(std::shared_ptr<VirtualRadio> radio, QObject *parent = nullptr);

    std::shared_ptr<VirtualRadio> radio() const { return radio_; }
    // Characters from the program.
    void send(const QByteArray &bytes);
    // Forgets replies not yet delivered.
    void clear();

    // The characters stray input consists of.
    static QByteArray staleBytes() { return QByteArrayLiteral("ZZ\r\n"); }

  signals:
    void output(const QByteArray &bytes);
    void lineDropped();

  private:
    struct Item {
        qint64 dueNs;
        QByteArray bytes;
        bool drop = false;
        bool separate = false; // delivered apart from what came before it (an answer after its echo)
    };
    void schedule(const VirtualRadioReply &reply, qint64 nowNs);
    void enqueue(Item item);
    void deliver();
    void arm();

    std::shared_ptr<VirtualRadio> radio_;
    std::deque<Item> queue_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lineFreeNs_ = 0;
    std::minstd_rand noiseRng_{20261206};
};
