// File > Export and File > Import with the three CSV layouts, as a user meets them in the window.
#include "MainWindowFixture.h"
#include "app/GridModels.h"
#include "channels/ChannelRecord.h"
#include "files/CloneFile.h"
#include "image/UiText.h"
#include "support/TestFiles.h"
#include <QFile>

namespace {
// 7.050.000 LSB, gain -10 (no CHIRP column for it), name ABC
const char *const gainRecord = "8001010000000000000000000000000010936B003A3B3C000000000010936B00";
} // namespace

class TestCsvLayouts : public QObject {
    Q_OBJECT
  private slots:
    void exportAsksTheLayoutAndTheFullOneGivesTheImageBack() {
        MainWindowFixture f;
        QVERIFY(f.load());
        UpdateMemData(f.w().image(), gainRecord, 250);
        const QByteArray before = CloneFileBytes(f.w().image());
        f.w().setDataChanged(false);
        const QString csv = f.path("all.csv");
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QCOMPARE(f.prompts.kinds(), QStringList{"choose"}); // cancelled at the choice: no file dialog
        const QStringList offered = f.prompts.shown.first().text.split('\n');
        QCOMPARE(offered.size(), 4);
        QVERIFY(offered[1].startsWith("Original layout")); // the original stays first
        QVERIFY(offered[2].startsWith("Full layout"));
        QVERIFY(offered[3].startsWith("CHIRP CSV"));
        QVERIFY(!QFile::exists(csv));
        f.prompts.choices = {1};
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QVERIFY(readFile(csv).startsWith("KT-M40 full CSV,variant J,"));
        QVERIFY(
            readFile(csv).contains("\r\nA 50,7.050.000,LSB,-10,Fast,High,Wide,Off,Off,7.050.000,ABC,,\r\n"));
        QVERIFY(!f.w().dataChanged());
        QVERIFY(f.w().statusText().contains("all.csv"));

        int emptied = 0; // the used channels the import fills again, counted here before they are emptied
        for (int k = 0; k < ChannelCount; ++k) {
            emptied += f.w().image().ChannelUsed[k] ? 1 : 0;
            EmptyChannel(f.w().image(), k);
        }
        QVERIFY(emptied > 0);
        f.w().image().VfoTable[1].field[FieldGain] = {"-20", 2};
        QVERIFY(CloneFileBytes(f.w().image()) != before);
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuImport"))->trigger();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("report"));
        QVERIFY2(
            f.prompts.shown.last().text.contains(
                QString(
                    "606 lines taken, 0 of them with changes; 0 lines refused; %1 channels and VFOs changed")
                    .arg(emptied + 1)),
            qPrintable(f.prompts.shown.last().text));
        QCOMPARE(CloneFileBytes(f.w().image()), before);
        QVERIFY(f.w().dataChanged()); // the clone file is not saved by an import
        QCOMPARE(f.memory()->model->data(f.memory()->model->index(250, FieldGain)).toString(),
                 QString("-10"));
    }

    void chirpExportAndImportListWhatTheyCannotCarry() {
        MainWindowFixture f;
        QVERIFY(f.load());
        for (int k = 0; k < ChannelCount; ++k)
            EmptyChannel(f.w().image(), k);
        UpdateMemData(f.w().image(), gainRecord, 3);
        const QString csv = f.path("chirp.csv");
        f.prompts.choices = {2};
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QVERIFY(readFile(csv).startsWith("Location,Name,Frequency,Duplex,Offset,Tone,"));
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("report"));
        QVERIFY(f.prompts.shown.last().text.contains("1 channels written"));
        QCOMPARE(f.prompts.reportLines.size(), 4); // VFO A, VFO B, the gain and the AGC of channel 3
        QVERIFY(f.prompts.reportLines.contains("3  Gain  not carried: -10 is not carried by CHIRP CSV"));
        // An import shows what it took, changed and refused.
        QVERIFY(writeFile(csv, "\xEF\xBB\xBFLocation,Name,Frequency,Duplex,Offset,Tone,Mode\r\n"
                               "20,Rep 10m,29.620000,-,0.100000,Tone,FM\r\n"
                               "21,Two m,146.520000,,,,FM\r\n"));
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuImport"))->trigger();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("report"));
        QVERIFY(
            f.prompts.shown.last().text.contains("1 lines taken, 1 of them with changes; 1 lines refused"));
        QCOMPARE(f.prompts.reportLines.size(), 2);
        QVERIFY(f.prompts.reportLines[0].startsWith("20  Name  changed:"));
        QVERIFY(f.prompts.reportLines[1].startsWith("21  Frequency  refused:"));
        QCOMPARE(f.memory()->model->data(f.memory()->model->index(20, FieldSplitFreq)).toString(),
                 QString("29.520.000"));
    }

    void japaneseTexts() {
        AppOptions options;
        options.language = UiLanguage::Japanese;
        MainWindowFixture f(options);
        QVERIFY(f.load());
        f.prompts.fileNames = {f.path("x.csv")};
        f.w().action(QStringLiteral("mnuExport"))->trigger();
        QVERIFY(f.prompts.shown.last().text.startsWith(QStringLiteral("CSVファイルの形式:")));
        const QString csv = f.path("j.csv");
        QVERIFY(writeFile(csv, "Location,Frequency\r\n1,99\r\n"));
        f.prompts.fileNames = {csv};
        f.w().action(QStringLiteral("mnuImport"))->trigger();
        QVERIFY(f.prompts.shown.last().text.contains(QStringLiteral("行を拒否しました")));
        QVERIFY(f.prompts.reportLines.value(0).contains(QStringLiteral("拒否")));
        SetUiLanguage(UiLanguage::English);
    }
};

QTEST_MAIN(TestCsvLayouts)
#include "tst_csv_layouts.moc"
