#pragma once
// The serial ports as COM Port Setup lists them: each with what the system knows of it (description, maker,
// serial number) and, where there is one, its stable name (/dev/serial/by-id/...), which stays the same when
// the adapter is plugged in again or into another socket. USB ports come first: the radio's cable is one.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct SerialPortFacts {
    QString device;       // "/dev/ttyUSB0", "COM3"
    QString description;  // "FT232R USB UART"
    QString manufacturer; // "FTDI"
    QString serialNumber; // "A50285BI"
    bool usb = false;     // the system gives it a USB vendor
};

struct SerialPortEntry {
    SerialPortFacts facts;
    QString stableName; // "" when the port has none
    // What is kept when the user picks this port: the stable name where there is one.
    QString path() const { return stableName.isEmpty() ? facts.device : stableName; }
    bool usb() const { return facts.usb || !stableName.isEmpty(); }
};

// The stable names in a folder of links to devices (the by-id folder): device path -> link path. Where two
// links name one device the first by name wins.
QHash<QString, QString> StableNamesIn(const QString &folder);

// The entries of the ports, each with its stable name: USB ports first, then the others, each group in the
// order of the device names with their numbers counted (ttyS2 before ttyS10).
QList<SerialPortEntry> ArrangePorts(const QList<SerialPortFacts> &ports,
                                    const QHash<QString, QString> &stableNames);

// One line for the list: the device, then what the system knows of it, e.g.
// "/dev/ttyUSB0 - FT232R USB UART, FTDI, serial A50285BI".
QString PortLabel(const SerialPortEntry &entry);

// The entry a kept path stands for (its stable name or its device); -1 when none.
int FindPortEntry(const QList<SerialPortEntry> &entries, const QString &path);

// The given devices as entries, with what the system knows of them: arranged as above, or as given.
QList<SerialPortEntry> DescribePorts(const QStringList &devices, bool arrange = true);
// The ports of this system (AvailablePorts) as entries: arranged, but those named in KT_M40_PORTS as named.
QList<SerialPortEntry> ListSerialPorts();
QList<SerialPortEntry> DescribeListedPorts(const QStringList &available);
