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

namespace {
// the callers name the file: the reason is the system's words alone
QString named(const QString &, const QString &reason) {
    return reason;
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A target that exists and is not an ordinary file (following symbolic links): written in place.
bool isSpecial(const QString &path) {
#ifdef Q_OS_UNIX
    struct stat st {};
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
    if (truncate)
        mode |= QIODevice::Truncate;
    else
        mode |= QIODevice::ExistingOnly;
    errno = 0;
    if (!file.open(mode)) {
        if (reason) *reason = named(path, file.errorString());
        return false;
    }
    qint64 done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const int error = errno;
            if (reason) *reason = named(path, error ? systemReason(error) : file.errorString());
            return false;
        }
        done += n;
    }
    return true;
}
} // namespace

bool CheckWritable(const QString &path, QString *reason) {
    const QFileInfo info(path);
    if (path.isEmpty()) {
        if (reason) *reason = named(path, systemReason(ENOENT));
        return false;
    }
    if (info.isDir()) {
        if (reason) *reason = named(path, systemReason(EISDIR));
        return false;
    }
#ifdef Q_OS_UNIX
    const QByteArray target = QFile::encodeName(path);
    if (info.exists()) {
        if (::access(target.constData(), W_OK) != 0) {
            if (reason) *reason = named(path, systemReason(errno));
            return false;
        }
        return true;
    }
    // a new file: its folder must exist and take it
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    struct stat st {};
    if (::stat(folder.constData(), &st) != 0) {
        if (reason) *reason = named(path, systemReason(errno));
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        if (reason) *reason = named(path, systemReason(ENOTDIR));
        return false;
    }
    if (::access(folder.constData(), W_OK | X_OK) != 0) {
        if (reason) *reason = named(path, systemReason(errno));
        return false;
    }
    return true;
#else
    if (info.exists()) {
        if (!info.isWritable()) {
            if (reason) *reason = named(path, QStringLiteral("Permission denied"));
            return false;
        }
        return true;
    }
    if (!QFileInfo(info.absolutePath()).isDir()) {
        if (reason) *reason = named(path, QStringLiteral("No such file or directory"));
        return false;
    }
    return true;
#endif
}

bool WriteFileBytes(const QString &path, const QByteArray &bytes, QString *reason) {
    if (isSpecial(path)) return writeInPlace(path, bytes, false, reason);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QString why = file.errorString();
        // the folder refuses a new file beside it, but the file itself may be written
        const QFileInfo info(path);
        if (info.isFile() && info.isWritable()) return writeInPlace(path, bytes, true, reason);
        if (reason) *reason = named(path, why);
        return false;
    }
    errno = 0;
    const bool written = file.write(bytes) == bytes.size();
    int error = errno;
    if (written && file.commit()) return true;
    if (!error) error = errno;
    QString why = file.errorString();
    // a failed flush (a full disk) leaves QSaveFile with no words of its own
    if ((why.isEmpty() || why == QLatin1String("Unknown error")) && error) why = systemReason(error);
    file.cancelWriting();
    if (reason) *reason = named(path, why);
    return false;
}
