#include "image/CloneDocument.h"
#include "image/TextTables.h"

CloneDocument::CloneDocument(QObject *parent) : QObject(parent) {}

void CloneDocument::setFileState(const FileState &file, FileChange change) {
    m_file = file;
    if (change == FileChange::OutsideSteps) m_fileBefore = file;
    emit captionChanged(caption());
}

QString CloneDocument::caption() const {
    const QString &title = Tables().AppTitle;
    return m_file.shownName.isEmpty() ? title : m_file.shownName + QStringLiteral(" - ") + title;
}

void CloneDocument::rebase() {
    m_before = m_image;
    m_fileBefore = m_file;
}

void CloneDocument::beginChange() {
    rebase();
}

bool CloneDocument::commitChange(const QString &name, Mark mark) {
    const bool recorded = m_history.record(name, m_before, m_image, m_fileBefore, m_file);
    rebase();
    if (mark == Mark::DataChanged) m_dataChanged = true;
    if (recorded) emit historyChanged();
    return recorded;
}

bool CloneDocument::restore(bool forward) {
    std::optional<FileState> file;
    if (!(forward ? m_history.redo(m_image, &file) : m_history.undo(m_image, &file))) return false;
    m_dataChanged = true;
    if (file) setFileState(*file);
    rebase();
    emit imageRestored();
    emit historyChanged();
    return true;
}

bool CloneDocument::undo() {
    return restore(false);
}

bool CloneDocument::redo() {
    return restore(true);
}

void CloneDocument::clearHistory() {
    m_history.clear();
    rebase();
    emit historyChanged();
}
