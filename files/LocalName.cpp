#include "files/LocalName.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
constexpr char16_t KeptByteBase = 0xDC00; // byte b (0x80..0xFF) is kept as U+DC00 + b

bool isKeptByte(char16_t unit) {
    return unit >= KeptByteBase + 0x80 && unit <= KeptByteBase + 0xFF;
}

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at p (1 to 4), 0 when the byte there starts none.
int validSequence(const unsigned char *p, qsizetype left) {
    const unsigned char b = p[0];
    if (b < 0x80) return 1;
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range: no overlong form, no surrogate
    if (b >= 0xC2 && b <= 0xDF)
        length = 2;
    else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    } else
        return 0;
    if (left < length || p[1] < low || p[1] > high) return 0;
    for (int i = 2; i < length; ++i)
        if (!isContinuation(p[i])) return 0;
    return length;
}

void appendUtf8(QByteArray &out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}
} // namespace

QString FileNameFromBytes(const QByteArray &bytes) {
    QString name;
    name.reserve(bytes.size());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const int length = validSequence(p + i, size - i);
        if (length == 0) {
            name += QChar(char16_t(KeptByteBase + p[i]));
            ++i;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + i, length);
        i += length;
    }
    return name;
}

QByteArray FileNameBytes(const QString &name) {
    QByteArray out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(unit, name[i + 1].unicode()));
            ++i;
        } else if (isKeptByte(unit)) {
            out += char(unit - KeptByteBase);
        } else if (QChar::isSurrogate(unit)) {
            appendUtf8(out, 0xFFFD); // a lone surrogate of another kind: as Qt writes it
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

QString FolderOfName(const QString &name) {
    const qsizetype slash = QDir::fromNativeSeparators(name).lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : slash == 0 ? QStringLiteral("/") : name.left(slash);
}

QString FileNameFromUrl(const QUrl &url) {
    if (!url.isLocalFile()) return {};
#ifdef Q_OS_UNIX
    return FileNameFromBytes(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
#else
    return url.toLocalFile();
#endif
}

QString ShownFileName(const QString &name) {
    QString shown = name;
    for (QChar &c : shown)
        if (isKeptByte(c.unicode())) c = QChar::ReplacementCharacter;
    return shown;
}

bool LocalFile::open(OpenMode mode) {
#ifdef Q_OS_UNIX
    if (isOpen()) return QFile::open(mode); // Qt's own warning
    if (mode & Append) mode |= WriteOnly;
    const bool reading = mode & ReadOnly;
    const bool writing = mode & WriteOnly;
    int flags = O_CLOEXEC | (reading && writing ? O_RDWR : writing ? O_WRONLY : O_RDONLY);
    if (writing) {
        if (!(mode & ExistingOnly)) flags |= O_CREAT;
        if (mode & NewOnly) flags |= O_EXCL;
        if (mode & Append) flags |= O_APPEND;
        // as QFile: writing alone replaces the contents
        if ((mode & Truncate) || !(mode & (ReadOnly | Append | NewOnly))) flags |= O_TRUNC;
    }
    const QByteArray bytes = FileNameBytes(fileName());
    int fd;
    do
        fd = ::open(bytes.constData(), flags, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        setErrorString(qt_error_string(errno));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) { // opened read-only: a folder is no file
        ::close(fd);
        setErrorString(qt_error_string(EISDIR));
        return false;
    }
    if (!QFile::open(fd, mode & ~(Truncate | NewOnly | ExistingOnly), AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    return QFile::open(mode);
#endif
}

QString ProgramFolder() {
#ifdef Q_OS_LINUX
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (n > 0 && n < ssize_t(sizeof buffer)) {
        const QByteArray exe(buffer, n);
        const qsizetype slash = exe.lastIndexOf('/');
        if (slash > 0) return FileNameFromBytes(exe.left(slash));
    }
#endif
    return QCoreApplication::applicationDirPath();
}

QString CanonicalName(const QString &name) {
#ifdef Q_OS_UNIX
    char *real = ::realpath(FileNameBytes(name).constData(), nullptr);
    if (!real) return {};
    const QString canonical = FileNameFromBytes(real);
    std::free(real);
    return canonical;
#else
    return QFileInfo(name).canonicalFilePath();
#endif
}

bool NameIsWritable(const QString &name) {
#ifdef Q_OS_UNIX
    return ::access(FileNameBytes(name).constData(), W_OK) == 0;
#else
    return QFileInfo(name).isWritable();
#endif
}

NameKind KindOfName(const QString &name) {
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(FileNameBytes(name).constData(), &st) != 0) return NameKind::Missing;
    return S_ISREG(st.st_mode) ? NameKind::File : S_ISDIR(st.st_mode) ? NameKind::Folder : NameKind::Other;
#else
    const QFileInfo info(name);
    return !info.exists()  ? NameKind::Missing
           : info.isFile() ? NameKind::File
           : info.isDir()  ? NameKind::Folder
                           : NameKind::Other;
#endif
}

FileIdentity IdentityOfName(const QString &name) {
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(FileNameBytes(name).constData(), &st) != 0) return {};
    return {quint64(st.st_dev), quint64(st.st_ino), true};
#else
    Q_UNUSED(name);
    return {};
#endif
}

QString FileNameFromShownName(const QString &name) {
#ifdef Q_OS_UNIX
    if (!name.contains(QChar::ReplacementCharacter) || KindOfName(name) != NameKind::Missing) return name;
    const QString base = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    QString folder = FolderOfName(name);
    if (!folder.isEmpty()) folder = FileNameFromShownName(folder);
    DIR *dir = ::opendir(folder.isEmpty() ? "." : FileNameBytes(folder).constData());
    if (!dir) return name;
    QString found;
    int matches = 0;
    while (const dirent *entry = ::readdir(dir)) {
        // the dialog shows what Qt decodes
        if (QFile::decodeName(entry->d_name) != base) continue;
        found = FileNameFromBytes(entry->d_name);
        ++matches;
    }
    ::closedir(dir);
    if (matches != 1) return name;
    if (folder.isEmpty()) return found;
    return folder.endsWith(QLatin1Char('/')) ? folder + found : folder + QLatin1Char('/') + found;
#else
    return name;
#endif
}
