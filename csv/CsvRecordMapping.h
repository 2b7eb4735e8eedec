#pragma once
// Where an imported CSV record is stored: the one mapping from a recognized record to a channel entry or
// a VFO record.
//
// Every record starts from the edit dialog's values for a new channel (CsvNewChannelEntry) and replaces
// the entry or VFO record whole:
//   Frequency   FREQUENCY in MHz, hertz = round(MHz x 1,000,000)
//   Split Freq. the frequency minus round(SHIFT FREQUENCY x 1,000,000) for "-Shift", plus it for "+Shift",
//               else the frequency itself
//   Gain        ATT 10 gives 1 "-10", 20 gives 2 "-20", anything else 0 "0"
//   Pwr         Power "Hi" gives 0 "High", anything else 1 "Low"
//   Tone        TONE "Tone", "TSQ" or "DCS" gives 128 "On", anything else 0 "Off"
//   Name        the six characters read, upper-cased, cut at the first one the radio cannot store
//   Skip        "On" gives 1 "Skip", anything else 0 ""
//   Mode, AGC, Filter, NB keep "LSB", "Slow", "Wide", "Off"; STEP, TXTONE, RXTONE, DCS, BS, Clock and
//   BCLO have no field.
// A VFO record takes the same values for its eight fields (it has no split frequency, name or skip).
// A record whose frequency (or, for a channel, split frequency) lies outside the image's FrequencyRange is
// not stored, so the import never holds a frequency the edit dialog would refuse.
#include "csv/CsvRecognition.h"
#include "image/CloneImage.h"

enum class CsvBank { Vfo, Memory };

// The edit dialog's values for a new channel: 7.050.000 (variant J, else 7.100.000) for both frequencies,
// "LSB", "0", "Slow", "High", "Wide", tone "Off", NB "Off", no name, no skip.
ChannelEntry CsvNewChannelEntry(int variant);

// Stores record into VFO index (0, 1) or channel index (0..199, whose used flag becomes true).
// False, with the image unchanged, when a frequency lies outside the range.
bool StoreCsvRecord(const CsvRecord &record, CsvBank bank, int index, CloneImage &image);
