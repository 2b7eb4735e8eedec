#pragma once
// Which port the radio is on: the port number 1..14 in "KT-M40.ini", device names, and a device path kept
// in the per-user settings when the user picked a port that has no number.
#include <QString>
#include <QStringList>

constexpr int DefaultCommPort = 1;

// The port file's path for reading: the program's folder first, then the per-user configuration folder.
// Returns the first that exists, or "" when neither does.
QString PortFileForReading();
// Where the port file is written: the program's folder when it can be written there, else the user folder.
QString PortFileForWriting();
// Port number from a port file: 1..14 as written there, 1 when the file is missing or holds anything else.
int ReadPortNumber(const QString &path);
// Writes the number as one line ended by CR LF, replacing the file. False when it cannot be written.
bool WritePortNumber(const QString &path, int port);

// Device of port number n: "COMn" on Windows, "/dev/ttyS<n-1>" elsewhere.
QString PortDeviceName(int portNumber);
// A port as a user writes it: a number ("3"), a device path ("/dev/ttyUSB0", "COM17") or a bare device
// name ("ttyUSB0" means "/dev/ttyUSB0"). Returns the device name, "" when the text names nothing.
QString ResolvePortName(const QString &text);

// The device path kept in the per-user settings store ("" when the port is a number).
QString StoredDevicePath();
void StoreDevicePath(const QString &path);
// The device the program talks to: the stored device path when there is one, else port commPort's device.
QString CurrentPortDevice(int commPort);

// The serial ports the system reports, as device names.
QStringList AvailablePorts();
