#include "app/AppOptions.h"

AppOptions ParseAppArguments(const QStringList &arguments, const QString &systemLocale, QString *error,
                             bool *helpAsked) {
    AppOptions options;
    options.language = LanguageForLocale(systemLocale);
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
            const QString lang = a.mid(7);
            if (lang != QStringLiteral("en") && lang != QStringLiteral("ja") && error)
                *error = QStringLiteral("--lang takes en or ja");
            options.language = LanguageForLocale(lang);
        } else if (a == QStringLiteral("--help") || a == QStringLiteral("-h")) {
            if (helpAsked) *helpAsked = true;
        } else if (error) {
            *error = QStringLiteral("unknown option %1").arg(a);
        }
    }
    options.startupFile = StartupFileFromArguments(fileArguments);
    return options;
}
