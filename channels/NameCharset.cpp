#include "channels/NameCharset.h"

namespace {
// codes 0x54..0x5F in order
const char16_t symbols[] = u" *#+-/\\=()$_";
} // namespace

int NameCode(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u;
    if (u >= 'A' && u <= 'Z') return u - 7;
    for (int i = 0; i < 12; ++i)
        if (symbols[i] == u) return 0x54 + i;
    return -1;
}

QChar NameChar(int code) {
    if (code >= 0x30 && code <= 0x39) return QChar(code);
    if (code >= 0x3A && code <= 0x53) return QChar(code + 7);
    if (code >= 0x54 && code <= 0x5F) return QChar(symbols[code - 0x54]);
    return QChar();
}

QString DecodeName(const NameBytes &codes) {
    QString name;
    for (std::uint8_t code : codes) {
        const QChar c = NameChar(code);
        if (c.isNull()) break;
        name += c;
    }
    return name;
}

NameBytes EncodeName(const QString &text) {
    NameBytes codes{};
    for (int i = 0; i < 8 && i < text.size(); ++i) {
        const int code = NameCode(text[i]);
        if (code < 0) break;
        codes[i] = static_cast<std::uint8_t>(code);
    }
    return codes;
}

QString StorableName(const QString &text) {
    return DecodeName(EncodeName(text));
}
