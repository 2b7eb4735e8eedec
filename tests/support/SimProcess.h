#pragma once
// A running 'kt-m40-cli sim': a virtual radio on a pseudo-terminal for the command-line tests.
#include <QProcess>
#include <QStringList>

class Sim {
  public:
    // Starts the simulator with args and waits for its "PORT /dev/pts/N" line.
    explicit Sim(const QStringList &args);
    // Stops it (SIGTERM: it saves with --save and ends).
    ~Sim() { stop(); }
    QString port() const { return port_; }
    int stop();

  private:
    QProcess process_;
    QString port_;
};
