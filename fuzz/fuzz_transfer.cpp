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
#include "FuzzSupport.h"
#include "link/Link.h"
#include "link/RadioSession.h"
#include "link/TransferSteps.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <vector>

namespace {
bool isBlockRead(const QByteArray &c) {
    return c.startsWith("RZ~F") && c.size() == 11;
}

class FuzzLink : public Link {
  public:
    FuzzLink(const uint8_t *data, size_t size) : data_(data), size_(size) {}

    bool open(QString *) override {
        open_ = true;
        return true;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool write(const QByteArray &bytes) override {
        if (!open_) return false;
        commands.push_back(bytes);
        command_ = bytes;
        delivered_.clear();
        QMetaObject::invokeMethod(
            this, [this] { deliver(); }, Qt::QueuedConnection);
        return true;
    }
    QByteArray readAll() override {
        QByteArray out;
        out.swap(inbox_);
        return out;
    }
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
    void push(const QByteArray &bytes) {
        inbox_ += bytes;
        delivered_ += bytes;
        emit readyRead();
    }
    void fail() {
        if (!open_) return;
        open_ = false;
        failedLine = true;
        emit failed(QStringLiteral("input ended"));
    }
    // The reply is complete for the program once more than four characters beyond the command have come
    // and the last is LF: until then another piece follows, so that no exchange waits out its time.
    bool complete() const { return delivered_.size() > command_.size() + 3 && delivered_.endsWith('\n'); }

    void deliver() {
        if (!open_) return;
        const int control = next();
        if (control < 0) {
            fail();
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
        case 6: // the port fails
            fail();
            return;
        default: { // a good reply followed by stray characters in the pause
            push(command_ +
                 (isBlockRead(command_) ? take(64, true).leftJustified(64, '0') : QByteArray("OK")) + "\r\n");
            const QByteArray stray = take(size_t(control >> 4), false);
            QTimer::singleShot(1, this, [this, stray] {
                if (!open_) return;
                inbox_ += stray;
                emit readyRead();
            });
            return;
        }
        }
        if (!complete())
            QMetaObject::invokeMethod(
                this, [this] { deliver(); }, Qt::QueuedConnection);
    }

    const uint8_t *data_;
    size_t size_;
    size_t pos_ = 0;
    bool open_ = false;
    QByteArray command_;
    QByteArray delivered_;
    QByteArray inbox_;
};

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
    const CloneImage &base = FuzzBaseImage();
    CloneImage image = base;
    RadioSession session(&image);
    auto owned = std::make_unique<FuzzLink>(data + 1, size - 1);
    FuzzLink *link = owned.get();
    session.setLink(std::move(owned));

    std::vector<ProcedureRecord> records;
    std::size_t firstCommand = 0;
    bool finished = false;
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
    QObject::connect(&session, &RadioSession::runFinished, [&](bool) {
        finished = true;
        QCoreApplication::exit(0);
    });
    const int choice = data[0] % 7;
    const bool started = choice == 5   ? session.startReadAll()
                         : choice == 6 ? session.startWriteAll()
                                       : session.start(Procedure(choice));
    FUZZ_CHECK(started, "the session refused to start");
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout,
                     [] { FUZZ_CHECK(false, "the run did not end within 60 s"); });
    watchdog.start(60000);
    QCoreApplication::exec();
    FUZZ_CHECK(finished && !session.busy(), "the run did not finish");

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
