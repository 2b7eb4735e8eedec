#pragma once
// What the channel edit dialog shows when it opens and what its OK stores: the values behind its controls,
// taken from and put back into a ChannelTable entry or a VfoTable record. No widgets here.
#include "channels/FrequencyEntry.h"
#include "image/CloneImage.h"
#include <QString>

// Where the dialog was opened from (EditSource): 0 the VFO grid, 1 the memory grid.
enum class EditSource { Vfo = 0, Memory = 1 };

// The dialog's controls as values. A combo index of -1 shows the combo empty: the stored code is outside
// its list and is kept unless the user picks an item.
struct EditFields {
    FrequencyBoxes frequency;
    FrequencyBoxes split;
    int mode = 1;
    int gain = 0;
    int agc = 1;
    int power = 0;
    int filter = 0;
    int tone = 0; // 0 "Off", 1 "On"
    int nb = 0;   // 0 "Off", 1 "On", -1 outside the list
    bool skip = false;
    QString name;
    bool operator==(const EditFields &) const = default;
};

// Combo items in list order; each index is the field's code.
const QStringList &EditModeItems();   // "USB", "LSB", "CWU", "CWL", "AM", "FM"
const QStringList &EditGainItems();   // "0", "-10", "-20", "+10"
const QStringList &EditAGCItems();    // "Fast", "Slow"
const QStringList &EditPowerItems();  // "High", "Low", "S-Low"
const QStringList &EditFilterItems(); // "Wide", "Narrow"
const QStringList &EditOnOffItems();  // "Off", "On" (Tone and Noise Blanker)

// The new-channel contents: 7 / 050 / 000 for the KT-M40J, 7 / 100 / 000 for the others, in both
// frequency rows; LSB, 0, Slow, High, Wide, tone Off, NB Off, no skip, no name.
EditFields NewChannelFields(int variant);
// What the dialog shows for channel k (a used channel's values, else the new-channel contents) or VFO n.
EditFields EditFieldsFor(const CloneImage &image, EditSource source, int index);

// The frequency of three boxes in hertz; -1 when a box is empty or holds anything but digits.
qint64 FrequencyFromBoxes(const FrequencyBoxes &boxes);
// "The frequency is outside the range. " CR LF TAB and the range text of the range flag.
QString OutOfRangeMessage(bool wideRange);

// OK: checks the frequency (and for a channel the split frequency) against the range of image.WideRange
// and stores the fields into channel or VFO index. Nothing is stored unless every frequency passes; then
// the refusal message is returned in *message. A channel becomes used.
bool ApplyEditFields(CloneImage &image, EditSource source, int index, const EditFields &fields,
                     QString *message);
// The same without the range check, for restoring a lossless copy: a clone file may hold any frequency a
// record can (0 to 4,294,967,295 Hz), and what it holds comes back. The frequencies must be whole boxes.
void StoreEditFields(CloneImage &image, EditSource source, int index, const EditFields &fields);
