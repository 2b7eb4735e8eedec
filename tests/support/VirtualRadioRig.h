#pragma once
// A session on an in-process virtual radio, with spies on its signals, for the radio-link tests.
#include "link/RadioSession.h"
#include "link/VirtualRadioLink.h"
#include <QSignalSpy>
#include <memory>

struct VirtualRadioRig {
    CloneImage image;
    std::shared_ptr<VirtualRadio> radio;
    VirtualRadioLink *link = nullptr;
    RadioSession session{&image};
    QSignalSpy started{&session, &RadioSession::procedureStarted};
    QSignalSpy finished{&session, &RadioSession::procedureFinished};
    QSignalSpy runs{&session, &RadioSession::runFinished};
    QSignalSpy progress{&session, &RadioSession::progress};
    QSignalSpy decoded{&session, &RadioSession::channelDecoded};

    // image: a new image; radio: the given one, or one holding a new image.
    explicit VirtualRadioRig(std::shared_ptr<VirtualRadio> withRadio = {});

    // Waits for the run to end (false when it did not within timeoutMs).
    bool waitForRun(int timeoutMs = 30000);
    // The ending and detail of the last procedure that finished.
    Ending lastEnding() const;
    QString lastDetail() const;
    // The command lines the radio received, without CR LF, as text.
    QStringList commands() const;
    // The smallest gap between the end of a reply and the next command, in ms (-1 with fewer than two).
    double smallestGapMs() const;
};

// An image whose every channel is used, channel k at 1,800,000 + 1000 k Hz: easy to tell from any other.
CloneImage NumberedChannelsImage();
