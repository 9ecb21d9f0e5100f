#include "data/SampleMass.h"

#include <string>

#include "platform/NumberText.h"

std::optional<double> ReadSampleMass(std::wstring_view text) {
    std::wstring decimal(text);
    // A Russian Windows writes a decimal comma. One comma in a text without a point can only be that;
    // with a point or a second comma it could be a thousands separator, and the text is refused.
    const size_t comma = decimal.find(L',');
    if (comma != std::wstring::npos) {
        if (decimal.find(L',', comma + 1) != std::wstring::npos || decimal.find(L'.') != std::wstring::npos) {
            return std::nullopt;
        }
        decimal[comma] = L'.';
    }
    const std::optional<double> mass = ReadWholeNumber(decimal);
    if (!mass || !(*mass > 0)) return std::nullopt;
    return mass;
}
