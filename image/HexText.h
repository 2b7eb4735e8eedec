#pragma once
// The hexadecimal text form shared by every record: 32 bytes as 64 upper-case digits, byte 0 first.
#include <QString>
#include <array>
#include <cstdint>

using RecordBytes = std::array<std::uint8_t, 32>;

// Whether c is a hexadecimal digit (0-9, A-F, a-f).
bool IsHexDigit(char c);
// Byte as two upper-case digits ("A5", "0E", "00").
QString HexByte(int value);
// Lenient read of the pair for byte i (characters 2i+1 and 2i+2, counting from 1); missing characters read as
// 0.
int ReadHexPair(const QString &text, int byteIndex);
// All 32 bytes of a record text, leniently.
RecordBytes ReadRecordBytes(const QString &text);
// The 64-digit text of 32 bytes.
QString RecordText(const RecordBytes &bytes);
// Little-endian 32-bit number at bytes [at, at+3].
std::uint32_t ReadLe32(const RecordBytes &bytes, int at);
void WriteLe32(RecordBytes &bytes, int at, std::uint32_t value);
