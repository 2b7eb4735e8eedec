#include "EventWait.h"
#include <QEventLoop>
#include <QTimer>

bool WaitUntil(const std::function<bool()> &done, int timeoutMs) {
    if (done()) return true;
    QEventLoop loop;
    QTimer check;
    check.setTimerType(Qt::PreciseTimer);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    check.start(1);
    limit.start(timeoutMs);
    loop.exec();
    return done();
}
