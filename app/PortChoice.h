#pragma once
// The port the radio is reached on: a numbered COM port, another device the system reports, or (in a demo
// run) the built-in virtual radio; and how a link is made for it.
#include <QString>
#include <functional>
#include <memory>

class Link;

struct PortChoice {
    int commPort = 1;   // 1..14, what the port file keeps
    QString devicePath; // a device picked by name instead of by number ("" when the number counts)
    bool virtualRadio = false;
    int retries = 0; // how often a refused block read or write is sent again (per-user settings)
    bool operator==(const PortChoice &) const = default;
};

// Makes the link for a choice; the main program gives the serial port and the virtual radio.
using LinkFactory = std::function<std::unique_ptr<Link>(const PortChoice &)>;
