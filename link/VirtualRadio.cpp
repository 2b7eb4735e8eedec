#include "link/VirtualRadio.h"
#include "channels/ChannelRecord.h"
#include "channels/NameCharset.h"
#include "channels/VfoRecordCodec.h"
#include "files/CloneFile.h"
#include "files/NewImage.h"
#include "image/HexText.h"
#include "image/TextTables.h"
#include "settings/SettingsCodec.h"
#include <QFile>

namespace {
constexpr int SetData1Address = 0x300;
constexpr int SetData2Address = 0x320;
constexpr int VfoAddress[VfoCount] = {0x400, 0x500};
// A line longer than any command is noise: it is dropped rather than kept growing.
constexpr int LongestLine = 128;

int channelAddress(int k) {
    return 0x600 + 0x20 * k;
}

const char *const IdCodes[4] = {"33", "66", "99", "CC"};

QString takeFaultKey(const QString &spec, const QString &kind, bool *matched) {
    const QString prefix = kind + QLatin1Char('@');
    *matched = spec.startsWith(prefix, Qt::CaseInsensitive);
    return *matched ? spec.mid(prefix.size()).toUpper() : QString();
}

// The key an exchange is known by: the address of a block command, else the command's own word.
bool validKey(const QString &key) {
    // (the branches of a static's first-use guard are the compiler's)
    static const QStringList words = {QStringLiteral("KTM40"), QStringLiteral("WHO"), QStringLiteral("E"),
                                      QStringLiteral("*")};
    if (words.contains(key)) return true;
    bool ok = false;
    return key.size() == 4 && (key.toInt(&ok, 16), ok);
}

QString demoRecord(qint64 hz, int mode, const QString &name, bool skip = false, int filter = 0) {
    RecordBytes b{};
    b[0] = skip ? 0x88 : 0x80;
    b[1] = std::uint8_t(mode);
    b[3] = 1; // AGC slow
    b[6] = std::uint8_t(filter);
    WriteLe32(b, 16, std::uint32_t(hz));
    const NameBytes n = EncodeName(name);
    std::copy(n.begin(), n.end(), b.begin() + 20);
    WriteLe32(b, 28, std::uint32_t(hz));
    return RecordText(b);
}
} // namespace

bool ParseFaultSpec(const QString &spec, VirtualRadioFaults &faults, QString *error) {
    const QString s = spec.trimmed();
    auto fail = [&](const QString &why) {
        if (error) *error = QStringLiteral("bad fault '%1': %2").arg(spec, why);
        return false;
    };
    if (s.compare(QLatin1String("deny-access"), Qt::CaseInsensitive) == 0) {
        faults.denyAccess = true;
        return true;
    }
    for (const auto &[name, flag] : {std::pair{"stale", &faults.stale}, std::pair{"waiting", &faults.waiting},
                                     std::pair{"noise", &faults.noise}}) {
        if (s.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
            *flag = true;
            return true;
        }
    }
    for (const auto &[name, target] :
         {std::pair{"delay=", &faults.delayMs}, std::pair{"baud=", &faults.baud}}) {
        if (s.startsWith(QLatin1String(name), Qt::CaseInsensitive)) {
            bool ok = false;
            const int v = s.mid(int(qstrlen(name))).toInt(&ok);
            if (!ok || v < 0 || v > 1000000) return fail(QStringLiteral("expected a number"));
            *target = v;
            return true;
        }
    }
    const std::pair<const char *, QSet<QString> *> keyed[] = {
        {"timeout", &faults.timeoutAt}, {"short", &faults.shortAt},    {"long", &faults.longAt},
        {"notok", &faults.notOkAt},     {"drop", &faults.dropAt},      {"late", &faults.lateAt},
        {"earlier", &faults.earlierAt}, {"corrupt", &faults.corruptAt}};
    for (const auto &[kind, set] : keyed) {
        bool matched = false;
        const QString key = takeFaultKey(s, QLatin1String(kind), &matched);
        if (!matched) continue;
        if (!validKey(key))
            return fail(QStringLiteral("the exchange is a four-digit address, KTM40, WHO, E or *"));
        set->insert(key);
        return true;
    }
    return fail(QStringLiteral("unknown fault"));
}

