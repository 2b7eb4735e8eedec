#include "link/PortSettings.h"
#include "files/LocalName.h"
#include "image/SettingsStore.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStandardPaths>

namespace {
const QString PortFileName = QStringLiteral("KT-M40.ini");
const QString DevicePathKey = QStringLiteral("Port/DevicePath");
const QString RetriesKey = QStringLiteral("Port/Retries");
constexpr int MostRetries = 5;

QString programFolderFile() {
    return ProgramFolder() + QLatin1Char('/') + PortFileName;
}

QString userFolderFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(PortFileName);
}

bool allDigits(const QString &s) {
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) { return c.isDigit(); });
}
} // namespace

QString PortFileForReading() {
    return PortFileForReading(programFolderFile(), userFolderFile());
}

QString PortFileForWriting() {
    const QString path = PortFileForWriting(programFolderFile(), userFolderFile());
    // only an installed program's folder refuses the file; the tests run where it can be written
    if (path != programFolderFile())
        QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    return path;
}

bool IsSystemFolder(const QString &folder) {
    // where a package or `make install` puts programs: a file there would outlive the package
    const QString path = QDir::cleanPath(folder) + QLatin1Char('/');
    for (const char *system : {"/usr/", "/bin/", "/sbin/", "/lib", "/opt/", "/snap/", "/etc/"})
        if (path.startsWith(QLatin1String(system))) return true;
    return false;
}

QString PortFileForWriting(const QString &programFile, const QString &userFile) {
    QString folder = FolderOfName(programFile);
    if (folder.isEmpty()) folder = QStringLiteral(".");
    const QString real = CanonicalName(folder);
    if (IsSystemFolder(real.isEmpty() ? folder : real)) return userFile;
    // a file the user may not write is met only by an ordinary user (root writes any file):
    // choiceSurvivesARestart meets it in a child process that gives up root
    if (NameIsWritable(folder) &&
        (KindOfName(programFile) == NameKind::Missing || NameIsWritable(programFile)))
        return programFile;
    return userFile;
}

QString PortFileForReading(const QString &programFile, const QString &userFile) {
    // the file the choice is written to is the one read back, so that the choice made survives a restart
    // also where the program's folder holds a file this user cannot write
    const QString written = PortFileForWriting(programFile, userFile);
    if (KindOfName(written) == NameKind::File) return written;
    for (const QString &path : {programFile, userFile})
        if (KindOfName(path) == NameKind::File) return path;
    return {};
}

int ReadPortNumber(const QString &path) {
    LocalFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return DefaultCommPort;
    // the first field: blanks before it skipped, the digits up to the first other character
    const QByteArray head = file.read(64).trimmed();
    qsizetype end = 0;
    while (end < head.size() && end < 9 && head[end] >= '0' && head[end] <= '9')
        ++end;
    const int n = end > 0 ? head.left(end).toInt() : 0;
    return n >= 1 && n < 15 ? n : DefaultCommPort;
}

bool WritePortNumber(const QString &path, int port) {
    LocalFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray line = QByteArray::number(port) + "\r\n";
    return file.write(line) == line.size() && file.flush(); // fails only on a full disk: not met in tests
}

QString PortDeviceName(int portNumber) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNumber);
#else
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
#endif
}

QString ResolvePortName(const QString &text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || std::any_of(t.begin(), t.end(), [](QChar c) { return c.isSpace(); })) return {};
    if (allDigits(t)) {
        bool ok = false;
        const int n = t.toInt(&ok);
        return ok && n >= 1 ? PortDeviceName(n) : QString();
    }
    if (t.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) && allDigits(t.mid(3))) return t.toUpper();
#ifdef Q_OS_WIN
    return t;
#else
    return t.startsWith(QLatin1Char('/')) ? t : QStringLiteral("/dev/") + t;
#endif
}

QString StoredDevicePath() {
    return SettingsStore().value(DevicePathKey).toString();
}

void StoreDevicePath(const QString &path) {
    SettingsStore settings;
    if (path.isEmpty())
        settings.remove(DevicePathKey);
    else
        settings.setValue(DevicePathKey, path);
}

int StoredRetries() {
    bool ok = false;
    const int n = SettingsStore().value(RetriesKey).toInt(&ok);
    return ok && n >= 0 && n <= MostRetries ? n : 0;
}

void StoreRetries(int retries) {
    SettingsStore settings;
    if (retries <= 0 || retries > MostRetries)
        settings.remove(RetriesKey);
    else
        settings.setValue(RetriesKey, retries);
}

QString CurrentPortDevice(int commPort) {
    const QString stored = StoredDevicePath();
    return stored.isEmpty() ? PortDeviceName(commPort) : stored;
}

QStringList NamedPorts() {
    return qEnvironmentVariable("KT_M40_PORTS").split(QDir::listSeparator(), Qt::SkipEmptyParts);
}

QStringList AvailablePorts() {
    // the ports to offer and search can be named (on a machine with many, or in trials)
    if (const QStringList named = NamedPorts(); !named.isEmpty()) return named;
    QStringList ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports << info.systemLocation();
    return ports;
}
