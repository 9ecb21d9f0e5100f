#pragma once

#include <cstdint>
#include <vector>

#include "data/Passport.h"
#include "data/PeakMark.h"

// A channel as its block header and peak table describe it: everything of it but its samples.
struct ChannelOutline {
    int32_t number = 0;
    double headerValue1 = 0;
    double headerValue2 = 0;
    uint64_t sampleCount = 0;
    std::vector<PeakMark> peakMarks;
};

// What a chromatogram file says besides its samples and peak tables: its version, each channel's block
// header and its passport. The chromatogram list keeps this of a file, and a report holds the file
// against it before it takes the file's checksum.
struct ChromatogramOutline {
    uint8_t version = 1;
    std::vector<ChannelOutline> channels;
    Passport passport;
};

// Whether two outlines say the same version, block headers and passport (the peak tables are not
// compared: nothing is taken from them). Numbers are compared by their bits, so that a value the file
// holds as NaN is the same as itself; the passport's path, which is no part of the file, is not compared.
bool SameOutline(const ChromatogramOutline& a, const ChromatogramOutline& b);
// The two halves of SameOutline: the block headers, and the passport.
bool SameChannels(const std::vector<ChannelOutline>& a, const std::vector<ChannelOutline>& b);
bool SamePassport(const Passport& a, const Passport& b);
