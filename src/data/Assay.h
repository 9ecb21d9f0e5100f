#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "data/ChromatogramOutline.h"

// One named peak of a chromatogram, a row of the host's [peak] table.
struct Peak {
    std::wstring nameId;
    std::wstring name;  // never empty in a loaded peak
    double area = 0;
    double time = 0;
    double concentration = 0;  // per cent by mass; 0 when the host gave none
    double height = 0;
    int32_t channel = 0;
    double front = 0;
    double back = 0;
    bool concentrationGiven = true;  // false: [peak].concentration was NULL or no number
};

// The sample mass of a chromatogram whose passport names none, or none that is a positive number: shown as
// "---" and written "-1.00" in the report. One whose file could not be read has 0. Neither can be ticked.
constexpr double kNoSampleMass = -1.0;
constexpr double kFileNotReadMass = 0.0;

// One chromatogram as the plug-in keeps it: its [assay] row, sample mass, tick, what its file said and
// its peaks. The list of the main dialog never holds two with the same id.
struct Assay {
    int32_t id = 0;
    int64_t date = 0;  // seconds since 1970-01-01 00:00 UTC
    std::wstring fileName;
    std::wstring sample;
    std::wstring method;
    std::wstring mixture;
    bool isCalibration = false;
    double sampleMass = kFileNotReadMass;  // grams: positive and finite, kNoSampleMass or kFileNotReadMass
    int32_t isTicked = 0;
    // Its file's channels in file order, everything of them but their samples: nothing the plug-in does
    // needs those, and a 32-bit host cannot hold them for a list of 256. Empty when the file did not read.
    std::vector<ChannelOutline> channels;
    // Its file's version and passport as loaded; none when the file did not read. A report holds the file
    // against these and the channels.
    std::optional<Passport> passport;
    uint8_t fileVersion = 1;
    std::vector<Peak> peaks;  // by channel, then by time
    // The last channel's header values, also when the file failed after that channel.
    double lastHeaderValue2 = std::numeric_limits<double>::lowest();
    double lastHeaderValue1 = std::numeric_limits<double>::lowest();
};

// Whether the chromatogram has a sample mass the calculation can use; only such a one can be ticked.
bool HasUsableMass(const Assay& assay);

// Whether any chromatogram of the list is ticked.
bool AnyTicked(const std::vector<Assay>& assays);

// Whether its file read when the chromatogram was loaded.
bool FileRead(const Assay& assay);

// Keeps what a read of the chromatogram's file gave: its channels, version and passport.
void TakeOutline(Assay& assay, ChromatogramOutline outline);

// Whether the file, read again, says what it said when the chromatogram was loaded (SameOutline).
bool SameAsLoaded(const ChromatogramOutline& now, const Assay& assay);
