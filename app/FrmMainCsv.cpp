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
    const QString path = m_prompts->saveFileName(this, UiText("Export", "エクスポート"), CsvFileFilter);
    if (path.isEmpty()) return;
    QString detail;
    const FileStatus status = ExportCsv(path, m_image, &detail);
    if (status != FileStatus::Ok) {
        setStatusText(QFileInfo(path).fileName() + QStringLiteral(": ") + detail);
        m_prompts->critical(this, ErrorTitle, FileStatusText(status));
        return;
    }
    // The caption names the CSV, but a later Save must not write the clone file over it: no clone file name.
    m_cloneFileName.clear();
    updateCaption(QFileInfo(path).fileName());
    m_dataChanged = false;
    setStatusText(QString());
}

void FrmMain::mnuImport_Click() {
    if (transferRunning()) return;
    const QString path = m_prompts->openFileName(this, UiText("Import", "インポート"), CsvFileFilter);
    if (path.isEmpty()) return;
    const CsvImportResult result = ImportCsv(path, m_image);
    m_settingsPage->vfoModel->refreshAll();
    m_memoryPage->setCurrentRow(1);
    m_memoryPage->setTopRow(1);
    m_memoryPage->model->refreshAll();
    if (result.status != FileStatus::Ok) {
        setStatusText(QFileInfo(path).fileName() + QStringLiteral(": ") + result.detail);
        m_prompts->critical(this, ErrorTitle, FileStatusText(result.status));
        return;
    }
    m_cloneFileName.clear();
    updateCaption(QString());
    m_dataChanged = false;
    setStatusText(UiText("Imported %1 records, %2 dropped", "%1 件を取り込み、%2 件を除外しました")
                      .arg(result.taken)
                      .arg(result.dropped));
}
