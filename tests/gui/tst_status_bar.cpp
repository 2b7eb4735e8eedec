// The status bar tells the present: a transfer's last line counts every record, then its outcome follows;
// a finished action's message gives way to the next action or fades; the box that says a transfer is
// under way goes when the transfer ends.
#include "MainWindowFixture.h"
#include "app/DlgModify.h"
#include "app/UserPrompts.h"
#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>

namespace {
bool isProgressLine(const QString &text) {
    return text.contains(QStringLiteral(" of 604 records"));
}
} // namespace

class TestStatusBar : public QObject {
    Q_OBJECT

    static AppOptions withFade(int fadeMs, const QString &backups) {
        AppOptions o = BackupsIn(backups);
        o.statusFadeMs = fadeMs;
        return o;
    }

  private slots:
    void transfersEndWithEveryRecordThenTheOutcome_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("write") << QString("cmbTxData") << "Written to the radio";
        QTest::newRow("read") << QString("cmbRxData") << "Backup saved: ";
    }
    void transfersEndWithEveryRecordThenTheOutcome() {
        QFETCH(QString, button);
        QFETCH(QString, outcome);
        QTemporaryDir backups;
        MainWindowFixture f(withFade(60000, backups.path()));
        QVERIFY(f.load());
        f.setPaced(false); // every line is kept by the spy
        QSignalSpy lines(&f.w(), &FrmMain::statusTextChanged);
        QTest::mouseClick(f.memory()->findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY(WaitUntil([&f] { return f.w().transferRunning(); }, 5000));
        QVERIFY(f.waitIdle(120000));
        QStringList texts;
        for (const QList<QVariant> &l : lines)
            texts << l.first().toString();
        int lastProgress = -1;
        for (int i = 0; i < texts.size(); ++i)
            if (isProgressLine(texts[i])) lastProgress = i;
        QVERIFY(lastProgress >= 0);
        QVERIFY2(texts[lastProgress].startsWith(QStringLiteral("604 of 604 records")),
                 qPrintable(texts[lastProgress]));
        // after it only the outcome, which stays
        QVERIFY(lastProgress + 1 < texts.size());
        QVERIFY2(texts.last().contains(outcome), qPrintable(texts.last()));
        QCOMPARE(f.w().statusText(), texts.last());
        QCOMPARE(f.prompts.shown.size(), 0);
    }

    void finishedMessagesGiveWayToTheNextActionOrFade() {
        QTemporaryDir backups;
        MainWindowFixture f(withFade(1200, backups.path()));
        QVERIFY(f.load());
        auto readSettings = [&f] {
            QTest::mouseClick(f.settings()->cmbRxData1, Qt::LeftButton);
            return WaitUntil([&f] { return f.w().statusText().contains(QStringLiteral("Backup saved")); },
                             60000);
        };
        QVERIFY(readSettings());
        QTest::qWait(300);
        QVERIFY(!f.w().statusText().isEmpty()); // it does not fade yet
        f.w().tabs()->setCurrentIndex(1);
        QTest::mouseClick(f.memory()->Command4, Qt::LeftButton); // Down
        QCOMPARE(f.w().statusText(), QString());
        QVERIFY(readSettings());
        f.w().action(QStringLiteral("mnuEditUndo"))->trigger(); // a menu command
        QCOMPARE(f.w().statusText(), QString());
        f.w().editing()->modifyDialog()->reject();
        QVERIFY(readSettings());
        QTRY_COMPARE_WITH_TIMEOUT(f.w().statusText(), QString(), 5000);
    }

    void theBusyBoxGoesWhenTheTransferEnds() {
        QTemporaryDir backups;
        QtUserPrompts shown;
        MainWindowFixture f(BackupsIn(backups.path()), true, &shown);
        QVERIFY(f.load());
        f.w().transfers()->cmbRxData1_Click();
        QVERIFY(f.w().transferRunning());
        QVERIFY(!f.w().close());
        QPointer<QMessageBox> box = f.w().findChild<QMessageBox *>();
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        QVERIFY(box->text().contains(QStringLiteral("transfer")));
        QVERIFY(f.waitIdle(60000));
        QTRY_VERIFY(!box || !box->isVisible());
    }
};

QTEST_MAIN(TestStatusBar)
#include "tst_status_bar.moc"
