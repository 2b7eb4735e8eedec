// Transfers from the window against the virtual radio: Read ALL and Write ALL from the Tool menu, a failed
// transfer, Auto Select, and what the window refuses while a transfer runs; the backup after a successful
// read and the progress line in the status bar; Tool > Verify; Tool > Write > Changes (progress across the
// phases, only the edited records written, the closing line, a backup of what the radio held, a record the
// radio stores wrong reported as an error). The status bar tells the present: a transfer's last line counts
// every record, then its outcome follows; a finished action's message gives way to the next action or
// fades; the box that says a transfer is under way goes when the transfer ends.
#include "MainWindowFixture.h"
#include "app/DlgModify.h"
#include "app/GridModels.h"
#include "app/UserPrompts.h"
#include "channels/ChannelRecord.h"
#include "files/Backups.h"
#include "files/CloneFile.h"
#include "support/TestFiles.h"
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>

class TestTransfers : public QObject {
    Q_OBJECT

    QTemporaryDir backups;
    std::unique_ptr<MainWindowFixture> f;

    QList<QPushButton *> radioButtons() {
        return {f->memory()->cmbRxData, f->memory()->cmbTxData, f->settings()->cmbRxData1,
                f->settings()->cmbTxData1, f->settings()->cmdAuto};
    }
    // After any ending: every button back, default pointer, progress bar hidden at 0.
    void expectRestored() {
        for (QPushButton *b : radioButtons())
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(f->memory()->cmbInsert->isEnabled());
        QVERIFY(f->w().action(QStringLiteral("mnuFileOpen"))->isEnabled());
        QVERIFY(f->w().action(QStringLiteral("mnuReAll"))->isEnabled());
        QVERIFY(!f->memory()->ProgressBar1->isVisible());
        QCOMPARE(f->memory()->ProgressBar1->value(), 0);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    QStringList writes() const {
        QStringList out;
        for (const QByteArray &line : f->radio->commandLog())
            if (line.startsWith("RZ~F") && line.size() > 9) out << QString::fromLatin1(line.left(9));
        return out;
    }
    // The window holds what the radio holds; that read leaves no backup behind.
    bool holdWhatTheRadioHolds() {
        f->setPaced(false);
        const bool read = f->runTransfer("mnuReAll") && f->prompts.shown.isEmpty();
        for (const QString &file : ListBackups(backups.path()))
            QFile::remove(file);
        f->setPaced(true);
        return read;
    }

    // The status lines of a transfer the button starts: its progress lines, the last of them counting every
    // record, then only its outcome, which stays.
    QStringList statusLinesOf(QPushButton *button) {
        QSignalSpy lines(&f->w(), &FrmMain::statusTextChanged);
        QTest::mouseClick(button, Qt::LeftButton);
        if (!WaitUntil([this] { return f->w().transferRunning(); }, 5000) || !f->waitIdle(120000)) return {};
        QStringList texts;
        for (const QList<QVariant> &l : lines)
            texts << l.first().toString();
        const QRegularExpression progress(
            QStringLiteral("^\\d+ of 604 records, \\d+:\\d\\d elapsed, (\\d+:\\d\\d|--:--) left$"));
        int last = -1;
        for (int i = 0; i < texts.size(); ++i)
            if (progress.match(texts[i]).hasMatch()) last = i;
        if (last < 0 || !texts[last].startsWith(QStringLiteral("604 of 604 records")) ||
            last + 1 >= texts.size() || f->w().statusText() != texts.last())
            return QStringList{QStringLiteral("unexpected lines")} + texts;
        return texts;
    }

  private slots:
    void init() {
        f = std::make_unique<MainWindowFixture>(BackupsIn(backups.path()));
        QVERIFY(f->load());
    }
    void cleanup() {
        if (f) {
            f->waitIdle(30000);
            f->w().setDataChanged(false);
            f.reset();
        }
        for (const QString &file : ListBackups(backups.path()))
            QFile::remove(file);
    }

    void readAllFillsGridListsAndVfos() {
        const CloneImage expected = VirtualRadio::demoImage();
        int used = 0;
        for (bool u : expected.ChannelUsed)
            used += u;
        QVERIFY(used > 0);
        f->w().action(QStringLiteral("mnuReAll"))->trigger();
        // While it runs: the memory half shows the Memory page and the bar, everything that would start a
        // command or change the data is off, and closing is refused.
        QVERIFY(WaitUntil([this] { return f->memory()->ProgressBar1->isVisible(); }, 10000));
        QCOMPARE(f->w().tabs()->currentWidget(), f->memory());
        for (QPushButton *b : radioButtons())
            QVERIFY(!b->isEnabled());
        QVERIFY(!f->memory()->cmbInsert->isEnabled());
        QVERIFY(!f->w().action(QStringLiteral("mnuFileNew"))->isEnabled());
        QVERIFY(!f->w().action(QStringLiteral("mnuWrAll"))->isEnabled());
        QVERIFY(!f->settings()->combo(0)->isEnabled());
        QVERIFY(QApplication::overrideCursor());
        QVERIFY(!f->w().close());
        QCOMPARE(f->prompts.kinds(), QStringList{"information"});
        QCOMPARE(f->prompts.lastText(),
                 QStringLiteral("A transfer with the radio is under way.\r\nWait until it has "
                                "ended, then close the window."));
        // Commands reached while disabled do nothing.
        const CloneImage during = f->w().image();
        f->w().lists()->cmbInsert_Click();
        f->w().files()->mnuFileNew_Click();
        QCOMPARE(f->w().image().ChannelTable[0], during.ChannelTable[0]);
        for (const char *name : {"mnuFilePageSetup", "mnuFilePrintPreview", "mnuFilePrint"})
            QVERIFY2(!f->w().action(QLatin1String(name))->isEnabled(), name);
        f->w().mnuFilePageSetup_Click();
        f->w().mnuFilePrintPreview_Click();
        f->w().mnuFilePrint_Click();
        QVERIFY(!f->w().findChild<QPageSetupDialog *>());
        QVERIFY(!f->w().findChild<QPrintPreviewDialog *>());
        QVERIFY(!f->w().findChild<QPrintDialog *>());

        QVERIFY(f->waitIdle(60000));
        QCOMPARE(f->prompts.shown.size(), 1); // no error
        expectRestored();
        QVERIFY(f->w().action(QStringLiteral("mnuFilePrint"))->isEnabled());
        for (int k = 0; k < ChannelCount; ++k) {
            QCOMPARE(f->w().image().ChannelUsed[k], expected.ChannelUsed[k]);
            const QString shown = f->memory()->model->index(k, FieldFrequency).data().toString();
            QCOMPARE(shown, expected.ChannelUsed[k] ? expected.ChannelTable[k].field[FieldFrequency].text
                                                    : QString());
            QCOMPARE(f->memory()->model->index(k, FieldName).data().toString(),
                     expected.ChannelUsed[k] ? expected.ChannelTable[k].field[FieldName].text : QString());
        }
        for (int n = 0; n < VfoCount; ++n)
            QCOMPARE(f->settings()->vfoModel->index(n, FieldFrequency).data().toString(),
                     expected.VfoTable[n].field[FieldFrequency].text);
        for (int i = 0; i < SettingsListCount; ++i)
            QCOMPARE(f->settings()->combo(i)->currentIndex(), expected.Settings[i]);
        QVERIFY(!f->w().dataChanged()); // data read from the radio are not unsaved changes
    }

    void writeAllSendsTheEditedData() {
        CloneImage &image = f->w().image();
        image.ChannelTable[7].field[FieldFrequency] = {QStringLiteral("14.074.000"), 14074000};
        image.ChannelTable[7].field[FieldMode] = {QStringLiteral("USB"), 0};
        image.ChannelTable[7].field[FieldName] = {QStringLiteral("FT8"), 0};
        image.ChannelUsed[7] = true;
        f->settings()->combo(SettingsListIndex(QStringLiteral("cmbDimmer")))->setCurrentIndex(40);
        f->w().action(QStringLiteral("mnuWrAll"))->trigger();
        QVERIFY(WaitUntil([this] { return f->memory()->ProgressBar1->isVisible(); }, 10000));
        QVERIFY(f->waitIdle(60000));
        QVERIFY(f->prompts.shown.isEmpty());
        expectRestored();
        // the window's edits reach the radio: the grid's channel and the list's setting
        QCOMPARE(f->radio->block(0x600 + 0x20 * 7), MakeMemData(image, 7));
        QCOMPARE(f->radio->block(0x300).mid(2 * 19, 2), QStringLiteral("28")); // dimmer "40"
    }

    void failedReadRestoresTheWindow() {
        f->radio->faults.timeoutAt = {QStringLiteral("0620")};
        const qsizetype kept = ListBackups(backups.path()).size();
        QTest::mouseClick(f->w().tabs()->tabBar(), Qt::LeftButton, {},
                          f->w().tabs()->tabBar()->tabRect(1).center());
        QTest::mouseClick(f->memory()->cmbRxData, Qt::LeftButton);
        QVERIFY(WaitUntil([this] { return f->memory()->ProgressBar1->isVisible(); }, 5000));
        QVERIFY(f->waitIdle(10000));
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"});
        QCOMPARE(f->prompts.shown[0].title, QStringLiteral("ERROR"));
        QCOMPARE(f->prompts.shown[0].text, QStringLiteral("Communication Error"));
        expectRestored();
        // the grid shows channel 0, which arrived before the time-out; channel 1 (7.050.000 on the radio) not
        QCOMPARE(f->memory()->model->index(0, FieldFrequency).data().toString(), QStringLiteral("3.573.000"));
        QCOMPARE(f->memory()->model->index(1, FieldFrequency).data().toString(), QString());
        QCOMPARE(ListBackups(backups.path()).size(), kept); // no backup of a failed read
    }

    void portThatCannotOpenGivesComPortError() {
        f->openFailure = QStringLiteral("no such port");
        QTest::mouseClick(f->settings()->cmbRxData1, Qt::LeftButton);
        QVERIFY(f->waitIdle(5000));
        QTRY_COMPARE(f->prompts.kinds(), QStringList{"critical"});
        QCOMPARE(f->prompts.shown[0].text, QStringLiteral("COM Port Error"));
        expectRestored();
        QVERIFY(f->radio->commandLog().isEmpty());

        // Read ALL stops after the failed first half: one message only.
        f->prompts.shown.clear();
        f->w().action(QStringLiteral("mnuReAll"))->trigger();
        QVERIFY(f->waitIdle(5000));
        QTRY_COMPARE(f->prompts.kinds(), QStringList{"critical"});
        QCOMPARE(f->memory()->model->index(0, 0).data().toString(), QString());
    }

    void autoSelectSetsVariantAndRange() {
        f->radio->setIdentity(VariantT, true);
        QVERIFY(f->settings()->modelOption(VariantJ)->isChecked());
        QTest::mouseClick(f->settings()->cmdAuto, Qt::LeftButton);
        QVERIFY(f->waitIdle(5000));
        QTRY_VERIFY(f->settings()->cmdAuto->isEnabled());
        QVERIFY(f->prompts.shown.isEmpty());
        QVERIFY(f->settings()->modelOption(VariantT)->isChecked());
        QCOMPARE(f->w().image().Variant, int(VariantT));
        QVERIFY(f->w().image().WideRange);
        QVERIFY(f->w().dataChanged()); // the option button moved
    }

    void aSuccessfulReadLeavesABackupAndShowsProgress() {
        f->setPaced(false); // every line is kept by the spy
        const QStringList lines = statusLinesOf(f->memory()->cmbRxData);
        QVERIFY2(!lines.isEmpty() && lines.first() != "unexpected lines", qPrintable(lines.join('\n')));
        QVERIFY(f->prompts.shown.isEmpty());
        const QStringList saved = ListBackups(backups.path());
        QCOMPARE(saved.size(), 1);
        QVERIFY2(lines.last().endsWith(QStringLiteral(". Backup saved: %1").arg(saved.first())),
                 qPrintable(lines.last()));
        CloneImage back;
        QCOMPARE(LoadCloneFile(saved.first(), back).status, FileStatus::Ok);
        for (int k = 0; k < ChannelCount; ++k)
            QCOMPARE(back.ChannelTable[k], f->w().image().ChannelTable[k]);
        QVERIFY(!f->w().dataChanged()); // a backup is not a save of the window's file
    }

    void aWriteEndsWithItsOutcome() {
        f->setPaced(false);
        const QStringList lines = statusLinesOf(f->memory()->cmbTxData);
        QVERIFY2(!lines.isEmpty() && lines.first() != "unexpected lines", qPrintable(lines.join('\n')));
        QVERIFY2(lines.last().contains("Written to the radio"), qPrintable(lines.last()));
        QVERIFY(f->prompts.shown.isEmpty());
    }

    void finishedMessagesGiveWayToTheNextActionOrFade() {
        AppOptions options = BackupsIn(backups.path());
        options.statusFadeMs = 1200;
        f.reset();
        f = std::make_unique<MainWindowFixture>(options);
        QVERIFY(f->load());
        auto readSettings = [this] {
            QTest::mouseClick(f->settings()->cmbRxData1, Qt::LeftButton);
            return WaitUntil([this] { return f->w().statusText().contains(QStringLiteral("Backup saved")); },
                             60000);
        };
        QVERIFY(readSettings());
        QTest::qWait(300);
        QVERIFY(!f->w().statusText().isEmpty()); // it does not fade yet
        f->w().tabs()->setCurrentIndex(1);
        QTest::mouseClick(f->memory()->Command4, Qt::LeftButton); // Down
        QCOMPARE(f->w().statusText(), QString());
        QVERIFY(readSettings());
        f->w().action(QStringLiteral("mnuEditUndo"))->trigger(); // a menu command
        QCOMPARE(f->w().statusText(), QString());
        f->w().editing()->modifyDialog()->reject();
        QVERIFY(readSettings());
        QTRY_COMPARE_WITH_TIMEOUT(f->w().statusText(), QString(), 5000);
    }

    void theBusyBoxGoesWhenTheTransferEnds() {
        QtUserPrompts shown;
        f.reset();
        f = std::make_unique<MainWindowFixture>(BackupsIn(backups.path()), true, &shown);
        QVERIFY(f->load());
        f->w().transfers()->cmbRxData1_Click();
        QVERIFY(f->w().transferRunning());
        QVERIFY(!f->w().close());
        QPointer<QMessageBox> box = f->w().findChild<QMessageBox *>();
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        QVERIFY(box->text().contains(QStringLiteral("transfer")));
        QVERIFY(f->waitIdle(60000));
        QTRY_VERIFY(!box || !box->isVisible());
        f.reset(); // before the prompts it shows with
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
        f->setPaced(false);
        QVERIFY(f->runTransfer("mnuVerify"));
        QCOMPARE(f->prompts.shown.size(), 2);
        QVERIFY(f->prompts.lastText().startsWith("1 difference(s) between the window and the radio:"));
        QVERIFY(f->prompts.lastText().contains("3  Used: window Frequency 7.123.000, Mode LSB, "));
        QVERIFY(f->prompts.lastText().endsWith(", radio empty"));
        QCOMPARE(f->w().image(), before);               // Verify changes nothing
        QVERIFY(ListBackups(backups.path()).isEmpty()); // a Verify is no read of the window's data
    }

    // Only the edited channel is written, after a backup of what the radio held; then the errors.
    void onlyTheEditedChannelIsWrittenAndErrorsAreReported() {
        QVERIFY(holdWhatTheRadioHolds());
        CloneImage &image = f->w().image();
        image.ChannelTable[4].field[FieldName].text = QStringLiteral("EDITED");
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
        QVERIFY(!f->memory()->ProgressBar1->isVisible());
        QVERIFY(changes->isEnabled());
        QCOMPARE(ListBackups(backups.path()).size(), 1); // its bytes: the session's own test

        // A record the radio stores wrong is an error; a write it does not acknowledge claims nothing.
        f->setPaced(false); // the outcome counts here, not the window during the run
        f->prompts.shown.clear();
        image.ChannelTable[4].field[FieldName].text = QStringLiteral("EDIT2");
        f->radio->faults.corruptAt.insert(QStringLiteral("0680"));
        QVERIFY(f->runTransfer("mnuWrChg"));
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"});
        QVERIFY(f->prompts.lastText().contains(
            QStringLiteral("4  Frequency: window 14.195.000, radio 14.194.992")));
        QCOMPARE(f->w().statusText(),
                 QStringLiteral("1 records differed, 1 written, 1 differ after writing"));
        f->radio->faults.corruptAt.clear();
        f->prompts.shown.clear();
        image.ChannelTable[4].field[FieldName].text = QStringLiteral("EDIT3");
        f->radio->faults.notOkAt.insert(QStringLiteral("0680"));
        QVERIFY(f->runTransfer("mnuWrChg"));
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"});
        QCOMPARE(f->prompts.lastText(), QStringLiteral("Communication Error"));
        QVERIFY(!f->w().statusText().contains(QStringLiteral("written")));
    }
};

QTEST_MAIN(TestTransfers)
#include "tst_transfers.moc"
