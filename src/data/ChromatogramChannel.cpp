#include "data/ChromatogramChannel.h"

ChromatogramChannel::ChromatogramChannel(const ChromatogramChannel& other)
    : number(other.number),
      samples(other.CopySamples()),
      headerValue1(other.headerValue1),
      headerValue2(other.headerValue2),
      peakMarks(other.peakMarks) {}

ChromatogramChannel& ChromatogramChannel::operator=(const ChromatogramChannel& other) {
    if (this != &other) {
        Samples copied = other.CopySamples();
        number = other.number;
        {
            std::lock_guard<std::mutex> guard(samplesLock);
            samples = std::move(copied);
        }
        headerValue1 = other.headerValue1;
        headerValue2 = other.headerValue2;
        peakMarks = other.peakMarks;
    }
    return *this;
}

ChromatogramChannel::ChromatogramChannel(ChromatogramChannel&& other) noexcept
    : number(other.number),
      samples(std::move(other.samples)),
      headerValue1(other.headerValue1),
      headerValue2(other.headerValue2),
      peakMarks(std::move(other.peakMarks)) {}

ChromatogramChannel& ChromatogramChannel::operator=(ChromatogramChannel&& other) noexcept {
    number = other.number;
    samples = std::move(other.samples);
    headerValue1 = other.headerValue1;
    headerValue2 = other.headerValue2;
    peakMarks = std::move(other.peakMarks);
    return *this;
}

Samples ChromatogramChannel::CopySamples() const {
    std::lock_guard<std::mutex> guard(samplesLock);
    return samples;
}
