// The printed document's content (which channels, labels, texts, the settings and VFOs, the page header
// texts) and how its tables are broken into pages.
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/NewImage.h"
#include "image/HexText.h"
#include "image/UiText.h"
#include "print/document/PrintDocument.h"
#include "support/RecordText.h"
#include <QtTest>

namespace {
PrintTable table(int rows, bool heading) {
    PrintTable t;
    if (heading) t.columns = QStringList{"", "Frequency"};
    t.columnWidths = {650, 900};
    for (int r = 0; r < rows; ++r)
        t.rows << QStringList{QString::number(r), "x"};
    return t;
}
} // namespace

Q_DECLARE_METATYPE(std::vector<PrintTable>)
Q_DECLARE_METATYPE(std::vector<PrintPage>)

class TestPrintDocument : public QObject {
    Q_OBJECT
  private slots:
    // Only used channels, in index order, with row labels and every field; and the VFOs as their grid shows
    // them.
    void onlyUsedChannelsInIndexOrderWithRowLabelsAndEveryField() {
        CloneImage image = NewCloneImage(VariantE);
        // VFO B: 14.195.000 USB, gain code 2, AGC 0, power 2, filter 1, tone byte 80, NB 1
        QVERIFY(
            UpdateVFORecord(image, "800002000200018000010000000000003899D800000000000000000000000000", 1));
        QVERIFY(UpdateMemData(image, AbcRecord, 603));
        QVERIFY(UpdateMemData(image, withByte(withByte(AbcRecord, 0, 0x88), 1, 5), 200));
        QVERIFY(UpdateMemData(image, withByte(AbcRecord, 7, 0x8C), 0));
        QVERIFY(UpdateMemData(image, withByte(AbcRecord, 0, 0xFF), 401)); // empty: not printed
        const PrintDocument doc = BuildPrintDocument(image, QString(), QDate(2026, 12, 6));
        const PrintTable &channels = doc.tables[PrintChannels];
        QCOMPARE(channels.columns, (QStringList{"", "Frequency", "Mode", "Gain", "AGC", "Pwr", "Filter",
                                                "Tone", "NB", "Split Freq.", "Name", "Skip"}));
        QCOMPARE(channels.columnWidths,
                 (QList<int>{650, 900, 600, 450, 600, 600, 650, 600, 600, 900, 900, 600}));
        QCOMPARE(channels.rows.size(), 3);
        QCOMPARE(channels.rows[0], (QStringList{"0", "7.050.000", "LSB", "0", "Fast", "High", "Wide", "On",
                                                "Off", "7.050.000", "ABC", ""}));
        QCOMPARE(channels.rows[1], (QStringList{"A  0", "7.050.000", "FM", "0", "Fast", "High", "Wide", "Off",
                                                "Off", "7.050.000", "ABC", "Skip"}));
        QCOMPARE(channels.rows[2].first(), QStringLiteral("B-P2"));
        QCOMPARE(channels.title, QStringLiteral("Memory channels (3 of 604 used)"));
        const PrintTable &vfos = doc.tables[PrintVfos];
        QCOMPARE(vfos.columns,
                 (QStringList{"", "Frequency", "Mode", "Gain", "AGC", "Pwr", "Filter", "Tone", "NB"}));
        QCOMPARE(vfos.rows.size(), 2);
        QCOMPARE(vfos.rows[0],
                 (QStringList{"VFO A", "7.100.000", "LSB", "0", "Slow", "High", "Wide", "Off", "Off"}));
        QCOMPARE(vfos.rows[1],
                 (QStringList{"VFO B", "14.195.000", "USB", "-20", "Fast", "S-Low", "Narrow", "On", "On"}));
    }

