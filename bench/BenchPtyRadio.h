#pragma once
// The virtual radio served on a pseudo-terminal from a thread of its own, for the transfer benchmark and
// the fault soak. The program under test opens linkPath() with QSerialPort like any serial port.
//
// Paced, each character takes 10 bit times on the wire in both directions and the two directions do not
// overlap: a command line has arrived when its last character has been clocked in, and the radio then
// clocks out its echo and its answer. Unpaced, the whole reply is written at once.
//
// A planner decides per exchange how the radio misbehaves: the line dropped before, during or after the
// reply, a silent radio (echo only), a reply one character short or long, "NG" for "OK", or the reply
// split into single characters with gaps. A dropped line hangs the pseudo-terminal up (the program's port
// fails); a new one is made at once and linkPath() (a symbolic link) points to it, as a cable plugged in
// again under the same name.
#include "link/VirtualRadio.h"
#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

struct ExchangePlan {
    // The dirty line: Waiting - characters wait in the line before the program opens it (not a fault of
    // an exchange: the soak puts them there with inject()); Late - the answer after the program's 2000 ms
    // time-out; Earlier - an earlier run's whole reply (another record's) arrives before the echo; Noise -
    // junk characters some time after the reply.
    enum class Fault {
        None,
        DropBefore,
        DropDuring,
        DropAfter,
        Silent,
        Short,
        Long,
        NotOk,
        Split,
        Waiting,
        Late,
        Earlier,
        Noise
    };
    Fault fault = Fault::None;
    int dropAfterChars = 0; // DropDuring: reply characters sent before the line goes
    int gapUs = 0;          // Split: the time between two characters
    int afterUs = 0;        // Late: beyond the time-out; Noise: after the reply's last character
};
const char *FaultName(ExchangePlan::Fault fault);

class BenchPtyRadio {
  public:
    // baud 0: unpaced. linkPath: where the symbolic link to the current device is made.
    BenchPtyRadio(std::shared_ptr<VirtualRadio> radio, int baud, const QString &linkPath);
    ~BenchPtyRadio();
    BenchPtyRadio(const BenchPtyRadio &) = delete;
    BenchPtyRadio &operator=(const BenchPtyRadio &) = delete;

    bool start(QString *error);
    void stop();
    QString linkPath() const { return linkPath_; }

    // Called on the radio's thread for every command line (without CR LF) before the radio sees it.
    // Set before start() or between transfers.
    void setPlanner(std::function<ExchangePlan(const QByteArray &line)> planner);
    void setBaud(int baud);

    // Writes bytes into the line at once, as if the radio had sent them earlier.
    void inject(const QByteArray &bytes);
    // Runs f on the radio with the radio's thread held off.
    void withRadio(const std::function<void(VirtualRadio &)> &f);

    // Characters moved since the last resetCounters(), and the lines dropped.
    long charsReceived() const { return charsIn_; }
    long charsSent() const { return charsOut_; }
    int hangUps() const { return hangUps_; }
    void resetCounters();
    // Nothing scheduled: every reply, gap and hang-up planned so far has happened (late answers aside: they
    // are meant to land in whatever comes next).
    bool idle();
    // Nothing scheduled at all, late answers included.
    bool quiet();
    // From the last character of a reply written to the next command line arriving: the program's pause
    // and its own work in between (mean and longest, nanoseconds).
    long long turnaroundMeanNs() const { return turnCount_ ? turnSumNs_ / turnCount_ : 0; }
    long long turnaroundMaxNs() const { return turnMaxNs_; }
    // CPU time of the radio's thread in nanoseconds.
    long long threadCpuNs() const { return cpuNs_; }

  private:
    struct Out {
        long long dueNs;
        QByteArray bytes;
        bool hangUp;
        bool whenRead = false;  // hang up only once the program has read everything sent before
        long long giveUpNs = 0; // or at this time
        bool late = false;      // a late answer: idle() does not wait for it
    };
    bool openPty(QString *error);
    void closePty();
    void run();
    void lineArrived(const QByteArray &line, long long atNs);
    void schedule(const QByteArray &bytes, long long fromNs, const ExchangePlan &plan);

    std::shared_ptr<VirtualRadio> radio_;
    std::atomic<int> baud_;
    QString linkPath_;
    std::function<ExchangePlan(const QByteArray &)> planner_;
    std::mutex mutex_;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    int master_ = -1;
    int keepAlive_ = -1;
    int wake_[2] = {-1, -1};
    QByteArray line_;
    long long rxFreeNs_ = 0;
    long long txFreeNs_ = 0;
    std::vector<Out> queue_; // ordered by dueNs
    std::atomic<long> charsIn_{0}, charsOut_{0};
    std::atomic<int> hangUps_{0};
    std::atomic<long long> turnSumNs_{0}, turnMaxNs_{0}, turnCount_{0};
    long long lastWriteNs_ = 0;
    std::atomic<long long> cpuNs_{0};
};

// Monotonic clock in nanoseconds (the one the radio's thread schedules on).
long long MonotonicNs();
