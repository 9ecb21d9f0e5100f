#include "data/Assay.h"

#include <algorithm>
#include <cmath>
#include <utility>

bool HasUsableMass(const Assay& assay) {
    return std::isfinite(assay.sampleMass) && assay.sampleMass > 0;
}

bool FileRead(const Assay& assay) {
    return assay.passport.has_value();
}

void TakeOutline(Assay& assay, ChromatogramOutline outline) {
    assay.channels = std::move(outline.channels);
    assay.passport = std::move(outline.passport);
    assay.fileVersion = outline.version;
}

bool SameAsLoaded(const ChromatogramOutline& now, const Assay& assay) {
    return assay.passport && now.version == assay.fileVersion && SameChannels(now.channels, assay.channels) &&
           SamePassport(now.passport, *assay.passport);
}

bool AnyTicked(const std::vector<Assay>& assays) {
    return std::any_of(assays.begin(), assays.end(), [](const Assay& assay) { return assay.isTicked != 0; });
}
