#include "files/RecentFiles.h"
#include "files/LocalName.h"
#include "image/SettingsStore.h"
#include <QDir>

namespace {
const QString RecentFilesKey = QStringLiteral("Settings/RecentFiles");
const QString LastFolderKey = QStringLiteral("Settings/LastFolder");
} // namespace

RecentFiles::RecentFiles(const QStringList &names) {
    // the oldest last: added from there, each one takes the place of an older entry of its file
    for (auto it = names.crbegin(); it != names.crend(); ++it)
        add(*it);
}

void RecentFiles::add(const QString &name) {
    if (name.isEmpty()) return;
    remove(name);
    m_names.prepend(name);
    while (m_names.size() > Capacity)
        m_names.removeLast();
}

void RecentFiles::remove(const QString &name) {
    m_names.removeIf([&name](const QString &n) { return SameFileName(n, name); });
}

QVariant RecentFiles::toStored() const {
    QVariantList bytes;
    for (const QString &n : m_names)
        bytes << FileNameBytes(n);
    return bytes;
}

RecentFiles RecentFiles::fromStored(const QVariant &stored) {
    QStringList names;
    for (const QVariant &v : stored.toList())
        if (v.typeId() == QMetaType::QByteArray) names << FileNameFromBytes(v.toByteArray());
    return RecentFiles(names);
}

bool SameFileName(const QString &a, const QString &b) {
#ifdef Q_OS_WIN
    return QDir::cleanPath(QDir::fromNativeSeparators(a))
               .compare(QDir::cleanPath(QDir::fromNativeSeparators(b)), Qt::CaseInsensitive) == 0;
#else
    return QDir::cleanPath(a) == QDir::cleanPath(b);
#endif
}

RecentFiles StoredRecentFiles() {
    return RecentFiles::fromStored(SettingsStore().value(RecentFilesKey));
}

void StoreRecentFiles(const RecentFiles &files) {
    SettingsStore().setValue(RecentFilesKey, files.toStored());
}

QString LastFolder() {
    const QString folder = FileNameFromBytes(SettingsStore().value(LastFolderKey).toByteArray());
    return KindOfName(folder) == NameKind::Folder ? folder : QString();
}

void StoreLastFolderOf(const QString &fileName) {
    const QString folder = FolderOfName(fileName);
    if (!folder.isEmpty()) SettingsStore().setValue(LastFolderKey, FileNameBytes(folder));
}
