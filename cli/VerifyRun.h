#pragma once
// Verify on the command line: read the radio back, compare, print the differences.
#include "image/CloneImage.h"
#include "link/RadioSession.h"

// Runs a Verify of the given halves on session and prints the result (a line per difference, or JSON).
// Returns ExitOk when all match, ExitDifferent when something differs, or the link failure's status.
int VerifyAgainstRadio(RadioSession &session, const CloneImage &image, bool settings, bool memory, bool json);
