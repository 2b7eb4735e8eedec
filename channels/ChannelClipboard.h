#pragma once
// Channels on the clipboard: as tab-separated text under a header of the memory grid's column titles (for
// spreadsheets), and in the program's own lossless form (the channels' 64-digit records). Pasting either
// back checks every channel by the edit dialog's rules first and changes nothing when one breaks them.
#include "image/CloneImage.h"
#include <QList>
#include <QString>

// The clipboard format of the lossless form.
inline const QString ChannelsMimeType = QStringLiteral("application/x-kt-m40-channels");
// Its first line.
inline const QString LosslessHeader = QStringLiteral("KT-M40 channels");

// A header line of the column titles "Frequency" .. "Skip", then one line per channel with its grid texts
// (an empty channel gives empty cells); lines end with LF.
QString ChannelsToTsv(const CloneImage &image, const QList<int> &channels);
// LosslessHeader, then each channel's record as 64 hexadecimal digits, one a line.
QString ChannelsToLossless(const CloneImage &image, const QList<int> &channels);

// A frequency as the grid writes it ("7.050.000"), in whole hertz ("7050000") or in megahertz with one
// decimal point ("7.05", "14.195"), a unit optional (FieldValueReader); -1 when the text is none of these.
qint64 ParseFrequencyText(const QString &text);

struct ChannelPaste {
    bool ok = false;
    int count = 0;   // channels written
    QString message; // why nothing was written: the row and the field
};

// Writes the channels of `text` (the lossless form when it starts with LosslessHeader, else tab-separated
// text with or without the header line) into channels first, first + 1, ... A tab-separated line takes the
// grid's texts; an empty cell takes what a new channel holds in the edit dialog, an empty Split Freq. the
// frequency, a line of empty cells empties its channel. Values are read by FieldValueReader (a decimal
// comma taken, as the text is tab-separated). Frequencies must lie in the image's range, names keep to the
// radio's characters (lower case is taken as upper case), every other field to its list.
ChannelPaste PasteChannels(CloneImage &image, int first, const QString &text);
