#pragma once
// A session on a virtual radio, with spies on its signals, for the radio-link tests: in process, or served
// on a pseudo-terminal and reached through QSerialPort, the real port path as a cable would be.
#include "link/PtyRadioServer.h"
#include "link/RadioSession.h"
#include "link/VirtualRadioLink.h"
#include <QSignalSpy>
#include <functional>
#include <memory>

enum class Line { InProcess, SerialPort };

struct VirtualRadioRig {
    CloneImage image;
    std::shared_ptr<VirtualRadio> radio;
    PtyRadioServer server;
    VirtualRadioLink *link = nullptr; // the in-process line; none on the serial port
    RadioSession session{&image};
    QSignalSpy started{&session, &RadioSession::procedureStarted};
    QSignalSpy finished{&session, &RadioSession::procedureFinished};
    QSignalSpy runs{&session, &RadioSession::runFinished};
    QSignalSpy progress{&session, &RadioSession::progress};
    QSignalSpy decoded{&session, &RadioSession::channelDecoded};

    // image: a new image; radio: the given one, or one holding a new image. In process the line is there at
    // once; on the serial port open() serves the radio and gives the session its line.
    explicit VirtualRadioRig(std::shared_ptr<VirtualRadio> withRadio = {}, Line line = Line::InProcess);
    bool open();

    // Starts a run and waits for its end: the ending of its last procedure (ProcedureFailure when it did not
    // start or end within timeoutMs).
    Ending run(const std::function<bool(RadioSession &)> &start, int timeoutMs = 30000);
    Ending run(Procedure procedure, int timeoutMs = 30000);
    // The ending and detail of the last procedure that finished.
    Ending lastEnding() const;
    QString lastDetail() const;
    // The command lines the radio received from the from-th on, without CR LF, as text.
    QStringList commands(qsizetype from = 0) const;
    // The smallest gap between the end of a reply and the next command, in ms (-1 with fewer than two).
    double smallestGapMs() const;
};

// An image whose every channel is used, channel k at 1,800,000 + 1000 k Hz: easy to tell from any other.
CloneImage NumberedChannelsImage();
