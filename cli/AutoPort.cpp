#include "cli/AutoPort.h"
#include "image/CloneImage.h"
#include "link/PortFinder.h"
#include "link/SerialLink.h"
#include "link/SerialPortList.h"
#include <QCoreApplication>
#include <cstdio>

namespace {
// Stands for the radio's port when no port answered: its open gives the reason.
class NoRadioLink : public Link {
  public:
    explicit NoRadioLink(QString reason) : reason_(std::move(reason)) {}
    bool open(QString *reason) override {
        if (reason) *reason = reason_;
        return false;
    }
    void close() override {}
    bool isOpen() const override { return false; }
    bool write(const QByteArray &) override { return false; }
    QByteArray readAll() override { return {}; }
    QString name() const override { return QStringLiteral("--port auto"); }

  private:
    QString reason_;
};

void say(const QString &line) {
    std::fprintf(stderr, "--port auto: %s\n", qPrintable(line));
    std::fflush(stderr);
}
} // namespace

std::unique_ptr<Link> FindRadioLink() {
    const QList<SerialPortEntry> ports = ListSerialPorts();
    if (ports.isEmpty())
        return std::make_unique<NoRadioLink>(
            QStringLiteral("--port auto: this system reports no serial ports"));
    QStringList devices;
    for (const SerialPortEntry &entry : ports)
        devices << entry.facts.device;

    PortFinder finder;
    QString found;
    QObject::connect(&finder, &PortFinder::skipped, [](const QString &device, const QString &reason) {
        say(QStringLiteral("%1 skipped: %2").arg(device, reason));
    });
    QObject::connect(&finder, &PortFinder::finished, [&found](const QString &device) {
        found = device;
        QCoreApplication::exit(0);
    });
    finder.start(devices);
    QCoreApplication::exec(); // the command's own run starts after this one has ended

    if (found.isEmpty())
        return std::make_unique<NoRadioLink>(
            QStringLiteral("--port auto: no port answered as the radio (%1 asked: %2)")
                .arg(devices.size())
                .arg(devices.join(QStringLiteral(", "))));
    const SerialPortEntry &entry = ports[FindPortEntry(ports, found)];
    const QString stable =
        entry.stableName.isEmpty() ? QString() : QStringLiteral(", also called %1").arg(entry.stableName);
    say(QStringLiteral("the radio (%1) answered on %2%3")
            .arg(VariantCaption(finder.variant()), found, stable));
    return std::make_unique<SerialLink>(found);
}
