#pragma once
// Memory channel records: 32 bytes <-> ChannelTable entry, and the display texts of the fields.
#include "image/CloneImage.h"
#include "image/HexText.h"
#include <QString>

// "7.050.000" from 7050000; "0.150.000" from 150000; "14.195.000" from 14195000.
QString FormatFrequencyText(qint64 hz);

// Display texts of the coded fields, by code (any other code gets the "other" text).
QString GainText(int code);   // 0 "0", 1 "-10", 2 "-20", else "+10"
QString AGCText(int code);    // 0 "Fast", else "Slow"
QString PwrText(int code);    // 0 "High", 1 "Low", else "S-Low"
QString FilterText(int code); // 0 "Wide", else "Narrow"
QString ToneText(int code);   // below 128 "Off", else "On"
QString NBText(int code);     // 0 "Off", else "On"

// Grid column headers of the memory grid ("Frequency" .. "Skip") and of the VFO grid (the first eight).
const QStringList &ChannelFieldNames();
// A field's name as the window and the printed page show it, in the window's language (the names above are
// the files' and the clipboard's).
QString ShownFieldName(int field);
// A field's display text as the window shows it: the words (Fast, Slow, High, Low, S-Low, Wide, Narrow, Off,
// On, Skip) in the window's language; frequencies, modes, gains and names as they are. The table keeps the
// English text, which the files and the clipboard carry.
QString ShownFieldValue(const QString &text);

// Decodes a 64-digit record into entry k. False when a used record's mode byte is above 5;
// the entry is then left as it was.
bool UpdateMemData(CloneImage &image, const QString &record, int k);
// The 64-digit record text of entry k.
QString MakeMemData(const CloneImage &image, int k);

// Fields 0..7 (Frequency to NB), shared by channel and VFO records: bytes 1-4, 6, 7, 9 and 16-19.
// DecodeRadioFields is false when the mode byte is above 5 (no text for it) and then writes nothing.
bool DecodeRadioFields(const RecordBytes &bytes, FieldSlot *fields);
void EncodeRadioFields(const FieldSlot *fields, RecordBytes &bytes);
