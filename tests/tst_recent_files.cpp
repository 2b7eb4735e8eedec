// File > Recent Files as a list: newest first, each file once, at most eight, and kept in the settings file
// by the names' bytes.
#include "files/LocalName.h"
#include "files/RecentFiles.h"
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestRecentFiles : public QObject {
    Q_OBJECT
  private slots:
    void listRules_data() {
        QTest::addColumn<QStringList>("steps"); // "+name" adds, "-name" removes
        QTest::addColumn<QStringList>("expected");
        QStringList nine;
        for (int i = 1; i <= 9; ++i)
            nine << QStringLiteral("+/r/%1.M40").arg(i);
        QTest::newRow("newest first")
            << QStringList{"+/r/a.M40", "+/r/b.M40"} << QStringList{"/r/b.M40", "/r/a.M40"};
        QTest::newRow("opened again moves up, once")
            << QStringList{"+/r/a.M40", "+/r/b.M40", "+/r/c.M40", "+/r/a.M40"}
            << QStringList{"/r/a.M40", "/r/c.M40", "/r/b.M40"};
        QTest::newRow("another spelling of one path")
            << QStringList{"+/r/a.M40", "+/r/x/../a.M40", "+/r//b.M40", "+/r/./b.M40"}
            << QStringList{"/r/./b.M40", "/r/x/../a.M40"};
        QTest::newRow("nine: the oldest goes")
            << nine << QStringList{"/r/9.M40", "/r/8.M40", "/r/7.M40", "/r/6.M40",
                                   "/r/5.M40", "/r/4.M40", "/r/3.M40", "/r/2.M40"};
        QTest::newRow("removed, and one not there")
            << QStringList{"+/r/a.M40", "+/r/b.M40", "+/r/c.M40", "-/r/b.M40", "-/r/none.M40"}
            << QStringList{"/r/c.M40", "/r/a.M40"};
        QTest::newRow("empty name") << QStringList{"+/r/a.M40", "+"} << QStringList{"/r/a.M40"};
#ifdef Q_OS_WIN
        QTest::newRow("letter case") << QStringList{"+C:/r/a.M40", "+c:\\R\\A.m40"}
                                     << QStringList{"c:\\R\\A.m40"};
#else
        QTest::newRow("letter case: two files")
            << QStringList{"+/r/a.M40", "+/r/A.M40"} << QStringList{"/r/A.M40", "/r/a.M40"};
        // a Latin-1 name and the UTF-8 one that shows alike are two files
        QTest::newRow("bytes: two files")
            << QStringList{"+" + FileNameFromBytes("/r/lat\xe4.M40"), "+/r/lat\u00e4.M40"}
            << QStringList{"/r/lat\u00e4.M40", FileNameFromBytes("/r/lat\xe4.M40")};
#endif
    }

    void listRules() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        RecentFiles files;
        for (const QString &step : steps)
            step.startsWith(QLatin1Char('+')) ? files.add(step.mid(1)) : files.remove(step.mid(1));
        QCOMPARE(files.names(), expected);
        // a list read back from the settings file keeps its order and its names
        QCOMPARE(RecentFiles::fromStored(files.toStored()).names(), expected);
    }

    void keptByTheNamesBytes() {
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        const QList<QByteArray> bytes = {"/r/lat\xe4.M40", "/r/\xe6\x97\xa5\xe6\x9c\xac.M40",
                                         "/r/a,b \"c\".M40", "/r/a.M40"};
        RecentFiles files;
        for (auto it = bytes.crbegin(); it != bytes.crend(); ++it)
            files.add(FileNameFromBytes(*it));
        StoreRecentFiles(files);
        QList<QByteArray> read;
        const RecentFiles kept = StoredRecentFiles();
        for (const QString &name : kept.names())
            read << FileNameBytes(name);
        QCOMPARE(read, bytes);

        // a list written by hand in the file: eleven names, one twice, one no name at all
        QSettings store(QStringLiteral("Korvan"), QStringLiteral("Korvan KT-M40 Clone Utility"));
        QVariantList stored;
        for (int i = 1; i <= 10; ++i)
            stored << QByteArray("/r/") + QByteArray::number(i);
        stored.insert(1, QByteArray("/r/1"));
        stored.insert(2, QVariant(7));
        store.setValue(QStringLiteral("Settings/RecentFiles"), stored);
        store.sync();
        QCOMPARE(StoredRecentFiles().names(),
                 (QStringList{"/r/1", "/r/2", "/r/3", "/r/4", "/r/5", "/r/6", "/r/7", "/r/8"}));
    }
};

QTEST_MAIN(TestRecentFiles)
#include "tst_recent_files.moc"
