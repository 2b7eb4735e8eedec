// Automatic backups keep exactly the 50 newest: the 50th backup removes nothing, the 51st the oldest.
#include "files/Backups.h"
#include "files/NewImage.h"
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestBackupLimit : public QObject {
    Q_OBJECT
  private slots:
    void fiftyAreKept() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("backups");
        const CloneImage image = NewCloneImage();
        const QDateTime first(QDate(2026, 3, 1), QTime(12, 0, 0));
        for (int i = 0; i < 50; ++i)
            QVERIFY(SaveBackup(image, folder, first.addSecs(i)).ok);
        QStringList kept = ListBackups(folder);
        QCOMPARE(kept.size(), 50);
        QCOMPARE(QFileInfo(kept.first()).fileName(), QString("KT-M40 2026-03-01 12-00-00.M40"));

        QVERIFY(SaveBackup(image, folder, first.addSecs(50)).ok);
        kept = ListBackups(folder);
        QCOMPARE(kept.size(), 50);
        QCOMPARE(QFileInfo(kept.first()).fileName(), QString("KT-M40 2026-03-01 12-00-01.M40"));
        QCOMPARE(QFileInfo(kept.last()).fileName(), QString("KT-M40 2026-03-01 12-00-50.M40"));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 50);
    }
};

QTEST_GUILESS_MAIN(TestBackupLimit)
#include "tst_backup_limit.moc"
