#include "image/UiText.h"
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <map>
#include <memory>

namespace {
// One thread (the window's) sets and reads the language; the translators live until the program ends.
UiLanguage currentLanguage = UiLanguage::English;
QTranslator *installedProgram = nullptr;
QTranslator *installedQt = nullptr;

// The installed copy (share/kt-m40/translations beside bin/) goes first, so that a translator can try an
// improved .qm without building; the copy built into the program is always there.
QStringList translationFolders() {
    QStringList folders;
    if (QCoreApplication::instance())
        folders << QDir(QCoreApplication::applicationDirPath())
                       .absoluteFilePath(QStringLiteral("../share/kt-m40/translations"));
    folders << QStringLiteral(":/i18n");
    return folders;
}

QTranslator *programTranslator(UiLanguage language) {
    static std::map<UiLanguage, std::unique_ptr<QTranslator>> loaded;
    if (language == UiLanguage::English) return nullptr; // the source texts are English
    auto it = loaded.find(language);
    if (it == loaded.end()) {
        auto translator = std::make_unique<QTranslator>();
        bool ok = false;
        for (const QString &folder : translationFolders())
            if ((ok = translator->load(QStringLiteral("kt-m40_") + LanguageCode(language), folder))) break;
        it = loaded.emplace(language, ok ? std::move(translator) : nullptr).first;
    }
    return it->second.get();
}

QTranslator *qtTranslator(UiLanguage language) {
    static std::map<UiLanguage, std::unique_ptr<QTranslator>> loaded;
    if (language == UiLanguage::English) return nullptr;
    auto it = loaded.find(language);
    if (it == loaded.end()) {
        auto translator = std::make_unique<QTranslator>();
        const bool ok = translator->load(QStringLiteral("qtbase_") + LanguageCode(language),
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        it = loaded.emplace(language, ok ? std::move(translator) : nullptr).first;
    }
    return it->second.get();
}
} // namespace

void SetUiLanguage(UiLanguage language) {
    currentLanguage = language;
    if (!QCoreApplication::instance()) return;
    for (QTranslator *t : {installedProgram, installedQt})
        if (t) QCoreApplication::removeTranslator(t);
    installedProgram = programTranslator(language);
    installedQt = qtTranslator(language);
    for (QTranslator *t : {installedQt, installedProgram}) // the last installed is asked first
        if (t) QCoreApplication::installTranslator(t);
}

UiLanguage CurrentUiLanguage() {
    return currentLanguage;
}

QString TranslatedText(UiLanguage language, const char *context, const char *sourceText) {
    const QTranslator *t = programTranslator(language);
    const QString translated = t ? t->translate(context, sourceText) : QString();
    return translated.isEmpty() ? QString::fromUtf8(sourceText) : translated;
}
