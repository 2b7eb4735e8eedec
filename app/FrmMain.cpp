#include "app/FrmMain.h"
#include "app/AppIcon.h"
#include "app/CsvCommands.h"
#include "app/DlgCom.h"
#include "app/EditCommands.h"
#include "app/FileCommands.h"
#include "app/FrmAbout.h"
#include "app/GridModels.h"
#include "app/KeptWorkNotice.h"
#include "app/ListCommands.h"
#include "app/MemoryPage.h"
#include "app/PrintCommands.h"
#include "app/SettingsPage.h"
#include "app/StatusLine.h"
#include "app/TransferCommands.h"
#include "app/UnsavedWork.h"
#include "app/UserPrompts.h"
#include "channels/VfoRecordCodec.h"
#include "image/SettingsStore.h"
#include "image/TextTables.h"
#include "image/UiText.h"
#include "link/Link.h"
#include "link/PortSettings.h"
#include "settings/SettingsCodec.h"
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

FrmMain::FrmMain(const AppOptions &options, UserPrompts *prompts, LinkFactory linkFactory, QWidget *parent)
    : QMainWindow(parent), m_options(options), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmMain"));
    SetUiLanguage(m_options.language);
    BuildTextTables();
    ClearTables(image());
    setWindowIcon(AppIcon());

    TabStrip1 = new QTabWidget(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    m_settingsPage = new SettingsPage(&image(), TabStrip1);
    m_memoryPage = new MemoryPage(&image(), TabStrip1);
    TabStrip1->addTab(m_settingsPage, tr("Settings"));
    TabStrip1->addTab(m_memoryPage, tr("Memory"));
    setCentralWidget(TabStrip1);

    auto *statusText = new QLabel(this);
    m_status = new StatusLine(statusText, m_options.statusFadeMs, this);
    connect(m_status, &StatusLine::textChanged, this, &FrmMain::statusTextChanged);

    // The commands, each on the document, the prompts and the pages.
    CommandContext context;
    context.window = this;
    context.document = &m_document;
    context.prompts = m_prompts;
    context.tabs = TabStrip1;
    context.settingsPage = m_settingsPage;
    context.memoryPage = m_memoryPage;
    context.status = m_status;
    context.transferRunning = [this] { return transferRunning(); };
    context.showVariant = [this] { m_editing->showVariantQuietly(); };
    context.showImage = [this] { refreshAllViews(); };
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    statusBar()->addWidget(statusText, 1);
    m_keptWork = new KeptWorkNotice(statusBar());
    m_unsavedWork = std::make_unique<UnsavedWork>(&m_document, m_status, m_keptWork, m_options.backupFolder);
    m_files = new FileCommands(context, m_unsavedWork.get(), this);
    m_csv = new CsvCommands(context, m_unsavedWork.get(), this);
    m_editing = new EditCommands(context, this);
    m_lists = new ListCommands(context, this);
    m_transfers = new TransferCommands(context, m_unsavedWork.get(), std::move(linkFactory),
                                       m_options.backupFolder, this);
    connect(m_files, &FileCommands::cloneFileUsed, this, &FrmMain::rememberCloneFile);
    setAcceptDrops(true);

    buildMenus();

    m_statusDate = new QLabel(this);
    m_statusTime = new QLabel(this);
    statusBar()->addPermanentWidget(m_statusDate);
    statusBar()->addPermanentWidget(m_statusTime);
    m_clock = new QTimer(this);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &FrmMain::updateClock);
    m_clock->start();
    updateClock();

    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &FrmMain::finishLoad);

    connectPages();
    connect(&m_document, &CloneDocument::captionChanged, this, &QWidget::setWindowTitle);
    connect(&m_document, &CloneDocument::imageRestored, this, &FrmMain::refreshAllViews);
    connect(m_transfers, &TransferCommands::runningChanged, this, &FrmMain::setRunning);
    connect(m_transfers, &TransferCommands::runEnding, this, [this] {
        if (m_busyNotice) m_busyNotice->close(); // what it told of has passed
    });
}

FrmMain::~FrmMain() {
    // The session, the pages and the dialogs look at the image: they go before it does.
    delete m_transfers;
    delete m_editing;
    delete m_com;
    delete m_about;
    delete TabStrip1;
}

