#include "data/Assay.h"

#include <cmath>

bool HasUsableMass(const Assay& assay) {
    return std::isfinite(assay.sampleMass) && assay.sampleMass > 0;
}
