#include "app/FrmMain.h"
#include "app/AppIcon.h"
#include "app/DlgCom.h"
#include "app/DlgFind.h"
#include "app/DlgModify.h"
#include "app/DlgSetField.h"
#include "app/FrmAbout.h"
#include "app/GridModels.h"
#include "app/MemoryPage.h"
#include "app/SettingsPage.h"
#include "app/UserPrompts.h"
#include "channels/ChannelLabels.h"
#include "channels/VfoRecordCodec.h"
#include "image/SettingsStore.h"
#include "image/TextTables.h"
#include "image/UiText.h"
#include "link/Link.h"
#include "link/PortSettings.h"
#include "settings/SettingsCodec.h"
#include "settings/SettingsLists.h"
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

FrmMain::FrmMain(const AppOptions &options, UserPrompts *prompts, LinkFactory linkFactory, QWidget *parent)
    : QMainWindow(parent), m_options(options), m_prompts(prompts), m_linkFactory(std::move(linkFactory)) {
    setObjectName(QStringLiteral("frmMain"));
    SetUiLanguage(m_options.language);
    BuildTextTables();
    ClearTables(m_image);
    m_session = new RadioSession(&m_image, this);
    setWindowIcon(AppIcon());

    TabStrip1 = new QTabWidget(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    m_settingsPage = new SettingsPage(&m_image, TabStrip1);
    m_memoryPage = new MemoryPage(&m_image, TabStrip1);
    TabStrip1->addTab(m_settingsPage, QStringLiteral("Settings"));
    TabStrip1->addTab(m_memoryPage, QStringLiteral("Memory"));
    setCentralWidget(TabStrip1);

    buildMenus();

    m_statusText = new QLabel(this);
    m_statusDate = new QLabel(this);
    m_statusTime = new QLabel(this);
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    statusBar()->addWidget(m_statusText, 1);
    statusBar()->addPermanentWidget(m_statusDate);
    statusBar()->addPermanentWidget(m_statusTime);
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &FrmMain::updateClock);
    m_clock->start();
    updateClock();
    m_statusFade = new QTimer(this);
    m_statusFade->setSingleShot(true);
    connect(m_statusFade, &QTimer::timeout, this, &FrmMain::clearStatusText);

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &FrmMain::finishLoad);

    // Page buttons; a press lets the last action's message give way before the click acts.
    for (QPushButton *b :
         m_settingsPage->findChildren<QPushButton *>() + m_memoryPage->findChildren<QPushButton *>())
        connect(b, &QPushButton::pressed, this, &FrmMain::clearStatusText);
    connect(m_settingsPage->cmbRxData1, &QPushButton::clicked, this, &FrmMain::cmbRxData1_Click);
    connect(m_settingsPage->cmbTxData1, &QPushButton::clicked, this, &FrmMain::cmbTxData1_Click);
    connect(m_settingsPage->cmdAuto, &QPushButton::clicked, this, &FrmMain::cmdAuto_Click);
    connect(m_settingsPage, &SettingsPage::variantSelected, this, &FrmMain::onVariantSelected);
    connect(m_settingsPage, &SettingsPage::settingPicked, this, &FrmMain::onSettingPicked);
    connect(&m_document, &CloneDocument::captionChanged, this, &QWidget::setWindowTitle);
    connect(&m_document, &CloneDocument::imageRestored, this, &FrmMain::refreshAllViews);
    connect(m_memoryPage->cmbRxData, &QPushButton::clicked, this, &FrmMain::cmbRxData_Click);
    connect(m_memoryPage->cmbTxData, &QPushButton::clicked, this, &FrmMain::cmbTxData_Click);
    connect(m_memoryPage->cmbInsert, &QPushButton::clicked, this, &FrmMain::cmbInsert_Click);
    connect(m_memoryPage->cmbDelete, &QPushButton::clicked, this, &FrmMain::cmbDelete_Click);
    connect(m_memoryPage->cmbClear, &QPushButton::clicked, this, &FrmMain::cmbClear_Click);
    connect(m_memoryPage->cmbClAll, &QPushButton::clicked, this, &FrmMain::cmbClAll_Click);
    connect(m_memoryPage->Command5, &QPushButton::clicked, this, &FrmMain::Command5_Click);
    connect(m_memoryPage->Command4, &QPushButton::clicked, this, &FrmMain::Command4_Click);
    connect(m_memoryPage->MSFlexGrid1, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { openEditor(EditSource::Memory, index.row()); });
    connect(m_settingsPage->MSFlexGrid2, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { openEditor(EditSource::Vfo, index.row()); });

    // The radio session reports back.
    connect(m_session, &RadioSession::procedureStarted, this, &FrmMain::onProcedureStarted);
    connect(m_session, &RadioSession::progress, this, &FrmMain::showTransferProgress);
    connect(m_session, &RadioSession::changesProgress, this, &FrmMain::showChangesProgress);
    connect(m_session, &RadioSession::channelDecoded, this,
            [this](int k) { m_memoryPage->model->refreshRows(k, k); });
    connect(m_session, &RadioSession::settingsDecoded, m_settingsPage, &SettingsPage::showSettings);
    connect(m_session, &RadioSession::vfoDecoded, m_settingsPage->vfoModel, &VfoTableModel::refreshAll);
    connect(m_session, &RadioSession::variantIdentified, this, [this](int variant, bool wideRange) {
        m_settingsPage->selectVariant(variant);
        m_image.WideRange = wideRange;
    });
    connect(m_session, &RadioSession::procedureFinished, this, &FrmMain::onProcedureFinished);
    connect(m_session, &RadioSession::runFinished, this,
            [this] { QMetaObject::invokeMethod(this, &FrmMain::endRun, Qt::QueuedConnection); });
}

