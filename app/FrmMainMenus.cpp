// frmMain's menus and tool bar, each item connected to its command; and what a running transfer disables.
#include "app/AppIcon.h"
#include "app/CsvCommands.h"
#include "app/EditCommands.h"
#include "app/FileCommands.h"
#include "app/FrmMain.h"
#include "app/MemoryPage.h"
#include "app/PrintCommands.h"
#include "app/SettingsPage.h"
#include "app/StatusLine.h"
#include "app/TransferCommands.h"
#include "image/TextTables.h"
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace {
// The actions of the Edit menu beyond Modify, Undo and Redo; all of them wait while a transfer runs.
const char *const EditActionNames[] = {"mnuEditCut",       "mnuEditCopy",     "mnuEditPaste",
                                       "mnuEditSelectAll", "mnuEditSetField", "mnuEditSortFrequency",
                                       "mnuEditSortName",  "mnuEditFind",     "mnuEditFindNext"};

// The platform's keys for a standard command; where it has none (Windows and a desktop without a theme have
// none for Save As and Quit), the keys most platforms use.
QList<QKeySequence> PlatformKeys(QKeySequence::StandardKey command, const QKeySequence &otherwise) {
    const QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    return keys.isEmpty() ? QList<QKeySequence>{otherwise} : keys;
}
} // namespace

