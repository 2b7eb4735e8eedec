#include "app/FileCommands.h"
#include "app/SettingsPage.h"
#include "app/StatusLine.h"
#include "app/UnsavedWork.h"
#include "app/UserPrompts.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/Messages.h"
#include <QFileInfo>

FileCommands::FileCommands(const CommandContext &context, UnsavedWork *unsavedWork, QObject *parent)
    : QObject(parent), m_c(context), m_unsavedWork(unsavedWork) {}

FileCommands::SaveAnswer FileCommands::askSaveChanges() {
    if (!m_c.document->dataChanged()) return SaveAnswer::GoOn;
    switch (m_c.prompts->askYesNoCancel(m_c.window, SaveQuestionTitle, SaveQuestionText)) {
    case UserPrompts::Answer::Cancel:
        return SaveAnswer::Cancelled;
    case UserPrompts::Answer::Yes:
        mnuFileSave_Click(); // goes on even when the save dialog is cancelled
        return SaveAnswer::GoOn;
    default:
        return SaveAnswer::Discarded;
    }
}

void FileCommands::mnuFileNew_Click() {
    if (m_c.busy()) return;
    const SaveAnswer answer = askSaveChanges();
    if (answer == SaveAnswer::Cancelled) return;
    if (answer != SaveAnswer::Discarded) m_unsavedWork->keep(false);
    CloneDocument &doc = *m_c.document;
    doc.beginChange();
    NewImage(doc.image());
    doc.setFileState({}, CloneDocument::FileChange::PartOfStep);
    doc.commitChange(tr("New"), CloneDocument::Mark::Leave);
    m_c.showImage();
    doc.setDataChanged(false);
    doc.markKept(); // defaults: nothing anybody made
}

void FileCommands::mnuFileOpen_Click() {
    if (m_c.busy()) return;
    const SaveAnswer answer = askSaveChanges();
    if (answer == SaveAnswer::Cancelled) return;
    const QString path = m_c.prompts->openFileName(m_c.window, tr("Open"), CloneFileFilter);
    if (path.isEmpty()) return;
    openAnswered(path, answer);
}

void FileCommands::openFile(const QString &path) {
    if (m_c.busy()) return;
    const SaveAnswer answer = askSaveChanges();
    if (answer == SaveAnswer::Cancelled) return;
    openAnswered(path, answer);
}

void FileCommands::openAnswered(const QString &path, SaveAnswer answer) {
    if (answer != SaveAnswer::Discarded) m_unsavedWork->keep(false);
    openCloneFile(path);
}

bool FileCommands::openCloneFile(const QString &path) {
    CloneDocument &doc = *m_c.document;
    const QString name = QFileInfo(path).fileName();
    const QString stepName = tr("Open %1").arg(name);
    doc.beginChange();
    const CloneFileLoad result = LoadCloneFile(path, doc.image());
    if (result.variantSelected) // the option button follows the header, as a click would
        m_c.showVariant();
    if (result.status != FileStatus::Ok) {
        doc.commitChange(stepName, CloneDocument::Mark::Leave); // the header's model stays
        m_c.status->showMessage(name + QStringLiteral(": ") + result.detail);
        m_c.prompts->critical(m_c.window, ErrorTitle, FileStatusText(result.status));
        return false;
    }
    doc.setFileState({path, name}, CloneDocument::FileChange::PartOfStep);
    doc.commitChange(stepName, CloneDocument::Mark::Leave);
    m_c.showImage();
    doc.setDataChanged(false);
    doc.markKept();
    m_c.status->clear();
    emit cloneFileUsed(path);
    return true;
}

void FileCommands::mnuFileSave_Click() {
    if (m_c.busy()) return;
    if (m_c.document->cloneFileName().isEmpty()) {
        mnuFileSaveAs_Click();
        return;
    }
    writeCloneFile(m_c.document->cloneFileName());
}

void FileCommands::mnuFileSaveAs_Click() {
    if (m_c.busy()) return;
    const QString path = m_c.prompts->saveFileName(m_c.window, tr("Save As"), CloneFileFilter);
    if (path.isEmpty()) return;
    writeCloneFile(path);
}

bool FileCommands::writeCloneFile(const QString &path) {
    CloneDocument &doc = *m_c.document;
    doc.image().Variant = m_c.settingsPage->selectedVariant();
    QString detail;
    const FileStatus status = SaveCloneFile(path, doc.image(), &detail);
    if (status != FileStatus::Ok) {
        m_c.status->showMessage(QFileInfo(path).fileName() + QStringLiteral(": ") + detail);
        m_c.prompts->critical(m_c.window, ErrorTitle, FileStatusText(status));
        return false;
    }
    doc.setFileState({path, QFileInfo(path).fileName()});
    doc.markKept();
    doc.setDataChanged(false);
    m_c.status->clear();
    emit cloneFileUsed(path);
    return true;
}
