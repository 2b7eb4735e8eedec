#pragma once
// A port name that cannot exist on this system: a Windows "COM3" on Linux, or a "/dev/ttyUSB0" on Windows.
// The hint says what the port is called here, so that a user following another system's instructions
// finds the right name.
#include <QString>
#include <QStringList>

// "" when text may name a port here. Otherwise one line naming the local device names, e.g. for "COM3" on
// Linux: "COM3 is a Windows port name: here port 3 is /dev/ttyS2 (--port 3), a USB cable is usually
// /dev/ttyUSB0". available: the ports the system reports, named after it when there are any; exists: whether
// a device path exists (a "/dev/COM3" made by a udev rule is a real port).
QString PortNameHint(const QString &text, const QStringList &available, bool (*exists)(const QString &path));
// The same with the ports this system reports and its file system.
QString PortNameHint(const QString &text);