void FrmMain::buildMenus() {
    const UiLanguage lang = m_options.language;
    auto text = [lang](int id) { return ResString(id, lang); };
    auto item = [this, &text](const char *name, int id) {
        auto *a = new QAction(text(id), this);
        a->setObjectName(QLatin1String(name));
        // The message of the last action gives way to this one (connected first, so it runs first).
        connect(a, &QAction::triggered, m_status, &StatusLine::clear);
        return a;
    };
    auto make = [&item](const char *name, int id, auto *commands, auto command) {
        QAction *a = item(name, id);
        connect(a, &QAction::triggered, commands, command);
        return a;
    };
    QMenuBar *bar = menuBar();
    QMenu *mnuFile = bar->addMenu(text(1000));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction *mnuFileNew = make("mnuFileNew", 1001, m_files, &FileCommands::mnuFileNew_Click);
    mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFile->addAction(mnuFileNew);
    // The platform's own keys for Open, Save, Save As and Quit, where the original program gave none.
    QAction *mnuFileOpen = make("mnuFileOpen", 1002, m_files, &FileCommands::mnuFileOpen_Click);
    mnuFileOpen->setShortcuts(QKeySequence::Open);
    mnuFile->addAction(mnuFileOpen);
    buildRecentMenu(mnuFile);
    QAction *mnuFileSave = make("mnuFileSave", 1003, m_files, &FileCommands::mnuFileSave_Click);
    mnuFileSave->setShortcuts(QKeySequence::Save);
    mnuFile->addAction(mnuFileSave);
    QAction *mnuFileSaveAs = make("mnuFileSaveAs", 1004, m_files, &FileCommands::mnuFileSaveAs_Click);
    mnuFileSaveAs->setShortcuts(
        PlatformKeys(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    mnuFile->addAction(mnuFileSaveAs);
    mnuFile->addSeparator();
    mnuFile->addAction(make("mnuImport", 1201, m_csv, &CsvCommands::mnuImport_Click));
    mnuFile->addAction(make("mnuExport", 1202, m_csv, &CsvCommands::mnuExport_Click));
    mnuFile->addSeparator();
    mnuFile->addAction(make("mnuFilePageSetup", 1005, this, &FrmMain::mnuFilePageSetup_Click));
    QAction *mnuFilePrintPreview = new QAction(tr("Print Preview(&V)..."), this);
    mnuFilePrintPreview->setObjectName(QStringLiteral("mnuFilePrintPreview"));
    connect(mnuFilePrintPreview, &QAction::triggered, this, &FrmMain::mnuFilePrintPreview_Click);
    mnuFile->addAction(mnuFilePrintPreview);
    QAction *mnuFilePrint = make("mnuFilePrint", 1006, this, &FrmMain::mnuFilePrint_Click);
    mnuFilePrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFile->addAction(mnuFilePrint);
    mnuFile->addSeparator();
    QAction *mnuFileExit = make("mnuFileExit", 1007, this, &QWidget::close);
    mnuFileExit->setShortcuts(PlatformKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    mnuFile->addAction(mnuFileExit);

    QMenu *mnuEdit = bar->addMenu(text(1008));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEdit->addAction(make("mnuEditUndo", 1009, m_editing, &EditCommands::mnuEditUndo_Click));
    buildEditMenu(mnuEdit);

    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    addToolBar(tbToolBar);
    statusBar();

    QMenu *mnuView = bar->addMenu(text(1010));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    QAction *mnuViewToolbar = item("mnuViewToolbar", 1011);
    mnuViewToolbar->setCheckable(true);
    mnuViewToolbar->setChecked(true);
    connect(mnuViewToolbar, &QAction::toggled, tbToolBar, &QWidget::setVisible);
    QAction *mnuStatusBar = item("mnuStatusBar", 1100);
    mnuStatusBar->setCheckable(true);
    mnuStatusBar->setChecked(true);
    connect(mnuStatusBar, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
    mnuView->addAction(mnuViewToolbar);
    mnuView->addAction(mnuStatusBar);
    // The window's language, each named in itself; kept in the settings file for the next start.
    QMenu *mnuLanguage = mnuView->addMenu(tr("Language(&L)"));
    mnuLanguage->setObjectName(QStringLiteral("mnuLanguage"));
    auto *languages = new QActionGroup(mnuLanguage);
    for (UiLanguage l : UiLanguages()) {
        QAction *a = mnuLanguage->addAction(LanguageNativeName(l));
        a->setObjectName(QStringLiteral("mnuLanguage_") + LanguageCode(l));
        a->setCheckable(true);
        a->setChecked(l == m_options.language);
        languages->addAction(a);
        connect(a, &QAction::triggered, this, [this, l] { chooseLanguage(l); });
    }

    QMenu *mnuTools = bar->addMenu(text(1012));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    QMenu *mnuRe = mnuTools->addMenu(text(1203));
    mnuRe->setObjectName(QStringLiteral("mnuRe"));
    mnuRe->addAction(make("mnuReSet", 1205, m_transfers, &TransferCommands::mnuReSet_Click));
    mnuRe->addAction(make("mnuReMem", 1206, m_transfers, &TransferCommands::mnuReMem_Click));
    mnuRe->addAction(make("mnuReAll", 1207, m_transfers, &TransferCommands::mnuReAll_Click));
    QMenu *mnuWr = mnuTools->addMenu(text(1204));
    mnuWr->setObjectName(QStringLiteral("mnuWr"));
    mnuWr->addAction(make("mnuWrSet", 1205, m_transfers, &TransferCommands::mnuWrSet_Click));
    mnuWr->addAction(make("mnuWrMem", 1206, m_transfers, &TransferCommands::mnuWrMem_Click));
    mnuWr->addAction(make("mnuWrAll", 1207, m_transfers, &TransferCommands::mnuWrAll_Click));
    QAction *mnuWrChg = new QAction(tr("Changes(&C)"), this);
    mnuWrChg->setObjectName(QStringLiteral("mnuWrChg"));
    mnuWrChg->setToolTip(tr("Read the radio, keep it as a backup, write only what differs and check it"));
    connect(mnuWrChg, &QAction::triggered, m_transfers, &TransferCommands::mnuWrChg_Click);
    mnuWr->addAction(mnuWrChg);
    QAction *mnuVerify = new QAction(tr("Verify(&V)"), this);
    mnuVerify->setObjectName(QStringLiteral("mnuVerify"));
    mnuVerify->setToolTip(tr("Read the radio back and compare it with the window's data"));
    connect(mnuVerify, &QAction::triggered, m_status, &StatusLine::clear);
    connect(mnuVerify, &QAction::triggered, m_transfers, &TransferCommands::mnuVerify_Click);
    mnuTools->addAction(mnuVerify);
    mnuTools->addAction(make("mnuToolsOptions", 1013, this, &FrmMain::mnuToolsOptions_Click));

    QMenu *mnuHelp = bar->addMenu(text(1014));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->addAction(make("mnuHelpAbout", 1016, this, &FrmMain::mnuHelpAbout_Click));

    // Tool bar: New, Open | Save | Help, each known by its key.
    auto button = [this, &text](const char *key, int tip, const QIcon &icon, auto *commands, auto command) {
        auto *a = new QAction(icon, text(tip), this);
        a->setObjectName(QStringLiteral("tb_") + QString::fromUtf8(key));
        a->setData(QString::fromUtf8(key));
        a->setToolTip(text(tip));
        connect(a, &QAction::triggered, m_status, &StatusLine::clear);
        connect(a, &QAction::triggered, commands, command);
        tbToolBar->addAction(a);
    };
    button("新規作成", 1017, style()->standardIcon(QStyle::SP_FileIcon), m_files,
           &FileCommands::mnuFileNew_Click);
    button("開く", 1018, style()->standardIcon(QStyle::SP_DialogOpenButton), m_files,
           &FileCommands::mnuFileOpen_Click);
    tbToolBar->addSeparator();
    button("上書き保存", 1019, style()->standardIcon(QStyle::SP_DialogSaveButton), m_files,
           &FileCommands::mnuFileSave_Click);
    tbToolBar->addSeparator();
    button("ﾍﾙﾌﾟ", 1021, HelpIcon(), this, &FrmMain::mnuHelpAbout_Click);
}

void FrmMain::buildEditMenu(QMenu *mnuEdit) {
    EditCommands *edit = m_editing;
    auto make = [this, edit](QMenu *menu, const char *name, const QString &text,
                             void (EditCommands::*command)(), const QList<QKeySequence> &keys = {}) {
        auto *a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        a->setShortcuts(keys);
        // As with every menu item, the last action's message gives way first; the command says what it did.
        connect(a, &QAction::triggered, m_status, &StatusLine::clear);
        connect(a, &QAction::triggered, edit, command);
        menu->addAction(a);
        return a;
    };
    mnuEdit->addSeparator();
    make(mnuEdit, "mnuEditUndoStep", QString(), &EditCommands::mnuEditUndoStep_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    make(mnuEdit, "mnuEditRedoStep", QString(), &EditCommands::mnuEditRedoStep_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuEdit->addSeparator();
    make(mnuEdit, "mnuEditCut", tr("Cut(&T)"), &EditCommands::mnuEditCut_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_X)});
    make(mnuEdit, "mnuEditCopy", tr("Copy(&C)"), &EditCommands::mnuEditCopy_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_C)});
    make(mnuEdit, "mnuEditPaste", tr("Paste(&P)"), &EditCommands::mnuEditPaste_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_V)});
    make(mnuEdit, "mnuEditSelectAll", tr("Select All(&L)"), &EditCommands::mnuEditSelectAll_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_A)});
    mnuEdit->addSeparator();
    make(mnuEdit, "mnuEditSetField", tr("Set Field(&S)..."), &EditCommands::mnuEditSetField_Click);
    QMenu *sort = mnuEdit->addMenu(tr("Sort Selection(&O)"));
    sort->setObjectName(QStringLiteral("mnuEditSort"));
    make(sort, "mnuEditSortFrequency", tr("By Frequency(&F)"), &EditCommands::mnuEditSortFrequency_Click);
    make(sort, "mnuEditSortName", tr("By Name(&N)"), &EditCommands::mnuEditSortName_Click);
    mnuEdit->addSeparator();
    make(mnuEdit, "mnuEditFind", tr("Find(&F)..."), &EditCommands::mnuEditFind_Click,
         {QKeySequence(Qt::CTRL | Qt::Key_F)});
    make(mnuEdit, "mnuEditFindNext", tr("Find Next(&N)"), &EditCommands::mnuEditFindNext_Click,
         {QKeySequence(Qt::Key_F3)});
    connect(&m_document, &CloneDocument::historyChanged, this, &FrmMain::updateEditActions);
    updateEditActions();
}

