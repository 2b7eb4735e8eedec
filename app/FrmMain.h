#pragma once
#include <QElapsedTimer>
// frmMain: the application window. It owns the document (clone image, CloneFileName, DataChanged and the
// undo history), the port choice and the radio session, and wires menus, tool bar and pages to them.
#include "app/AppOptions.h"
#include "app/PortChoice.h"
#include "channels/ChannelBulkEdit.h"
#include "channels/ChannelEdit.h"
#include "image/CloneDocument.h"
#include "link/RadioSession.h"
#include <QMainWindow>
#include <QPointer>

class DlgCom;
class DlgFind;
class DlgSetField;
class DlgModify;
class FrmAbout;
class MemoryPage;
class PrintCommands;
class QAction;
class QLabel;
class QTabWidget;
class QTimer;
class QToolBar;
class SettingsPage;
class UserPrompts;

class FrmMain : public QMainWindow {
    Q_OBJECT
  public:
    FrmMain(const AppOptions &options, UserPrompts *prompts, LinkFactory linkFactory,
            QWidget *parent = nullptr);
    ~FrmMain() override;

    // Form_Load: builds the defaults, reads the port file, then pauses for the splash; loaded() follows.
    void Form_Load();
    bool isLoaded() const { return m_loaded; }

    CloneDocument &document() { return m_document; }
    CloneImage &image() { return m_image; }
    bool dataChanged() const { return m_document.dataChanged(); }
    void setDataChanged(bool changed) { m_document.setDataChanged(changed); }
    QString cloneFileName() const { return m_document.cloneFileName(); }
    PortChoice portChoice() const { return m_port; }
    RadioSession *session() const { return m_session; }
    bool transferRunning() const;

    SettingsPage *settingsPage() const { return m_settingsPage; }
    MemoryPage *memoryPage() const { return m_memoryPage; }
    QTabWidget *tabs() const { return TabStrip1; }
    DlgModify *modifyDialog();
    DlgCom *comDialog();
    FrmAbout *aboutBox();
    QAction *action(const QString &name) const;
    QString statusText() const;

    // The commands, by the names the menus and buttons use.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuImport_Click();
    void mnuExport_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrintPreview_Click();
    void mnuFilePrint_Click();
    PrintCommands *printCommands();
    void mnuEditUndo_Click();     // Edit > Modify
    void mnuEditUndoStep_Click(); // Edit > Undo
    void mnuEditRedoStep_Click(); // Edit > Redo
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditSelectAll_Click();
    void mnuEditSetField_Click();
    void mnuEditSortFrequency_Click();
    void mnuEditSortName_Click();
    void mnuEditFind_Click();
    void mnuEditFindNext_Click();
    // What Set Field's OK and Sort do to the selected rows of the memory grid.
    void setFieldOnSelection(BulkField field, int value);
    void sortSelection(SortKey key);
    DlgSetField *setFieldDialog();
    DlgFind *findDialog();
    void mnuToolsOptions_Click();
    void mnuHelpAbout_Click();
    void mnuReSet_Click();
    void mnuReMem_Click();
    void mnuReAll_Click();
    void mnuWrSet_Click();
    void mnuWrMem_Click();
    void mnuWrAll_Click();
    void mnuWrChg_Click();
    void mnuVerify_Click();
    void cmbRxData_Click();
    void cmbTxData_Click();
    void cmbRxData1_Click();
    void cmbTxData1_Click();
    void cmdAuto_Click();
    void cmbInsert_Click();
    void cmbDelete_Click();
    void cmbClear_Click();
    void cmbClAll_Click();
    void Command5_Click(); // Up
    void Command4_Click(); // Down

    // LoadCloneFile with its messages: true when the file was taken.
    bool openCloneFile(const QString &path);
    // Opens the edit dialog for a channel (memory grid) or a VFO (VFO grid).
    void openEditor(EditSource source, int index);
    void showMemoryPage();

