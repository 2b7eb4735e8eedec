#include "BenchPtyRadio.h"
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

namespace {
long long threadCpuNow() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}
} // namespace

const char *FaultName(ExchangePlan::Fault fault) {
    switch (fault) {
    case ExchangePlan::Fault::None:
        return "none";
    case ExchangePlan::Fault::DropBefore:
        return "line dropped before the reply";
    case ExchangePlan::Fault::DropDuring:
        return "line dropped during the reply";
    case ExchangePlan::Fault::DropAfter:
        return "line dropped after the reply";
    case ExchangePlan::Fault::Silent:
        return "silent radio (time-out)";
    case ExchangePlan::Fault::Short:
        return "reply one character short";
    case ExchangePlan::Fault::Long:
        return "reply one character long";
    case ExchangePlan::Fault::NotOk:
        return "NG instead of OK";
    case ExchangePlan::Fault::Split:
        return "reply in single characters with gaps";
    case ExchangePlan::Fault::Waiting:
        return "characters waiting before the port opens";
    case ExchangePlan::Fault::Late:
        return "answer after the time-out";
    case ExchangePlan::Fault::Earlier:
        return "an earlier run's reply still arriving";
    case ExchangePlan::Fault::Noise:
        return "noise after the reply";
    }
    return "?";
}

BenchPtyRadio::BenchPtyRadio(std::shared_ptr<VirtualRadio> radio, int baud, const QString &linkPath)
    : radio_(std::move(radio)), baud_(baud), linkPath_(linkPath) {}

BenchPtyRadio::~BenchPtyRadio() {
    stop();
}

void BenchPtyRadio::setPlanner(std::function<ExchangePlan(const QByteArray &)> planner) {
    std::lock_guard<std::mutex> lock(mutex_);
    planner_ = std::move(planner);
}

void BenchPtyRadio::setBaud(int baud) {
    baud_ = baud;
}

void BenchPtyRadio::withRadio(const std::function<void(VirtualRadio &)> &f) {
    std::lock_guard<std::mutex> lock(mutex_);
    f(*radio_);
}

bool BenchPtyRadio::idle() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::all_of(queue_.begin(), queue_.end(), [](const Out &o) { return o.late; });
}

bool BenchPtyRadio::quiet() {
    std::lock_guard<std::mutex> lock(mutex_);
    return queue_.empty();
}

void BenchPtyRadio::inject(const QByteArray &bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (master_ >= 0) {
        const ssize_t n = ::write(master_, bytes.constData(), size_t(bytes.size()));
        if (n > 0) charsOut_ += long(n);
    }
}

void BenchPtyRadio::resetCounters() {
    charsIn_ = 0;
    charsOut_ = 0;
    turnSumNs_ = turnMaxNs_ = turnCount_ = 0;
    lastWriteNs_ = 0;
}