FrmMain::~FrmMain() {
    // The session, the pages and the dialogs look at the image: they go before it does.
    delete m_session;
    delete m_modify;
    delete m_com;
    delete m_about;
    delete TabStrip1;
}

QAction *FrmMain::action(const QString &name) const {
    return findChild<QAction *>(name);
}

void FrmMain::buildMenus() {
    const UiLanguage lang = m_options.language;
    auto text = [lang](int id) { return ResString(id, lang); };
    auto make = [this, &text](const char *name, int id, void (FrmMain::*slot)()) {
        auto *a = new QAction(text(id), this);
        a->setObjectName(QLatin1String(name));
        // The message of the last action gives way to this one (connected first, so it runs first).
        connect(a, &QAction::triggered, this, &FrmMain::clearStatusText);
        if (slot) connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenuBar *bar = menuBar();
    QMenu *mnuFile = bar->addMenu(text(1000));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction *mnuFileNew = make("mnuFileNew", 1001, &FrmMain::mnuFileNew_Click);
    mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    QAction *mnuFileOpen = make("mnuFileOpen", 1002, &FrmMain::mnuFileOpen_Click);
    QAction *mnuFileSave = make("mnuFileSave", 1003, &FrmMain::mnuFileSave_Click);
    mnuFile->addAction(mnuFileNew);
    mnuFile->addAction(mnuFileOpen);
    mnuFile->addAction(mnuFileSave);
    mnuFile->addAction(make("mnuFileSaveAs", 1004, &FrmMain::mnuFileSaveAs_Click));
    mnuFile->addSeparator();
    mnuFile->addAction(make("mnuImport", 1201, &FrmMain::mnuImport_Click));
    mnuFile->addAction(make("mnuExport", 1202, &FrmMain::mnuExport_Click));
    mnuFile->addSeparator();
    mnuFile->addAction(make("mnuFilePageSetup", 1005, &FrmMain::mnuFilePageSetup_Click));
    QAction *mnuFilePrintPreview = new QAction(UiText("Print Preview(&V)...", "印刷プレビュー(&V)..."), this);
    mnuFilePrintPreview->setObjectName(QStringLiteral("mnuFilePrintPreview"));
    connect(mnuFilePrintPreview, &QAction::triggered, this, &FrmMain::mnuFilePrintPreview_Click);
    mnuFile->addAction(mnuFilePrintPreview);
    QAction *mnuFilePrint = make("mnuFilePrint", 1006, &FrmMain::mnuFilePrint_Click);
    mnuFilePrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFile->addAction(mnuFilePrint);
    mnuFile->addSeparator();
    mnuFile->addAction(make("mnuFileExit", 1007, nullptr));
    connect(action(QStringLiteral("mnuFileExit")), &QAction::triggered, this, &QWidget::close);

    QMenu *mnuEdit = bar->addMenu(text(1008));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEdit->addAction(make("mnuEditUndo", 1009, &FrmMain::mnuEditUndo_Click));
    buildEditMenu(mnuEdit);

    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    addToolBar(tbToolBar);
    statusBar();

    QMenu *mnuView = bar->addMenu(text(1010));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    QAction *mnuViewToolbar = make("mnuViewToolbar", 1011, nullptr);
    mnuViewToolbar->setCheckable(true);
    mnuViewToolbar->setChecked(true);
    connect(mnuViewToolbar, &QAction::toggled, tbToolBar, &QWidget::setVisible);
    QAction *mnuStatusBar = make("mnuStatusBar", 1100, nullptr);
    mnuStatusBar->setCheckable(true);
    mnuStatusBar->setChecked(true);
    connect(mnuStatusBar, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
    mnuView->addAction(mnuViewToolbar);
    mnuView->addAction(mnuStatusBar);

    QMenu *mnuTools = bar->addMenu(text(1012));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    QMenu *mnuRe = mnuTools->addMenu(text(1203));
    mnuRe->setObjectName(QStringLiteral("mnuRe"));
    mnuRe->addAction(make("mnuReSet", 1205, &FrmMain::mnuReSet_Click));
    mnuRe->addAction(make("mnuReMem", 1206, &FrmMain::mnuReMem_Click));
    mnuRe->addAction(make("mnuReAll", 1207, &FrmMain::mnuReAll_Click));
    QMenu *mnuWr = mnuTools->addMenu(text(1204));
    mnuWr->setObjectName(QStringLiteral("mnuWr"));
    mnuWr->addAction(make("mnuWrSet", 1205, &FrmMain::mnuWrSet_Click));
    mnuWr->addAction(make("mnuWrMem", 1206, &FrmMain::mnuWrMem_Click));
    mnuWr->addAction(make("mnuWrAll", 1207, &FrmMain::mnuWrAll_Click));
    QAction *mnuWrChg = new QAction(UiText("Changes(&C)", "変更分(&C)"), this);
    mnuWrChg->setObjectName(QStringLiteral("mnuWrChg"));
    mnuWrChg->setToolTip(UiText("Read the radio, keep it as a backup, write only what differs and check it",
                                "無線機を読み出してバックアップし、異なる部分だけを書き込んで照合します"));
    connect(mnuWrChg, &QAction::triggered, this, &FrmMain::mnuWrChg_Click);
    mnuWr->addAction(mnuWrChg);
    QAction *mnuVerify = new QAction(UiText("Verify(&V)", "ベリファイ(&V)"), this);
    mnuVerify->setObjectName(QStringLiteral("mnuVerify"));
    mnuVerify->setToolTip(UiText("Read the radio back and compare it with the window's data",
                                 "無線機から読み返してウィンドウのデータと比べます"));
    connect(mnuVerify, &QAction::triggered, this, &FrmMain::clearStatusText);
    connect(mnuVerify, &QAction::triggered, this, &FrmMain::mnuVerify_Click);
    mnuTools->addAction(mnuVerify);
    mnuTools->addAction(make("mnuToolsOptions", 1013, &FrmMain::mnuToolsOptions_Click));

    QMenu *mnuHelp = bar->addMenu(text(1014));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->addAction(make("mnuHelpAbout", 1016, &FrmMain::mnuHelpAbout_Click));

    // Tool bar: New, Open | Save | Help, each known by its key.
    auto button = [this, &text](const char *key, int tip, const QIcon &icon, void (FrmMain::*slot)()) {
        auto *a = new QAction(icon, text(tip), this);
        a->setObjectName(QStringLiteral("tb_") + QString::fromUtf8(key));
        a->setData(QString::fromUtf8(key));
        a->setToolTip(text(tip));
        connect(a, &QAction::triggered, this, &FrmMain::clearStatusText);
        connect(a, &QAction::triggered, this, slot);
        tbToolBar->addAction(a);
    };
    button("新規作成", 1017, style()->standardIcon(QStyle::SP_FileIcon), &FrmMain::mnuFileNew_Click);
    button("開く", 1018, style()->standardIcon(QStyle::SP_DialogOpenButton), &FrmMain::mnuFileOpen_Click);
    tbToolBar->addSeparator();
    button("上書き保存", 1019, style()->standardIcon(QStyle::SP_DialogSaveButton),
           &FrmMain::mnuFileSave_Click);
    tbToolBar->addSeparator();
    button("ﾍﾙﾌﾟ", 1021, HelpIcon(), &FrmMain::mnuHelpAbout_Click);
}

void FrmMain::Form_Load() {
    // The window's design size: 10200 x 7905 twips.
    const double scale = logicalDpiX() / 96.0;
    // Wider fonts than the design's may need more room; the window never starts smaller than its contents.
    const QSize design(int(TwipsToPixels(10200) * scale), int(TwipsToPixels(7905) * scale));
    resize(design.expandedTo(minimumSizeHint()));

    const QString portFile = m_options.portFileRead.isEmpty() ? PortFileForReading() : m_options.portFileRead;
    m_port.commPort = ReadPortNumber(portFile);
    m_port.devicePath = StoredDevicePath();
    m_port.retries = StoredRetries();
    m_port.virtualRadio = m_options.demo;

    LoadDefaultSettings(m_image);
    UpdateSetData(m_image);
    m_settingsPage->showSettings();
    LoadDefaultVfo(m_image);
    m_settingsPage->vfoModel->refreshAll();

    // The pause keeps the splash up while the window stays live; the rest of the load runs on its tick.
    Timer1->start(m_options.splashPauseMs);
}

void FrmMain::finishLoad() {
    Timer1->setInterval(500);
    m_document.setFileState({});
    TabStrip1->setCurrentIndex(0);
    if (!m_options.startupFile.isEmpty()) openCloneFile(m_options.startupFile);
    m_document.setDataChanged(false);
    m_document.clearHistory(); // what the window starts with is where Undo ends
    m_document.markKept();     // the defaults, or the start-up file
    showLastSessionsUnsavedWork();
    m_loaded = true;
    modifyDialog(); // the edit dialog is made now, so that its first use opens at once
    emit loaded();
}

DlgModify *FrmMain::modifyDialog() {
    if (!m_modify) {
        m_modify = new DlgModify(&m_image, m_prompts, this);
        connect(m_modify, &DlgModify::okPressed, this, [this] { m_document.setDataChanged(true); });
        connect(m_modify, &DlgModify::stored, this, [this](EditSource source, int index) {
            if (source == EditSource::Memory)
                m_memoryPage->model->refreshRows(index, index);
            else
                m_settingsPage->vfoModel->refreshRow(index);
            m_document.commitChange(
                UiText("Modify %1", "変更 %1")
                    .arg(source == EditSource::Memory ? ShortRowLabel(index) : VfoLabel(index)));
        });
    }
    return m_modify;
}

DlgCom *FrmMain::comDialog() {
    if (!m_com) {
        m_com = new DlgCom(m_options.demo, this);
        connect(m_com, &QDialog::accepted, this, [this] {
            if (m_session->busy()) return;
            if (Link *link = m_session->link(); link && link->isOpen()) link->close();
            m_port = m_com->choice();
            StoreDevicePath(m_port.devicePath);
            StoreRetries(m_port.retries);
            m_linkMatchesPort = false;
        });
        // the search asks every port: the one this window holds open would look busy
        connect(m_com, &DlgCom::findingStarts, this, [this] {
            if (Link *link = m_session->link(); link && link->isOpen() && !m_session->busy()) link->close();
        });
    }
    return m_com;
}

FrmAbout *FrmMain::aboutBox() {
    if (!m_about) m_about = new FrmAbout(m_prompts, this);
    return m_about;
}

void FrmMain::openEditor(EditSource source, int index) {
    if (transferRunning() || index < 0) return;
    m_document.beginChange(); // the dialog is modal: its OK is the only change until it closes
    modifyDialog()->openFor(source, index);
}

void FrmMain::mnuEditUndo_Click() {
    if (TabStrip1->currentIndex() == 0) {
        const QModelIndex current = m_settingsPage->MSFlexGrid2->currentIndex();
        openEditor(EditSource::Vfo, current.isValid() ? current.row() : 0);
    } else {
        openEditor(EditSource::Memory, m_memoryPage->currentRow() - 1);
    }
}

void FrmMain::mnuToolsOptions_Click() {
    if (transferRunning()) return;
    comDialog()->setChoice(m_port, AvailablePorts());
    m_com->open();
}

void FrmMain::mnuHelpAbout_Click() {
    aboutBox()->open();
}

void FrmMain::showMemoryPage() {
    TabStrip1->setCurrentWidget(m_memoryPage);
}

void FrmMain::onVariantSelected(int variant) {
    m_image.Variant = variant;
    // A file or the radio selecting the model is part of that command's step.
    if (m_quietVariant || transferRunning()) {
        m_document.setDataChanged(true);
        return;
    }
    m_document.commitChange(UiText("Model %1", "機種 %1").arg(VariantCaption(variant)));
}

void FrmMain::onSettingPicked(int list) {
    // Picking a list item is no unsaved change of its own, but it can be undone.
    m_document.commitChange(UiText("Setting %1", "設定 %1").arg(SettingsLists()[list].label),
                            CloneDocument::Mark::Leave);
}

void FrmMain::showVariantQuietly() {
    m_quietVariant = true;
    m_settingsPage->selectVariant(m_image.Variant);
    m_quietVariant = false;
}

void FrmMain::setStatusText(const QString &text) {
    setProgressText(text);
    if (!text.isEmpty()) m_statusFade->start(m_options.statusFadeMs);
}

void FrmMain::setProgressText(const QString &text) {
    m_statusFade->stop();
    m_statusText->setText(text);
    emit statusTextChanged(text);
}

QString FrmMain::statusText() const {
    return m_statusText->text();
}

void FrmMain::updateClock() {
    const QDateTime now = QDateTime::currentDateTime();
    // Japanese windows write the date and time the Japanese way, whatever the system's locale.
    const QLocale locale =
        m_options.language == UiLanguage::Japanese ? QLocale(QLocale::Japanese, QLocale::Japan) : QLocale();
    m_statusDate->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_statusTime->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

void FrmMain::closeEvent(QCloseEvent *event) {
    // Form_QueryUnload: a transfer must end first; unsaved changes are asked about.
    if (transferRunning()) {
        if (!m_busyNotice) m_busyNotice = m_prompts->notice(this, Tables().AppTitle, BusyCloseText());
        event->ignore();
        return;
    }
    m_userDiscarded = false;
    if (m_document.dataChanged() && !askSaveChanges()) {
        event->ignore();
        return;
    }
    keepUnsavedWork(true);
    Form_Unload();
    event->accept();
}

QString BusyCloseText() {
    return UiText(
        "A transfer with the radio is under way.\r\nWait until it has ended, then close the window.",
        "無線機との転送中です。\r\n転送が終わってからウィンドウを閉じてください。");
}

void FrmMain::Form_Unload() {
    const QString portFile =
        m_options.portFileWrite.isEmpty() ? PortFileForWriting() : m_options.portFileWrite;
    WritePortNumber(portFile, m_port.commPort);
    for (QWidget *w : std::initializer_list<QWidget *>{m_about, m_com, m_modify, m_setField, m_find})
        if (w) w->close();
    if (isMinimized()) return;
    // Position and size in twips, 15 to a pixel at 96 dots per inch.
    const double perPixel = 15.0 * 96.0 / logicalDpiX();
    const QRect frame = frameGeometry();
    SettingsStore store;
    store.setValue(QStringLiteral("Settings/MainLeft"), QString::number(qRound(frame.x() * perPixel)));
    store.setValue(QStringLiteral("Settings/MainTop"), QString::number(qRound(frame.y() * perPixel)));
    store.setValue(QStringLiteral("Settings/MainWidth"), QString::number(qRound(frame.width() * perPixel)));
    store.setValue(QStringLiteral("Settings/MainHeight"), QString::number(qRound(frame.height() * perPixel)));
}

void FrmMain::refreshAllViews() {
    showVariantQuietly();
    m_settingsPage->showSettings();
    m_settingsPage->vfoModel->refreshAll();
    m_memoryPage->model->refreshAll();
}
