// Transfers from the window against the virtual radio: Read ALL and Write ALL from the Tool menu, a failed
// transfer, Auto Select, and what the window refuses while a transfer runs.
#include "MainWindowFixture.h"
#include "app/GridModels.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/Backups.h"
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
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

  private slots:
    void init() {
        f = std::make_unique<MainWindowFixture>(BackupsIn(backups.path()));
        QVERIFY(f->load());
    }
    void cleanup() {
        f->waitIdle(30000);
        f->w().setDataChanged(false);
        f.reset();
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
        QCOMPARE(f->prompts.lastText(), BusyCloseText());
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
        QCOMPARE(f->radio->block(0x600 + 0x20 * 7), MakeMemData(image, 7));
        QCOMPARE(f->radio->block(0x600 + 0x20 * 8), MakeMemData(image, 8));
        QCOMPARE(f->radio->block(0x400), MakeVFOData(image, 0));
        QCOMPARE(f->radio->block(0x300).mid(2 * 19, 2), QStringLiteral("28")); // dimmer "40"
        QCOMPARE(f->radio->commandLog().last(), QByteArray("RZ~E"));
    }

    void failedReadRestoresTheWindow() {
        f->radio->faults.timeoutAt = {QStringLiteral("0620")};
        const qsizetype kept = ListBackups(backups.path()).size();
        const CloneImage before = f->w().image();
        QTest::mouseClick(f->w().tabs()->tabBar(), Qt::LeftButton, {},
                          f->w().tabs()->tabBar()->tabRect(1).center());
        QTest::mouseClick(f->memory()->cmbRxData, Qt::LeftButton);
        QVERIFY(WaitUntil([this] { return f->memory()->ProgressBar1->isVisible(); }, 5000));
        QVERIFY(f->waitIdle(10000));
        QCOMPARE(f->prompts.kinds(), QStringList{"critical"});
        QCOMPARE(f->prompts.shown[0].title, QStringLiteral("ERROR"));
        QCOMPARE(f->prompts.shown[0].text, QStringLiteral("Communication Error"));
        expectRestored();
        // Channel 0 arrived before the time-out, channel 1 onwards stay as they were.
        const CloneImage demo = VirtualRadio::demoImage();
        QCOMPARE(f->w().image().ChannelUsed[0], demo.ChannelUsed[0]);
        QCOMPARE(f->w().image().ChannelTable[1], before.ChannelTable[1]);
        QVERIFY(!f->radio->commandLog().contains("RZ~E"));  // no end command after a failure
        QCOMPARE(ListBackups(backups.path()).size(), kept); // nor a backup
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
};

QTEST_MAIN(TestTransfers)
#include "tst_transfers.moc"
