#pragma once
// What a run of the desktop program is told on its command line, and where it keeps its files.
#include "image/Startup.h"
#include <QString>
#include <QStringList>

struct AppOptions {
    UiLanguage language = UiLanguage::English;
    bool demo = false;        // --demo: the built-in virtual radio for this run
    QString startupFile;      // StartupFile: the clone file to open, "" for none
    int splashPauseMs = 2000; // the pause at load that keeps the splash on screen
    QString portFileRead;     // "" for the usual places
    QString portFileWrite;
    QString backupFolder;     // where reads keep their backups; "" for the per-user backup folder
    int statusFadeMs = 20000; // how long the message of a finished action stays in the status bar
};

// Options (--demo, --lang=en|ja|de|fr|es|it, --help) before or after the clone file; "--" ends the options.
// The arguments that are not options, joined, name the clone file. systemLocale decides the language when
// --lang is not given. error gets a message for an unknown option. storedLanguage: the code kept from the
// View menu's choice, which comes before the system's locale.
AppOptions ParseAppArguments(const QStringList &arguments, const QString &systemLocale, QString *error,
                             bool *helpAsked = nullptr, const QString &storedLanguage = QString());
inline const char *const AppUsageText =
    "Usage: kt-m40 [--demo] [--lang=en|ja|de|fr|es|it] [--] [FILE.M40]\n"
    "  --demo       use the built-in virtual radio instead of a serial port\n"
    "  --lang=LANG  the window's language: en, ja, de, fr, es or it; default: the one last\n"
    "               chosen in the View menu, else the system language, else English\n"
    "  --           ends the options: what follows is the file name\n"
    "  FILE.M40     clone file to open at start; options may also follow it\n"
    "  --version    show the program's version\n";
