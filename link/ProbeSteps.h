#pragma once
// Asking one port whether the radio is on it: the identification exchange alone, then the pause, so that
// nothing else reaches a device that may not be the radio. The answer goes to the image the session works
// on (a scratch one: finding the port changes nothing the user has).
#include "link/TransferSteps.h"

std::vector<TransferStep> ProbeSteps(CloneImage &image);
