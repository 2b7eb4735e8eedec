// kt-m40: the desktop program. Shows the splash, loads the main window (which holds the splash for its
// pause), then shows the window and runs until it closes.
#include "Version.h"
#include "app/AppOptions.h"
#include "app/FrmMain.h"
#include "app/Splash.h"
#include "app/UserPrompts.h"
#include "files/LocalName.h"
#include "image/SettingsStore.h"
#include "image/UiText.h"
#include "link/PortSettings.h"
#include "link/SerialLink.h"
#include "link/VirtualRadio.h"
#include "link/VirtualRadioLink.h"
#include <QApplication>
#include <QLocale>
#include <QPalette>
#include <QSplashScreen>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {
// KT_M40_DARK_PALETTE=1: Fusion in dark colours, to see the window as on a dark desktop.
void UseDarkPalette() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p;
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230), disabled(128, 128, 128);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(90, 160, 240));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    QApplication::setPalette(p);
}
} // namespace

int main(int argc, char *argv[]) {
    // The options are read before any window exists, so that --help works without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << FileNameFromBytes(argv[i]); // a file name's bytes kept
    for (int i = 1; i < arguments.size() && arguments[i] != QStringLiteral("--"); ++i)
        if (arguments[i] == QStringLiteral("--version")) {
            std::printf("kt-m40 %s\n", ProgramVersion);
            return 0;
        }
    QString error;
    bool help = false;
    // the language chosen in the View menu at an earlier run
    const QString storedLanguage = SettingsStore().value(QLatin1String(LanguageSettingKey)).toString();
    AppOptions options =
        ParseAppArguments(arguments, QLocale::system().name(), &error, &help, storedLanguage);
    if (help || !error.isEmpty()) {
        if (!error.isEmpty()) std::fprintf(stderr, "kt-m40: %s\n", qPrintable(error));
        std::fputs(AppUsageText, help ? stdout : stderr);
        return help ? 0 : 64; // 64: bad usage, as the command-line tool says it
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kt-m40"));
    QApplication::setApplicationVersion(QString::fromLatin1(ProgramVersion));
    if (qEnvironmentVariableIntValue("KT_M40_DARK_PALETTE")) UseDarkPalette();
    // Qt takes its own options (-platform, -style, ...) out of argv: what is left names the file.
    arguments.clear();
    for (int i = 0; i < argc; ++i)
        arguments << FileNameFromBytes(argv[i]); // a file name's bytes kept
    options = ParseAppArguments(arguments, QLocale::system().name(), &error, nullptr, storedLanguage);

    // The window's texts and Qt's own (file dialogs, print dialog, standard buttons) in the window's
    // language.
    SetUiLanguage(options.language);

    QSplashScreen *splash = CreateSplash();
    splash->show();

    // One virtual radio for the whole run, so that what is written to it can be read back.
    std::shared_ptr<VirtualRadio> demoRadio = options.demo ? VirtualRadio::withDemoContents() : nullptr;
    LinkFactory links = [demoRadio](const PortChoice &choice) -> std::unique_ptr<Link> {
        if (choice.virtualRadio && demoRadio) return MakeVirtualRadioLink(demoRadio);
        const QString device = choice.devicePath.isEmpty() ? PortDeviceName(choice.commPort)
                                                           : ResolvePortName(choice.devicePath);
        return std::make_unique<SerialLink>(device);
    };

    // Until the window shows, a message box (a start-up file that cannot be opened) sits on the splash.
    QtUserPrompts prompts;
    prompts.setStandInParent(splash);
    // The window is built once the event loop runs, so that the splash is painted first.
    std::unique_ptr<FrmMain> window;
    QTimer::singleShot(0, &app, [&] {
        window = std::make_unique<FrmMain>(options, &prompts, links);
        QObject::connect(window.get(), &FrmMain::loaded, window.get(), [&window, &prompts, splash] {
            window->show();
            prompts.setStandInParent(nullptr);
            splash->close();
            splash->deleteLater();
        });
        window->Form_Load();
    });
    return app.exec();
}