    void pageHeaderTexts_data() {
        QTest::addColumn<int>("variant");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("model");
        QTest::newRow("J") << 0 << false << "/home/op/radio.M40" << QString("radio.M40")
                           << "KT-M40J (1.6MHz - 30MHz)";
        QTest::newRow("T wide") << 1 << true << "rel/dir/Club Net.M40" << QString("Club Net.M40")
                                << "KTM-40T (150KHz - 35MHz)";
        QTest::newRow("A untitled") << 3 << false << QString() << "(untitled)"
                                    << QString("KT-M40A (1.6MHz - 30MHz)");
    }
    void pageHeaderTexts() {
        QFETCH(int, variant);
        QFETCH(bool, wide);
        QFETCH(QString, path);
        const PrintDocument doc = BuildPrintDocument(NewCloneImage(variant, wide), path, QDate(2027, 3, 9));
        QTEST(doc.fileName, "fileName");
        QTEST(doc.model, "model");
        QCOMPARE(doc.date, QStringLiteral("2027-03-09"));
        QCOMPARE(PageNumberText(2, 7), QStringLiteral("Page 2 of 7"));
        // an empty memory prints its empty line
        QVERIFY(doc.tables[PrintChannels].rows.isEmpty());
        QCOMPARE(doc.tables[PrintChannels].title, QStringLiteral("Memory channels (0 of 604 used)"));
        QCOMPARE(doc.tables[PrintChannels].emptyText, QStringLiteral("No channel is in use."));
    }

    void settingsInThePagesThreeColumns() {
        CloneImage image = NewCloneImage(); // the default blocks, decoded
        const PrintTable settings = BuildPrintDocument(image, QString(), QDate()).tables[PrintSettings];
        QCOMPARE(settings.title, QStringLiteral("Settings"));
        QVERIFY(settings.columns.isEmpty());
        const QList<QStringList> expected = {
            {"SSB Step", "100Hz", "Key Lock", "Off", "Key Paddle", "Normal"},
            {"AM Step", "1.0KHz", "RIT / TXIT", "Off", "Side Tone", "800Hz"},
            {"FM Step", "2.5KHz", "Split", "Off", "Break In", "AUTO"},
            {"Memory Protection", "Off", "Scan Skip", "Skip", "Key Ratio", "3.0"},
            {"Memory Access", "On", "Dimmer", "32", "Tone Frequency", "88.5Hz"},
            {"Scan Time", "  2S", "Beep", "On", "Speech Compressor", "Off"},
            {"Scan Type", "Band", "Auto USB/LSB", "On", "PTT Lock", "Off"},
            {"Search Range", " 50KHz", "Auto AGC", "On", "Auto Power Off", "Off"},
            {"", "", "TXIT Enable", "On", "Up Down Key", "Repeat"},
            {"", "", "Electronic Keyer", "On", "Func Key Resume", "Manual"},
            {"", "", "Key Speed(WPM)", "20", "", ""},
        };
        QCOMPARE(settings.rows, expected);
        QCOMPARE(settings.columnWidths.size(), 6);

        // the page's selections, not the blocks, are what is printed
        image.Settings.byName("cmbDimmer") = 64;
        image.Settings.byName("cmbPaddle") = 1;
        const PrintTable changed = BuildPrintDocument(image, QString(), QDate()).tables[PrintSettings];
        QCOMPARE(changed.rows[4][3], QStringLiteral("64"));
        QCOMPARE(changed.rows[0][5], QStringLiteral("Revers"));
    }

    void textsInJapanese() {
        SetUiLanguage(UiLanguage::Japanese);
        const PrintDocument doc = BuildPrintDocument(NewCloneImage(), QString(), QDate(2026, 12, 6));
        const QString page = PageNumberText(3, 4);
        SetUiLanguage(UiLanguage::English);
        QCOMPARE(doc.tables[PrintChannels].title, QStringLiteral("メモリーチャンネル (604 中 0 使用)"));
        QCOMPARE(doc.tables[PrintSettings].title, QStringLiteral("設定"));
        QCOMPARE(doc.fileName, QStringLiteral("(無題)"));
        QCOMPARE(page, QStringLiteral("3 / 4 ページ"));
        // the radio's own texts stay as the grids show them
        QCOMPARE(doc.tables[PrintChannels].columns[1], QStringLiteral("Frequency"));
    }

