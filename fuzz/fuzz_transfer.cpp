// The transfer engine's reply handling on arbitrary byte streams. A fake link answers every command with
// what the input says: a well-formed reply carrying input bytes as its data, "NG", raw bytes in pieces
// (echo or not), stray characters after a reply, or a port failure. The run must end (no hang, no crash,
// no sanitizer report) and keep the rules of a transfer:
//   - a failed procedure sends no end command; a successful one ends with it (the identification never)
//   - commands go out in the procedure's order, each block once
//   - a failed read leaves the records it had not yet asked for as they were
//
// Input: one byte choosing the procedure (or a Read/Write ALL run), then per delivery one control byte
// and its payload. When the input runs out, the line fails (so no run waits out a time-out).
//
// With the first byte's top bit set, the reply path with retries instead: a virtual radio answers, and the
// input spoils its replies as a noisy cable does (a byte swapped, left out or added, at a position the
// input gives; a data digit is swapped only for a byte that is no digit: a digit for a digit is another
// record, which no reply can tell). The session may send a refused block read or write again (0 to 5
// times, from the first byte). Checked: every record taken is exactly the radio's (reads, verify) and every
// record the radio holds is the old or exactly the written one; a success took or wrote every record;
// a block goes at most retries + 1 times, the identification, access line and end command once; the
// retries counted are the commands sent again.
#include "FuzzSupport.h"
#include "channels/VfoRecordCodec.h"
#include "image/HexText.h"
#include "link/Link.h"
#include "link/RadioSession.h"
#include "link/TransferSteps.h"
#include "link/VirtualRadioLink.h"
#include "settings/SettingsCodec.h"
#include <QCoreApplication>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace {
// (a command as sent, or as the radio logs it without its CR LF)
bool isBlockRead(const QByteArray &c) {
    return c.startsWith("RZ~F") && c.trimmed().size() == 9;
}

// A line that answers each command from the input with replies in pieces, until the reply is complete or
// the line fails: what it delivers waits until the session reads it, and every command sent is kept.
class FuzzLink : public Link {
  public:
    FuzzLink(const uint8_t *data, size_t size) : data_(data), size_(size) {}