void FrmMain::connectPages() {
    // Page buttons; a press lets the last action's message give way before the click acts.
    for (QPushButton *b :
         m_settingsPage->findChildren<QPushButton *>() + m_memoryPage->findChildren<QPushButton *>())
        connect(b, &QPushButton::pressed, m_status, &StatusLine::clear);
    connect(m_settingsPage->cmbRxData1, &QPushButton::clicked, m_transfers,
            &TransferCommands::cmbRxData1_Click);
    connect(m_settingsPage->cmbTxData1, &QPushButton::clicked, m_transfers,
            &TransferCommands::cmbTxData1_Click);
    connect(m_settingsPage->cmdAuto, &QPushButton::clicked, m_transfers, &TransferCommands::cmdAuto_Click);
    connect(m_settingsPage, &SettingsPage::variantSelected, m_editing, &EditCommands::variantSelected);
    connect(m_settingsPage, &SettingsPage::settingPicked, m_editing, &EditCommands::settingPicked);
    connect(m_memoryPage->cmbRxData, &QPushButton::clicked, m_transfers, &TransferCommands::cmbRxData_Click);
    connect(m_memoryPage->cmbTxData, &QPushButton::clicked, m_transfers, &TransferCommands::cmbTxData_Click);
    connect(m_memoryPage->cmbInsert, &QPushButton::clicked, m_lists, &ListCommands::cmbInsert_Click);
    connect(m_memoryPage->cmbDelete, &QPushButton::clicked, m_lists, &ListCommands::cmbDelete_Click);
    connect(m_memoryPage->cmbClear, &QPushButton::clicked, m_lists, &ListCommands::cmbClear_Click);
    connect(m_memoryPage->cmbClAll, &QPushButton::clicked, m_lists, &ListCommands::cmbClAll_Click);
    connect(m_memoryPage->Command5, &QPushButton::clicked, m_lists, &ListCommands::Command5_Click);
    connect(m_memoryPage->Command4, &QPushButton::clicked, m_lists, &ListCommands::Command4_Click);
    connect(m_memoryPage->MSFlexGrid1, &QTableView::doubleClicked, m_editing,
            [this](const QModelIndex &index) { m_editing->openEditor(EditSource::Memory, index.row()); });
    connect(m_settingsPage->MSFlexGrid2, &QTableView::doubleClicked, m_editing,
            [this](const QModelIndex &index) { m_editing->openEditor(EditSource::Vfo, index.row()); });
    EditOnEnter(m_memoryPage->MSFlexGrid1,
                [this](int row) { m_editing->openEditor(EditSource::Memory, row); });
    EditOnEnter(m_settingsPage->MSFlexGrid2,
                [this](int row) { m_editing->openEditor(EditSource::Vfo, row); });
}

QAction *FrmMain::action(const QString &name) const {
    return findChild<QAction *>(name);
}

PortChoice FrmMain::portChoice() const {
    return m_transfers->port();
}

RadioSession *FrmMain::session() const {
    return m_transfers->session();
}

bool FrmMain::transferRunning() const {
    return m_transfers->running();
}

void FrmMain::Form_Load() {
    // The window's design size: 10200 x 7905 twips.
    const double scale = logicalDpiX() / 96.0;
    // Wider fonts than the design's may need more room; the window never starts smaller than its contents.
    const QSize design(int(TwipsToPixels(10200) * scale), int(TwipsToPixels(7905) * scale));
    resize(design.expandedTo(minimumSizeHint()));
    restorePlaces();

    const QString portFile = m_options.portFileRead.isEmpty() ? PortFileForReading() : m_options.portFileRead;
    PortChoice port;
    port.commPort = ReadPortNumber(portFile);
    port.devicePath = StoredDevicePath();
    port.retries = StoredRetries();
    port.virtualRadio = m_options.demo;
    m_transfers->setPort(port);

    LoadDefaultSettings(image());
    UpdateSetData(image());
    m_settingsPage->showSettings();
    LoadDefaultVfo(image());
    m_settingsPage->vfoModel->refreshAll();

    // The pause keeps the splash up while the window stays live; the rest of the load runs on its tick.
    Timer1->start(m_options.splashPauseMs);
}

void FrmMain::finishLoad() {
    Timer1->setInterval(500);
    m_document.setFileState({});
    TabStrip1->setCurrentIndex(0);
    if (!m_options.startupFile.isEmpty()) m_files->openCloneFile(m_options.startupFile);
    m_document.setDataChanged(false);
    m_document.clearHistory(); // what the window starts with is where Undo ends
    m_document.markKept();     // the defaults, or the start-up file
    m_unsavedWork->showLastSessions();
    m_loaded = true;
    m_editing->modifyDialog(); // the edit dialog is made now, so that its first use opens at once
    emit loaded();
}

