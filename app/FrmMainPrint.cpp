// frmMain's print items: Print Setup, Print Preview and Print, refused while a transfer runs.
#include "app/FrmMain.h"
#include "app/PrintCommands.h"
#include "image/UiText.h"
#include <QDate>
#include <QFileInfo>

PrintCommands *FrmMain::printCommands() {
    if (!m_print) {
        m_print = new PrintCommands(this, m_prompts, [this] {
            return BuildPrintDocument(m_image, m_document.cloneFileName(), QDate::currentDate());
        });
        connect(m_print, &PrintCommands::printed, this, [this](int pages, const QString &file) {
            setStatusText(file.isEmpty() ? UiText("Printed %1 page(s)", "%1 ページを印刷しました").arg(pages)
                                         : UiText("Printed %1 page(s) to %2", "%1 ページを %2 に印刷しました")
                                               .arg(pages)
                                               .arg(QFileInfo(file).fileName()));
        });
    }
    return m_print;
}

void FrmMain::mnuFilePageSetup_Click() {
    if (transferRunning()) return;
    printCommands()->pageSetup();
}

void FrmMain::mnuFilePrintPreview_Click() {
    if (transferRunning()) return;
    printCommands()->preview();
}

void FrmMain::mnuFilePrint_Click() {
    if (transferRunning()) return;
    printCommands()->print();
}
