#pragma once
// A lasting part of the status bar that names the backup last made of unsaved work: the file's name,
// shortened in the middle when room is short, the whole path as its tooltip, and a button that opens the
// folder it is in. Hidden until work is kept; the next kept backup takes its place.
#include <QObject>
#include <QString>

class QAction;
class QLabel;
class QStatusBar;
class QToolButton;

class KeptWorkNotice : public QObject {
    Q_OBJECT
  public:
    explicit KeptWorkNotice(QStatusBar *bar);

    void show(const QString &path);
    QString path() const { return m_path; }
    QLabel *label() const { return m_label; }
    QAction *openFolderAction() const { return m_openFolder; }

  protected:
    bool eventFilter(QObject *watched, class QEvent *event) override;

  private:
    void fit();

    QStatusBar *m_bar;
    QLabel *m_label;
    QToolButton *m_button;
    QAction *m_openFolder;
    QString m_path;
};
