#pragma once
// File > Recent Files: the clone files last opened or saved, newest first, each once, at most eight. The
// names are the system's bytes (files/LocalName.h): the settings file keeps those bytes, so that an entry
// reopens the very file it names, also one whose name is not UTF-8.
#include <QStringList>
#include <QVariant>

class RecentFiles {
  public:
    static constexpr int Capacity = 8;

    RecentFiles() = default;
    explicit RecentFiles(const QStringList &names);

    const QStringList &names() const { return m_names; }
    bool isEmpty() const { return m_names.isEmpty(); }

    // name goes first; an entry naming the same file leaves its old place; the oldest beyond eight go.
    void add(const QString &name);
    void remove(const QString &name);

    // The form kept in the settings file (the names' bytes) and back; anything else stored is no name.
    QVariant toStored() const;
    static RecentFiles fromStored(const QVariant &stored);

  private:
    QStringList m_names;
};

// Whether two absolute names name one file as the system reads names: the same path once "." and ".." are
// resolved; on Windows letter case and the slash's direction do not count.
bool SameFileName(const QString &a, const QString &b);

// The list in the program's settings file, and storing it there.
RecentFiles StoredRecentFiles();
void StoreRecentFiles(const RecentFiles &files);

// The folder the file dialogs start in: that of the file last chosen, opened or saved ("" when none yet).
QString LastFolder();
void StoreLastFolderOf(const QString &fileName);
