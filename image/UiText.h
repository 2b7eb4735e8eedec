#pragma once
// Texts the program adds beyond its string table, each written in both languages where it is used:
// UiText("Verify(V)", "ベリファイ(V)") gives the one of the window's language.
#include "image/Startup.h"
#include <QString>

// The language of the texts shown from now on (the desktop program sets it once from --lang or the
// locale; the command-line tool stays English).
void SetUiLanguage(UiLanguage language);
UiLanguage CurrentUiLanguage();

// english and japanese are UTF-8.
QString UiText(const char *english, const char *japanese);
QString UiText(UiLanguage language, const char *english, const char *japanese);
