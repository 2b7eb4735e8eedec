// Start-up rules that need no window: the command-line file, the string table, the column widths.
#include "image/Startup.h"
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
  private slots:
    void commandLineText() {
        // quoted path; five characters; six lose both ends; one character; none
        const std::pair<const char *, const char *> table[] = {
            {"\"C:\\radio\\my file.M40\"", "C:\\radio\\my file.M40"},
            {"a.M40", "a.M40"},
            {"ab.M40", "b.M4"},
            {"x", "x"},
            {"", ""}};
        for (const auto &[commandLine, file] : table)
            QCOMPARE(StartupFileFromCommandLine(commandLine), QString(file));
    }

    void splitArgumentsArriveWhole() {
        QCOMPARE(StartupFileFromArguments({}), QString());
        QCOMPARE(StartupFileFromArguments({"/home/op/my radio.M40"}), QString("/home/op/my radio.M40"));
        QCOMPARE(StartupFileFromArguments({"/home/op/my", "radio.M40"}), QString("/home/op/my radio.M40"));
        // a short name is wrapped too, so it is never cut
        QCOMPARE(StartupFileFromArguments({"a.M40"}), QString("a.M40"));
        QCOMPARE(StartupFileFromArguments({"x"}), QString("x"));
    }

    void stringTable() {
        // 1000 and 1007 in both languages are the menus of gui_tst_main_window
        QCOMPARE(ResString(1013, UiLanguage::Japanese), QString::fromUtf8("COM ポートセットアップ(&C)"));
        QCOMPARE(ResString(1021, UiLanguage::Japanese), QString::fromUtf8("ﾍﾙﾌﾟ"));
        QCOMPARE(ResString(1207, UiLanguage::English), QString("ALL(&A)"));
        QCOMPARE(ResString(1015, UiLanguage::English), QString()); // no such id
        const QList<int> ids = {1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009,
                                1010, 1011, 1012, 1013, 1014, 1016, 1017, 1018, 1019, 1021,
                                1100, 1201, 1202, 1203, 1204, 1205, 1206, 1207};
        for (int id : ids) {
            QVERIFY2(!ResString(id, UiLanguage::English).isEmpty(), qPrintable(QString::number(id)));
            QVERIFY2(ResString(id, UiLanguage::English) != ResString(id, UiLanguage::Japanese),
                     qPrintable(QString::number(id)));
        }
        for (const char *locale : {"ja_JP", "ja"})
            QCOMPARE(LanguageForLocale(locale), UiLanguage::Japanese);
        for (const char *locale : {"en_US", "pt_BR"})
            QCOMPARE(LanguageForLocale(locale), UiLanguage::English);
    }

    void columnWidths() {
        const auto &w = ColumnWidths();
        QCOMPARE(w[0], 650);
        QCOMPARE(w[3], 450);
        QCOMPARE(w[11], 600);
        QCOMPARE(w[13], 500);
        QCOMPARE(TwipsToPixels(900), 60);
        QCOMPARE(TwipsToPixels(650), 43);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
