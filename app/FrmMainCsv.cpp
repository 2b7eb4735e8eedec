// frmMain's CSV commands: File > Export and File > Import.
#include "app/FrmMain.h"
#include "app/GridModels.h"
#include "app/MemoryPage.h"
#include "app/SettingsPage.h"
#include "app/UserPrompts.h"
#include "files/CsvExport.h"
#include "files/CsvImport.h"
#include "image/Messages.h"
#include "image/TextTables.h"
#include "image/UiText.h"
#include <QFileInfo>
#include <QTableView>

void FrmMain::mnuExport_Click() {
    if (transferRunning()) return;
    const QString path = m_prompts->saveFileName(this, QStringLiteral("Export"), CsvFileFilter);
    if (path.isEmpty()) return;
    QString detail;
    const FileStatus status = ExportCsv(path, m_image, &detail);
    if (status != FileStatus::Ok) {
        setStatusText(QFileInfo(path).fileName() + QStringLiteral(": ") + detail);
        m_prompts->critical(this, ErrorTitle, FileStatusText(status));
        return;
    }
    // The caption names the CSV, but a later Save must not write the clone file over it: no clone file name.
    m_document.setFileState({QString(), QFileInfo(path).fileName()});
    m_document.setDataChanged(false);
    setStatusText(QString());
}

void FrmMain::mnuImport_Click() {
    if (transferRunning()) return;
    const QString path = m_prompts->openFileName(this, QStringLiteral("Import"), CsvFileFilter);
    if (path.isEmpty()) return;
    m_document.beginChange();
    const CsvImportResult result = ImportCsv(path, m_image);
    m_settingsPage->vfoModel->refreshAll();
    m_memoryPage->setCurrentRow(1);
    m_memoryPage->setTopRow(1);
    m_memoryPage->model->refreshAll();
    const QString stepName = UiText("Import %1", "インポート %1").arg(QFileInfo(path).fileName());
    if (result.status != FileStatus::Ok) {
        m_document.commitChange(stepName, CloneDocument::Mark::Leave); // what was taken can be undone
        setStatusText(QFileInfo(path).fileName() + QStringLiteral(": ") + result.detail);
        m_prompts->critical(this, ErrorTitle, FileStatusText(result.status));
        return;
    }
    m_document.setFileState({});
    m_document.commitChange(stepName, CloneDocument::Mark::Leave);
    m_document.setDataChanged(false);
    setStatusText(QStringLiteral("Imported %1 records, %2 dropped").arg(result.taken).arg(result.dropped));
}
