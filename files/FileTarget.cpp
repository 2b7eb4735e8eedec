#include "files/FileTarget.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

// Every caller asks for the reason: the `if (reason)` guards only keep the pointer optional. The tests run
// as root in CI, where access() grants everything: an existing file or a folder that refuses writing (and
// the write in place beside a refusing folder) is met there only by an ordinary user's runs.
namespace {
QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A target that exists and is not an ordinary file (following symbolic links): written in place.
bool isSpecial(const QString &path) {
#ifdef Q_OS_UNIX
    struct stat st {};
    // a folder never gets here: CheckWritable refuses it before any work
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode) &&
           !S_ISDIR(st.st_mode);
#else
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
#endif
}

bool writeInPlace(const QString &path, const QByteArray &bytes, bool truncate, QString *reason) {
    QFile file(path);
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    mode |= truncate ? QIODevice::Truncate : QIODevice::ExistingOnly;
    if (!file.open(mode)) { // only a target that changed since CheckWritable said yes
        if (reason) *reason = file.errorString();
        return false;
    }
    return WriteAll(file, bytes, reason);
}
} // namespace

bool CheckWritable(const QString &path, QString *reason) {
    const QFileInfo info(path);
    if (path.isEmpty()) { // -o "" names no file
        if (reason) *reason = systemReason(ENOENT);
        return false;
    }
    if (info.isDir()) {
        if (reason) *reason = systemReason(EISDIR);
        return false;
    }
#ifdef Q_OS_UNIX
    const QByteArray target = QFile::encodeName(path);
    if (info.exists()) {
        if (::access(target.constData(), W_OK) != 0) {
            if (reason) *reason = systemReason(errno);
            return false;
        }
        return true;
    }
    // a new file: its folder must exist and take it
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    struct stat st {};
    if (::stat(folder.constData(), &st) != 0) {
        if (reason) *reason = systemReason(errno);
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        if (reason) *reason = systemReason(ENOTDIR);
        return false;
    }
    if (::access(folder.constData(), W_OK | X_OK) != 0) {
        if (reason) *reason = systemReason(errno);
        return false;
    }
    return true;
#else
    if (info.exists()) {
        if (!info.isWritable()) {
            if (reason) *reason = QStringLiteral("Permission denied");
            return false;
        }
        return true;
    }
    if (!QFileInfo(info.absolutePath()).isDir()) {
        if (reason) *reason = QStringLiteral("No such file or directory");
        return false;
    }
    return true;
#endif
}

bool WriteFileBytes(const QString &path, const QByteArray &bytes, QString *reason) {
    if (isSpecial(path)) return writeInPlace(path, bytes, false, reason);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QString why = file.errorString();
        // the folder refuses a new file beside it, but the file itself may be written
        const QFileInfo info(path);
        if (info.isFile() && info.isWritable()) return writeInPlace(path, bytes, true, reason);
        if (reason) *reason = why;
        return false;
    }
    if (!WriteAll(file, bytes, reason)) {
        file.cancelWriting(); // the old file stays whole
        return false;
    }
    if (!file.commit()) { // the rename fails only when the folder changes under us after the write
        if (reason) *reason = file.errorString();
        return false;
    }
    return true;
}

bool WriteAll(QFileDevice &file, const QByteArray &bytes, QString *reason) {
    qint64 done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const int error = errno;
            // a write that gives up without errno is Qt's own refusal (a file not open for writing)
            if (reason) *reason = error ? systemReason(error) : file.errorString();
            return false;
        }
        done += n;
    }
    return true;
}
