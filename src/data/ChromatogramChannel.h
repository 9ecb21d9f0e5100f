#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "data/PeakMark.h"

// An allocator that leaves the elements a vector grows by without values as they are, instead of
// filling them with zeros: a chromatogram's samples are read straight into the room made for them, and
// zeroing it first wrote all their memory once more for nothing (a tenth of the time of loading one).
template <typename T>
class UninitialisedAllocator : public std::allocator<T> {
public:
    template <typename U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    UninitialisedAllocator() = default;
    template <typename U>
    UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}

    template <typename U>
    void construct(U* place) noexcept {
        ::new (static_cast<void*>(place)) U;
    }
    template <typename U, typename... Args>
    void construct(U* place, Args&&... args) {
        ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
    }
};

// A channel's samples. resize() leaves new samples undefined: fill them.
using Samples = std::vector<float, UninitialisedAllocator<float>>;

// One detector channel of a chromatogram file: its samples, two header values and its peak table.
struct ChromatogramChannel {
    int32_t number = 0;
    Samples samples;
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
    Samples CopySamples() const;
};
