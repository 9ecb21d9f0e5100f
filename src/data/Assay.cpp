#include "data/Assay.h"

#include <cmath>
#include <mutex>

std::vector<double> Assay::Signal(size_t index) const {
    if (index >= channels.size()) return {};
    const ChromatogramChannel& channel = channels[index];
    std::lock_guard<std::mutex> guard(channel.samplesLock);
    return std::vector<double>(channel.samples.begin(), channel.samples.end());
}

bool HasUsableMass(const Assay& assay) {
    return std::isfinite(assay.sampleMass) && assay.sampleMass > 0;
}
