#pragma once
// "Find the radio": asks each of a list of ports in turn for the radio's identification (ProbePort on a
// session of its own, so the image the user edits is untouched) and stops at the first that answers as the
// radio. A port that cannot be opened (busy, refused, gone), stays silent or answers something else is
// skipped, and said so. Event-driven like every exchange; each port is closed again after its question.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Link;

class PortFinder : public QObject {
    Q_OBJECT
  public:
    using LinkMaker = std::function<std::unique_ptr<Link>(const QString &device)>;
    // Serial ports (SerialLink) unless makeLink says otherwise.
    explicit PortFinder(QObject *parent = nullptr, LinkMaker makeLink = {});
    ~PortFinder() override;

    // Asks the devices in the order given. False when a search is under way or there is nothing to ask.
    bool start(const QStringList &devices);
    // Ends a search under way at once, without the finished signal.
    void cancel();
    bool running() const;

    // After a search that found the radio: its variant (0..3) and whether it covers the wide range.
    int variant() const { return variant_; }
    bool wideRange() const { return wideRange_; }

  signals:
    void asking(const QString &device);
    // Why the device is not the radio's: it could not be opened, or did not answer as the radio.
    void skipped(const QString &device, const QString &reason);
    // The device the radio answered on, "" when none did.
    void finished(const QString &device);

  private:
    struct Private;
    std::unique_ptr<Private> d;
    int variant_ = -1;
    bool wideRange_ = false;
};
