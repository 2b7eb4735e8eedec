#include "channels/ChannelLabels.h"

namespace {
QString bankRow(QChar bank, int n) {
    return bank + QString::number(n).rightJustified(3, QLatin1Char(' '));
}
} // namespace

QString RowLabel(int k) {
    if (k < 200) return QString::number(k);
    if (k < 400) return bankRow(QLatin1Char('A'), k - 200);
    if (k < 402) return k == 400 ? QStringLiteral("A-P1") : QStringLiteral("A-P2");
    if (k < 602) return bankRow(QLatin1Char('B'), k - 402);
    return k == 602 ? QStringLiteral("B-P1") : QStringLiteral("B-P2");
}

QString BankCaption(int k) {
    if (k < 200) return QStringLiteral("Memory");
    return k < 402 ? QStringLiteral("Memory A") : QStringLiteral("Memory B");
}

QString ChannelLabel(int k) {
    if (k < 200) return QStringLiteral("CH%1").arg(k);
    if (k < 400) return QStringLiteral("CH%1").arg(k - 200);
    if (k < 402) return k == 400 ? QStringLiteral("P1") : QStringLiteral("P2");
    if (k < 602) return QStringLiteral("CH%1").arg(k - 402);
    return k == 602 ? QStringLiteral("P1") : QStringLiteral("P2");
}

QString ShortRowLabel(int k) {
    return RowLabel(k).simplified();
}
