// Tool > Write > Changes in the window against the virtual radio: progress across the phases in the status
// bar, only the edited records written, the closing line, a backup of what the radio held, and a record
// the radio stores wrong reported as an error.
#include "MainWindowFixture.h"
#include "channels/ChannelRecord.h"
#include "files/Backups.h"
#include "support/TestFiles.h"
#include <QAction>
#include <QProgressBar>
#include <QRegularExpression>

class TestWriteChangesWindow : public QObject {
    Q_OBJECT

    QTemporaryDir backups;
    std::unique_ptr<MainWindowFixture> f;

    QStringList writes() const {
        QStringList out;
        for (const QByteArray &line : f->radio->commandLog())
            if (line.startsWith("RZ~F") && line.size() > 9) out << QString::fromLatin1(line.left(9));
        return out;
    }

  private slots:
    void init() {
        f = std::make_unique<MainWindowFixture>(BackupsIn(backups.path()));
        QVERIFY(f->load());
        // the window holds what the radio holds
        f->setPaced(false);
        QVERIFY(f->runTransfer("mnuReAll"));
        QVERIFY(f->prompts.shown.isEmpty());
        for (const QString &file : ListBackups(backups.path()))
            QFile::remove(file);
        f->setPaced(true);
    }
    void cleanup() {
        f->waitIdle(30000);
        f->w().setDataChanged(false);
        f.reset();
    }

    void onlyTheEditedChannelIsWritten() {
        CloneImage &image = f->w().image();
        image.ChannelTable[4].field[FieldName].text = QStringLiteral("EDITED");
        const QByteArray radioBefore = f->radio->cloneFileBytes();
        QAction *changes = f->w().action(QStringLiteral("mnuWrChg"));
        QVERIFY(changes);
        changes->trigger();
        const QRegularExpression reading(QStringLiteral(
            "^Write Changes: reading \\d+ of 608 records, \\d+:\\d\\d elapsed, (\\d+:\\d\\d|--:--) left$"));
        QVERIFY(WaitUntil([&] { return reading.match(f->w().statusText()).hasMatch(); }, 10000));
        QVERIFY(!changes->isEnabled()); // no second run while one is under way
        QVERIFY(f->memory()->ProgressBar1->isVisible());
        QVERIFY(f->waitIdle(60000));
        QVERIFY(f->prompts.shown.isEmpty());
        QCOMPARE(f->w().statusText(), QStringLiteral("1 records differed, 1 written, all verified"));
        QCOMPARE(writes(), QStringList{"RZ~F0680W"});
        QCOMPARE(f->radio->block(0x680), MakeMemData(image, 4));
        QVERIFY(!f->memory()->ProgressBar1->isVisible());
        QVERIFY(changes->isEnabled());
        const QStringList saved = ListBackups(backups.path());
        QCOMPARE(saved.size(), 1);
        QCOMPARE(readFile(saved.first()), radioBefore);
    }

    void aRecordTheRadioStoresWrongIsAnError() {
        f->setPaced(false); // the outcome counts here, not the window during the run
        f->w().image().ChannelTable[4].field[FieldName].text = QStringLiteral("EDITED");
        f->radio->faults.corruptAt.insert(QStringLiteral("0680"));
        QVERIFY(f->runTransfer("mnuWrChg"));
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"});
        QVERIFY(f->prompts.lastText().contains(
            QStringLiteral("4  Frequency: window 14.195.000, radio 14.194.992")));
        QCOMPARE(f->w().statusText(),
                 QStringLiteral("1 records differed, 1 written, 1 differ after writing"));
    }

    void aFailedWriteClaimsNothing() {
        f->setPaced(false); // the outcome counts here, not the window during the run
        f->w().image().ChannelTable[4].field[FieldName].text = QStringLiteral("EDITED");
        f->radio->faults.notOkAt.insert(QStringLiteral("0680"));
        QVERIFY(f->runTransfer("mnuWrChg"));
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"});
        QCOMPARE(f->prompts.lastText(), QStringLiteral("Communication Error"));
        QVERIFY(!f->w().statusText().contains(QStringLiteral("written")));
        QCOMPARE(f->radio->commandLog().last(),
                 QByteArray("RZ~F0680W") + MakeMemData(f->w().image(), 4).toLatin1());
    }
};

QTEST_MAIN(TestWriteChangesWindow)
#include "tst_write_changes_window.moc"
