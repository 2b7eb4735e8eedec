#include "VirtualRadioRig.h"
#include "channels/ChannelRecord.h"
#include "files/NewImage.h"
#include "image/HexText.h"
#include "link/SerialLink.h"
#include <QDebug>
#include <QTest>
#include <limits>

VirtualRadioRig::VirtualRadioRig(std::shared_ptr<VirtualRadio> withRadio, Line line)
    : radio(withRadio ? std::move(withRadio) : std::make_shared<VirtualRadio>()), server(radio) {
    ClearTables(image);
    NewImage(image);
    if (line == Line::SerialPort) return;
    auto owned = std::make_unique<VirtualRadioLink>(radio);
    link = owned.get();
    session.setLink(std::move(owned));
}

bool VirtualRadioRig::open() {
    if (link) return true;
    QString error;
    if (!server.open(&error)) {
        qWarning() << error;
        return false;
    }
    session.setLink(std::make_unique<SerialLink>(server.devicePath()));
    return true;
}

Ending VirtualRadioRig::run(const std::function<bool(RadioSession &)> &start, int timeoutMs) {
    const qsizetype before = runs.size();
    if (!start(session) || !(runs.size() > before || runs.wait(timeoutMs))) return Ending::ProcedureFailure;
    return lastEnding();
}

Ending VirtualRadioRig::run(Procedure procedure, int timeoutMs) {
    return run([procedure](RadioSession &s) { return s.start(procedure); }, timeoutMs);
}

Ending VirtualRadioRig::lastEnding() const {
    return finished.last().at(1).value<Ending>();
}

QString VirtualRadioRig::lastDetail() const {
    return finished.last().at(2).toString();
}

QStringList VirtualRadioRig::commands(qsizetype from) const {
    QStringList out;
    const QList<QByteArray> &log = radio->commandLog();
    for (qsizetype i = from; i < log.size(); ++i)
        out << QString::fromLatin1(log[i]);
    return out;
}

double VirtualRadioRig::smallestGapMs() const {
    const auto &t = link->transcript();
    if (t.size() < 2) return -1;
    qint64 smallest = std::numeric_limits<qint64>::max();
    for (qsizetype i = 1; i < t.size(); ++i)
        smallest = std::min(smallest, t[i].sentNs - std::max(t[i - 1].lastReplyNs, t[i - 1].sentNs));
    return double(smallest) / 1e6;
}

CloneImage NumberedChannelsImage() {
    CloneImage image;
    ClearTables(image);
    NewImage(image);
    for (int k = 0; k < ChannelCount; ++k) {
        RecordBytes b{};
        b[0] = 0x80;
        b[1] = std::uint8_t(k % 6);
        WriteLe32(b, 16, std::uint32_t(1800000 + 1000 * k));
        WriteLe32(b, 28, std::uint32_t(1800000 + 1000 * k));
        UpdateMemData(image, RecordText(b), k);
    }
    return image;
}
