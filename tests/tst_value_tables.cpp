// The value tables and fixed texts the radio and its files depend on, entry by entry, and the text every
// code of a record field shows (written out here; one changed entry fails).
#include "channels/ChannelRecord.h"
#include "image/Messages.h"
#include "image/TextTables.h"
#include "support/RecordText.h"
#include <QtTest>

namespace {
const QString UsedChannel = "80" + QString(62, '0');
} // namespace

class TestValueTables : public QObject {
    Q_OBJECT
  private slots:
    void tables() {
        const TextTables &t = Tables();
        QCOMPARE(t.ModeTable, QStringList({"USB", "LSB", "CWU", "CWL", "AM", "FM"}));
        QCOMPARE(t.ToneTable,
                 QStringList({"67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",
                              "85.4Hz",  "88.5Hz",  "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz",
                              "107.2Hz", "110.9Hz", "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz",
                              "136.5Hz", "141.3Hz", "146.2Hz", "151.4Hz", "156.7Hz", "162.2Hz", "167.9Hz",
                              "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz", "203.5Hz", "210.7Hz", "218.1Hz",
                              "225.7Hz", "233.6Hz", "241.8Hz", "250.3Hz"}));
        QCOMPARE(
            t.DcsTable.join(' '),
            QString("023 025 026 031 032 036 043 047 051 053 054 065 071 072 073 074 114 115 116 122 125 "
                    "131 132 134 143 145 152 155 156 162 165 172 174 205 212 223 225 226 243 244 245 246 "
                    "251 252 255 261 263 265 266 271 274 306 311 315 325 331 332 343 346 351 356 364 365 "
                    "371 411 412 413 423 431 432 445 446 452 454 455 462 464 465 466 503 506 516 523 526 "
                    "532 546 565 606 612 624 627 631 632 654 662 664 703 712 723 731 732 734 743 754"));
        QCOMPARE(t.DcsTable.size(), 104);
        QCOMPARE(t.StepTable, QStringList({"5KHz", "10KHz", "12.5KHz", "15KHz", "20KHz", "25KHz", "30KHz"}) +
                                  QStringList(12, ""));
        QCOMPARE(t.FileEndLine, QString("Korvan  KT-M40  Clone  File  End"));
        QCOMPARE(t.AppTitle, QString("Korvan KT-M40 Clone Utility"));
    }

    void messagesAndVariants() {
        QCOMPARE(QStringList({CommunicationErrorText, ComPortErrorText, DataErrorText, FileOpenErrorText,
                              ErrorTitle, SaveQuestionText, SaveQuestionTitle, OutOfRangeText}),
                 QStringList({"Communication Error", "COM Port Error", "Data Error", "File Open Error",
                              "ERROR", "Save changes to settings?", "Save Changes",
                              "The frequency is outside the range. "}));
        const QStringList captions = {"KT-M40J", "KTM-40T", "KT-M40E", "KT-M40A"};
        const QStringList codes = {"33", "66", "99", "CC"};
        for (int v = 0; v < 4; ++v) {
            QCOMPARE(VariantCaption(v), captions[v]);
            QCOMPARE(VariantFromIdCode(codes[v]), v);
        }
        for (const char *other : {"", "3", "34", "65", "98", "cc", "CB", "DD", "333"})
            QCOMPARE(VariantFromIdCode(other), -1);
    }

    // Every code 0..255 of each coded field shows its text and is written back unchanged.
    void everyCodeOfEveryField() {
        struct Field {
            int field, byte;
            QStringList texts; // by code; the last one for every code beyond
            int below = 0;     // tone: the first code that shows the last text
        };
        const QList<Field> fields = {
            {FieldGain, 2, {"0", "-10", "-20", "+10"}}, {FieldAGC, 3, {"Fast", "Slow"}},
            {FieldPwr, 4, {"High", "Low", "S-Low"}},    {FieldFilter, 6, {"Wide", "Narrow"}},
            {FieldTone, 7, {"Off", "On"}, 128},         {FieldNB, 9, {"Off", "On"}}};
        for (const Field &f : fields)
            for (int code = 0; code < 256; ++code) {
                const QString record = withByte(UsedChannel, f.byte, code);
                CloneImage image;
                QVERIFY(UpdateMemData(image, record, 0));
                const int at = f.below ? (code < f.below ? 0 : 1) : qMin(code, int(f.texts.size()) - 1);
                QCOMPARE(image.ChannelTable[0].field[f.field].text, f.texts[at]);
                QCOMPARE(image.ChannelTable[0].field[f.field].value, double(code));
                QCOMPARE(MakeMemData(image, 0), record);
            }
        const QStringList modes = {"USB", "LSB", "CWU", "CWL", "AM", "FM"};
        for (int code = 0; code < 256; ++code) {
            CloneImage image;
            QCOMPARE(UpdateMemData(image, withByte(UsedChannel, 1, code), 0), code < 6);
            if (code < 6) QCOMPARE(image.ChannelTable[0].field[FieldMode].text, modes[code]);
        }
    }
};

QTEST_GUILESS_MAIN(TestValueTables)
#include "tst_value_tables.moc"
