#pragma once
// The window's document: the clone image, the file it belongs to (CloneFileName and the name the caption
// shows), the unsaved-changes flag DataChanged, and the Undo/Redo history of every change made to the
// image. Commands change the image between beginChange() and commitChange(); the window only shows it.
#include "image/CloneImage.h"
#include "image/UndoHistory.h"
#include <QObject>

class CloneDocument : public QObject {
    Q_OBJECT
  public:
    explicit CloneDocument(QObject *parent = nullptr);

    CloneImage &image() { return m_image; }
    const CloneImage &image() const { return m_image; }

    bool dataChanged() const { return m_dataChanged; }
    // Whether the image holds data that no clone file saved or opened since holds (whatever DataChanged
    // says): such data must not be thrown away without a file keeping them.
    bool holdsUnkeptData() const { return !(m_image == m_kept); }
    // A file now holds the image as it is (saved, opened, backed up, or the defaults nobody made).
    void markKept() { m_kept = m_image; }
    void setDataChanged(bool changed) { m_dataChanged = changed; }

    QString cloneFileName() const { return m_file.cloneFileName; }
    FileState fileState() const { return m_file; }
    // After New, Open, Save, Export, Import: the file and the name the caption shows. Open, New and Import
    // make it part of their step (Undo names the former file again); Save and Export are no step, and the
    // file they name stays through Undo and Redo of other steps.
    enum class FileChange { OutsideSteps, PartOfStep };
    void setFileState(const FileState &file, FileChange change = FileChange::OutsideSteps);
    // The shown name, " - " and the title; the title alone when no file is named.
    QString caption() const;

    // The image as it is now is what the next commitChange() compares with.
    void beginChange();
    // Ends a change: records an undo step named `name` when the image or the file state differ from
    // beginChange(), and (unless told otherwise) sets DataChanged, also when nothing differs (a command
    // that went ahead counts as a change). True when a step was recorded.
    enum class Mark { DataChanged, Leave };
    bool commitChange(const QString &name, Mark mark = Mark::DataChanged);

    const UndoHistory &history() const { return m_history; }
    // Undo and Redo put the image (and the file state, for a step that changed it) back and set
    // DataChanged; false when there was nothing to undo or redo.
    bool undo();
    bool redo();
    // Forgets every step (the image stays).
    void clearHistory();

  signals:
    void captionChanged(const QString &caption);
    // Undo or Redo replaced parts of the image: every view follows it again.
    void imageRestored();
    void historyChanged();

  private:
    bool restore(bool forward);
    void rebase(); // the image and file state as they are now are what the next step starts from

    CloneImage m_image;
    CloneImage m_before; // the image at the last beginChange, commit, undo or redo
    CloneImage m_kept;   // the image as a file last held it
    FileState m_file;
    FileState m_fileBefore;
    bool m_dataChanged = false;
    UndoHistory m_history;
};
