#include "app/CsvCommands.h"
#include "app/GridModels.h"
#include "app/MemoryPage.h"
#include "app/SettingsPage.h"
#include "app/StatusLine.h"
#include "app/UnsavedWork.h"
#include "app/UserPrompts.h"
#include "csv/CsvExport.h"
#include "csv/CsvLayoutFiles.h"
#include "image/Messages.h"
#include <QCoreApplication>
#include <QFileInfo>

namespace {
QStringList reportLines(const CsvReport &report) {
    QStringList lines;
    for (const CsvReportItem &item : report.items)
        lines << CsvReportItemText(item);
    if (report.itemsLeftOut > 0)
        lines << QCoreApplication::translate("CsvCommands", "... and %1 more").arg(report.itemsLeftOut);
    return lines;
}
} // namespace

CsvCommands::CsvCommands(const CommandContext &context, UnsavedWork *unsavedWork, QObject *parent)
    : QObject(parent), m_c(context), m_unsavedWork(unsavedWork) {}

void CsvCommands::mnuExport_Click() {
    if (m_c.busy()) return;
    CloneDocument &doc = *m_c.document;
    const QList<CsvLayout> layouts = {CsvLayout::Original, CsvLayout::Full, CsvLayout::Chirp};
    QStringList titles;
    for (CsvLayout l : layouts)
        titles << CsvLayoutTitle(l);
    const int choice =
        m_c.prompts->chooseItem(m_c.window, tr("Export"), tr("Layout of the CSV file:"), titles);
    if (choice < 0 || choice >= layouts.size()) return;
    const CsvLayout layout = layouts[choice];
    const QString path = m_c.prompts->saveFileName(m_c.window, tr("Export"), CsvFileFilter);
    if (path.isEmpty()) return;
    QString detail;
    CsvReport notCarried;
    const FileStatus status = ExportCsvLayout(path, doc.image(), layout, &notCarried, &detail);
    if (status != FileStatus::Ok) {
        m_c.status->showMessage(QFileInfo(path).fileName() + QStringLiteral(": ") + detail);
        m_c.prompts->critical(m_c.window, ErrorTitle, FileStatusText(status));
        return;
    }
    if (layout == CsvLayout::Original) {
        // The caption names the CSV, but a later Save must not write the clone file over it: no clone file
        // name.
        doc.setFileState({QString(), QFileInfo(path).fileName()});
        doc.setDataChanged(false);
        m_c.status->clear();
        return;
    }
    // The new layouts are no save of the clone file: its name, the caption and the unsaved flag stay.
    m_c.status->showMessage(
        tr("Exported to %1, %2").arg(QFileInfo(path).fileName(), CsvLayoutShortTitle(layout)));
    if (notCarried.itemCount() > 0)
        m_c.prompts->report(m_c.window, tr("Export"),
                            tr("%1 channels written to %2. %3 values are not carried by CHIRP CSV:")
                                .arg(notCarried.taken)
                                .arg(QFileInfo(path).fileName())
                                .arg(notCarried.itemCount()),
                            reportLines(notCarried));
}

void CsvCommands::mnuImport_Click() {
    if (m_c.busy()) return;
    const QString path = m_c.prompts->openFileName(m_c.window, tr("Import"), CsvFileFilter);
    if (path.isEmpty()) return;
    importFile(path);
}

void CsvCommands::importFile(const QString &path) {
    if (m_c.busy()) return;
    CloneDocument &doc = *m_c.document;
    m_unsavedWork->keep(false); // the import replaces channels and VFOs without a question
    doc.beginChange();
    const CsvFileImport result = ImportCsvFile(path, doc.image());
    m_c.settingsPage->vfoModel->refreshAll();
    m_c.memoryPage->setCurrentRow(1);
    m_c.memoryPage->setTopRow(1);
    m_c.memoryPage->model->refreshAll();
    const QString name = QFileInfo(path).fileName();
    const QString stepName = tr("Import %1").arg(name);
    if (result.status() != FileStatus::Ok) {
        doc.commitChange(stepName, CloneDocument::Mark::Leave); // what was taken can be undone
        m_c.status->showMessage(name + QStringLiteral(": ") + result.detail());
        m_c.prompts->critical(m_c.window, ErrorTitle, FileStatusText(result.status()));
        return;
    }
    if (result.layout == CsvLayout::Original) {
        doc.setFileState({}, CloneDocument::FileChange::PartOfStep);
        doc.commitChange(stepName, CloneDocument::Mark::Leave);
        doc.setDataChanged(false);
        if (result.ownOriginalExport)
            m_c.status->showMessage(
                tr("Nothing was taken from %1: it is this program's export in the original layout, "
                   "whose columns the import reads as another vocabulary. Export in the full "
                   "layout to bring channels back.")
                    .arg(name));
        else if (!result.unrecognised.isEmpty())
            m_c.status->showMessage(tr("Nothing was taken from %1: %2").arg(name, result.unrecognised));
        else
            m_c.status->showMessage(tr("Imported %1 records, %2 dropped")
                                        .arg(result.original.taken)
                                        .arg(result.original.dropped));
        return;
    }
    // The new layouts take lines into the open image: its file name stays, and it now differs from the file.
    const CsvReport &r = result.report;
    doc.commitChange(stepName, CloneDocument::Mark::Leave);
    if (r.taken > 0) doc.setDataChanged(true);
    const QString summary =
        tr("%1, %2: %3 lines taken, %4 of them with changes; %5 lines refused; %6 channels and VFOs "
           "changed.")
            .arg(name, CsvLayoutShortTitle(result.layout))
            .arg(r.taken)
            .arg(r.changed)
            .arg(r.refused)
            .arg(r.records);
    m_c.status->showMessage(summary);
    m_c.prompts->report(m_c.window, tr("Import"), summary, reportLines(r));
}
