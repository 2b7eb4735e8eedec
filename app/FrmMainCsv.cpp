// frmMain's CSV commands: File > Export and File > Import, in the original, the full and the CHIRP layout.
#include "app/FrmMain.h"
#include "app/GridModels.h"
#include "app/MemoryPage.h"
#include "app/SettingsPage.h"
#include "app/UserPrompts.h"
#include "csv/CsvExport.h"
#include "csv/CsvLayoutFiles.h"
#include "image/Messages.h"
#include "image/TextTables.h"
#include "image/UiText.h"
#include <QFileInfo>
#include <QTableView>

namespace {
QStringList reportLines(const CsvReport &report) {
    QStringList lines;
    for (const CsvReportItem &item : report.items)
        lines << CsvReportItemText(item);
    if (report.itemsLeftOut > 0)
        lines << UiText("... and %1 more", "... ほか %1 件").arg(report.itemsLeftOut);
    return lines;
}
} // namespace

void FrmMain::mnuExport_Click() {
    if (transferRunning()) return;
    const QList<CsvLayout> layouts = {CsvLayout::Original, CsvLayout::Full, CsvLayout::Chirp};
    QStringList titles;
    for (CsvLayout l : layouts)
        titles << CsvLayoutTitle(l);
    const int choice = m_prompts->chooseItem(this, UiText("Export", "エクスポート"),
                                             UiText("Layout of the CSV file:", "CSVファイルの形式:"), titles);
    if (choice < 0 || choice >= layouts.size()) return;
    const CsvLayout layout = layouts[choice];
    const QString path = m_prompts->saveFileName(this, UiText("Export", "エクスポート"), CsvFileFilter);
    if (path.isEmpty()) return;
    QString detail;
    CsvReport notCarried;
    const FileStatus status = ExportCsvLayout(path, m_image, layout, &notCarried, &detail);
    if (status != FileStatus::Ok) {
        setStatusText(QFileInfo(path).fileName() + QStringLiteral(": ") + detail);
        m_prompts->critical(this, ErrorTitle, FileStatusText(status));
        return;
    }
    if (layout == CsvLayout::Original) {
        // The caption names the CSV, but a later Save must not write the clone file over it: no clone file
        // name.
        m_document.setFileState({QString(), QFileInfo(path).fileName()});
        m_document.setDataChanged(false);
        setStatusText(QString());
        return;
    }
    // The new layouts are no save of the clone file: its name, the caption and the unsaved flag stay.
    setStatusText(UiText("Exported to %1, %2", "%1 にエクスポートしました、%2")
                      .arg(QFileInfo(path).fileName(), CsvLayoutShortTitle(layout)));
    if (notCarried.itemCount() > 0)
        m_prompts->report(this, UiText("Export", "エクスポート"),
                          UiText("%1 channels written to %2. %3 values are not carried by CHIRP CSV:",
                                 "%1 チャンネルを %2 に書き込みました。%3 個の値は CHIRP CSV で運べません:")
                              .arg(notCarried.taken)
                              .arg(QFileInfo(path).fileName())
                              .arg(notCarried.itemCount()),
                          reportLines(notCarried));
}

void FrmMain::mnuImport_Click() {
    if (transferRunning()) return;
    const QString path = m_prompts->openFileName(this, UiText("Import", "インポート"), CsvFileFilter);
    if (path.isEmpty()) return;
    keepUnsavedWork(false); // the import replaces channels and VFOs without a question
    m_document.beginChange();
    const CsvFileImport result = ImportCsvFile(path, m_image);
    m_settingsPage->vfoModel->refreshAll();
    m_memoryPage->setCurrentRow(1);
    m_memoryPage->setTopRow(1);
    m_memoryPage->model->refreshAll();
    const QString name = QFileInfo(path).fileName();
    const QString stepName = UiText("Import %1", "インポート %1").arg(name);
    if (result.status() != FileStatus::Ok) {
        m_document.commitChange(stepName, CloneDocument::Mark::Leave); // what was taken can be undone
        setStatusText(name + QStringLiteral(": ") + result.detail());
        m_prompts->critical(this, ErrorTitle, FileStatusText(result.status()));
        return;
    }
    if (result.layout == CsvLayout::Original) {
        m_document.setFileState({}, CloneDocument::FileChange::PartOfStep);
        m_document.commitChange(stepName, CloneDocument::Mark::Leave);
        m_document.setDataChanged(false);
        if (result.ownOriginalExport)
            setStatusText(
                UiText("Nothing was taken from %1: it is this program's export in the original layout, "
                       "whose columns the import reads as another vocabulary. Export in the full "
                       "layout to bring channels back.",
                       "%1 から何も取り込みませんでした: このプログラムが従来の形式で書き出したファイル"
                       "で、その列はインポートでは別の意味に読まれます。チャンネルを戻すには完全な形式"
                       "でエクスポートしてください。")
                    .arg(name));
        else if (!result.unrecognised.isEmpty())
            setStatusText(UiText("Nothing was taken from %1: %2", "%1 から何も取り込みませんでした: %2")
                              .arg(name, result.unrecognised));
        else
            setStatusText(UiText("Imported %1 records, %2 dropped", "%1 件を取り込み、%2 件を除外しました")
                              .arg(result.original.taken)
                              .arg(result.original.dropped));
        return;
    }
    // The new layouts take lines into the open image: its file name stays, and it now differs from the file.
    const CsvReport &r = result.report;
    m_document.commitChange(stepName, CloneDocument::Mark::Leave);
    if (r.taken > 0) m_document.setDataChanged(true);
    const QString summary =
        UiText("%1, %2: %3 lines taken, %4 of them with changes; %5 lines refused; %6 channels and VFOs "
               "changed.",
               "%1、%2: %3 行を取り込み、うち %4 行は変更あり; %5 行を拒否しました; %6 "
               "個のチャンネルとVFOが変わりました。")
            .arg(name, CsvLayoutShortTitle(result.layout))
            .arg(r.taken)
            .arg(r.changed)
            .arg(r.refused)
            .arg(r.records);
    setStatusText(summary);
    m_prompts->report(this, UiText("Import", "インポート"), summary, reportLines(r));
}
