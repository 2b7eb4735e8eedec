#include "channels/FrequencyEntry.h"

FrequencyBoxes SplitFrequency(qint64 hz) {
    if (hz < 0) hz = 0;
    FrequencyBoxes boxes;
    boxes.mhz = QString::number(hz / 1000000);
    boxes.khz = QStringLiteral("%1").arg((hz % 1000000) / 1000, 3, 10, QLatin1Char('0'));
    boxes.hz = QStringLiteral("%1").arg(hz % 1000, 3, 10, QLatin1Char('0'));
    return boxes;
}

bool FrequencyKeyKept(QChar typed) {
    const ushort c = typed.unicode();
    return (c >= '0' && c <= '9') || c == BackspaceCode;
}

bool FrequencyKeyAdvances(int maxLength, int textLength, int selectionLength) {
    return (textLength == maxLength - 1 && selectionLength == 0) ||
           (textLength == maxLength && selectionLength == 1);
}

QString CompleteMHzBox(const QString &text) {
    return text.isEmpty() ? QStringLiteral("0") : text;
}

QString CompleteThreeDigitBox(const QString &text) {
    QString completed = text;
    while (completed.size() < 3)
        completed.prepend(QLatin1Char('0'));
    return completed;
}

QChar FilterNameKey(QChar typed) {
    const ushort c = typed.unicode();
    if (c == BackspaceCode || c == ' ') return typed;
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return typed;
    if (c >= 'a' && c <= 'z') return QChar(ushort(c - 32));
    switch (c) {
    case '#':
    case '$':
    case '(':
    case ')':
    case '*':
    case '+':
    case '-':
    case '/':
    case '=':
    case '\\':
    case '_':
        return typed;
    default:
        return QChar();
    }
}
