#pragma once
// Ctrl+C (SIGINT) and SIGTERM while a radio command runs: turned into a signal of the event loop, so that
// the command can end its progress line and say what was left before it exits.
#include <QObject>
#include <csignal>

class InterruptWatch : public QObject {
    Q_OBJECT
  public:
    // Catches SIGINT and SIGTERM from now on; the previous handlers come back with the destructor.
    InterruptWatch();
    ~InterruptWatch() override;
    int signalNumber() const { return signal_; }

  signals:
    void interrupted(int signalNumber);

  private:
    int pipe_[2] = {-1, -1};
    int signal_ = 0;
    struct sigaction oldInt_ {};
    struct sigaction oldTerm_ {};
};

// The exit status after an interruption by signal n: 128 + n, as the shell reports it.
constexpr int ExitInterruptedBy(int signalNumber) {
    return 128 + signalNumber;
}
