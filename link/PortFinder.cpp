#include "link/PortFinder.h"
#include "link/RadioSession.h"
#include "link/SerialLink.h"

struct PortFinder::Private {
    LinkMaker makeLink;
    CloneImage scratch;
    std::unique_ptr<RadioSession> session;
    QStringList devices;
    qsizetype next = 0;
    Ending ending = Ending::Success;
    QString detail;
    quint64 search = 0; // tells a queued step of a cancelled search from the current one's
};

PortFinder::PortFinder(QObject *parent, LinkMaker makeLink)
    : QObject(parent), d(std::make_unique<Private>()) {
    d->makeLink = makeLink ? std::move(makeLink) : LinkMaker(MakeSerialLink);
}

PortFinder::~PortFinder() {
    cancel();
}

bool PortFinder::running() const {
    return d->session != nullptr;
}

void PortFinder::cancel() {
    ++d->search;
    d->session.reset(); // stops its exchange and closes the port
}

bool PortFinder::start(const QStringList &devices) {
    if (running() || devices.isEmpty()) return false;
    const quint64 search = ++d->search;
    d->devices = devices;
    d->next = 0;
    variant_ = -1;
    wideRange_ = false;
    d->session = std::make_unique<RadioSession>(&d->scratch);
    RadioSession *session = d->session.get();
    connect(session, &RadioSession::procedureFinished, this, [this](Procedure, Ending e, const QString &why) {
        d->ending = e;
        d->detail = why;
    });
    // one port after the other from the event loop: the run that ended may still be inside its link's
    // signal, so the link is replaced only once that has returned
    auto askNext = [this, search] {
        if (search != d->search) return;
        if (d->next > 0) {
            const QString device = d->devices[d->next - 1];
            if (d->ending == Ending::Success) {
                variant_ = d->scratch.Variant;
                wideRange_ = d->scratch.WideRange;
                cancel();
                emit finished(device);
                return;
            }
            QString reason = d->detail;
            if (reason.startsWith(device + QLatin1String(": "))) reason.remove(0, device.size() + 2);
            emit skipped(device, reason);
            if (search != d->search) return; // the search was cancelled from the signal
        }
        if (d->next >= d->devices.size()) {
            cancel();
            emit finished({});
            return;
        }
        const QString device = d->devices[d->next++];
        emit asking(device);
        if (search != d->search) return;
        d->session->setLink(d->makeLink(device));
        d->session->start(Procedure::ProbePort);
    };
    connect(session, &RadioSession::runFinished, this,
            [this, askNext] { QMetaObject::invokeMethod(this, askNext, Qt::QueuedConnection); });
    QMetaObject::invokeMethod(this, askNext, Qt::QueuedConnection);
    return true;
}
