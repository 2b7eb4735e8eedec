#include "link/PortNameHint.h"
#include "link/PortSettings.h"
#include <QFileInfo>
#include <QRegularExpression>

namespace {
bool pathExists(const QString &path) {
    return QFileInfo::exists(path);
}

QString availableText(const QStringList &available) {
    return available.isEmpty()
               ? QString()
               : QStringLiteral("; serial ports found: %1").arg(available.join(QStringLiteral(", ")));
}
} // namespace

QString PortNameHint(const QString &text, const QStringList &available, bool (*exists)(const QString &path)) {
    const QString t = text.trimmed();
#ifdef Q_OS_WIN
    if (!t.startsWith(QLatin1String("/dev/")) && !t.startsWith(QLatin1String("tty"))) return {};
    return QStringLiteral("%1 is a Linux device name: here ports are COM1, COM2, ... (--port 3 is COM3)%2")
        .arg(t, availableText(available));
#else
    // (the branches of the static's first-use guard are the compiler's)
    static const QRegularExpression com(QStringLiteral("^COM([0-9]{1,3})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(t);
    if (!m.hasMatch()) return {};
    const QString device = QStringLiteral("/dev/") + t;
    if (exists(device) || exists(QStringLiteral("/dev/") + t.toUpper())) return {};
    const int n = m.captured(1).toInt();
    const QString numbered =
        n >= 1 ? QStringLiteral("here port %1 is %2 (--port %1), ").arg(n).arg(PortDeviceName(n)) : QString();
    return QStringLiteral(
               "%1 is a Windows port name: %2a USB cable is usually /dev/ttyUSB0 or /dev/ttyACM0%3")
        .arg(t.toUpper(), numbered, availableText(available));
#endif
}

QString PortNameHint(const QString &text) {
    return PortNameHint(text, AvailablePorts(), pathExists);
}
