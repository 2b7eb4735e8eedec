// Every text the window shows follows the language it runs in: under Japanese, a text in plain English
// letters is only one of the fixed texts that stay as they are in both languages (the grid captions,
// the page buttons, the edit dialog's labels, the message titles...).
#include "MainWindowFixture.h"
#include "app/DlgCom.h"
#include "app/DlgModify.h"
#include "app/FrmAbout.h"
#include "app/GridModels.h"
#include "channels/ChannelRecord.h"
#include "image/SettingsLists.h"
#include "support/TestFiles.h"
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

namespace {
// The texts that are the same in both languages.
const QStringList FixedTexts =
    QStringLiteral(
        "Settings|Memory|Settings 1|Memorys|Read Memory|Write Memory|Insert|Delete|Clear|Clear All|"
        "Up|Down|Read Settings|Write Settings|Auto Select|KT-M40J|KTM-40T|KT-M40E|KT-M40A|Modify |"
        "Frequency|M|K|Hz|Name|Skip|Mode|RF Gain|AGC|Power|Filter|Noise Blanker|Tone|"
        "Split Frequency|OK|Cancel|VFO A|VFO B|Memory A|Memory B|COM Port Setup|"
        "About Korvan Clone Utility|Korvan KT-M40 Clone Utility|Version 0.10.00 Beta|"
        // View > Language names each language in itself, whatever the window speaks
        "English|Deutsch|Italiano")
        .split(QLatin1Char('|'));

bool speaksEnglish(const QString &text) {
    static const QRegularExpression fixedPattern(QStringLiteral("^(CH\\d+|P[12]|COM\\s*\\d+)$"));
    QString t = text;
    t.remove(QLatin1Char('&'));
    bool letters = false;
    for (const QChar c : t) {
        if (c.unicode() > 127) return false; // written in Japanese
        letters = letters || c.isLetter();
    }
    return letters && !FixedTexts.contains(text) && !fixedPattern.match(text).hasMatch();
}

// The texts of a window and all its widgets and actions that speak English.
QStringList englishTexts(QWidget *window, const QStringList &settingsLabels) {
    QStringList found;
    auto check = [&](const QString &where, const QString &text) {
        if (speaksEnglish(text) && !settingsLabels.contains(text)) found << where + ": " + text;
    };
    check(window->objectName() + " title", window->windowTitle());
    for (QLabel *l : window->findChildren<QLabel *>())
        check(l->objectName(), l->text());
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>()) {
        check(b->objectName(), b->text());
        check(b->objectName() + " tip", b->toolTip());
    }
    for (QGroupBox *g : window->findChildren<QGroupBox *>())
        check(g->objectName(), g->title());
    for (QTabWidget *t : window->findChildren<QTabWidget *>())
        for (int i = 0; i < t->count(); ++i)
            check("tab", t->tabText(i));
    for (QMenu *m : window->findChildren<QMenu *>())
        check(m->objectName(), m->title());
    for (QAction *a : window->findChildren<QAction *>()) {
        if (a->isSeparator()) continue;
        check(a->objectName(), a->text());
        if (a->toolTip() != QString(a->text()).remove(QLatin1Char('&')))
            check(a->objectName() + " tip", a->toolTip());
    }
    return found;
}
} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

  private slots:
    void everyTextStatusAndMessageFollowsJapanese() {
        AppOptions options;
        options.language = UiLanguage::Japanese;
        QTemporaryDir backups;
        options.backupFolder = backups.path();
        MainWindowFixture f(options);
        QVERIFY(f.load());
        QStringList labels;
        for (const SettingsList &l : SettingsLists())
            labels << l.label;
        f.w().editing()->openEditor(EditSource::Memory, 0);
        QStringList found = englishTexts(f.w().editing()->modifyDialog(), labels);
        f.w().editing()->modifyDialog()->reject();
        f.w().editing()->openEditor(EditSource::Vfo, 1);
        found += englishTexts(f.w().editing()->modifyDialog(), labels);
        f.w().editing()->modifyDialog()->reject();
        f.w().mnuToolsOptions_Click();
        found += englishTexts(f.w().comDialog(), labels);
        f.w().comDialog()->reject();
        f.w().mnuHelpAbout_Click();
        found += englishTexts(f.w().aboutBox(), labels);
        f.w().aboutBox()->hide();
        found += englishTexts(&f.w(), labels);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
        // Delete's question keeps its fixed text and says in Japanese that Undo takes the step back.
        f.w().tabs()->setCurrentIndex(1);
        QTest::mouseClick(f.memory()->cmbDelete, Qt::LeftButton); // no answer scripted: cancelled
        const QString question = f.prompts.lastText();
        QVERIFY2(question.startsWith(QStringLiteral("Delete cannot be undone.\r\n")), qPrintable(question));
        QVERIFY2(question.endsWith(QStringLiteral("で取り消せます。")), qPrintable(question));
        // The status line after a read, and a message's detail.
        QTest::mouseClick(f.settings()->cmbRxData1, Qt::LeftButton);
        QVERIFY(WaitUntil([&f] { return !f.w().transferRunning() && !f.w().statusText().isEmpty(); }, 60000));
        QVERIFY2(!speaksEnglish(f.w().statusText().section(QLatin1Char(':'), 0, 0)),
                 qPrintable(f.w().statusText()));
        // A clone file that cannot be read: the message title and text stay, the detail is Japanese.
        const QString bad = f.path(QStringLiteral("bad.M40"));
        QVERIFY(writeFile(bad, "short\r\n"));
        QVERIFY(!f.w().files()->openCloneFile(bad));
        QCOMPARE(f.prompts.shown.last().text, QStringLiteral("File Open Error"));
        const QString detail = f.w().statusText().section(QStringLiteral(": "), 1);
        QVERIFY2(!detail.isEmpty() && !speaksEnglish(detail), qPrintable(f.w().statusText()));
    }

    void noMenuSharesAnAccessKey() {
        // In every language, the items of one menu (and the menu bar's titles) each have a letter of their
        // own.
        for (const char *code : {"en", "ja", "de", "fr", "es", "it"}) {
            AppOptions options;
            options.language = LanguageFromCode(QString::fromLatin1(code)).value();
            MainWindowFixture f(options);
            QVERIFY(f.load());
            QList<QList<QAction *>> groups = {f.w().menuBar()->actions()};
            for (QMenu *m : f.w().findChildren<QMenu *>())
                groups << m->actions();
            QStringList clashes;
            for (const QList<QAction *> &group : groups) {
                QMap<QString, QString> byKey;
                for (QAction *a : group) {
                    const QString text = a->text();
                    static const QRegularExpression key(QStringLiteral("&([^&])"));
                    const QString letter = key.match(QString(text).replace(QLatin1String("&&"), QString()))
                                               .captured(1)
                                               .toCaseFolded();
                    if (a->isSeparator() || letter.isEmpty()) continue;
                    if (byKey.contains(letter)) clashes << byKey[letter] + QLatin1String(" / ") + text;
                    byKey[letter] = text;
                }
            }
            QVERIFY2(clashes.isEmpty(),
                     qPrintable(QLatin1String(code) + QLatin1String(": ") + clashes.join(", ")));
        }
    }

    void germanGridsAndPagesSpeakGerman() {
        // The words the grids, the pages and the edit dialog show follow the language; the table keeps
        // English.
        AppOptions options;
        options.language = UiLanguage::German;
        MainWindowFixture f(options);
        QVERIFY(f.load());
        QCOMPARE(f.settings()->vfoModel->index(0, FieldAGC).data().toString(), QStringLiteral("Langsam"));
        QCOMPARE(f.w().image().VfoTable[0].field[FieldAGC].text, QStringLiteral("Slow"));
        QCOMPARE(f.settings()->findChild<QGroupBox *>()->title(), QStringLiteral("Einstellungen 1"));
        QCOMPARE(f.memory()->cmbRxData->text(), QStringLiteral("Speicher lesen"));
        f.w().editing()->openEditor(EditSource::Memory, 200);
        auto *dialog = f.w().editing()->modifyDialog();
        QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("cmbPower"))->itemText(0),
                 QStringLiteral("Hoch"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("lblMode"))->text(),
                 QStringLiteral("Speicher A"));
        dialog->reject();
    }

    void theCheckFindsEnglish() {
        // The same walk over the window in English finds the texts the Japanese one must not show.
        MainWindowFixture f;
        QVERIFY(f.load());
        const QStringList found = englishTexts(&f.w(), {});
        QVERIFY(found.join(QLatin1Char('\n')).contains(QStringLiteral("Verify")));
        QVERIFY(found.join(QLatin1Char('\n')).contains(QStringLiteral("File")));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
