#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "data/PeakMark.h"

// One detector channel of a chromatogram file: its samples, two header values and its peak table.
struct ChromatogramChannel {
    int32_t number = 0;
    std::vector<float> samples;
    // Held while samples are copied into or out of the channel; never together with another lock.
    mutable std::mutex samplesLock;
    double headerValue1 = 0;
    double headerValue2 = 0;
    std::vector<PeakMark> peakMarks;

    ChromatogramChannel() = default;
    ChromatogramChannel(const ChromatogramChannel& other);
    ChromatogramChannel& operator=(const ChromatogramChannel& other);
    ChromatogramChannel(ChromatogramChannel&& other) noexcept;
    ChromatogramChannel& operator=(ChromatogramChannel&& other) noexcept;

    // A copy of the samples, taken under the lock.
    std::vector<float> CopySamples() const;
};