void FrmMain::updateEditActions() {
    const UndoHistory &history = m_document.history();
    const bool idle = !transferRunning();
    if (QAction *undo = action(QStringLiteral("mnuEditUndoStep"))) {
        undo->setText(history.canUndo() ? tr("Undo %1(&U)").arg(history.undoName()) : tr("Undo(&U)"));
        undo->setEnabled(idle && history.canUndo());
    }
    if (QAction *redo = action(QStringLiteral("mnuEditRedoStep"))) {
        redo->setText(history.canRedo() ? tr("Redo %1(&R)").arg(history.redoName()) : tr("Redo(&R)"));
        redo->setEnabled(idle && history.canRedo());
    }
    for (const char *name : EditActionNames)
        if (QAction *a = action(QLatin1String(name))) a->setEnabled(idle);
}

void FrmMain::setRunning(bool running) {
    const bool idle = !running;
    for (QPushButton *b : {m_settingsPage->cmbRxData1, m_settingsPage->cmbTxData1, m_settingsPage->cmdAuto,
                           m_memoryPage->cmbRxData, m_memoryPage->cmbTxData, m_memoryPage->cmbInsert,
                           m_memoryPage->cmbDelete, m_memoryPage->cmbClear, m_memoryPage->cmbClAll})
        b->setEnabled(idle);
    m_settingsPage->setInputEnabled(idle);
    for (const char *name :
         {"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuImport", "mnuExport",
          "mnuEditUndo", "mnuReSet", "mnuReMem", "mnuReAll", "mnuWrSet", "mnuWrMem", "mnuWrAll", "mnuWrChg",
          "mnuVerify", "mnuToolsOptions", "tb_新規作成", "tb_開く", "tb_上書き保存"})
        if (QAction *a = action(QString::fromUtf8(name))) a->setEnabled(idle);
    // Printing waits too: the document would show a memory half read.
    for (const char *name : {"mnuFilePageSetup", "mnuFilePrintPreview", "mnuFilePrint"})
        if (QAction *a = action(QString::fromUtf8(name))) a->setEnabled(idle);
    showRecentFiles(); // it opens when there is an entry and no run
    updateEditActions();
    // The hourglass: once when a run begins, given back when it ends.
    if (running)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
