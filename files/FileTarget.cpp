#include "files/FileTarget.h"
#include "files/LocalName.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#ifdef Q_OS_UNIX
#include <fcntl.h>
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

bool writeInPlace(const QString &path, const QByteArray &bytes, bool truncate, QString *reason) {
    LocalFile file(path);
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Unbuffered;
    mode |= truncate ? QIODevice::Truncate : QIODevice::ExistingOnly;
    if (!file.open(mode)) { // only a target that changed since CheckWritable said yes
        if (reason) *reason = file.errorString();
        return false;
    }
    return WriteAll(file, bytes, reason);
}

#ifdef Q_OS_UNIX
// The folder part of a name's bytes, "." for a bare name.
QByteArray folderOf(const QByteArray &target) {
    const qsizetype slash = target.lastIndexOf('/');
    return slash < 0 ? QByteArrayLiteral(".") : slash == 0 ? QByteArrayLiteral("/") : target.left(slash);
}

// A new file beside the target, written whole and synced, then renamed over it: the old file stays whole
// until the new one is complete. As Qt's own save file: a symbolic link's target is replaced (the link
// stays), an existing file's permissions are kept. False with *created false when the folder takes no
// new file.
bool replaceAtomically(const QByteArray &name, const QByteArray &bytes, QString *reason, bool *created) {
    QByteArray target = name;
    struct stat st {};
    const bool exists = ::stat(name.constData(), &st) == 0;
    if (exists) {
        if (char *real = ::realpath(name.constData(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    const QByteArray folder = folderOf(target);
    QByteArray temporary =
        (folder == "/" ? folder : folder + '/') + '.' + target.mid(target.lastIndexOf('/') + 1) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    *created = fd >= 0;
    if (fd < 0) {
        if (reason) *reason = systemReason(errno);
        return false;
    }
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, exists ? (st.st_mode & 07777) : (0666 & ~mask));
    QFile file;
    bool ok = file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
    if (ok) ok = WriteAll(file, bytes, reason);
    // a full disk may show only when the data reach it
    if (ok && ::fsync(fd) != 0) {
        if (reason) *reason = systemReason(errno);
        ok = false;
    }
    file.close();
    if (!ok) {
        ::unlink(temporary.constData()); // the old file stays whole
        return false;
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        // only when the folder changes under us after the write
        if (reason) *reason = systemReason(errno);
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}
#endif
} // namespace

bool CheckWritable(const QString &path, QString *reason) {
    if (path.isEmpty()) { // -o "" names no file
        if (reason) *reason = systemReason(ENOENT);
        return false;
    }
    const NameKind kind = KindOfName(path);
    if (kind == NameKind::Folder) {
        if (reason) *reason = systemReason(EISDIR);
        return false;
    }
#ifdef Q_OS_UNIX
    const QByteArray target = FileNameBytes(path);
    if (kind != NameKind::Missing) {
        if (::access(target.constData(), W_OK) != 0) {
            if (reason) *reason = systemReason(errno);
            return false;
        }
        return true;
    }
    // a new file: its folder must exist and take it
    const QByteArray folder = folderOf(target);
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
    const QFileInfo info(path);
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
    // a target that is not an ordinary file (a named pipe, a terminal) is written in place
    if (KindOfName(path) == NameKind::Other) return writeInPlace(path, bytes, false, reason);
#ifdef Q_OS_UNIX
    bool created = false;
    if (replaceAtomically(FileNameBytes(path), bytes, reason, &created)) return true;
    if (created) return false;
    // the folder refuses a new file beside it, but the file itself may be written
    if (KindOfName(path) == NameKind::File && ::access(FileNameBytes(path).constData(), W_OK) == 0)
        return writeInPlace(path, bytes, true, reason);
    return false;
#else
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QString why = file.errorString();
        const QFileInfo info(path);
        if (info.isFile() && info.isWritable()) return writeInPlace(path, bytes, true, reason);
        if (reason) *reason = why;
        return false;
    }
    if (!WriteAll(file, bytes, reason)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (reason) *reason = file.errorString();
        return false;
    }
    return true;
#endif
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
