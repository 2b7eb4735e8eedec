#pragma once
// Records and blocks written out as the radio holds them, for building test input.
#include "image/HexText.h"
#include <QString>

// The worked example channel: used, 7.050.000 LSB, gain 0, AGC Fast, High, Wide, tone and NB off, split
// 7.050.000, name ABC.
inline const QString AbcRecord =
    QStringLiteral("8001000000000000000000000000000010936B003A3B3C000000000010936B00");

// record (or settings block) with byte number `byte` replaced by value.
inline QString withByte(QString record, int byte, int value) {
    record.replace(2 * byte, 2, HexByte(value));
    return record;
}
