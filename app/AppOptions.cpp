#include "app/AppOptions.h"

AppOptions ParseAppArguments(const QStringList &arguments, const QString &systemLocale, QString *error,
                             bool *helpAsked, const QString &storedLanguage) {
    AppOptions options;
    QString languageCode;
    QStringList fileArguments;
    bool optionsEnded = false;                   // after "--" every argument belongs to the file name
    for (int i = 1; i < arguments.size(); ++i) { // arguments[0] is the program
        const QString &a = arguments[i];
        const bool option = a.startsWith(QStringLiteral("--")) || a == QStringLiteral("-h");
        if (optionsEnded || !option) {
            fileArguments << a;
        } else if (a == QStringLiteral("--")) {
            optionsEnded = true;
        } else if (a == QStringLiteral("--demo")) {
            options.demo = true;
        } else if (a.startsWith(QStringLiteral("--lang="))) {
            languageCode = a.mid(7);
            if (!LanguageFromCode(languageCode) && error)
                *error = QStringLiteral("--lang takes en, ja, de, fr, es or it");
        } else if (a == QStringLiteral("--help") || a == QStringLiteral("-h")) {
            if (helpAsked) *helpAsked = true;
        } else if (error) {
            *error = QStringLiteral("unknown option %1").arg(a);
        }
    }
    options.language = ChooseUiLanguage(languageCode, storedLanguage, systemLocale);
    options.startupFile = StartupFileFromArguments(fileArguments);
    return options;
}
