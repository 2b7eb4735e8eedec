#pragma once
// Automatic backups: after every successful read from the radio the whole image is kept as a clone file
// in the user's backup folder, named by date and time; the newest ones are kept, older ones removed.
#include "image/CloneImage.h"
#include <QDateTime>
#include <QString>
#include <QStringList>

constexpr int BackupsKept = 50;

// <per-user application data>/backups
QString BackupFolder();

struct BackupResult {
    bool ok = false;
    QString path;   // the file written
    QString detail; // why it failed
};

// Saves a copy of image (the image itself is not touched) as "KT-M40 yyyy-MM-dd HH-mm-ss.M40" in folder,
// then removes the oldest backups beyond keep. A later backup of the same second gets " (2)", " (3)", ...
// above the highest number of that second.
BackupResult SaveBackup(const CloneImage &image, const QString &folder = BackupFolder(),
                        const QDateTime &when = QDateTime::currentDateTime(), int keep = BackupsKept);
// The same for work the window would otherwise lose (data no clone file holds): the name is marked
// "KT-M40 yyyy-MM-dd HH-mm-ss unsaved.M40"; it counts among the kept backups.
BackupResult SaveUnsavedWorkBackup(const CloneImage &image, const QString &folder = BackupFolder(),
                                   const QDateTime &when = QDateTime::currentDateTime(),
                                   int keep = BackupsKept);
// The one writer behind all three: mark goes between the time and ".M40".
BackupResult SaveBackupNamed(const QByteArray &cloneFile, const QString &folder, const QDateTime &when,
                             int keep, const QString &mark);
// The backups in folder, oldest first.
QStringList ListBackups(const QString &folder = BackupFolder());
// The same for a clone file's bytes as they are (what a radio held, every record as read).
BackupResult SaveBackupBytes(const QByteArray &cloneFile, const QString &folder = BackupFolder(),
                             const QDateTime &when = QDateTime::currentDateTime(), int keep = BackupsKept);
