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
    QString backupFolder; // where reads keep their backups; "" for the per-user backup folder
};

// Options first (--demo, --lang=en|ja, --help), then the clone file: the rest of the arguments, taken whole.
// systemLocale decides the language when --lang is not given. error gets a message for an unknown option.
AppOptions ParseAppArguments(const QStringList &arguments, const QString &systemLocale, QString *error,
                             bool *helpAsked = nullptr);
inline const char *const AppUsageText =
    "Usage: kt-m40 [--demo] [--lang=en|ja] [FILE.M40]\n"
    "  --demo       use the built-in virtual radio instead of a serial port\n"
    "  --lang=LANG  menus in English (en) or Japanese (ja); default: the system language\n"
    "  FILE.M40     clone file to open at start\n"
    "  --version    show the program's version\n";
