#include "link/SerialPortList.h"
#include "link/PortSettings.h"
#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

namespace {
// "ttyUSB10" -> ("ttyUSB", 10): the trailing number is compared as a number
std::pair<QString, qlonglong> splitNumber(const QString &device) {
    qsizetype digits = device.size();
    while (digits > 0 && device[digits - 1].isDigit())
        --digits;
    const QString tail = device.mid(digits).left(18);
    return {device.left(digits), tail.isEmpty() ? -1 : tail.toLongLong()};
}

bool deviceOrder(const QString &a, const QString &b) {
    const auto [pa, na] = splitNumber(a);
    const auto [pb, nb] = splitNumber(b);
    if (pa != pb) return pa < pb;
    if (na != nb) return na < nb;
    return a < b;
}
} // namespace

QHash<QString, QString> StableNamesIn(const QString &folder) {
    QHash<QString, QString> names;
    const QDir dir(folder);
    for (const QFileInfo &link :
         dir.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!link.isSymLink()) continue;
        // by-id links are relative ("../../ttyUSB0"): the device is the target as seen from the folder
        const QString device = QDir::cleanPath(link.symLinkTarget());
        if (!names.contains(device)) names.insert(device, link.absoluteFilePath());
    }
    return names;
}

QList<SerialPortEntry> ArrangePorts(const QList<SerialPortFacts> &ports,
                                    const QHash<QString, QString> &stableNames) {
    QList<SerialPortEntry> entries;
    for (const SerialPortFacts &facts : ports)
        entries.append({facts, stableNames.value(facts.device)});
    std::stable_sort(entries.begin(), entries.end(), [](const SerialPortEntry &a, const SerialPortEntry &b) {
        if (a.usb() != b.usb()) return a.usb();
        return deviceOrder(a.facts.device, b.facts.device);
    });
    return entries;
}

QString PortLabel(const SerialPortEntry &entry) {
    QStringList known;
    const SerialPortFacts &f = entry.facts;
    if (!f.description.isEmpty()) known << f.description;
    // a maker the description already names is not said twice ("FTDI" in "FTDI USB Serial")
    if (!f.manufacturer.isEmpty() && !f.description.contains(f.manufacturer, Qt::CaseInsensitive))
        known << f.manufacturer;
    if (!f.serialNumber.isEmpty()) known << QStringLiteral("serial %1").arg(f.serialNumber);
    if (known.isEmpty()) return f.device;
    return QStringLiteral("%1 - %2").arg(f.device, known.join(QStringLiteral(", ")));
}

int FindPortEntry(const QList<SerialPortEntry> &entries, const QString &path) {
    if (path.isEmpty()) return -1;
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].stableName == path || entries[i].facts.device == path) return i;
    return -1;
}

QList<SerialPortEntry> DescribePorts(const QStringList &devices, bool arrange) {
    QHash<QString, QSerialPortInfo> known;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        known.insert(info.systemLocation(), info);
    QList<SerialPortFacts> ports;
    for (const QString &device : devices) {
        SerialPortFacts facts{device, {}, {}, {}, false};
        if (const auto it = known.constFind(device); it != known.constEnd()) {
            facts.description = it->description();
            facts.manufacturer = it->manufacturer();
            facts.serialNumber = it->serialNumber();
            facts.usb = it->hasVendorIdentifier();
        }
        ports.append(facts);
    }
#ifdef Q_OS_LINUX
    const QHash<QString, QString> stable = StableNamesIn(QStringLiteral("/dev/serial/by-id"));
#else
    const QHash<QString, QString> stable;
#endif
    if (arrange) return ArrangePorts(ports, stable);
    QList<SerialPortEntry> entries;
    for (const SerialPortFacts &facts : ports)
        entries.append({facts, stable.value(facts.device)});
    return entries;
}

QList<SerialPortEntry> DescribeListedPorts(const QStringList &available) {
    return DescribePorts(available, available != NamedPorts());
}

QList<SerialPortEntry> ListSerialPorts() {
    return DescribeListedPorts(AvailablePorts());
}
