#pragma once
// The application's copy of the radio's clone memory: channel and VFO tables, the two settings blocks,
// the settings page's selections, and the model variant with its range flag.
#include "image/SettingsLists.h"
#include <QString>
#include <array>

constexpr int ChannelCount = 604;
constexpr int ChannelFieldCount = 11;
constexpr int VfoCount = 2;
constexpr int VfoFieldCount = 8;

// Field numbers, in grid-column order.
enum ChannelField {
    FieldFrequency = 0,
    FieldMode,
    FieldGain,
    FieldAGC,
    FieldPwr,
    FieldFilter,
    FieldTone,
    FieldNB,
    FieldSplitFreq,
    FieldName,
    FieldSkip
};

// One field slot: the display text the grid shows and the numeric code the encoder writes.
struct FieldSlot {
    QString text;
    double value = 0;
    // compiler-made member by member: not every member's early out is met
    bool operator==(const FieldSlot &) const = default;
};

struct ChannelEntry {
    std::array<FieldSlot, ChannelFieldCount> field;
    bool operator==(const ChannelEntry &) const = default;
};

struct VfoRecord {
    std::array<FieldSlot, VfoFieldCount> field;
    bool operator==(const VfoRecord &) const = default;
};

enum ModelVariant { VariantJ = 0, VariantT = 1, VariantE = 2, VariantA = 3 };

struct CloneImage {
    std::array<ChannelEntry, ChannelCount> ChannelTable;
    std::array<bool, ChannelCount> ChannelUsed{};
    std::array<VfoRecord, VfoCount> VfoTable;
    QString SetData1;
    QString SetData2;
    SettingsSelection Settings = InitialSettingsSelection();
    int Variant = VariantJ; // the selected model option button 0..3
    bool WideRange = false;

    // compiler-made member by member: not every member's early out is met
    bool operator==(const CloneImage &) const = default;
};

// Four-digit address text of memory record k: 0600 + 20 x k in hexadecimal.
QString BlockAddress(int k);

// Default settings block texts.
extern const char *const DefaultSetData1;
extern const char *const DefaultSetData2;

void LoadDefaultSettings(CloneImage &image);
// Empties entry k: every slot "" and 0, used flag false.
void EmptyChannel(CloneImage &image, int k);
// Every slot of all 604 channels "" and 0, every used flag false.
void EmptyMemory(CloneImage &image);
// Start-up state: WideRange false, channels and both VFO records emptied.
void ClearTables(CloneImage &image);

// Entry range of the channel editor for the range flag: [low, high) in hertz, and its text.
struct FrequencyRange {
    qint64 low;
    qint64 highExclusive;
    QString text;
    bool contains(qint64 hz) const { return hz >= low && hz < highExclusive; }
};
FrequencyRange FrequencyRangeFor(bool wideRange);

// Option button captions "KT-M40J", "KTM-40T", "KT-M40E", "KT-M40A".
QString VariantCaption(int variant);
// "J", "T", "E", "A"; and back (-1 when unknown).
QString VariantLetter(int variant);
int VariantFromLetter(const QString &letter);
// Identification codes "33", "66", "99", "CC"; -1 when the code is none of them.
int VariantFromIdCode(const QString &code);
