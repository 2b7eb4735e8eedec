#include "link/VerifyRecords.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "image/HexText.h"
#include "image/TextTables.h"
#include "settings/SettingsCodec.h"

namespace {
const QString OtherBytes = QStringLiteral("Other bytes");

QString addressLabel(int address) {
    return QString::number(address, 16).toUpper().rightJustified(4, '0');
}

// The radio's record decoded into a copy of the expected image; when it cannot be decoded, one
// difference saying so. Field differences, or "Other bytes" when the texts differ but no field does.
template <typename Decode, typename Diff>
QList<ImageDifference> compareRecord(const CloneImage &expected, const QString &label, const QString &want,
                                     const QString &got, Decode decode, Diff diff) {
    if (got.toUpper() == want) return {};
    CloneImage radio = expected;
    if (!decode(radio))
        return {{label, QStringLiteral("Mode"), Tables().ModeTable.value(ReadHexPair(want, 1)),
                 QStringLiteral("code %1 (no such mode)").arg(ReadHexPair(got, 1))}};
    QList<ImageDifference> out = diff(expected, radio);
    if (out.isEmpty()) out.append({label, OtherBytes, want, got.toUpper()});
    return out;
}
} // namespace

QList<ImageDifference> CompareWithRadio(const CloneImage &image, const RadioRecords &radio) {
    CloneImage expected = image;
    MakeSetData(expected); // what a write sends is encoded from the page's selections
    QList<ImageDifference> out;

    if (radio.contains(0x300) || radio.contains(0x320)) {
        CloneImage got = expected;
        got.SetData1 = radio.value(0x300, expected.SetData1);
        got.SetData2 = radio.value(0x320, expected.SetData2);
        const int failed = UpdateSetData(got);
        const QList<ImageDifference> settings = DiffSettings(expected, got);
        if (failed >= 0) {
            const SettingsList &list = SettingsLists()[failed];
            out.append({"Settings", list.label, list.items.value(expected.Settings[failed]),
                        QStringLiteral("value beyond the list")});
        } else if (!settings.isEmpty()) {
            out += settings;
        } else {
            for (int address : {0x300, 0x320}) {
                const QString want = address == 0x300 ? expected.SetData1 : expected.SetData2;
                if (radio.contains(address) && radio[address].toUpper() != want)
                    out.append({QStringLiteral("Settings block %1").arg(addressLabel(address)), OtherBytes,
                                want, radio[address].toUpper()});
            }
        }
    }
    for (int n = 0; n < VfoCount; ++n) {
        const int address = n == 0 ? 0x400 : 0x500;
        if (!radio.contains(address)) continue;
        const QString got = radio[address];
        out += compareRecord(
            expected, VfoLabel(n), MakeVFOData(expected, n), got,
            [&](CloneImage &r) { return UpdateVFORecord(r, got, n); },
            [n](const CloneImage &a, const CloneImage &b) { return DiffVfo(a, b, n); });
    }
    for (int k = 0; k < ChannelCount; ++k) {
        const int address = 0x600 + 0x20 * k;
        if (!radio.contains(address)) continue;
        const QString got = radio[address];
        out += compareRecord(
            expected, RowLabel(k), MakeMemData(expected, k), got,
            [&](CloneImage &r) { return UpdateMemData(r, got, k); },
            [k](const CloneImage &a, const CloneImage &b) { return DiffChannel(a, b, k); });
    }
    return out;
}
