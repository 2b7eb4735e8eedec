#pragma once
// A KT-M40 in software: its clone memory and its side of the clone command protocol. It answers every
// command line as the radio does (echo, then the answer) and can be told to misbehave for tests and demos.
// Timing (delay, pacing, stale characters) is the business of the line that carries it (VirtualRadioPort).
#include "image/CloneImage.h"
#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <random>
#include <vector>

// Misbehaviour of the radio. A fault "at" an exchange names it by its key: the block address ("0600",
// "0FE0"), "KTM40" for the write-access line, "WHO" for the identification, "E" for the end command,
// or "*" for every exchange.
struct VirtualRadioFaults {
    QSet<QString> timeoutAt; // echo only, no answer: the program's wait runs out
    QSet<QString> shortAt;   // answer one character short (last data character left out)
    QSet<QString> longAt;    // answer one character long (an extra data character)
    QSet<QString> notOkAt;   // a write or the access line answered "NG" instead of "OK"
    QSet<QString> dropAt;    // the line fails when this command arrives (port failure)
    QSet<QString> corruptAt; // a write answered "OK" but stored with one digit changed (a failing cell)
    QSet<QString> spoilAt;   // a block read answered with its data digit 33 replaced by spoilByte, the
                             // length kept (a byte spoilt on the line)
    char spoilByte = 'G';
    int garblePerMille = 0;  // that many replies in 1000 have one byte swapped for one that is no
                             // hexadecimal digit, left out, or added (a noisy cable)
    bool denyAccess = false; // the write-access line answered "NG"
    bool stale = false;      // stray characters arrive shortly after each reply
    // The dirty line of a real cable:
    QSet<QString> lateAt;    // the answer comes after the program's wait has run out (the first time only)
    QSet<QString> earlierAt; // an earlier run's reply (to the next record's read) is still arriving
    bool waiting = false;    // stray characters wait in the line before the port is opened (at the start
                             // and after every end command, for the next run)
    bool noise = false;      // junk characters on the line between replies, now and then
    int delayMs = 0;         // the answer (not the echo) comes this much later
    int baud = 0;            // pacing: each character takes 10 bit times at this rate; 0 = no pacing

    bool hits(const QSet<QString> &set, const QString &key) const {
        return set.contains(key) || set.contains(QStringLiteral("*"));
    }
};

// One fault as written on the command line: "timeout@0FE0", "short@0600", "long@0600", "notok@0620",
// "drop@1000", "late@0600", "earlier@0600", "corrupt@0640", "spoil@08A0", "deny-access", "stale",
// "waiting", "noise", "delay=MS", "baud=N", "garble=N". False with a reason when it names none.
bool ParseFaultSpec(const QString &spec, VirtualRadioFaults &faults, QString *error);
// The SPEC syntax for usage texts.
QString FaultSpecHelp();

// What the radio sends back for one command line.
struct VirtualRadioReply {
    QString key;       // exchange key as used by the faults
    QByteArray echo;   // the command line as received, CR LF included
    QByteArray answer; // empty when the radio stays silent after the echo
    bool dropLine = false;
    QByteArray earlier;      // an earlier reply still on the line, sent before the echo
    int lateMs = 0;          // the answer comes this much later than it would
    bool strayAfter = false; // stray characters follow the answer and wait for the next run
};

// One byte of a reply (echo and answer together) spoilt as a noisy line does it: Swap replaces the byte at
// `at` with `byte`, Drop leaves it out, Add puts `byte` before it (at the reply's size: after the last).
enum class Spoil { Swap, Drop, Add };
QByteArray SpoilReply(const QByteArray &reply, Spoil kind, qsizetype at, char byte);

// How much later than the program's reply time-out a late answer comes.
constexpr int LateAnswerAfterTimeoutMs = 300;

class VirtualRadio {
  public:
    // The memory of a new image: default settings, default VFOs of variant J, 604 empty channels.
    VirtualRadio();
    // The memory of an image (its settings blocks as held, VFOs and channels encoded); identity from its
    // variant and range.
    explicit VirtualRadio(const CloneImage &image);
    // A radio holding a few channels and named memories, for demonstrations.
    static std::shared_ptr<VirtualRadio> withDemoContents();
    // The image of the demo radio (what withDemoContents holds), for comparisons.
    static CloneImage demoImage();

    // Identification answer fields.
    QString modelName = QStringLiteral("KTM40");
    QString variantCode = QStringLiteral("33");
    QString rangeCode = QStringLiteral("00");
    void setIdentity(int variant, bool wideRange);

    VirtualRadioFaults faults;
    // Called with every complete command line received (without its CR LF).
    std::function<void(const QByteArray &line)> commandObserver;
    // When set, what the program receives for an exchange (key as for the faults): the reply (echo and
    // answer together) as the radio would send it in, what goes on the line out.
    std::function<QByteArray(const QString &key, const QByteArray &reply)> replyFilter;
    // Replies spoilt by the garble fault so far.
    int garbledReplies() const { return garbled_; }

    // Feeds characters from the PC; returns the replies to the lines they complete.
    std::vector<VirtualRadioReply> receive(const QByteArray &bytes);

    // Every command line received so far, without CR LF.
    const QList<QByteArray> &commandLog() const { return log_; }
    bool writeAccess() const { return access_; }

    // Memory blocks by address (0x300, 0x320, 0x400, 0x500, 0x600 + 0x20 k); 64 digits each.
    QString block(int address) const { return QString::fromLatin1(memory_.value(address)); }
    void setBlock(int address, const QString &digits) { memory_[address] = digits.toLatin1(); }
    bool hasBlock(int address) const { return memory_.contains(address); }
    // The memory decoded into an image (variant and range from the identity). False when a record
    // cannot be decoded; the image then holds what could be.
    bool toImage(CloneImage &image) const;
    // The clone file text of the memory, every block as held.
    QByteArray cloneFileBytes() const;
    // Loads a clone file's blocks (checked as File > Open checks it); the identity follows the header.
    bool loadCloneFile(const QString &path, QString *error);

  private:
    VirtualRadioReply answer(const QByteArray &line);
    void loadImage(const CloneImage &image);

    void garble(VirtualRadioReply &reply);

    QMap<int, QByteArray> memory_;
    QByteArray pending_;
    std::minstd_rand garbleRng_{20261207};
    int garbled_ = 0;
    QList<QByteArray> log_;
    bool access_ = false;
};
