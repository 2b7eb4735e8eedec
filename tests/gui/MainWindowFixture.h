#pragma once
// A loaded main window on the virtual radio, with its prompts scripted and its files in a temporary folder.
#include "ScriptedPrompts.h"
#include "app/CsvCommands.h"
#include "app/DlgCom.h"
#include "app/DlgFind.h"
#include "app/DlgModify.h"
#include "app/DlgSetField.h"
#include "app/EditCommands.h"
#include "app/FileCommands.h"
#include "app/FrmAbout.h"
#include "app/FrmMain.h"
#include "app/ListCommands.h"
#include "app/MemoryPage.h"
#include "app/PrintCommands.h"
#include "app/SettingsPage.h"
#include "app/TransferCommands.h"
#include "link/VirtualRadio.h"
#include "link/VirtualRadioLink.h"
#include "support/EventWait.h"
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

// Options whose backups go to folder.
inline AppOptions BackupsIn(const QString &folder, AppOptions options = AppOptions()) {
    options.backupFolder = folder;
    return options;
}

struct MainWindowFixture {
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::shared_ptr<VirtualRadio> radio = VirtualRadio::withDemoContents();
    QString openFailure; // when set, the link refuses to open with this reason
    std::unique_ptr<FrmMain> window;

    // shownBy, when given, shows the prompts instead of the script.
    explicit MainWindowFixture(AppOptions options = AppOptions(), bool demo = true,
                               UserPrompts *shownBy = nullptr) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        options.splashPauseMs = 0;
        options.demo = demo;
        if (options.portFileRead.isEmpty()) options.portFileRead = path(QStringLiteral("KT-M40.ini"));
        if (options.portFileWrite.isEmpty()) options.portFileWrite = path(QStringLiteral("KT-M40.ini"));
        m_options = options;
        m_shownBy = shownBy;
        restart();
    }

    // A new window in place of the last one, as at the program's next start: the same options, settings
    // file and folder.
    void restart() {
        window.reset();
        LinkFactory links = [this](const PortChoice &) -> std::unique_ptr<Link> {
            auto link = std::make_unique<VirtualRadioLink>(radio);
            link->setOpenFailure(openFailure);
            return link;
        };
        window = std::make_unique<FrmMain>(m_options, m_shownBy ? m_shownBy : &prompts, links);
        window->Form_Load();
        window->show();
    }

    // Waits for the end of the load (the pause runs on the event loop).
    bool load() {
        return WaitUntil([this] { return window->isLoaded(); }, 5000) &&
               QTest::qWaitForWindowExposed(window.get());
    }

    // Transfers without the radio's 10 ms pause between commands, for a test that looks at what they leave,
    // not at the window while they run.
    void setPaced(bool paced) { window->session()->setCommandPauseMs(paced ? 10 : 0); }
    // Waits until no transfer runs (false when one still runs after ms).
    bool waitIdle(int ms = 60000) {
        return WaitUntil([this] { return !window->transferRunning(); }, ms);
    }
    // Triggers the action and waits for the transfer it starts to end (false when none started or ended).
    bool runTransfer(const char *action, int ms = 60000) {
        window->action(QLatin1String(action))->trigger();
        return WaitUntil([this] { return window->transferRunning(); }, 5000) && waitIdle(ms);
    }

    // Hands look the main window on each of its pages, then each dialog, shown, and closes the dialog again.
    void eachWindow(const std::function<void(QWidget *)> &look) {
        for (int tab = 0; tab < 2; ++tab) {
            window->tabs()->setCurrentIndex(tab);
            look(window.get());
        }
        EditCommands *edit = window->editing();
        const auto shown = [&look](QDialog *dialog) {
            look(dialog);
            dialog->reject();
        };
        edit->openEditor(EditSource::Memory, 0);
        shown(edit->modifyDialog());
        edit->openEditor(EditSource::Vfo, 1);
        shown(edit->modifyDialog());
        window->mnuToolsOptions_Click();
        shown(window->comDialog());
        edit->mnuEditSetField_Click();
        shown(edit->setFieldDialog());
        edit->mnuEditFind_Click();
        shown(edit->findDialog());
        window->mnuHelpAbout_Click();
        shown(window->aboutBox());
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    FrmMain &w() { return *window; }
    MemoryPage *memory() { return window->memoryPage(); }
    SettingsPage *settings() { return window->settingsPage(); }

  private:
    AppOptions m_options;
    UserPrompts *m_shownBy = nullptr;
};
