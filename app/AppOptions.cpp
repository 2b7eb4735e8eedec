#include "app/AppOptions.h"

AppOptions ParseAppArguments(const QStringList &arguments, const QString &systemLocale, QString *error,
                             bool *helpAsked) {
    AppOptions options;
    options.language = LanguageForLocale(systemLocale);
    int i = 1; // arguments[0] is the program
    for (; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QStringLiteral("--")) {
            ++i;
            break;
        }
        if (!a.startsWith(QStringLiteral("--"))) break;
        if (a == QStringLiteral("--demo")) {
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
    options.startupFile = StartupFileFromArguments(arguments.mid(i));
    return options;
}
