#pragma once
// Before data no file holds are replaced or closed without the user's word, a backup marked as unsaved
// work keeps them; the status bar names it until the window closes, and after a close the next start does.
#include <QString>

class CloneDocument;
class KeptWorkNotice;
class StatusLine;

class UnsavedWork {
  public:
    // backupFolder "" for the per-user backup folder.
    UnsavedWork(CloneDocument *document, StatusLine *status, KeptWorkNotice *notice,
                const QString &backupFolder);

    // Keeps the image in a backup when it holds data no file keeps; the notice says where (at close the
    // settings store keeps the name for the next start).
    void keep(bool atClose);
    // At start: the notice names what the last session kept, once.
    void showLastSessions();

  private:
    CloneDocument *m_document;
    StatusLine *m_status;
    KeptWorkNotice *m_notice;
    QString m_backupFolder;
};
