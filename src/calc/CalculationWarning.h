#pragma once

#include <string>
#include <utility>
#include <vector>

#include "messages/Language.h"
#include "messages/Message.h"

// Something a lab must know about a calculation besides its numbers: the numbers are what the
// arithmetic gives, but they rest on an input that is missing or does not match. Its kind is one of the
// warnings' codes (MessageCode.h), whose text names the subject as %1, the chromatograms as %2 and the
// detail as %3.
struct CalculationWarning {
    using Kind = MessageCode;

    CalculationWarning(Kind kind_, std::wstring subject_ = {}, std::wstring chromatograms_ = {},
                       std::wstring peakName_ = {}, MessageArg detail_ = std::wstring())
        : kind(kind_),
          subject(std::move(subject_)),
          chromatograms(std::move(chromatograms_)),
          peakName(std::move(peakName_)),
          detail(std::move(detail_)) {}

    Kind kind;
    // What the warning is about: a component's name, the standard, a file, the sample density as typed.
    std::wstring subject;
    // The ticked chromatograms the warning is about, by file name, ", "-separated; empty for others.
    std::wstring chromatograms;
    // The peak name of the component the warning is about, so that sums over it can be found; empty
    // for the others.
    std::wstring peakName;
    // What more the warning says, for the kinds that say more: the rows of the components table ("№6,
    // №12"), the retention times of peaks ("3.512, 3.608"), why a change log cannot be trusted (a message).
    MessageArg detail;

    // The warning as the catalogues say it.
    Message ToMessage() const;
    // The warning in words.
    std::wstring Text(Language language = Language::Russian) const;
    // Its detail in words; empty when it has none.
    std::wstring DetailText(Language language = Language::Russian) const;
    // The kind as a short Latin key, for documents that programs read ("standard_not_found", …).
    const char* Key() const { return MessageKey(kind); }
};

bool operator==(const CalculationWarning& a, const CalculationWarning& b);

// Whether the warnings hold one of this kind.
bool HasWarning(const std::vector<CalculationWarning>& warnings, CalculationWarning::Kind kind);
