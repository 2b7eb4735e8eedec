#include "link/WriteChanges.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/VfoRecordCodec.h"
#include "files/CloneFile.h"
#include "image/TextTables.h"
#include "link/TransferProgress.h"
#include "settings/SettingsCodec.h"
#include <QCoreApplication>

namespace {
constexpr int SettingsAddresses[] = {0x300, 0x320};
constexpr int VfoAddresses[VfoCount] = {0x400, 0x500};
constexpr int FirstChannelAddress = 0x600;
constexpr int RecordSize = 0x20;

// Character times of each exchange, echo and answer included, plus the pause that goes with it.
constexpr qint64 PauseWork = 10;
constexpr qint64 ReadWork = 11 + 77 + PauseWork;
constexpr qint64 WriteWork = 75 + 79 + PauseWork;
constexpr qint64 AccessWork = 7 + 11 + PauseWork;
constexpr qint64 EndWork = 6 + 10 + PauseWork;

int channelIndex(int address) {
    return (address - FirstChannelAddress) / RecordSize;
}
} // namespace

QString RecordAddressText(int address) {
    return QString::number(address, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

QString RecordLabel(int address) {
    if (address == VfoAddresses[0]) return VfoLabel(0);
    if (address == VfoAddresses[1]) return VfoLabel(1);
    if (address >= FirstChannelAddress) return RowLabel(channelIndex(address));
    return QStringLiteral("Settings block %1").arg(RecordAddressText(address));
}

QList<int> WriteChangesAddresses(bool settings, bool memory) {
    QList<int> out;
    if (settings) out << SettingsAddresses[0] << SettingsAddresses[1] << VfoAddresses[0] << VfoAddresses[1];
    if (memory)
        for (int k = 0; k < ChannelCount; ++k)
            out << FirstChannelAddress + RecordSize * k;
    return out;
}

RadioRecords RecordsToWrite(const CloneImage &image, const QList<int> &addresses) {
    CloneImage expected = image;
    MakeSetData(expected); // a write encodes the settings from the page's selections
    RadioRecords out;
    for (int address : addresses) {
        if (address == SettingsAddresses[0])
            out[address] = expected.SetData1;
        else if (address == SettingsAddresses[1])
            out[address] = expected.SetData2;
        else if (address == VfoAddresses[0] || address == VfoAddresses[1])
            out[address] = MakeVFOData(expected, address == VfoAddresses[0] ? 0 : 1);
        else
            out[address] = MakeMemData(expected, channelIndex(address));
    }
    return out;
}

QList<ChangedRecord> ChangedRecords(const CloneImage &image, const RadioRecords &radio) {
    const RadioRecords want = RecordsToWrite(image, radio.keys());
    QList<ChangedRecord> out;
    for (auto it = radio.cbegin(); it != radio.cend(); ++it) // QMap: in address order
        if (it.value().toUpper() != want[it.key()])
            out.append({it.key(), RecordLabel(it.key()), want[it.key()]});
    return out;
}

QByteArray RadioCloneFileBytes(const CloneImage &image, const RadioRecords &radio) {
    CloneImage copy = image;
    QList<QByteArray> lines = CloneFileBytes(copy).split('\n');
    // lines 2 to 609 (index 1 to 608) are the records in address order
    const QList<int> all = WriteChangesAddresses(true, true);
    for (int i = 0; i < all.size(); ++i)
        if (radio.contains(all[i])) lines[1 + i] = radio[all[i]].toUpper().toLatin1() + '\r';
    return lines.join('\n');
}

qint64 WriteChangesProgress::remainingMs() const {
    if (workDone <= 0) return -1;
    return elapsedMs * std::max<qint64>(0, workTotal - workDone) / workDone;
}

QString WriteChangesProgress::text() const {
    const qint64 left = remainingMs();
    const QString leftText = left < 0 ? QStringLiteral("--:--") : FormatDuration(left);
    const QString format =
        phase == Phase::Reading
            ? QCoreApplication::translate("WriteChangesProgress",
                                          "Write Changes: reading %1 of %2 records, %3 elapsed, %4 left")
        : phase == Phase::Writing
            ? QCoreApplication::translate("WriteChangesProgress",
                                          "Write Changes: writing %1 of %2 records, %3 elapsed, %4 left")
            : QCoreApplication::translate("WriteChangesProgress",
                                          "Write Changes: checking %1 of %2 records, %3 elapsed, %4 left");
    return format.arg(done).arg(total).arg(FormatDuration(elapsedMs), leftText);
}

QString WriteChangesSummary(int differed, int written, int stillDiffering) {
    if (stillDiffering == 0)
        return QCoreApplication::translate("WriteChanges", "%1 records differed, %2 written, all verified")
            .arg(differed)
            .arg(written);
    return QCoreApplication::translate("WriteChanges",
                                       "%1 records differed, %2 written, %3 differ after writing")
        .arg(differed)
        .arg(written)
        .arg(stillDiffering);
}

WriteChangesProgress WriteChangesRun::progress(WriteChangesProgress::Phase phase) const {
    using Phase = WriteChangesProgress::Phase;
    WriteChangesProgress p;
    p.phase = phase;
    p.elapsedMs = clock.isValid() ? clock.elapsed() : 0;
    const qint64 reads = qint64(addresses.size()) * ReadWork + EndWork;
    // while reading, the writes are those of the differences found so far
    const qint64 differing = phase == Phase::Reading ? differingSoFar : changed.size();
    const qint64 writes = differing == 0 ? 0 : AccessWork + differing * WriteWork + EndWork;
    const qint64 checks = differing == 0 ? 0 : differing * ReadWork + EndWork;
    p.workTotal = reads + writes + checks;
    switch (phase) { // every phase has its case: the switch's other way out is the compiler's
    case Phase::Reading:
        p.done = read;
        p.total = int(addresses.size());
        p.workDone = read * ReadWork;
        break;
    case Phase::Writing:
        p.done = written;
        p.total = int(changed.size());
        p.workDone = reads + AccessWork + written * WriteWork;
        break;
    case Phase::Checking:
        p.done = checked;
        p.total = int(changed.size());
        // the end command closes the checks
        p.workDone = reads + writes + checked * ReadWork + (checked == changed.size() ? EndWork : 0);
        break;
    }
    return p;
}

QList<ChangedRecord> WriteChangesRun::notHeld(const RadioRecords &radio) const {
    QList<ChangedRecord> out;
    for (const ChangedRecord &c : changed)
        if (radio.value(c.address).toUpper() != c.digits) out.append(c);
    return out;
}

QList<ImageDifference> WriteChangesRun::stillDiffering(const CloneImage &image,
                                                       const RadioRecords &radio) const {
    RadioRecords readBack;
    for (const ChangedRecord &c : notHeld(radio))
        readBack[c.address] = radio.value(c.address);
    return CompareWithRadio(image, readBack);
}
