#include "calc/CalculationWarning.h"

#include <algorithm>

#include "messages/Catalogue.h"

Message CalculationWarning::ToMessage() const {
    return Message(kind, {subject, chromatograms, detail});
}

std::wstring CalculationWarning::Text(Language language) const {
    return Render(ToMessage(), language);
}

std::wstring CalculationWarning::DetailText(Language language) const {
    return RenderArg(detail, language);
}

bool operator==(const CalculationWarning& a, const CalculationWarning& b) {
    return a.kind == b.kind && a.subject == b.subject && a.chromatograms == b.chromatograms &&
           a.peakName == b.peakName && SameArg(a.detail, b.detail);
}

bool HasWarning(const std::vector<CalculationWarning>& warnings, CalculationWarning::Kind kind) {
    return std::any_of(warnings.begin(), warnings.end(),
                       [kind](const CalculationWarning& warning) { return warning.kind == kind; });
}