    bool open(QString *) override { return open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool write(const QByteArray &bytes) override {
        if (!open_) return false;
        commands.push_back(bytes);
        command_ = bytes;
        delivered_.clear();
        later();
        return true;
    }
    QByteArray readAll() override { return std::exchange(inbox_, {}); }
    QString name() const override { return QStringLiteral("fuzz"); }

    std::vector<QByteArray> commands;
    bool failedLine = false;

  private:
    int next() { return pos_ < size_ ? data_[pos_++] : -1; }
    QByteArray take(size_t n, bool hex) {
        static const char digits[] = "0123456789ABCDEF";
        QByteArray out;
        for (size_t i = 0; i < n && pos_ < size_; ++i) {
            const uint8_t c = data_[pos_++];
            out.append(hex ? digits[c % 16] : char(c));
        }
        return out;
    }
    void arrive(const QByteArray &bytes) {
        if (!open_) return;
        inbox_ += bytes;
        emit readyRead();
    }
    void push(const QByteArray &bytes) {
        delivered_ += bytes;
        arrive(bytes);
    }
    // the next piece on the event loop's next round, as a serial port's signals come
    void later() {
        QMetaObject::invokeMethod(
            this, [this] { deliver(); }, Qt::QueuedConnection);
    }
    // The reply is complete for the program once more than four characters beyond the command have come
    // and the last is LF: until then another piece follows, so that no exchange waits out its time.
    bool complete() const { return delivered_.size() > command_.size() + 3 && delivered_.endsWith('\n'); }

    void deliver() {
        if (!open_) return;
        const int control = next();
        if (control < 0 || control % 8 == 6) { // the input ended, or the port fails
            open_ = false;
            failedLine = true;
            emit failed(QStringLiteral("input ended"));
            return;
        }
        const bool hex = control & 0x80;
        switch (control % 8) {
        case 0:
        case 1:
        case 2: { // a well-formed reply with input bytes for its data
            QByteArray body = "OK";
            if (isBlockRead(command_))
                body = take(64, hex).leftJustified(64, '0');
            else if (command_ == IdentifyCommand)
                body = take(11, false).leftJustified(11, '0');
            push(command_ + body + "\r\n");
            break;
        }
        case 3: // refused
            push(command_ + "NG\r\n");
            break;
        case 4: { // raw bytes, maybe with the echo first
            const int n = next();
            push((control & 0x40 ? command_ : QByteArray()) + take(n < 0 ? 0 : size_t(n), false));
            break;
        }
        case 5: // the echo alone (the wait must go on), then more
            push(command_);
            break;
        default: { // a good reply followed by stray characters in the pause
            push(command_ +
                 (isBlockRead(command_) ? take(64, true).leftJustified(64, '0') : QByteArray("OK")) + "\r\n");
            const QByteArray stray = take(size_t(control >> 4), false);
            QTimer::singleShot(1, this, [this, stray] { arrive(stray); });
            return;
        }
        }
        if (!complete()) later();
    }

    const uint8_t *data_;
    size_t size_;
    size_t pos_ = 0;
    bool open_ = false;
    QByteArray inbox_;
    QByteArray command_;
    QByteArray delivered_;
};

// The radio with a noisy cable: before each reply the input says how it is spoilt (a byte swapped, left
// out or added, at a position and with a byte the input gives) or that the line fails instead.
void SpoilFromInput(VirtualRadio &radio, const uint8_t *data, size_t size) {
    auto pos = std::make_shared<size_t>(0);
    auto spoil = std::make_shared<std::array<int, 3>>(); // kind, position, byte
    auto next = [=] { return *pos < size ? data[(*pos)++] : -1; };
    radio.commandObserver = [=, &radio](const QByteArray &) {
        *spoil = {next(), std::max(0, next()), std::max(0, next())}; // -1: the input has run out
        if ((*spoil)[0] % 8 == 4) radio.faults.dropAt.insert("*");
    };
    radio.replyFilter = [=, &radio](const QString &, const QByteArray &reply) {
        const auto [control, position, value] = *spoil;
        const qsizetype at = position % (reply.size() + 1);
        char byte = char(value);
        // a data digit is swapped only for a byte that is no digit: a digit for a digit is another record
        if (isBlockRead(radio.commandLog().last()) && at >= 11 && at < 75 && IsHexDigit(byte)) byte = 'G';
        QByteArray out = control % 8 == 1   ? SpoilReply(reply, Spoil::Swap, at, byte)
                         : control % 8 == 2 ? SpoilReply(reply, Spoil::Drop, at, 0)
                         : control % 8 == 3 ? SpoilReply(reply, Spoil::Add, at, byte)
                                            : reply;
        // a reply that does not end with LF would wait out the 2000 ms: it is refused all the same
        if (!out.endsWith('\n')) out += '\n';
        return out;
    };
}

// Runs the session on the link from start to the end of its run: a finding when it does not end.
void runToEnd(RadioSession &session, std::unique_ptr<Link> link, const std::function<bool()> &start) {
    session.setLink(std::move(link));
    QObject::connect(&session, &RadioSession::runFinished, [] { QCoreApplication::exit(0); });
    FUZZ_CHECK(start(), "the session refused to start");
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout,
                     [] { FUZZ_CHECK(false, "the run did not end within 60 s"); });
    watchdog.start(60000);
    QCoreApplication::exec();
    FUZZ_CHECK(!session.busy(), "the run did not finish");
}

