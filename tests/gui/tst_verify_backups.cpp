// Around the transfers in the window: the backup after a successful read, the progress line in the status
// bar, and Tool > Verify against the virtual radio.
#include "MainWindowFixture.h"
#include "channels/ChannelRecord.h"
#include "files/Backups.h"
#include "files/CloneFile.h"
#include <QAction>
#include <QProgressBar>
#include <QRegularExpression>

class TestVerifyBackups : public QObject {
    Q_OBJECT

    QTemporaryDir backups;
    std::unique_ptr<MainWindowFixture> f;

  private slots:
    void init() {
        f = std::make_unique<MainWindowFixture>(BackupsIn(backups.path()));
        QVERIFY(f->load());
    }
    void cleanup() {
        f->waitIdle(30000);
        f->w().setDataChanged(false);
        f.reset();
        for (const QString &file : ListBackups(backups.path()))
            QFile::remove(file);
    }

    void aSuccessfulReadLeavesABackupAndShowsProgress() {
        f->w().action(QStringLiteral("mnuReMem"))->trigger();
        // the status bar counts records with the time spent and left
        const QRegularExpression line(
            QStringLiteral("^\\d+ of 604 records, \\d+:\\d\\d elapsed, (\\d+:\\d\\d|--:--) left$"));
        QVERIFY(WaitUntil([&] { return line.match(f->w().statusText()).hasMatch(); }, 10000));
        QVERIFY(f->waitIdle(60000));
        QVERIFY(f->prompts.shown.isEmpty());
        const QStringList saved = ListBackups(backups.path());
        QCOMPARE(saved.size(), 1);
        QVERIFY2(f->w().statusText().endsWith(QStringLiteral(". Backup saved: %1").arg(saved.first())),
                 qPrintable(f->w().statusText()));
        CloneImage back;
        QCOMPARE(LoadCloneFile(saved.first(), back).status, FileStatus::Ok);
        for (int k = 0; k < ChannelCount; ++k)
            QCOMPARE(back.ChannelTable[k], f->w().image().ChannelTable[k]);
        QVERIFY(!f->w().dataChanged()); // a backup is not a save of the window's file
    }

    void verifyMatchesAfterAWriteAndListsDifferences() {
        f->setPaced(false); // the write only prepares the radio
        QVERIFY(f->runTransfer("mnuWrAll"));
        QVERIFY(f->prompts.shown.isEmpty());
        f->setPaced(true);

        QAction *verify = f->w().action(QStringLiteral("mnuVerify"));
        QVERIFY(verify);
        verify->trigger();
        QVERIFY(WaitUntil([this] { return f->memory()->ProgressBar1->isVisible(); }, 10000));
        QVERIFY(!verify->isEnabled()); // no second run while one is under way
        QVERIFY(f->waitIdle(60000));
        QCOMPARE(f->prompts.kinds(), QStringList{"information"});
        QCOMPARE(f->prompts.lastText(), QStringLiteral("The radio holds what Write would send."));
        QVERIFY(verify->isEnabled());

        CloneImage &image = f->w().image();
        image.ChannelUsed[3] = true;
        image.ChannelTable[3].field[FieldFrequency] = {QStringLiteral("7.123.000"), 7123000};
        image.ChannelTable[3].field[FieldMode] = {QStringLiteral("LSB"), 1};
        const CloneImage before = image;
        const QString radioBefore = f->radio->block(0x660);
        f->setPaced(false);
        QVERIFY(f->runTransfer("mnuVerify"));
        QCOMPARE(f->prompts.shown.size(), 2);
        QVERIFY(f->prompts.lastText().startsWith("1 difference(s) between the window and the radio:"));
        QVERIFY(f->prompts.lastText().contains("3  Used: window Frequency 7.123.000, Mode LSB, "));
        QVERIFY(f->prompts.lastText().endsWith(", radio empty"));
        QCOMPARE(f->w().image(), before); // Verify changes nothing
        QCOMPARE(f->radio->block(0x660), radioBefore);
        QVERIFY(ListBackups(backups.path()).isEmpty()); // a Verify is no read of the window's data
    }
};

QTEST_MAIN(TestVerifyBackups)
#include "tst_verify_backups.moc"
