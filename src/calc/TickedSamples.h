#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "data/Assay.h"

// A sample as the host's database names it: [assay].sample and mixture.
struct SampleName {
    std::wstring sample;
    std::wstring mixture;
};

bool operator==(const SampleName& a, const SampleName& b);

// The distinct sample and mixture pairs of the ticked chromatograms, in list order: what the
// determinations being averaged were made of.
std::vector<SampleName> TickedSamples(const std::vector<Assay>& assays);

// How many different sample names they carry: parallel determinations are of one sample, so more
// than one is a mistake to flag.
size_t DistinctSampleCount(const std::vector<SampleName>& samples);
