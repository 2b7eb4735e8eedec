#pragma once
// --port auto: the serial ports of this system are asked in turn (USB first) for the radio's
// identification, and the one that answers is used. What each port did is said on stderr.
#include "link/Link.h"
#include <memory>

// The link to the port the radio answered on. When none did, a link whose open fails with what was
// found, so that the command ends as for any port that cannot be opened ("COM Port Error").
std::unique_ptr<Link> FindRadioLink();
