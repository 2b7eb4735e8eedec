#pragma once
// Random clone images for property tests: records built byte by byte and decoded as a read would.
#include "image/CloneImage.h"
#include <random>

struct RandomImageOptions {
    // Codes of gain, AGC, power, filter, tone and NB anywhere in 0..255 (as a radio may hold them),
    // else only the codes the edit dialog writes.
    bool anyCodes = true;
    // Percent of channels in use.
    int usedPercent = 60;
    // Frequencies anywhere a record can hold them (0 to 4,294,967,295 Hz, the edges and the range's
    // neighbours often), as a clone file may, else only inside the image's range.
    bool anyFrequencies = false;
};

// The radio's code of a name character, written out here from its table so that the test does not lean
// on the program's own.
int NameCodeOf(char c);

// An image of a random variant and range, settings at their defaults, VFOs and channels random with
// frequencies as the options say and names of 0 to 8 of the radio's characters.
CloneImage RandomImage(std::mt19937 &rng, const RandomImageOptions &options = {});
// Another image of the same variant, range and settings with different random VFOs and channels.
CloneImage RandomImageLike(const CloneImage &like, std::mt19937 &rng, const RandomImageOptions &options = {});
