#pragma once

#include <optional>
#include <string>
#include <vector>

#include "messages/Message.h"
#include "tables/LimitsFile.h"

// A limit held against a calculation.
struct LimitVerdict {
    // ConditionallyConforms and ConditionallyExceeds come only from a rule with a guard band (ILAC G8): the
    // result lies within it, below or above the limit.
    enum class Outcome { Conforms, ConditionallyConforms, ConditionallyExceeds, Exceeds, Undetermined };
    Limit limit;
    double measured = 0.0;  // rounded to the four decimals the report shows, as compared
    Outcome outcome = Outcome::Undetermined;
    // Peak names of the limit that no component of the table bears: the sum would silently miss
    // them, so no verdict is given.
    std::vector<std::wstring> unknownPeakNames;
    // Why no verdict is given; empty when one is. For every limit: nothing ticked, no table, several
    // samples ticked together, a ticked chromatogram without named peaks or without the standard's peak.
    // For the oxygen and the other oxygenates: a standard not given or naming no component. For
    // volumes: an implausible sample density. For a counted component: no density or molar mass, a
    // peak without a usable concentration, a peak missing from some parallels, parallels spread more
    // than its r. An unknown peak name. For every limit: a table naming a peak or the standard twice.
    Message doubt;

    // Under a rule with a guard band, each to four decimals: R at the measured value, the guard band
    // w = 0.59·R and the acceptance limit, the largest result that plainly conforms (ISO 4259-2: L + w;
    // ILAC G8: L − w, the results up to L + w conforming or exceeding conditionally).
    std::optional<double> reproducibility;
    std::optional<double> guardBand;
    std::optional<double> acceptanceLimit;

    Message OutcomeMessage() const;
    const char* OutcomeKey() const;
};

// An outcome as the catalogues name it: "соответствует", "превышает", "не определено".
Message OutcomeMessage(LimitVerdict::Outcome outcome);
// An outcome's key for programs: "conforms", "exceeds", "undetermined".
const char* OutcomeKey(LimitVerdict::Outcome outcome);
