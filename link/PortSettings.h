#pragma once
// Which port the radio is on: the port number 1..14 in "KT-M40.ini", device names, and a device path kept
// in the per-user settings when the user picked a port that has no number.
#include <QString>
#include <QStringList>

constexpr int DefaultCommPort = 1;

// Where the port file is written: the program's folder when the file can be written there and the folder
// is no system folder (/usr/bin: even root leaves nothing there that removing the package would leave
// behind), else the per-user configuration folder (made when missing).
QString PortFileForWriting();
// The port file's path for reading: the one the choice is written to when it exists (so that the choice
// made is the one found at the next start), else the program's folder's, else the per-user one; "" when
// there is none.
QString PortFileForReading();
// Whether a folder is one of the system's (/usr/..., /bin, /opt/...).
bool IsSystemFolder(const QString &folder);
// The same rules for given places of the program's file and the per-user file.
QString PortFileForWriting(const QString &programFile, const QString &userFile);
QString PortFileForReading(const QString &programFile, const QString &userFile);
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
// How often the desktop program sends a refused block read or write again (0 to 5), kept in the per-user
// settings beside the device path: the port file holds the port number alone.
int StoredRetries();
void StoreRetries(int retries);
// The device the program talks to: the stored device path when there is one, else port commPort's device.
QString CurrentPortDevice(int commPort);

// The ports named in the environment variable KT_M40_PORTS (separated by ':', by ';' on Windows), in the
// order they are to be asked; empty when it is not set.
QStringList NamedPorts();
// The serial ports the system reports, as device names; NamedPorts() instead when there are any.
QStringList AvailablePorts();
