#pragma once
// Before data no file holds are replaced or closed without the user's word, a backup marked as unsaved
// work keeps them; at close the next start names it.
#include <QString>

class CloneDocument;
class StatusLine;

class UnsavedWork {
  public:
    // backupFolder "" for the per-user backup folder.
    UnsavedWork(CloneDocument *document, StatusLine *status, const QString &backupFolder);

    // Keeps the image in a backup when it holds data no file keeps; the status line says where (at close
    // the settings store keeps the name for the next start).
    void keep(bool atClose);
    // At start: the status line names what the last session kept, once.
    void showLastSessions();

  private:
    CloneDocument *m_document;
    StatusLine *m_status;
    QString m_backupFolder;
};
