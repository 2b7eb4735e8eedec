#include "link/TransferProgress.h"
#include <QCoreApplication>

qint64 TransferProgress::remainingMs() const {
    if (done <= 0) return -1;
    return elapsedMs * (total - done) / done;
}

QString TransferProgress::text() const {
    const qint64 left = remainingMs();
    return QCoreApplication::translate("TransferProgress", "%1 of %2 records, %3 elapsed, %4 left")
        .arg(done)
        .arg(total)
        .arg(FormatDuration(elapsedMs), left < 0 ? QStringLiteral("--:--") : FormatDuration(left));
}

QString FormatDuration(qint64 ms) {
    const qint64 s = (ms + 500) / 1000;
    if (s >= 3600)
        return QStringLiteral("%1:%2:%3")
            .arg(s / 3600)
            .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(s % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}
