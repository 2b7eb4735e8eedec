#pragma once
// Where a file is written: checked before any long work, and written so that nothing is replaced that must
// not be. An ordinary file is replaced atomically (a failed save leaves the old one whole); a target that
// is not an ordinary file (a named pipe, a terminal, /dev/stdout) is written in place, as is a writable
// file in a folder that refuses new files. Reasons are the system's own words; the caller names the file.
#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Whether path can be written: an existing target must be writable, a new one needs a folder that takes
// new files. False with the reason (nothing is created or changed).
bool CheckWritable(const QString &path, QString *reason);

// Writes bytes to path as described above. False with the reason.
bool WriteFileBytes(const QString &path, const QByteArray &bytes, QString *reason);

// Writes all of bytes to an open file (opened unbuffered: a short write, a full disk or a size limit,
// shows at once with the system's reason instead of vanishing in a final flush). False with the reason.
bool WriteAll(QFileDevice &file, const QByteArray &bytes, QString *reason);
