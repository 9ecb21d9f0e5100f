#include "calc/TickedSamples.h"

#include <algorithm>
#include <set>

bool operator==(const SampleName& a, const SampleName& b) {
    return a.sample == b.sample && a.mixture == b.mixture;
}

std::vector<SampleName> TickedSamples(const std::vector<Assay>& assays) {
    std::vector<SampleName> samples;
    for (const Assay& assay : assays) {
        if (assay.isTicked == 0) continue;
        const SampleName name{assay.sample, assay.mixture};
        if (std::find(samples.begin(), samples.end(), name) == samples.end()) samples.push_back(name);
    }
    return samples;
}

size_t DistinctSampleCount(const std::vector<SampleName>& samples) {
    std::set<std::wstring> names;
    for (const SampleName& name : samples) names.insert(name.sample);
    return names.size();
}