DlgCom *FrmMain::comDialog() {
    if (!m_com) {
        m_com = new DlgCom(m_options.demo, this);
        connect(m_com, &QDialog::accepted, this, [this] {
            if (m_transfers->session()->busy()) return;
            m_transfers->setPort(m_com->choice());
            StoreDevicePath(m_com->choice().devicePath);
            StoreRetries(m_com->choice().retries);
        });
        // the search asks every port: the one this window holds open would look busy
        connect(m_com, &DlgCom::findingStarts, this, [this] {
            RadioSession *session = m_transfers->session();
            if (Link *link = session->link(); link && link->isOpen() && !session->busy()) link->close();
        });
    }
    return m_com;
}

FrmAbout *FrmMain::aboutBox() {
    if (!m_about) m_about = new FrmAbout(m_prompts, this);
    return m_about;
}

PrintCommands *FrmMain::printCommands() {
    if (!m_print) {
        m_print = new PrintCommands(this, m_prompts, [this] {
            return BuildPrintDocument(image(), m_document.cloneFileName(), QDate::currentDate());
        });
        m_print->setPdfSuggestion([this] { return pdfSuggestion(); });
        connect(m_print, &PrintCommands::printed, this, [this](int pages, const QString &file) {
            m_status->showMessage(
                file.isEmpty() ? tr("Printed %1 page(s)").arg(pages)
                               : tr("Printed %1 page(s) to %2").arg(pages).arg(QFileInfo(file).fileName()));
        });
    }
    return m_print;
}

void FrmMain::mnuFilePageSetup_Click() {
    if (!transferRunning()) printCommands()->pageSetup();
}

void FrmMain::mnuFilePrintPreview_Click() {
    if (!transferRunning()) printCommands()->preview();
}

void FrmMain::mnuFilePrint_Click() {
    if (!transferRunning()) printCommands()->print();
}

void FrmMain::mnuToolsOptions_Click() {
    if (transferRunning()) return;
    comDialog()->setChoice(portChoice(), AvailablePorts());
    m_com->open();
}

void FrmMain::mnuHelpAbout_Click() {
    aboutBox()->open();
}

void FrmMain::showMemoryPage() {
    TabStrip1->setCurrentWidget(m_memoryPage);
}

QString FrmMain::statusText() const {
    return m_status->text();
}

void FrmMain::updateClock() {
    const QDateTime now = QDateTime::currentDateTime();
    // A window in another language than English writes the date and time that language's way, whatever the
    // system's locale.
    const QLocale locale =
        m_options.language == UiLanguage::English ? QLocale() : QLocale(LanguageCode(m_options.language));
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
    const FileCommands::SaveAnswer answer = m_files->askSaveChanges();
    if (answer == FileCommands::SaveAnswer::Cancelled) {
        event->ignore();
        return;
    }
    if (answer != FileCommands::SaveAnswer::Discarded) m_unsavedWork->keep(true);
    Form_Unload();
    event->accept();
}

void FrmMain::chooseLanguage(UiLanguage language) {
    SettingsStore().setValue(QLatin1String(LanguageSettingKey), LanguageCode(language));
    // said in the language chosen, which the reader can read
    m_status->showMessage(
        TranslatedText(language, "FrmMain",
                       QT_TRANSLATE_NOOP("FrmMain", "The window speaks %1 from its next start."))
            .arg(LanguageNativeName(language)));
}

QString BusyCloseText() {
    return QCoreApplication::translate(
        "FrmMain",
        "A transfer with the radio is under way.\r\nWait until it has ended, then close the window.");
}

void FrmMain::Form_Unload() {
    const QString portFile =
        m_options.portFileWrite.isEmpty() ? PortFileForWriting() : m_options.portFileWrite;
    WritePortNumber(portFile, portChoice().commPort);
    for (QWidget *w : std::initializer_list<QWidget *>{m_about, m_com})
        if (w) w->close();
    m_editing->closeDialogs();
    storePlaces();
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
    m_editing->showVariantQuietly();
    m_settingsPage->showSettings();
    m_settingsPage->vfoModel->refreshAll();
    m_memoryPage->model->refreshAll();
}
