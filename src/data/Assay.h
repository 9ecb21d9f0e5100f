#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "data/ChromatogramChannel.h"

// One named peak of a chromatogram, a row of the host's [peak] table.
struct Peak {
    std::wstring nameId;
    std::wstring name;  // never empty in a loaded peak
    double area = 0;
    double time = 0;
    double concentration = 0;  // per cent by mass
    double height = 0;
    int32_t channel = 0;
    double front = 0;
    double back = 0;
};

// One chromatogram as the plug-in keeps it: its [assay] row, sample mass, tick, channels and peaks.
// The list of the main dialog never holds two with the same id.
struct Assay {
    int32_t id = 0;
    int64_t date = 0;  // seconds since 1970-01-01 00:00 UTC
    std::wstring fileName;
    std::wstring sample;
    std::wstring method;
    std::wstring mixture;
    bool isCalibration = false;
    double sampleMass = 0.0;  // grams; -1 when the passport names none, 0 when the file did not read
    int32_t isTicked = 0;
    std::vector<ChromatogramChannel> channels;
    std::vector<Peak> peaks;  // by channel, then by time
    double lastHeaderValue2 = std::numeric_limits<double>::lowest();
    double lastHeaderValue1 = std::numeric_limits<double>::lowest();
    std::vector<std::vector<double>> signals;  // per channel, samples widened to double
};