  signals:
    // The load (with its pause) has ended: the splash may close and the window show.
    void loaded();
    // The status bar's text panel shows text ("" when it was cleared).
    void statusTextChanged(const QString &text);

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void buildMenus();
    void buildEditMenu(class QMenu *mnuEdit);
    // Undo and Redo name their steps and are enabled only when there is a step and no transfer runs.
    void updateEditActions();
    void finishLoad();
    void Form_Unload();
    void onVariantSelected(int variant);
    void onSettingPicked(int list);
    // The option buttons follow the image's variant without counting as the user's model choice.
    void showVariantQuietly();
    // The message of a finished action: it gives way to the next action or fades after a while.
    void setStatusText(const QString &text);
    // A line of a running action: it stays until the next line or the outcome replaces it.
    void setProgressText(const QString &text);
    void clearStatusText() { setStatusText(QString()); }
    bool askSaveChanges(); // false when the user cancels
    // Before data no file holds are replaced or closed without the user's word, a backup marked as
    // unsaved work keeps them; at close the next start names it.
    void keepUnsavedWork(bool atClose);
    void showLastSessionsUnsavedWork();
    bool writeCloneFile(const QString &path);
    void refreshAllViews();
    bool ensureLink();
    void startRun(const std::function<bool()> &start);
    void setRunning(bool running);
    void onProcedureStarted(Procedure procedure);
    void onProcedureFinished(Procedure procedure, Ending ending, const QString &detail);
    void endRun();
    // After a run: the backup of a successful read, the result of a Verify.
    void finishReadOrVerify(bool succeeded);
    void showTransferProgress(int k);
    // Write Changes: the whole run's progress; after it, the closing line (and what the radio did not take).
    void showChangesProgress(const WriteChangesProgress &progress);
    void finishWriteChanges(bool succeeded);
    void updateClock();

    AppOptions m_options;
    UserPrompts *m_prompts;
    LinkFactory m_linkFactory;
    CloneDocument m_document;
    CloneImage &m_image = m_document.image();
    PortChoice m_port;
    bool m_linkMatchesPort = false;
    RadioSession *m_session;
    bool m_loaded = false;
    bool m_quietVariant = false;
    bool m_running = false;
    bool m_hourglass = false;
    QString m_pendingError;
    Procedure m_failedProcedure = Procedure::ReadMemory;
    Ending m_failedEnding = Ending::Success;
    bool m_runReads = false;    // the run holds a read from the radio (a backup follows its success)
    bool m_runVerifies = false; // the run is a Verify (its result follows)
    bool m_runChanges = false;  // the run is a Write Changes (its closing line follows)
    bool m_runReadsMemory = false, m_runReadsSettings = false; // what the run's undo step is named after
    bool m_runWrites = false;                                  // the run writes to the radio
    bool m_userDiscarded = false;                              // the last save question was answered No
    QElapsedTimer m_runClock;                                  // since the run began
    QElapsedTimer m_transferClock;

    QTabWidget *TabStrip1;
    SettingsPage *m_settingsPage;
    MemoryPage *m_memoryPage;
    QToolBar *tbToolBar;
    QLabel *m_statusText, *m_statusDate, *m_statusTime;
    QTimer *Timer1;
    QTimer *m_clock;
    QTimer *m_statusFade;
    QPointer<QWidget> m_busyNotice; // "a transfer is under way", up until the transfer ends
    DlgModify *m_modify = nullptr;
    DlgCom *m_com = nullptr;
    FrmAbout *m_about = nullptr;
    PrintCommands *m_print = nullptr;
    DlgSetField *m_setField = nullptr;
    DlgFind *m_find = nullptr;
};

inline const QString CloneFileFilter =
    QStringLiteral("Korvan KT-M40 Clone Files (*.M40)|*.M40|All Files (*.*)|*.*");
inline const QString CsvFileFilter = QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*");
// Closing while a transfer runs.
QString BusyCloseText();
