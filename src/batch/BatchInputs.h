#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "messages/Message.h"

// The sample densities of a batch, from "sample;density" lines (the components file's reading rules;
// a decimal point or comma). A first line whose density field holds no digit is a header. A density no petrol
// has (g/cm3 for kg/m3, say) gives the sample none, and so does a sample given twice with different
// densities: which one is meant cannot be known.
struct Densities {
    std::map<std::wstring, double> bySample;
    std::map<std::wstring, Message> problems;  // sample -> why it has no density
};

Densities ReadDensities(const std::wstring& path);

// A file name for a sample's reports: a running number that keeps the names apart and in order,
// "-", then the sample's letters, digits and hyphens, anything else one "_" ("001-АИ-95-К5_партия_2417").
std::wstring BaseName(size_t number, const std::wstring& sample);