// What the radio holds for the noisy runs: other settings and VFO A than the base image.
const CloneImage &NoisyRadioImage() {
    static const CloneImage image = [] {
        CloneImage r = FuzzBaseImage();
        r.Settings.byName("cmbDimmer") = 3;
        r.Settings.byName("cmbScanMode") = 1;
        MakeSetData(r);
        UpdateVFORecord(r,
                        QStringLiteral("80010000000000000000000000000000") + QStringLiteral("C0F93600") +
                            QString(24, QLatin1Char('0')),
                        0);
        return r;
    }();
    return image;
}

int runNoisy(const uint8_t *data, size_t size) {
    const CloneImage &base = FuzzBaseImage();
    const CloneImage &holds = NoisyRadioImage();
    auto radio = std::make_shared<VirtualRadio>(holds);
    SpoilFromInput(*radio, data + 1, size - 1);
    CloneImage image = base;
    CloneImage written = base;
    MakeSetData(written);
    // what the radio held before, and the records a write sends (as a radio holding the image holds them)
    const VirtualRadio wrote(written);
    std::map<int, QString> old, sent;
    for (const int address : {0x300, 0x320, 0x400, 0x500}) {
        old[address] = radio->block(address);
        sent[address] = wrote.block(address);
    }
    RadioSession session(&image);
    const int retries = (data[0] >> 4) % 6;
    session.setRetries(retries);
    auto link = std::make_unique<VirtualRadioLink>(radio);
    bool failedLine = false;
    QObject::connect(link.get(), &Link::failed, [&] { failedLine = true; });
    static const Procedure procedures[4] = {Procedure::ReadSettings, Procedure::WriteSettings,
                                            Procedure::VerifySettings, Procedure::Identify};
    const Procedure p = procedures[data[0] % 4];
    Ending ending = Ending::Success;
    QObject::connect(&session, &RadioSession::procedureFinished,
                     [&](Procedure, Ending e, const QString &) { ending = e; });
    runToEnd(session, std::move(link), [&] {
        return p == Procedure::VerifySettings ? session.startVerify(true, false) : session.start(p);
    });
    if (ending == Ending::ComPortError) FUZZ_CHECK(failedLine, "a port error without a port failure");

    // how often each command went out in a row; what was sent again is what the session counts
    int again = 0;
    const QList<QByteArray> &commands = radio->commandLog();
    for (qsizetype i = 0, run = 1; i < commands.size(); ++i) {
        const QByteArray &c = commands[i];
        run = i > 0 && commands[i - 1] == c ? run + 1 : 1;
        if (run > 1) ++again;
        FUZZ_CHECK(int(run) <= (c.startsWith("RZ~F") ? retries + 1 : 1), "a command sent too often");
    }
    FUZZ_CHECK(again == int(session.retriesInRun().size()), "the retries counted are not those sent");
    const bool ended = !commands.empty() && commands.back() + "\r\n" == EndCommand;
    FUZZ_CHECK(ended == (ending == Ending::Success && p != Procedure::Identify),
               "the end command after a failure, or a success without it");

    // never another record than the radio's or the written one
    const bool success = ending == Ending::Success;
    switch (p) {
    case Procedure::ReadSettings: {
        auto same = [&](const QString &got, int address, const QString &before) {
            return got == radio->block(address) || (!success && got == before);
        };
        FUZZ_CHECK(same(image.SetData1, 0x300, base.SetData1) && same(image.SetData2, 0x320, base.SetData2),
                   "a settings record that is not the radio's");
        FUZZ_CHECK(image.VfoTable == holds.VfoTable || (!success && image.VfoTable == base.VfoTable),
                   "VFO records that are not the radio's");
        break;
    }
    case Procedure::WriteSettings:
        for (const auto &[address, before] : old) {
            const QString now = radio->block(address);
            FUZZ_CHECK(now == sent.at(address) || (!success && now == before),
                       "the radio holds a record that was not written");
        }
        break;
    case Procedure::VerifySettings:
        for (auto it = session.radioRecords().begin(); it != session.radioRecords().end(); ++it)
            FUZZ_CHECK(it.value() == radio->block(it.key()), "verify took a record that is not the radio's");
        FUZZ_CHECK(!success || session.radioRecords().size() == 4, "verify succeeded without every record");
        break;
    default:
        if (success) FUZZ_CHECK(image.Variant == holds.Variant, "another variant than the radio's");
        break;
    }
    return 0;
}