bool BenchPtyRadio::openPty(QString *error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    const char *name = nullptr;
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 || !(name = ptsname(master_))) {
        if (error)
            *error = QStringLiteral("pseudo-terminal: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        closePty();
        return false;
    }
    const QByteArray device(name);
    // our own hold on the device keeps the master from seeing a hang-up while the program has it closed
    keepAlive_ = ::open(device.constData(), O_RDWR | O_NOCTTY);
    if (keepAlive_ >= 0) {
        termios t{};
        if (tcgetattr(keepAlive_, &t) == 0) {
            cfmakeraw(&t);
            tcsetattr(keepAlive_, TCSANOW, &t);
        }
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    // the link is replaced in one step: the program never finds it missing
    const QByteArray tmp = QFile::encodeName(linkPath_) + ".new";
    ::unlink(tmp.constData());
    if (::symlink(device.constData(), tmp.constData()) != 0 ||
        ::rename(tmp.constData(), QFile::encodeName(linkPath_).constData()) != 0) {
        if (error)
            *error = QStringLiteral("link %1: %2").arg(linkPath_, QString::fromLocal8Bit(strerror(errno)));
        closePty();
        return false;
    }
    return true;
}

void BenchPtyRadio::closePty() {
    if (master_ >= 0) ::close(master_);
    if (keepAlive_ >= 0) ::close(keepAlive_);
    master_ = keepAlive_ = -1;
}

bool BenchPtyRadio::start(QString *error) {
    if (!openPty(error)) return false;
    if (::pipe(wake_) != 0) {
        if (error) *error = QStringLiteral("pipe: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        closePty();
        return false;
    }
    stopping_ = false;
    thread_ = std::thread([this] { run(); });
    return true;
}

void BenchPtyRadio::stop() {
    if (!thread_.joinable()) return;
    stopping_ = true;
    const char c = 'x';
    [[maybe_unused]] const ssize_t n = ::write(wake_[1], &c, 1);
    thread_.join();
    ::close(wake_[0]);
    ::close(wake_[1]);
    wake_[0] = wake_[1] = -1;
    closePty();
    QFile::remove(linkPath_);
}

void BenchPtyRadio::lineArrived(const QByteArray &received, long long atNs) {
    QByteArray line = received;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    const ExchangePlan plan = planner_ ? planner_(line) : ExchangePlan{};
    if (plan.fault == ExchangePlan::Fault::DropBefore) { // the radio never sees the command
        queue_.push_back({atNs, {}, true});
        return;
    }
    std::vector<VirtualRadioReply> replies = radio_->receive(received);
    if (replies.empty()) return;
    VirtualRadioReply &r = replies.front();
    QByteArray answer = r.answer;
    if (plan.fault == ExchangePlan::Fault::Earlier) {
        // the reply to the next record's read, asked for by a run that is gone
        bool ok = false;
        const int address = QByteArray(line.mid(4, 4)).toInt(&ok, 16);
        const int other = ok && radio_->hasBlock(address + 0x20) ? address + 0x20 : 0x600;
        const QByteArray key = QByteArray::number(other, 16).toUpper().rightJustified(4, '0');
        schedule("RZ~F" + key + "R\r\n" + radio_->block(other).toLatin1() + "\r\n", atNs, {});
    }
    if (plan.fault == ExchangePlan::Fault::Late) {
        schedule(r.echo, atNs, plan);
        queue_.push_back({atNs + 2000000000LL + plan.afterUs * 1000LL, answer, false, false, 0, true});
        return;
    }
    switch (plan.fault) {
    case ExchangePlan::Fault::Silent:
        answer.clear();
        break;
    case ExchangePlan::Fault::Short:
        if (answer.size() >= 3) answer.remove(answer.size() - 3, 1);
        break;
    case ExchangePlan::Fault::Long:
        answer.insert(std::max<qsizetype>(0, answer.size() - 2), '0');
        break;
    case ExchangePlan::Fault::NotOk:
        if (answer.endsWith("OK\r\n")) answer.replace(answer.size() - 4, 2, "NG");
        break;
    default:
        break;
    }
    schedule(r.echo + answer, atNs, plan);
    if (plan.fault == ExchangePlan::Fault::Noise) {
        static const char junk[] = "0\r\nRZ~F\xff"
                                   "\x00"
                                   "A";
        const QByteArray noise(junk + plan.afterUs % 6, 1 + plan.afterUs % 4);
        queue_.push_back({txFreeNs_ + plan.afterUs * 1000LL, noise, false});
    }
}

void BenchPtyRadio::schedule(const QByteArray &bytes, long long fromNs, const ExchangePlan &plan) {
    const int baud = baud_;
    const long long charNs = baud > 0 ? 10 * 1000000000LL / baud : 0;
    long long t = std::max(fromNs, txFreeNs_);
    const bool single = charNs > 0 || plan.fault == ExchangePlan::Fault::Split;
    const long long stepNs = charNs > 0 ? charNs : plan.gapUs * 1000LL;
    const int dropAt = plan.fault == ExchangePlan::Fault::DropDuring
                           ? std::clamp(plan.dropAfterChars, 0, int(bytes.size()) - 1)
                           : -1;
    if (single) {
        for (int i = 0; i < bytes.size(); ++i) {
            if (i == dropAt) {
                queue_.push_back({t, {}, true});
                txFreeNs_ = t;
                return;
            }
            t += (i == 0 && charNs == 0) ? 0 : stepNs;
            queue_.push_back({t, bytes.mid(i, 1), false});
        }
    } else if (dropAt >= 0) {
        queue_.push_back({t, bytes.left(dropAt), false});
        queue_.push_back({t + 200000, {}, true}); // the part has been read before the line goes
        txFreeNs_ = t;
        return;
    } else {
        queue_.push_back({t, bytes, false});
    }
    if (plan.fault == ExchangePlan::Fault::DropAfter)
        queue_.push_back({t + 1000000,
                          {},
                          true,
                          true,
                          t + 1000000000LL}); // in the pause after the reply, once it has been read
    txFreeNs_ = t;
}

void BenchPtyRadio::run() {
    const long long cpuStart = threadCpuNow();
    char buffer[1024];
    while (!stopping_) {
        long long now = MonotonicNs();
        timespec timeout{};
        timespec *wait = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!queue_.empty()) {
                const long long left = std::max(0LL, queue_.front().dueNs - now);
                timeout.tv_sec = left / 1000000000LL;
                timeout.tv_nsec = left % 1000000000LL;
                wait = &timeout;
            }
        }
        pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        const int ready = ppoll(fds, 2, wait, nullptr);
        if (ready < 0 && errno != EINTR) break;
        std::lock_guard<std::mutex> lock(mutex_);
        now = MonotonicNs();
        if (fds[0].revents & POLLIN) {
            for (;;) {
                const ssize_t n = ::read(master_, buffer, sizeof buffer);
                if (n <= 0) break;
                charsIn_ += long(n);
                const int baud = baud_;
                const long long charNs = baud > 0 ? 10 * 1000000000LL / baud : 0;
                if (lastWriteNs_ > 0 && line_.isEmpty()) {
                    const long long turn = now - lastWriteNs_;
                    turnSumNs_ += turn;
                    ++turnCount_;
                    turnMaxNs_ = std::max<long long>(turnMaxNs_, turn);
                    lastWriteNs_ = 0;
                }
                for (ssize_t i = 0; i < n; ++i) {
                    // paced, a character has arrived when its tenth bit has
                    rxFreeNs_ = std::max(now, rxFreeNs_) + charNs;
                    line_.append(buffer[i]);
                    if (buffer[i] == '\n') {
                        lineArrived(line_, charNs > 0 ? rxFreeNs_ : now);
                        line_.clear();
                    } else if (line_.size() > 128) {
                        line_.clear();
                    }
                }
            }
            std::stable_sort(queue_.begin(), queue_.end(),
                             [](const Out &a, const Out &b) { return a.dueNs < b.dueNs; });
        }
        // everything due goes out, in order
        now = MonotonicNs();
        std::size_t done = 0;
        QByteArray out;
        bool hangUp = false;
        while (done < queue_.size() && queue_[done].dueNs <= now) {
            if (queue_[done].hangUp) {
                int unread = 0;
                if (queue_[done].whenRead && !out.isEmpty()) break;
                if (queue_[done].whenRead && keepAlive_ >= 0 && ioctl(keepAlive_, FIONREAD, &unread) == 0 &&
                    unread > 0 && now < queue_[done].giveUpNs) {
                    queue_[done].dueNs = now + 200000; // look again shortly
                    break;
                }
                hangUp = true;
                ++done;
                break;
            }
            out += queue_[done].bytes;
            ++done;
        }
        queue_.erase(queue_.begin(), queue_.begin() + long(done));
        if (!out.isEmpty() && master_ >= 0) {
            const ssize_t n = ::write(master_, out.constData(), size_t(out.size()));
            if (n > 0) charsOut_ += long(n);
            if (queue_.empty()) lastWriteNs_ = MonotonicNs(); // a reply's last character
        }
        if (hangUp) {
            // the program's port fails; the next transfer finds a new device under the same name
            closePty();
            queue_.clear();
            line_.clear();
            rxFreeNs_ = txFreeNs_ = 0;
            ++hangUps_;
            QString error;
            if (!openPty(&error)) {
                std::fprintf(stderr, "bench radio: %s\n", qPrintable(error));
                break;
            }
        }
        if (fds[1].revents & POLLIN) break;
    }
    cpuNs_ = threadCpuNow() - cpuStart;
}
