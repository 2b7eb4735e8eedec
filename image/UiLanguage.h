#pragma once
// The languages the window speaks: English (the texts as written in the code) and the translations kept in
// translations/kt-m40_<code>.ts.
#include <QList>
#include <QString>
#include <optional>

enum class UiLanguage { English, Japanese, German, French, Spanish, Italian };

// All six, in the order the View menu lists them.
const QList<UiLanguage> &UiLanguages();
// The two-letter code of --lang, the settings file and the translation's file name ("en", "ja", ...).
QString LanguageCode(UiLanguage language);
// The language of a code; none for a code the program has no translation for.
std::optional<UiLanguage> LanguageFromCode(const QString &code);
// The language of a locale name ("ja_JP", "de_AT", "fr"); English for a language the program does not speak.
UiLanguage LanguageForLocale(const QString &localeName);
// The language's name written in itself ("Deutsch"), which a reader finds whatever the window speaks now.
QString LanguageNativeName(UiLanguage language);

// The language a run of the window uses: --lang first (optionCode, "" when not given), then the choice kept
// in the settings file (storedCode, "" when none), then the system's locale. Codes that name no language of
// the program are passed over.
UiLanguage ChooseUiLanguage(const QString &optionCode, const QString &storedCode,
                            const QString &systemLocale);
