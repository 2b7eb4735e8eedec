#include "image/CloneImage.h"

const char *const DefaultSetData1 = "A50000000003000E000000000000000000000320010101010808080000000000";
const char *const DefaultSetData2 = "0000000000000000000001010100000000000000000000000000000000000000";

QString BlockAddress(int k) {
    // 0x60 + 2k in 16-byte units, padded to three digits, then "0": 0600, 0FE0, 1000, 5160
    return QString::number(0x60 + 2 * k, 16).toUpper().rightJustified(3, QLatin1Char('0')) + QLatin1Char('0');
}

void LoadDefaultSettings(CloneImage &image) {
    image.SetData1 = QString::fromLatin1(DefaultSetData1);
    image.SetData2 = QString::fromLatin1(DefaultSetData2);
}

void EmptyChannel(CloneImage &image, int k) {
    image.ChannelTable[k] = ChannelEntry{};
    image.ChannelUsed[k] = false;
}

void EmptyMemory(CloneImage &image) {
    for (int k = 0; k < ChannelCount; ++k)
        EmptyChannel(image, k);
}

void ClearTables(CloneImage &image) {
    image.WideRange = false;
    EmptyMemory(image);
    image.VfoTable = {};
}

FrequencyRange FrequencyRangeFor(bool wideRange) {
    if (wideRange) return {150000, 35000000, QStringLiteral("(150KHz - 35MHz)")};
    return {1600000, 30000000, QStringLiteral("(1.6MHz - 30MHz)")};
}

QString VariantCaption(int variant) {
    static const char *const captions[4] = {"KT-M40J", "KTM-40T", "KT-M40E", "KT-M40A"};
    return QString::fromLatin1(captions[variant & 3]);
}

QString VariantLetter(int variant) {
    return QString(QLatin1Char("JTEA"[variant & 3]));
}

int VariantFromLetter(const QString &letter) {
    const int i = QStringLiteral("JTEA").indexOf(letter.toUpper());
    return letter.size() == 1 ? i : -1;
}

int VariantFromIdCode(const QString &code) {
    static const char *const codes[4] = {"33", "66", "99", "CC"};
    for (int v = 0; v < 4; ++v)
        if (code == QLatin1String(codes[v])) return v;
    return -1;
}
