#include "image/UiLanguage.h"

namespace {
struct LanguageInfo {
    UiLanguage language;
    const char *code;
    const char *nativeName; // UTF-8
};

constexpr LanguageInfo Infos[] = {
    {UiLanguage::English, "en", "English"}, {UiLanguage::Japanese, "ja", "日本語"},
    {UiLanguage::German, "de", "Deutsch"},  {UiLanguage::French, "fr", "Français"},
    {UiLanguage::Spanish, "es", "Español"}, {UiLanguage::Italian, "it", "Italiano"},
};

const LanguageInfo &info(UiLanguage language) {
    for (const LanguageInfo &i : Infos)
        if (i.language == language) return i;
    return Infos[0];
}
} // namespace

const QList<UiLanguage> &UiLanguages() {
    static const QList<UiLanguage> all = [] {
        QList<UiLanguage> l;
        for (const LanguageInfo &i : Infos)
            l << i.language;
        return l;
    }();
    return all;
}

QString LanguageCode(UiLanguage language) {
    return QString::fromLatin1(info(language).code);
}

std::optional<UiLanguage> LanguageFromCode(const QString &code) {
    for (const LanguageInfo &i : Infos)
        if (code == QLatin1String(i.code)) return i.language;
    return std::nullopt;
}

UiLanguage LanguageForLocale(const QString &localeName) {
    // "de_AT", "fr-CA", "es_419.UTF-8": the language is what comes before the territory
    const QString code = localeName.section(QLatin1Char('_'), 0, 0)
                             .section(QLatin1Char('-'), 0, 0)
                             .section(QLatin1Char('.'), 0, 0)
                             .toLower();
    return LanguageFromCode(code).value_or(UiLanguage::English);
}

QString LanguageNativeName(UiLanguage language) {
    return QString::fromUtf8(info(language).nativeName);
}

UiLanguage ChooseUiLanguage(const QString &optionCode, const QString &storedCode,
                            const QString &systemLocale) {
    if (const auto l = LanguageFromCode(optionCode)) return *l;
    if (const auto l = LanguageFromCode(storedCode)) return *l;
    return LanguageForLocale(systemLocale);
}
