#pragma once
// Shared by the fuzz targets: a base image with something in every part, so that "unchanged" means something,
// and a check that aborts (a finding) with a message.
#include "image/CloneImage.h"
#include <cstdio>
#include <cstdlib>

// Default settings, default VFOs, channels 0, 1, 300 and 603 in use, variant T, wide range.
const CloneImage &FuzzBaseImage();

#define FUZZ_CHECK(condition, message)                                                                       \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", message, __FILE__, __LINE__);             \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)