QString FaultSpecHelp() {
    return QStringLiteral("Faults (--fault SPEC, repeatable); AT is a block address such as 0600 or 0FE0,\n"
                          "KTM40 (write access), WHO (identification), E (end command) or * (every one):\n"
                          "  timeout@AT   echo only, no answer (the program times out after 2000 ms)\n"
                          "  short@AT     answer one character short\n"
                          "  long@AT      answer one character long\n"
                          "  notok@AT     a write (or the access line) answered NG instead of OK\n"
                          "  drop@AT      the line is dropped when the command arrives (port failure)\n"
                          "  late@AT      the answer comes after the program has stopped waiting for it\n"
                          "               (2300 ms; the first time only): it lands in the next exchange\n"
                          "               or the next run\n"
                          "  earlier@AT   an earlier run's reply is still arriving when the command comes\n"
                          "  corrupt@AT   a write is answered OK but stored with one digit changed\n"
                          "  deny-access  the write-access line is refused\n"
                          "  stale        stray characters arrive after every reply\n"
                          "  waiting      stray characters wait in the line before the port is opened\n"
                          "  noise        junk characters on the line between replies, now and then\n"
                          "  delay=MS     every answer comes MS milliseconds after its echo\n"
                          "  baud=N       pace the replies at N baud (10 bit times per character)\n");
}

VirtualRadio::VirtualRadio() {
    CloneImage image;
    ClearTables(image);
    NewImage(image);
    loadImage(image);
}

VirtualRadio::VirtualRadio(const CloneImage &image) {
    loadImage(image);
}

void VirtualRadio::loadImage(const CloneImage &image) {
    CloneImage copy = image;
    MakeSetData(copy);
    memory_[SetData1Address] = copy.SetData1.toLatin1();
    memory_[SetData2Address] = copy.SetData2.toLatin1();
    for (int n = 0; n < VfoCount; ++n)
        memory_[VfoAddress[n]] = MakeVFOData(copy, n).toLatin1();
    for (int k = 0; k < ChannelCount; ++k)
        memory_[channelAddress(k)] = MakeMemData(copy, k).toLatin1();
    setIdentity(image.Variant, image.WideRange);
}

void VirtualRadio::setIdentity(int variant, bool wideRange) {
    variantCode = QLatin1String(IdCodes[variant & 3]);
    rangeCode = wideRange ? QStringLiteral("AA") : QStringLiteral("00");
}

CloneImage VirtualRadio::demoImage() {
    CloneImage image;
    ClearTables(image);
    NewImage(image);
    struct Demo {
        int k;
        qint64 hz;
        int mode;
        const char *name;
        bool skip;
        int filter;
    };
    const Demo demo[] = {{0, 3573000, 0, "FT8 80M", false, 0},   {1, 7050000, 1, "40M SSB", false, 0},
                         {2, 7074000, 0, "FT8 40M", false, 0},   {3, 10116000, 2, "30M CW", false, 1},
                         {4, 14195000, 0, "20M DX", false, 0},   {5, 21200000, 0, "15M SSB", true, 0},
                         {6, 29600000, 5, "10M FM", false, 0},   {200, 9650000, 4, "BC 31M", false, 0},
                         {201, 6000000, 4, "BC 49M", true, 0},   {400, 7000000, 3, "", false, 1},
                         {401, 7200000, 3, "", false, 1},        {402, 5000000, 4, "TIME 5", false, 0},
                         {403, 10000000, 4, "TIME 10", false, 0}};
    for (const Demo &d : demo)
        UpdateMemData(image, demoRecord(d.hz, d.mode, QLatin1String(d.name), d.skip, d.filter), d.k);
    return image;
}

std::shared_ptr<VirtualRadio> VirtualRadio::withDemoContents() {
    CloneImage image = demoImage();
    return std::make_shared<VirtualRadio>(image);
}

std::vector<VirtualRadioReply> VirtualRadio::receive(const QByteArray &bytes) {
    std::vector<VirtualRadioReply> replies;
    for (const char c : bytes) {
        pending_.append(c);
        if (c == '\n') {
            replies.push_back(answer(pending_));
            pending_.clear();
        } else if (pending_.size() > LongestLine) {
            pending_.clear();
        }
    }
    return replies;
}

