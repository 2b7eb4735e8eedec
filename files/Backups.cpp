#include "files/Backups.h"
#include "files/CloneFile.h"
#include "files/FileTarget.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

namespace {
const QRegularExpression &backupName() {
    // one thread: the guard of this local static never waits for another
    static const QRegularExpression re(
        QStringLiteral(R"(^KT-M40 (\d{4}-\d{2}-\d{2} \d{2}-\d{2}-\d{2})(?: unsaved)?(?: \((\d+)\))?\.M40$)"));
    return re;
}

// Sort key: the time stamp, then the collision number, so order follows the time of saving.
QString sortKey(const QString &name) {
    const auto m = backupName().match(name);
    return m.captured(1) + QLatin1Char(' ') + m.captured(2).rightJustified(6, QLatin1Char('0'));
}
} // namespace

QString BackupFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups");
}

QStringList ListBackups(const QString &folder) {
    QStringList names;
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        if (backupName().match(name).hasMatch()) names << name;
    std::sort(names.begin(), names.end(),
              [](const QString &x, const QString &y) { return sortKey(x) < sortKey(y); });
    QStringList paths;
    for (const QString &name : names)
        paths << QDir(folder).filePath(name);
    return paths;
}

BackupResult SaveBackup(const CloneImage &image, const QString &folder, const QDateTime &when, int keep) {
    CloneImage copy = image; // saving rebuilds the settings blocks; the caller's image stays as it is
    return SaveBackupNamed(CloneFileBytes(copy), folder, when, keep, QString());
}

BackupResult SaveUnsavedWorkBackup(const CloneImage &image, const QString &folder, const QDateTime &when,
                                   int keep) {
    CloneImage copy = image;
    return SaveBackupNamed(CloneFileBytes(copy), folder, when, keep, QStringLiteral(" unsaved"));
}

BackupResult SaveBackupBytes(const QByteArray &cloneFile, const QString &folder, const QDateTime &when,
                             int keep) {
    return SaveBackupNamed(cloneFile, folder, when, keep, QString());
}

BackupResult SaveBackupNamed(const QByteArray &cloneFile, const QString &folder, const QDateTime &when,
                             int keep, const QString &mark) {
    BackupResult result;
    if (!QDir().mkpath(folder)) {
        result.detail = QCoreApplication::translate("Backups", "cannot create %1").arg(folder);
        return result;
    }
    const QString stamp = when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    // A later backup of the same second takes a number above every one of that second (with or without
    // the mark), never a gap the trimming left: the name must sort as the newest.
    int taken = 0;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        const auto m = backupName().match(name);
        if (m.hasMatch() && m.captured(1) == stamp)
            taken = std::max(taken, m.captured(2).isEmpty() ? 1 : m.captured(2).toInt());
    }
    const auto named = [&](int n) {
        return QDir(folder).filePath(n < 2 ? QStringLiteral("KT-M40 %1%2.M40").arg(stamp, mark)
                                           : QStringLiteral("KT-M40 %1%2 (%3).M40").arg(stamp, mark).arg(n));
    };
    int n = taken + 1;
    while (QFileInfo::exists(named(n)))
        ++n;
    const QString path = named(n);
    QString reason;
    // the folder was just made: only a full disk refuses the write; not reached in tests
    if (!WriteFileBytes(path, cloneFile, &reason)) {
        result.detail = QStringLiteral("%1: %2").arg(path, reason);
        return result;
    }
    result.ok = true;
    result.path = path;
    const QStringList all = ListBackups(folder);
    for (int i = 0; i < all.size() - keep; ++i)
        QFile::remove(all[i]);
    return result;
}