    void pageBreaks_data() {
        QTest::addColumn<std::vector<PrintTable>>("tables");
        QTest::addColumn<int>("lines");
        QTest::addColumn<std::vector<PrintPage>>("pages");
        // 100 rows on 50-line pages: title + heading + 48, heading + 49, heading + 3; then the settings
        // (blank, title, 11) and the VFOs (blank, title, heading, 2) fill the third page to 22 lines.
        QTest::newRow("long table continues with its heading")
            << std::vector<PrintTable>{table(100, true), table(11, false), table(2, true)} << 50
            << std::vector<PrintPage>{{{0, 0, 48, true}},
                                      {{0, 48, 49, false}},
                                      {{0, 97, 3, false}, {1, 0, 11, true}, {2, 0, 2, true}}};
        // 12 lines used; the settings need 13 more of 20: they go whole to the next page, the VFOs follow.
        QTest::newRow("short table is not split")
            << std::vector<PrintTable>{table(10, true), table(11, false), table(2, true)} << 20
            << std::vector<PrintPage>{{{0, 0, 10, true}}, {{1, 0, 11, true}, {2, 0, 2, true}}};
        // 46 of 50 used: blank + title + heading + one row still fit, so the long table starts there.
        QTest::newRow("long table starts where one row fits")
            << std::vector<PrintTable>{table(44, true), table(100, true)} << 50
            << std::vector<PrintPage>{{{0, 0, 44, true}, {1, 0, 1, true}},
                                      {{1, 1, 49, false}},
                                      {{1, 50, 49, false}},
                                      {{1, 99, 1, false}}};
        // 47 used: only two lines left, no row would fit under the heading.
        QTest::newRow("long table moves on when no row fits")
            << std::vector<PrintTable>{table(45, true), table(100, true)} << 50
            << std::vector<PrintPage>{
                   {{0, 0, 45, true}}, {{1, 0, 48, true}}, {{1, 48, 49, false}}, {{1, 97, 3, false}}};
        QTest::newRow("empty table takes title, heading and its line")
            << std::vector<PrintTable>{table(0, true), table(2, true)} << 8
            << std::vector<PrintPage>{{{0, 0, 0, true}, {1, 0, 2, true}}};
        QTest::newRow("tiny page still holds a row a page")
            << std::vector<PrintTable>{table(2, true)} << 1
            << std::vector<PrintPage>{{{0, 0, 1, true}}, {{0, 1, 1, false}}};
        QTest::newRow("no tables: one blank page")
            << std::vector<PrintTable>{} << 40 << std::vector<PrintPage>{{}};
    }
    void pageBreaks() {
        QFETCH(std::vector<PrintTable>, tables);
        QFETCH(int, lines);
        QFETCH(std::vector<PrintPage>, pages);
        const std::vector<PrintPage> got = PaginateTables(tables, lines);
        QCOMPARE(got.size(), pages.size());
        for (size_t n = 0; n < pages.size(); ++n)
            QVERIFY2(got[n] == pages[n], qPrintable(QStringLiteral("page %1 differs").arg(n + 1)));
    }

    void everyRowOnExactlyOnePageAndNoPageOverfull_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("lines");
        for (int rows : {0, 1, 57, 604})
            for (int lines : {4, 17, 52, 80})
                QTest::addRow("%d rows, %d lines", rows, lines) << rows << lines;
    }
    void everyRowOnExactlyOnePageAndNoPageOverfull() {
        QFETCH(int, rows);
        QFETCH(int, lines);
        const std::vector<PrintTable> tables{table(rows, true), table(11, false), table(2, true)};
        int next[3] = {0, 0, 0};
        for (const PrintPage &page : PaginateTables(tables, lines)) {
            int used = 0;
            for (const PageSlice &s : page) {
                QCOMPARE(s.firstRow, next[s.table]); // in order, nothing skipped or repeated
                QCOMPARE(s.withTitle, s.firstRow == 0);
                next[s.table] += s.rowCount;
                used += (used > 0 ? 1 : 0) + (s.withTitle ? 1 : 0) +
                        (tables[size_t(s.table)].columns.isEmpty() ? 0 : 1) +
                        std::max(s.rowCount, tables[size_t(s.table)].rows.isEmpty() ? 1 : 0);
            }
            QVERIFY2(used <= lines,
                     qPrintable(QStringLiteral("%1 lines on a page of %2").arg(used).arg(lines)));
        }
        QCOMPARE(next[0], rows);
        QCOMPARE(next[1], 11);
        QCOMPARE(next[2], 2);
    }
};

QTEST_GUILESS_MAIN(TestPrintDocument)
#include "tst_print_document.moc"
