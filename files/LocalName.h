#pragma once
// File names as the system has them: bytes, not text. On Linux a name need not be UTF-8 ("lat\xe4.M40"
// written by a Latin-1 program), and Qt's own names (QFile, QFileInfo, QCoreApplication::arguments) decode
// such bytes into U+FFFD and encode that back as three other bytes: the program would write or read
// another file. So the program carries a name as a QString in which every byte that is no part of valid
// UTF-8 stands as the lone surrogate U+DC80..U+DCFF, and hands it to the system only through the functions
// below, which give the bytes back exactly.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QUrl>

// The name for bytes from the system (argv, a folder listing, a file): valid UTF-8 decoded, every other
// byte kept as its own surrogate.
QString FileNameFromBytes(const QByteArray &bytes);
// The system's bytes of a name: the inverse of FileNameFromBytes (for names that never left UTF-8, the same
// bytes as toUtf8()).
QByteArray FileNameBytes(const QString &name);
// The name for a person to read: every kept byte shown as U+FFFD, as a file manager shows it.
QString ShownFileName(const QString &name);

// The folder part of a name: "/" for a name in the root, "" for a bare name. The system's own separator
// counts as '/'.
QString FolderOfName(const QString &name);

// The local file a URL names (a file dropped on the window), its bytes kept as above: a file manager
// percent-encodes the name's bytes, which QUrl::toLocalFile() would decode as UTF-8. "" for no local file.
QString FileNameFromUrl(const QUrl &url);

// A name a file dialog returned: a desktop's native dialog hands such a name over as it is shown (U+FFFD in
// place of each stray byte; Qt's own dialog does not list it at all). When no file has that name, the one
// file of its folder shown so; else the name unchanged.
QString FileNameFromShownName(const QString &name);

// A QFile that opens its name byte for byte (open() follows QFile's own meaning of the modes).
class LocalFile : public QFile {
  public:
    using QFile::QFile;
    bool open(OpenMode mode) override;
};

// The folder of the running program, by its bytes (Qt's applicationDirPath() decodes them).
QString ProgramFolder();
// The name with symbolic links, "." and ".." resolved; "" when it reaches nothing.
QString CanonicalName(const QString &name);
// Whether this user may write the file or folder of that name.
bool NameIsWritable(const QString &name);

// Whether a name exists, and what it is (following symbolic links).
enum class NameKind { Missing, File, Folder, Other };
NameKind KindOfName(const QString &name);

// The identity of the file a name reaches (device and inode, after symbolic links): two names of one file
// have the same. Null when the name reaches nothing.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    bool exists = false;
    // equal inodes on two devices are two files; the tests' files all lie on one device, so that branch is
    // taken only by a name on another mount
    bool operator==(const FileIdentity &) const = default;
};
FileIdentity IdentityOfName(const QString &name);