VirtualRadioReply VirtualRadio::answer(const QByteArray &received) {
    QByteArray line = received;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    log_.append(line);
    if (commandObserver) commandObserver(line);

    VirtualRadioReply reply;
    reply.echo = received;
    // (the branches of these statics' first-use guards are the compiler's)
    static const QByteArray ok = "OK";
    static const QByteArray ng = "NG";
    QByteArray body = ng;
    if (line.startsWith("RZ~F") && (line.size() == 9 || line.size() == 73)) {
        reply.key = QString::fromLatin1(line.mid(4, 4)).toUpper();
        bool valid = false;
        const int address = reply.key.toInt(&valid, 16);
        if (line.size() == 9 && line[8] == 'R' && valid && memory_.contains(address)) {
            body = memory_.value(address);
        } else if (line.size() == 73 && line[8] == 'W' && valid && memory_.contains(address)) {
            if (access_ && !faults.hits(faults.notOkAt, reply.key)) {
                memory_[address] = line.mid(9, 64);
                if (faults.hits(faults.corruptAt, reply.key)) {
                    // a digit of byte 16 (a channel's frequency) stored wrong, and the write still "OK"
                    char &digit = memory_[address][33];
                    digit = digit == '0' ? '1' : '0';
                }
                body = ok;
            }
        }
    } else if (line == "KTM40") {
        reply.key = QStringLiteral("KTM40");
        access_ = !faults.denyAccess && !faults.hits(faults.notOkAt, reply.key);
        body = access_ ? ok : ng;
    } else if (line == "RZ~WHO") {
        reply.key = QStringLiteral("WHO");
        body = (modelName + variantCode + QStringLiteral("00") + rangeCode).toLatin1();
    } else if (line == "RZ~E") {
        reply.key = QStringLiteral("E");
        access_ = false;
        body = ok;
    } else {
        reply.key = QString::fromLatin1(line);
    }

    if (faults.hits(faults.dropAt, reply.key)) {
        reply.echo.clear();
        reply.dropLine = true;
        return reply;
    }
    if (faults.hits(faults.earlierAt, reply.key)) {
        // what an interrupted earlier run asked for last: the record after this one
        bool valid = false;
        const int address = reply.key.toInt(&valid, 16);
        const int next = valid && memory_.contains(address + 0x20) ? address + 0x20 : 0x600;
        const QByteArray nextKey = QByteArray::number(next, 16).toUpper().rightJustified(4, '0');
        reply.earlier = "RZ~F" + nextKey + "R\r\n" + memory_.value(next) + "\r\n";
    }
    if (faults.hits(faults.timeoutAt, reply.key)) return reply; // echo only
    if (faults.hits(faults.lateAt, reply.key)) {
        reply.lateMs = 2000 + LateAnswerAfterTimeoutMs;
        faults.lateAt.remove(reply.key); // the first time only: the next run may succeed
    }
    if (faults.hits(faults.shortAt, reply.key)) body.chop(1);
    if (faults.hits(faults.longAt, reply.key)) body.append('0');
    reply.answer = body + "\r\n";
    reply.strayAfter = faults.waiting && reply.key == QLatin1String("E");
    return reply;
}

bool VirtualRadio::toImage(CloneImage &image) const {
    ClearTables(image);
    NewImage(image);
    image.Variant = std::max(0, VariantFromIdCode(variantCode));
    image.WideRange = rangeCode == QLatin1String("AA");
    image.SetData1 = block(SetData1Address);
    image.SetData2 = block(SetData2Address);
    bool ok = UpdateSetData(image) < 0;
    // every record is decoded, also after one failed; the one branch never taken on each line below is the
    // compiler's own (for the temporary block text)
    for (int n = 0; n < VfoCount; ++n)
        ok = UpdateVFORecord(image, block(VfoAddress[n]), n) && ok;
    for (int k = 0; k < ChannelCount; ++k)
        ok = UpdateMemData(image, block(channelAddress(k)), k) && ok;
    return ok;
}

QByteArray VirtualRadio::cloneFileBytes() const {
    const int variant = std::max(0, VariantFromIdCode(variantCode));
    const bool wide = rangeCode == QLatin1String("AA");
    QByteArray out;
    auto line = [&out](const QByteArray &s) { out += s + "\r\n"; };
    line(Tables().FileHeader[variant][wide ? 1 : 0].toLatin1());
    line(memory_.value(SetData1Address));
    line(memory_.value(SetData2Address));
    for (int n = 0; n < VfoCount; ++n)
        line(memory_.value(VfoAddress[n]));
    for (int k = 0; k < ChannelCount; ++k)
        line(memory_.value(channelAddress(k)));
    line(Tables().FileEndLine.toLatin1());
    return out;
}

bool VirtualRadio::loadCloneFile(const QString &path, QString *error) {
    CloneImage image;
    ClearTables(image);
    NewImage(image);
    const CloneFileLoad load = LoadCloneFile(path, image);
    if (load.status != FileStatus::Ok) {
        // every refusal of LoadCloneFile comes with its detail
        if (error)
            *error = FileStatusText(load.status) + (load.detail.isEmpty() ? QString() : ": " + load.detail);
        return false;
    }
    QFile file(path);
    // the file was just read whole: only one removed or made unreadable since then fails here
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = FileOpenErrorText + QStringLiteral(": ") + file.errorString();
        return false;
    }
    // the file was checked above: lines 2 to 609 are the blocks, each 64 characters
    const QList<QByteArray> lines = file.readAll().split('\n');
    auto blockLine = [&lines](int i) { return lines.value(i).left(64); };
    memory_[SetData1Address] = blockLine(1);
    memory_[SetData2Address] = blockLine(2);
    for (int n = 0; n < VfoCount; ++n)
        memory_[VfoAddress[n]] = blockLine(3 + n);
    for (int k = 0; k < ChannelCount; ++k)
        memory_[channelAddress(k)] = blockLine(5 + k);
    setIdentity(image.Variant, image.WideRange);
    return true;
}
