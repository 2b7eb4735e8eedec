// The radio's name characters: every one of the 48 codes to its character and back, alone and inside a
// channel record, and every other code and character refused. The table is written out here.
#include "channels/ChannelRecord.h"
#include "channels/NameCharset.h"
#include <QtTest>

namespace {
struct Code {
    int code;
    char16_t character;
};

// 0x30..0x39 digits, 0x3A..0x53 letters (ASCII - 7), then the blank and the twelve symbols.
std::vector<Code> radioCodes() {
    std::vector<Code> out;
    for (char16_t c = u'0'; c <= u'9'; ++c)
        out.push_back({c, c});
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        out.push_back({c - 7, c});
    const std::vector<Code> symbols = {{0x54, u' '}, {0x55, u'*'}, {0x56, u'#'},  {0x57, u'+'},
                                       {0x58, u'-'}, {0x59, u'/'}, {0x5A, u'\\'}, {0x5B, u'='},
                                       {0x5C, u'('}, {0x5D, u')'}, {0x5E, u'$'},  {0x5F, u'_'}};
    out.insert(out.end(), symbols.begin(), symbols.end());
    return out;
}

int codeOf(char16_t c) {
    for (const Code &k : radioCodes())
        if (k.character == c) return k.code;
    return -1;
}
} // namespace

class TestNameCharsetTable : public QObject {
    Q_OBJECT
  private slots:
    void everyCharacterToItsCodeAndBack_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("character");
        for (const Code &k : radioCodes())
            QTest::addRow("%02X", k.code) << k.code << QString(QChar(k.character));
    }
    void everyCharacterToItsCodeAndBack() {
        QFETCH(int, code);
        QFETCH(QString, character);
        QCOMPARE(radioCodes().size(), std::size_t(48));
        // as a whole name, between two letters, and as the eighth character
        const QString name = "A" + character + "B";
        QCOMPARE(EncodeName(name), (NameBytes{0x3A, std::uint8_t(code), 0x3B, 0, 0, 0, 0, 0}));
        QCOMPARE(DecodeName({0x3A, std::uint8_t(code), 0x3B}), name);
        const QString eighth = "1234567" + character;
        QCOMPARE(EncodeName(eighth)[7], std::uint8_t(code));
        QCOMPARE(DecodeName(EncodeName(eighth)), eighth);

        // inside a channel record, at bytes 20 to 27
        CloneImage image;
        image.ChannelUsed[0] = true;
        image.ChannelTable[0].field[FieldName].text = name;
        const QString record = MakeMemData(image, 0);
        QCOMPARE(record.mid(40, 16), "3A" + HexByte(code) + "3B" + QString(10, '0'));
        CloneImage back;
        QVERIFY(UpdateMemData(back, record, 0));
        QCOMPARE(back.ChannelTable[0].field[FieldName].text, name);
    }

    // Any code outside 0x30..0x5F ends the name, wherever it stands.
    void everyOtherCodeEndsTheName() {
        for (int code = 0; code < 256; ++code) {
            const bool inSet = code >= 0x30 && code <= 0x5F;
            const QString decoded = DecodeName({0x3A, std::uint8_t(code), 0x3B});
            QCOMPARE(decoded.size(), inSet ? 3 : 1);
            QCOMPARE(DecodeName({std::uint8_t(code), 0x3A}).isEmpty(), !inSet);
        }
    }

    // Lower-case letters and every other printable character cut the name where they stand.
    void everyOtherCharacterCutsTheName() {
        for (char16_t c = 0x20; c < 0x7F; ++c) {
            const QString text = QStringLiteral("AB") + QChar(c) + QStringLiteral("CD");
            const NameBytes bytes = EncodeName(text);
            const int code = codeOf(c);
            if (code < 0)
                QCOMPARE(bytes, (NameBytes{0x3A, 0x3B, 0, 0, 0, 0, 0, 0}));
            else
                QCOMPARE(bytes, (NameBytes{0x3A, 0x3B, std::uint8_t(code), 0x3C, 0x3D, 0, 0, 0}));
        }
        QCOMPARE(EncodeName(QString::fromUtf8("AÄB")), (NameBytes{0x3A, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(StorableName("CQ*#DX?"), QString("CQ*#DX"));
    }
};

QTEST_GUILESS_MAIN(TestNameCharsetTable)
#include "tst_name_charset_table.moc"
