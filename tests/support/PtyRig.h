#pragma once
// A virtual radio served on a pseudo-terminal and a session that reaches it through QSerialPort: the real
// port path, as a cable would be.
#include "files/NewImage.h"
#include "link/PtyRadioServer.h"
#include "link/RadioSession.h"
#include "link/SerialLink.h"
#include <QDebug>
#include <QSignalSpy>
#include <functional>
#include <memory>

struct PtyRig {
    std::shared_ptr<VirtualRadio> radio;
    PtyRadioServer server;
    CloneImage image;
    RadioSession session{&image};
    QSignalSpy finished{&session, &RadioSession::procedureFinished};
    QSignalSpy runs{&session, &RadioSession::runFinished};

    explicit PtyRig(std::shared_ptr<VirtualRadio> r) : radio(r), server(r) {
        ClearTables(image);
        NewImage(image);
    }
    bool open() {
        QString error;
        if (!server.open(&error)) {
            qWarning() << error;
            return false;
        }
        session.setLink(std::make_unique<SerialLink>(server.devicePath()));
        return true;
    }
    // Starts a run and waits for its end: the ending of its last procedure.
    Ending run(const std::function<bool(RadioSession &)> &start) {
        const qsizetype before = runs.size();
        if (!start(session) || !(runs.size() > before || runs.wait(30000))) return Ending::ProcedureFailure;
        return finished.last().at(1).value<Ending>();
    }
    QString detail() const { return finished.last().at(2).toString(); }
};
