#pragma once
// frmMain: the application window. It owns the document (clone image, CloneFileName, DataChanged and the
// undo history), builds the menus, the tool bar, the pages and the status bar, and connects them to the
// commands, which live beside it by concern: files, CSV, editing, the memory list, transfers, printing.
#include "app/AppOptions.h"
#include "app/PortChoice.h"
#include "image/CloneDocument.h"
#include <QMainWindow>
#include <QPointer>
#include <memory>

class CsvCommands;
class DlgCom;
class EditCommands;
class FileCommands;
class FrmAbout;
class KeptWorkNotice;
class ListCommands;
class MemoryPage;
class PrintCommands;
class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class QTimer;
class QToolBar;
class RadioSession;
class SettingsPage;
class StatusLine;
class TransferCommands;
class UnsavedWork;
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
    CloneImage &image() { return m_document.image(); }
    bool dataChanged() const { return m_document.dataChanged(); }
    void setDataChanged(bool changed) { m_document.setDataChanged(changed); }
    QString cloneFileName() const { return m_document.cloneFileName(); }
    PortChoice portChoice() const;
    RadioSession *session() const;
    bool transferRunning() const;

    SettingsPage *settingsPage() const { return m_settingsPage; }
    MemoryPage *memoryPage() const { return m_memoryPage; }
    QTabWidget *tabs() const { return TabStrip1; }
    void showMemoryPage();
    QAction *action(const QString &name) const;
    QString statusText() const;
    // The lasting part of the status bar that names the last backup of unsaved work.
    KeptWorkNotice *keptWorkNotice() const { return m_keptWork; }

    // The commands, by concern.
    FileCommands *files() const { return m_files; }
    CsvCommands *csv() const { return m_csv; }
    EditCommands *editing() const { return m_editing; }
    ListCommands *lists() const { return m_lists; }
    TransferCommands *transfers() const { return m_transfers; }
    PrintCommands *printCommands();
    // File > Print Setup, Print Preview and Print: refused while a transfer runs (the document would show a
    // memory half read).
    void mnuFilePageSetup_Click();
    void mnuFilePrintPreview_Click();
    void mnuFilePrint_Click();

    // The window's own dialogs: Tools > COM Port Setup and Help > About.
    void mnuToolsOptions_Click();
    void mnuHelpAbout_Click();
    DlgCom *comDialog();
    FrmAbout *aboutBox();

  signals:
    // The load (with its pause) has ended: the splash may close and the window show.
    void loaded();
    // The status bar's text panel shows text ("" when it was cleared).
    void statusTextChanged(const QString &text);

  protected:
    void closeEvent(QCloseEvent *event) override;
    // A clone file dropped on the window opens as File > Open does, a CSV file imports as File > Import.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

  private:
    void connectPages();
    void buildMenus();
    void buildEditMenu(QMenu *mnuEdit);
    // Undo and Redo name their steps and are enabled only when there is a step and no transfer runs.
    void updateEditActions();
    // While a transfer runs nothing may start another radio command or change the data it moves.
    void setRunning(bool running);
    void finishLoad();
    void Form_Unload();
    void refreshAllViews();
    void updateClock();
    // View > Language: kept in the settings file for the next start
    void chooseLanguage(UiLanguage language);
    // File > Recent Files: a clone file opened or saved goes first; the menu follows the list.
    void buildRecentMenu(QMenu *mnuFile);
    void rememberCloneFile(const QString &path);
    void showRecentFiles();
    void openRecentFile(const QString &name);
    // The window's size and place and the grids' column widths, as the last run left them.
    void restorePlaces();
    void storePlaces();
    // Print to File's name: the clone file's, as a PDF beside it; untitled, in the folder last used.
    QString pdfSuggestion() const;

    AppOptions m_options;
    UserPrompts *m_prompts;
    CloneDocument m_document;
    bool m_loaded = false;
    QPointer<QWidget> m_busyNotice; // "a transfer is under way", up until the transfer ends

    QTabWidget *TabStrip1;
    SettingsPage *m_settingsPage;
    MemoryPage *m_memoryPage;
    QToolBar *tbToolBar = nullptr;
    QMenu *mnuFileRecent = nullptr;
    QLabel *m_statusDate, *m_statusTime;
    StatusLine *m_status;
    KeptWorkNotice *m_keptWork;
    QTimer *Timer1;
    QTimer *m_clock;
    DlgCom *m_com = nullptr;
    FrmAbout *m_about = nullptr;

    std::unique_ptr<UnsavedWork> m_unsavedWork;
    FileCommands *m_files;
    CsvCommands *m_csv;
    EditCommands *m_editing;
    ListCommands *m_lists;
    TransferCommands *m_transfers;
    PrintCommands *m_print = nullptr;
};

// Closing while a transfer runs.
QString BusyCloseText();
