#pragma once
// What the radio commands share: the --port option, running the radio session to its end, and the
// endings as messages and exit statuses.
#include "link/Link.h"
#include "link/RadioSession.h"
#include <QCommandLineParser>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// The serial link for a port as the user wrote it (number, device path or device name; "auto" asks the
// system's ports for the radio, see FindRadioLink). Null, after a usage
// error of command, when the text names no port or a port that cannot exist here ("COM3" on Linux, with a
// hint naming the local devices).
std::unique_ptr<Link> PortLink(const QString &command, const QString &portText);

// The options of a command that takes a clone file to the radio: --port, --retries, and --memory or
// --settings for one half (verb: what the command does to it, "write" or "verify").
void AddFileToRadioOptions(QCommandLineParser &p, const QString &verb);

// After parsing those options: FILE.M40 and --port given, not both halves; then the file opened into image
// and the port's link set on session. ExitOk, or the exit status of the usage error or of the file.
int OpenFileToRadio(const QCommandLineParser &p, const QString &command, CloneImage &image,
                    RadioSession &session);

// --retries N (0 to 5): how often a refused block read or write is sent again.
void AddRetriesOption(QCommandLineParser &p);
// After parsing: sets the retries on session. ExitOk, or the usage error of a number out of range.
int ApplyRetries(const QCommandLineParser &p, const QString &command, RadioSession &session);

// One run of the session: starts it and says whether it started.
using SessionRun = std::function<bool(RadioSession &)>;

// Runs the runs one after another while each succeeds, in the program's event loop. A progress bar for
// memory transfers goes to stderr when it is a terminal. Exchanges sent again are counted on stderr
// ("Retries: 2 ..."), success or not. Returns ExitOk, or after printing the failure's
// message and detail, ExitCommunicationError or ExitComPortError. Ctrl+C (or SIGTERM) ends the progress
// line, says what was left ("Interrupted" and what the radio and the files now hold) and returns 128 + the
// signal's number.
int RunSession(RadioSession &session, const std::vector<SessionRun> &runs);

// What an interruption during procedure leaves, k the channel under way; writeSent: its block write has
// gone out and was not confirmed, so what the radio holds there is unknown.
QString InterruptedDetail(Procedure procedure, int k, bool writeSent = false);

// The message and exit status of an ending ("Communication Error" 1; "COM Port Error" 2).
int ReportEnding(Ending ending, const QString &detail);
