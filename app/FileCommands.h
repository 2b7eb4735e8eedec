#pragma once
// The File menu's clone file commands: New, Open, Save, Save As, the start-up file, and the save question
// before data are replaced or the window closes.
#include "app/CommandContext.h"
#include <QObject>

class UnsavedWork;

inline const QString CloneFileFilter =
    QStringLiteral("Korvan KT-M40 Clone Files (*.M40)|*.M40|All Files (*.*)|*.*");

class FileCommands : public QObject {
    Q_OBJECT
  public:
    FileCommands(const CommandContext &context, UnsavedWork *unsavedWork, QObject *parent);

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    // Open without its dialog, for a file named otherwise (File > Recent Files, a file dropped on the
    // window): the save question, then the file.
    void openFile(const QString &path);
    // LoadCloneFile with its messages: true when the file was taken.
    bool openCloneFile(const QString &path);

    // The save question, asked when DataChanged is set. Its answer belongs to the command that asked: it
    // says whether the command goes on and whether the user gave the unsaved data up (No).
    enum class SaveAnswer { GoOn, Discarded, Cancelled };
    SaveAnswer askSaveChanges();

  signals:
    // A clone file was opened or saved under this name.
    void cloneFileUsed(const QString &path);

  private:
    // Open once the save question was answered.
    void openAnswered(const QString &path, SaveAnswer answer);
    bool writeCloneFile(const QString &path);

    CommandContext m_c;
    UnsavedWork *m_unsavedWork;
};
