// The translations under translations/: every text the windows show is translated in every language,
// finished, with the placeholders of its English source; the languages are found from the locale and --lang.
#include "image/Startup.h"
#include "image/UiText.h"
#include "support/TestPaths.h"
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Message {
    QString translation;
    bool finished = false;
};
using Messages = QMap<QString, Message>; // by context, source and disambiguation

QString key(const QString &context, const QString &source, const QString &comment) {
    return context + QLatin1String(" | ") + source +
           (comment.isEmpty() ? QString() : QLatin1String(" | ") + comment);
}

// The messages of a .ts file as written there (entities and all), by context, source and disambiguation.
Messages readTs(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString xml = QString::fromUtf8(file.readAll());
    const auto all = QRegularExpression::DotMatchesEverythingOption;
    static const QRegularExpression contexts(QStringLiteral("<context>\\s*<name>(.*?)</name>(.*?)</context>"),
                                             all);
    static const QRegularExpression messages(QStringLiteral("<message[^>]*>(.*?)</message>"), all);
    static const QRegularExpression parts(
        QStringLiteral("<(source|comment|translation)([^>]*?)(?:/>|>(.*?)</\\1>)"), all);
    Messages found;
    for (auto c = contexts.globalMatch(xml); c.hasNext();) {
        const QRegularExpressionMatch context = c.next();
        for (auto m = messages.globalMatch(context.captured(2)); m.hasNext();) {
            QMap<QString, QRegularExpressionMatch> part;
            for (auto p = parts.globalMatch(m.next().captured(1)); p.hasNext();) {
                const QRegularExpressionMatch one = p.next();
                part[one.captured(1)] = one;
            }
            // a translation with a type (unfinished, vanished, obsolete) is no finished one
            found.insert(key(context.captured(1), part[QStringLiteral("source")].captured(3),
                             part[QStringLiteral("comment")].captured(3)),
                         {part[QStringLiteral("translation")].captured(3),
                          !part[QStringLiteral("translation")].captured(2).contains(QLatin1String("type="))});
        }
    }
    return found;
}

QStringList placeholders(const QString &text) {
    static const QRegularExpression marker(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured().remove(QLatin1Char('L'));
    found.sort();
    found.removeDuplicates();
    return found;
}

QString sourceOf(const QString &k) {
    return k.section(QLatin1String(" | "), 1, 1);
}
} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
    const QString folder = QStringLiteral(KT_M40_SOURCE_DIR "/translations");
    Messages m_sources; // what the code asks to translate today

  private slots:
    void initTestCase() {
        // lupdate reads the code as the translators' tools do: the texts of the windows and the core
        QTemporaryDir dir;
        const QString ts = dir.filePath(QStringLiteral("sources.ts"));
        QStringList arguments = {QStringLiteral("-silent"), QStringLiteral("-locations"),
                                 QStringLiteral("none"), QStringLiteral("-extensions"),
                                 QStringLiteral("cpp,h")};
        for (const char *f : {"app", "image", "settings", "channels", "link", "files", "csv", "print"})
            arguments << QStringLiteral(KT_M40_SOURCE_DIR "/") + QLatin1String(f);
        arguments << QStringLiteral("-ts") << ts;
        QProcess lupdate;
        lupdate.start(QStringLiteral(KT_LUPDATE_PATH), arguments);
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        m_sources = readTs(ts);
        QVERIFY(m_sources.size() > 100);
    }

    void everyTextTranslatedWithItsPlaceholders() {
        const QStringList files =
            QDir(folder).entryList({QStringLiteral("kt-m40_*.ts")}, QDir::Files, QDir::Name);
        QCOMPARE(files, QStringList({"kt-m40_de.ts", "kt-m40_es.ts", "kt-m40_fr.ts", "kt-m40_it.ts",
                                     "kt-m40_ja.ts"}));
        QStringList problems;
        for (const QString &name : files) {
            const Messages ts = readTs(QDir(folder).filePath(name));
            if (ts.isEmpty()) problems << name + QLatin1String(": unreadable");
            for (auto it = m_sources.cbegin(); it != m_sources.cend(); ++it) {
                const auto found = ts.find(it.key());
                if (found == ts.end())
                    problems << name + QLatin1String(": missing: ") + it.key();
                else if (!found->finished || found->translation.isEmpty())
                    problems << name + QLatin1String(": unfinished: ") + it.key();
                else if (placeholders(found->translation) != placeholders(sourceOf(it.key())))
                    problems << name + QLatin1String(": placeholders differ: ") + it.key() +
                                    QLatin1String(" -> ") + found->translation;
            }
            for (auto it = ts.cbegin(); it != ts.cend(); ++it)
                if (!m_sources.contains(it.key()))
                    problems << name + QLatin1String(": no longer in the code: ") + it.key();
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void languagesByLocaleAndCode() {
        const std::pair<const char *, UiLanguage> locales[] = {
            {"de_AT", UiLanguage::German},   {"fr_CA", UiLanguage::French},
            {"es_419", UiLanguage::Spanish}, {"it_CH.UTF-8", UiLanguage::Italian},
            {"ja_JP", UiLanguage::Japanese}, {"ja", UiLanguage::Japanese},
            {"en_US", UiLanguage::English},  {"pt_BR", UiLanguage::English},
            {"C", UiLanguage::English},      {"", UiLanguage::English}};
        for (const auto &[locale, language] : locales)
            QCOMPARE(LanguageForLocale(QString::fromLatin1(locale)), language);
        QStringList codes;
        for (UiLanguage l : UiLanguages())
            codes << LanguageCode(l);
        QCOMPARE(codes, QStringList({"en", "ja", "de", "fr", "es", "it"}));
        // (each code's window in its language: gui_tst_window's languages' table)
        for (const char *code : {"", "EN", "jp", "pt", "de_DE"})
            QVERIFY2(!LanguageFromCode(QString::fromLatin1(code)), code);
        // --lang, then the View menu's stored choice, then the system; unknown codes are passed over
        QCOMPARE(ChooseUiLanguage("fr", "de", "ja_JP"), UiLanguage::French);
        QCOMPARE(ChooseUiLanguage("", "de", "ja_JP"), UiLanguage::German);
        QCOMPARE(ChooseUiLanguage("", "xx", "it_IT"), UiLanguage::Italian);
        QCOMPARE(ChooseUiLanguage("", "", "es_ES"), UiLanguage::Spanish);
        QCOMPARE(ChooseUiLanguage("", "", "sv_SE"), UiLanguage::English);
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
