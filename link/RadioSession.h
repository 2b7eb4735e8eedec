#pragma once
// Runs the transfer procedures and the identification on one link, one at a time, driven by signals and
// timers (never blocking, no nested event loops). It owns the link and leaves it open between runs.
#include "image/CloneImage.h"
#include "link/VerifyRecords.h"
#include "link/WriteChanges.h"
#include <QObject>
#include <QStringList>
#include <memory>

class Link;

// VerifySettings and VerifyMemory read the radio's records back without changing the image: the block reads
// of ReadSettings or ReadMemory, then the end command; radioRecords() holds what they read.
// ChangesRead, ChangesWrite and ChangesCheck are the three phases of Write Changes (startWriteChanges).
enum class Procedure {
    ReadMemory,
    WriteMemory,
    ReadSettings,
    WriteSettings,
    Identify,
    VerifySettings,
    VerifyMemory,
    ChangesRead,
    ChangesWrite,
    ChangesCheck,
    ProbePort // the identification alone, to find the port the radio is on (PortFinder)
};

// How a run ended:
//   Success            - ComEnd3 (after the end command; Identify sends none)
//   CommunicationError - ComEnd1: time-out, wrong reply length, write not answered "OK", unknown model or
//   code ComPortError       - ComEnd2: the port failed during an exchange ("False00") ProcedureFailure   -
//   the procedure's own failure path: the port could not be opened, or a codec refused a
//                        record (mode above 5, setting beyond its list); shown as "COM Port Error" as well
//   FileError          - Write Changes could not save its backup of the radio: nothing was written;
//                        shown as "File Open Error"
enum class Ending { Success, CommunicationError, ComPortError, ProcedureFailure, FileError };

// "Retries: n", the count of exchanges sent again, for a closing status line.
QString RetriesText(int retries);

class RadioSession : public QObject {
    Q_OBJECT
  public:
    // The session works on image (not owned; it must outlive the session).
    explicit RadioSession(CloneImage *image, QObject *parent = nullptr);
    ~RadioSession() override;

    // Replaces the link (closing the old one). Refused (false) while a run is under way.
    bool setLink(std::unique_ptr<Link> link);
    Link *link() const;

    bool busy() const;
    // The pause between commands, 10 ms for the radio. Only a virtual radio can do with less: the tests
    // that check what is exchanged, not when, set 0 to run a thousand exchanges in a moment.
    void setCommandPauseMs(int ms);
    // How often a block read or write whose reply is refused (time-out, length, echo, a character that is no
    // hexadecimal digit, no OK) is sent again, after the pause and the discard, before the transfer fails:
    // 0 to 5, 0 by default (every exchange once). The identification, the write-access line and the end
    // command are never sent again, and a port failure ends the transfer at once.
    static constexpr int MaxRetries = 5;
    void setRetries(int retries);
    int retries() const;
    // The exchanges sent again in the current or last run, each with the reason its reply was refused.
    const QStringList &retriesInRun() const;
    // The command line of the exchange under way: sent, its reply not yet taken (also while it waits to be
    // sent again). Empty between exchanges. An interrupted write names its record as unknown by it.
    QByteArray commandUnderWay() const;
    // Starts one procedure; false when another run is under way or there is no link.
    bool start(Procedure procedure);
    // Read ALL / Write ALL: settings first, memory only when the settings half succeeded.
    bool startReadAll();
    bool startWriteAll();
    // Verify: reads back the settings and VFO records, the memory channels, or both (memory only when the
    // settings half succeeded). Compare radioRecords() with the image afterwards (CompareWithRadio).
    bool startVerify(bool settings, bool memory);
    // Write Changes: reads the records in scope into radioRecords(), saves them as a backup in backupFolder,
    // writes only the records that differ from what Write would send, then reads those back into
    // radioRecords(). writeChangesRun() holds what was found and written; compare with
    // writeChangesRun().notHeld(radioRecords()) afterwards.
    bool startWriteChanges(bool settings, bool memory, const QString &backupFolder);
    const WriteChangesRun &writeChangesRun() const;
    WriteChangesRun &writeChangesRun();
    // The records the current or last Verify run read, by address.
    const RadioRecords &radioRecords() const;
    RadioRecords &radioRecords();

  signals:
    // A procedure begins (also each half of an ALL run): the window disables its buttons, sets the hourglass,
    // and for memory transfers makes the Memory page current and shows the progress bar.
    void procedureStarted(Procedure procedure);
    // Memory transfers: the channel being moved, 0..603.
    void progress(int k);
    // Write Changes: where the whole run stands, after every record read, written or read back.
    void changesProgress(const WriteChangesProgress &progress);
    // Read Memory replaced ChannelTable[k] / ChannelUsed[k]: refresh grid row k + 1.
    void channelDecoded(int k);
    // Read Settings decoded SetData1/SetData2 into image.Settings (before the VFO blocks are asked for).
    void settingsDecoded();
    // Read Settings decoded both VFO records.
    void vfoDecoded();
    // Identification selected a variant (the option button moved) and set WideRange.
    void variantIdentified(int variant, bool wideRange);
    // One procedure ended. detail says more for a status line (port name and reason, failing address).
    void procedureFinished(Procedure procedure, Ending ending, const QString &detail);
    // A whole run ended (a single procedure, or both halves of an ALL run): the window is restored.
    void runFinished(bool succeeded);

  private:
    struct Private;
    std::unique_ptr<Private> d;
};
