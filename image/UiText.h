#pragma once
// The window's language. Every text the window shows goes through Qt's translation (tr(),
// QCoreApplication::translate()) with its English text as the source; SetUiLanguage installs the
// program's translation for the language and Qt's own (standard buttons, file dialogs). The command-line
// tool never sets a language, so it speaks English.
#include "image/UiLanguage.h"
#include <QString>

// The language of the texts shown from now on. Widgets are told by a LanguageChange event.
void SetUiLanguage(UiLanguage language);
UiLanguage CurrentUiLanguage();
// A source text in a language, whichever language the window speaks now; the source text itself where the
// translation has none.
QString TranslatedText(UiLanguage language, const char *context, const char *sourceText);