struct ProcedureRecord {
    Procedure procedure;
    Ending ending = Ending::Success;
    std::vector<QByteArray> commands;
};
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    if (data[0] & 0x80) return runNoisy(data, size);
    const CloneImage &base = FuzzBaseImage();
    CloneImage image = base;
    RadioSession session(&image);
    auto *link = new FuzzLink(data + 1, size - 1);
    std::vector<ProcedureRecord> records;
    std::size_t firstCommand = 0;
    QObject::connect(&session, &RadioSession::procedureStarted, [&](Procedure p) {
        records.push_back({p, Ending::Success, {}});
        firstCommand = link->commands.size();
    });
    QObject::connect(
        &session, &RadioSession::procedureFinished, [&](Procedure p, Ending ending, const QString &) {
            FUZZ_CHECK(!records.empty() && records.back().procedure == p,
                       "a procedure ended that had not begun");
            records.back().ending = ending;
            records.back().commands.assign(link->commands.begin() + long(firstCommand), link->commands.end());
        });
    const int choice = data[0] % 7;
    runToEnd(session, std::unique_ptr<Link>(link), [&] {
        return choice == 5   ? session.startReadAll()
               : choice == 6 ? session.startWriteAll()
                             : session.start(Procedure(choice));
    });

    for (const ProcedureRecord &r : records) {
        const bool ended = std::find(r.commands.begin(), r.commands.end(), EndCommand) != r.commands.end();
        if (r.ending != Ending::Success || r.procedure == Procedure::Identify)
            FUZZ_CHECK(!ended, "an end command after a failure or an identification");
        else
            FUZZ_CHECK(!r.commands.empty() && r.commands.back() == EndCommand,
                       "a success without the end command");
        if (r.ending == Ending::ComPortError)
            FUZZ_CHECK(link->failedLine, "a port error without a port failure");
        // each block in order, once
        int block = 0;
        for (const QByteArray &c : r.commands) {
            if (!c.startsWith("RZ~F")) continue;
            const QString address = QString::fromLatin1(c.mid(4, 4));
            if (r.procedure == Procedure::ReadMemory || r.procedure == Procedure::WriteMemory) {
                FUZZ_CHECK(address == BlockAddress(block), "memory blocks out of order");
            } else {
                static const char *const settings[4] = {"0300", "0320", "0400", "0500"};
                FUZZ_CHECK(block < 4 && address == QLatin1String(settings[block]),
                           "settings blocks out of order");
            }
            ++block;
        }
        if (r.procedure == Procedure::ReadMemory && r.ending != Ending::Success) {
            const int asked = int(std::count_if(r.commands.begin(), r.commands.end(), isBlockRead));
            for (int k = asked; k < ChannelCount; ++k)
                FUZZ_CHECK(image.ChannelTable[std::size_t(k)] == base.ChannelTable[std::size_t(k)] &&
                               image.ChannelUsed[std::size_t(k)] == base.ChannelUsed[std::size_t(k)],
                           "a failed read changed a channel it had not asked for");
        }
        if (r.procedure == Procedure::ReadSettings && r.ending != Ending::Success) {
            const long asked = std::count_if(r.commands.begin(), r.commands.end(), isBlockRead);
            if (asked < 4)
                FUZZ_CHECK(image.VfoTable == base.VfoTable, "a failed read changed the VFO records");
            if (asked < 2) FUZZ_CHECK(image.Settings == base.Settings, "a failed read changed the settings");
        }
    }
    return 0;
}
