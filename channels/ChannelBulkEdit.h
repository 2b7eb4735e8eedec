#pragma once
// Work on many channels at once: one field set on every selected channel, the selection sorted, a channel
// found by name or frequency. Each checks the edit dialog's rules first and changes nothing when they break.
#include "image/CloneImage.h"
#include <QList>
#include <QString>
#include <QStringList>

// The fields Set Field offers, in its list order.
enum class BulkField { Mode, Gain, AGC, Power, Filter, Tone, NB, Skip };
constexpr int BulkFieldCount = 8;
// "Mode", "Gain", "AGC", "Pwr", "Filter", "Tone", "NB", "Skip": the grid's column titles.
QString BulkFieldName(BulkField field);
// The same title in the window's language, as the grid's header shows it.
QString ShownBulkFieldName(BulkField field);
// The values a field takes, as the edit dialog lists them (Skip: "Off", "On").
QStringList BulkFieldValues(BulkField field);

struct BulkEdit {
    bool ok = false;
    int changed = 0; // channels whose record changed
    QString message; // why nothing changed
};

// Sets `field` to value number `value` on every used channel among `channels` (empty ones are left
// empty), storing it as the edit dialog's OK does. Refused, with the row and field named, when a channel
// holds a frequency outside the image's range (the dialog could not store it either), and when no selected
// channel is used.
BulkEdit SetChannelField(CloneImage &image, const QList<int> &channels, BulkField field, int value);

enum class SortKey { Frequency, Name };
// Sorts the channels held by the rows `channels` among those rows: by frequency (then name) or by name
// ignoring case (then frequency), empty channels last; rows keep their places, their contents move.
// Refused when fewer than two rows are given.
BulkEdit SortChannels(CloneImage &image, const QList<int> &channels, SortKey key);

enum class FindBy { Name, Frequency };
// The first used channel after `after` (going round past the last row to the first, `after` itself last)
// whose name holds `query` ignoring case, or whose frequency is the one `query` gives (as a paste reads
// it); -1 when none does or the query gives no frequency.
int FindChannel(const CloneImage &image, const QString &query, FindBy by, int after);
