// Nothing lost: data that no clone file holds are kept in a backup marked as unsaved work before the
// window throws them away without a question, and the next start names that file.
#include "MainWindowFixture.h"
#include "app/DlgModify.h"
#include "files/Backups.h"
#include "files/CloneFile.h"
#include "image/SettingsStore.h"
#include "support/TestFiles.h"
#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace {
QStringList unsavedBackups(const QString &folder) {
    return ListBackups(folder).filter(QStringLiteral(" unsaved"));
}
} // namespace

class TestUnsavedWork : public QObject {
    Q_OBJECT

    // Bank A's first channel edited through the dialog, as a user does.
    static void editBankA(MainWindowFixture &f) {
        f.w().editing()->openEditor(EditSource::Memory, 200);
        DlgModify *dlg = f.w().editing()->modifyDialog();
        QLineEdit *mhz = dlg->findChild<QLineEdit *>(QStringLiteral("txtFreq"));
        mhz->setText(QStringLiteral("14"));
        dlg->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
        QVERIFY(f.w().image().ChannelUsed[200]);
    }

  private slots:
    void replacingUnkeptDataKeepsItFirst_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("new") << "mnuFileNew";
        QTest::newRow("open") << "mnuFileOpen";
        QTest::newRow("read") << "mnuReMem";
        QTest::newRow("import") << "mnuImport";
        QTest::newRow("close") << "";
    }
    void replacingUnkeptDataKeepsItFirst() {
        QFETCH(QString, command);
        QTemporaryDir backups;
        MainWindowFixture f(BackupsIn(backups.path()));
        QVERIFY(f.load());
        f.setPaced(false); // a read here only replaces the data
        const QString file = f.path(QStringLiteral("a.M40"));
        f.prompts.fileNames = {file};
        f.w().action(QStringLiteral("mnuFileSaveAs"))->trigger();
        QVERIFY(QFileInfo::exists(file));
        editBankA(f);
        f.prompts.choices = {0}; // the original layout: channels 0 to 199 and the VFOs only
        f.prompts.fileNames = {f.path(QStringLiteral("list.csv"))};
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QVERIFY(QFileInfo::exists(f.path(QStringLiteral("list.csv"))));
        QVERIFY(!f.w().dataChanged()); // no question comes
        const CloneImage edited = f.w().image();
        if (command == QStringLiteral("mnuImport")) {
            QVERIFY(writeFile(f.path(QStringLiteral("b.csv")), "\"MODEL\",\"BANK\"\r\n"));
            f.prompts.fileNames = {f.path(QStringLiteral("b.csv"))};
        } else {
            f.prompts.fileNames = {file};
        }
        if (command.isEmpty())
            QVERIFY(f.w().close());
        else
            f.w().action(command)->trigger();
        QVERIFY(f.waitIdle(60000));
        const QStringList saved = unsavedBackups(backups.path());
        QCOMPARE(saved.size(), 1);
        CloneImage back;
        QCOMPARE(LoadCloneFile(saved.first(), back).status, FileStatus::Ok);
        QCOMPARE(back.ChannelTable[200], edited.ChannelTable[200]);
        QVERIFY(!f.prompts.kinds().contains(QStringLiteral("question")));
        // what the next start names
        if (command.isEmpty())
            QCOMPARE(SettingsStore().value(QStringLiteral("Backups/UnsavedWork")).toString(), saved.first());
    }

    // A No to the save question holds only for the command it was given to: an Open cancelled in its file
    // dialog leaves nothing behind, and the next command that replaces the edits keeps them first.
    void aNoHoldsOnlyForTheCommandItAnswered_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("read") << "mnuReMem";
        QTest::newRow("import") << "mnuImport";
    }
    void aNoHoldsOnlyForTheCommandItAnswered() {
        QFETCH(QString, command);
        QTemporaryDir backups;
        MainWindowFixture f(BackupsIn(backups.path()));
        QVERIFY(f.load());
        f.setPaced(false);
        editBankA(f);
        const CloneImage edited = f.w().image();
        f.prompts.answers = {UserPrompts::Answer::No};
        f.prompts.fileNames.clear(); // Escape in the file dialog
        f.w().action(QStringLiteral("mnuFileOpen"))->trigger();
        QCOMPARE(f.prompts.kinds(), QStringList({QStringLiteral("question"), QStringLiteral("open")}));
        QCOMPARE(f.w().image(), edited);
        QVERIFY(unsavedBackups(backups.path()).isEmpty());
        if (command == QStringLiteral("mnuImport")) {
            QVERIFY(writeFile(f.path(QStringLiteral("b.csv")), "\"MODEL\",\"BANK\"\r\n"));
            f.prompts.fileNames = {f.path(QStringLiteral("b.csv"))};
        }
        f.w().action(command)->trigger();
        QVERIFY(f.waitIdle(60000));
        const QStringList saved = unsavedBackups(backups.path());
        QCOMPARE(saved.size(), 1);
        CloneImage back;
        QCOMPARE(LoadCloneFile(saved.first(), back).status, FileStatus::Ok);
        QCOMPARE(back.ChannelTable[200], edited.ChannelTable[200]);
    }

    void keptOrDiscardedDataNeedNoBackup_data() {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<int>("answer"); // to the save question at close; Cancel would keep the window
        QTest::addColumn<int>("kept");
        const int cancel = int(UserPrompts::Answer::Cancel);
        QTest::newRow("nothing made") << false << false << cancel << 0;
        QTest::newRow("saved: the file holds it") << true << true << cancel << 0;
        QTest::newRow("the user answered No") << true << false << int(UserPrompts::Answer::No) << 0;
        QTest::newRow("Yes, but the save dialog was cancelled")
            << true << false << int(UserPrompts::Answer::Yes) << 1;
    }
    void keptOrDiscardedDataNeedNoBackup() {
        QFETCH(bool, edit);
        QFETCH(bool, saved);
        QFETCH(int, answer);
        QFETCH(int, kept);
        QTemporaryDir backups;
        MainWindowFixture f(BackupsIn(backups.path()));
        QVERIFY(f.load());
        if (edit) editBankA(f);
        f.prompts.fileNames = {f.path(QStringLiteral("c.M40"))};
        if (saved) f.w().action(QStringLiteral("mnuFileSaveAs"))->trigger();
        f.prompts.fileNames.clear();
        f.prompts.answers = {UserPrompts::Answer(answer)};
        QVERIFY(f.w().close());
        QCOMPARE(f.prompts.kinds().contains(QStringLiteral("question")), edit && !saved);
        QCOMPARE(unsavedBackups(backups.path()).size(), kept);
    }

    void unsavedBackupsCountAmongTheKeptOnes() {
        QTemporaryDir backups;
        CloneImage image;
        ClearTables(image);
        const QDateTime t0(QDate(2026, 1, 1), QTime(10, 0));
        for (int i = 0; i < 3; ++i)
            QVERIFY(SaveBackup(image, backups.path(), t0.addSecs(i), 3).ok);
        const BackupResult unsaved = SaveUnsavedWorkBackup(image, backups.path(), t0.addSecs(10), 3);
        QVERIFY(unsaved.ok);
        QCOMPARE(QFileInfo(unsaved.path).fileName(),
                 QStringLiteral("KT-M40 2026-01-01 10-00-10 unsaved.M40"));
        const QStringList all = ListBackups(backups.path());
        QCOMPARE(all.size(), 3); // the oldest went
        QCOMPARE(all.last(), unsaved.path);
        QVERIFY(QFileInfo(all.first()).fileName().endsWith(QStringLiteral("10-00-01.M40")));
    }
};

QTEST_MAIN(TestUnsavedWork)
#include "tst_unsaved_work.moc"
