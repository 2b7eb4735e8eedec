#include "image/HexText.h"

namespace {
int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
}
} // namespace

bool IsHexDigit(char c) {
    return hexDigit(QLatin1Char(c)) >= 0;
}

QString HexByte(int value) {
    return QString::number(value & 0xFF, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

int ReadHexPair(const QString &text, int byteIndex) {
    // blanks are skipped, the first other non-digit ends the number: "1G" is 1, "G1" is 0, " 5" is 5
    int value = 0;
    for (int i = 2 * byteIndex; i < 2 * byteIndex + 2 && i < text.size(); ++i) {
        if (text[i] == QLatin1Char(' ')) continue;
        const int d = hexDigit(text[i]);
        if (d < 0) break;
        value = value * 16 + d;
    }
    return value;
}

RecordBytes ReadRecordBytes(const QString &text) {
    RecordBytes b{};
    for (int i = 0; i < 32; ++i)
        b[i] = static_cast<std::uint8_t>(ReadHexPair(text, i));
    return b;
}

QString RecordText(const RecordBytes &bytes) {
    static const char digits[] = "0123456789ABCDEF";
    QString s(64, QLatin1Char('0'));
    for (int i = 0; i < 32; ++i) {
        s[2 * i] = QLatin1Char(digits[bytes[i] >> 4]);
        s[2 * i + 1] = QLatin1Char(digits[bytes[i] & 0xF]);
    }
    return s;
}

std::uint32_t ReadLe32(const RecordBytes &bytes, int at) {
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16 |
           std::uint32_t(bytes[at + 3]) << 24;
}

void WriteLe32(RecordBytes &bytes, int at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
