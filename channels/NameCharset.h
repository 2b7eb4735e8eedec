#pragma once
// The radio's name characters: 48 codes 0x30..0x5F, digits, upper-case letters, blank and twelve symbols.
#include <QString>
#include <array>
#include <cstdint>

using NameBytes = std::array<std::uint8_t, 8>;

// Code of a character, or -1 when the radio cannot store it.
int NameCode(QChar c);
// Character of a code, or a null QChar when the code stands for none.
QChar NameChar(int code);

// Decoding stops at the first code that gives no character.
QString DecodeName(const NameBytes &codes);
// Encoding stops at the first character that has no code; at most eight characters; the rest 0x00.
NameBytes EncodeName(const QString &text);
// The longest prefix of text that EncodeName stores whole (at most eight characters).
QString StorableName(const QString &text);
