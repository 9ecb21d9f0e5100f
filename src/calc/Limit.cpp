#include "calc/Limit.h"

#include "calc/NameCompare.h"

std::wstring LimitVerdict::OutcomeText() const {
    switch (outcome) {
        case Outcome::Conforms:
            return L"соответствует";
        case Outcome::Exceeds:
            return L"превышает";
        case Outcome::Undetermined:
            break;
    }
    return L"не определено";
}

std::wstring QuantityText(LimitQuantity quantity) {
    return quantity == LimitQuantity::MassPercent ? L"% масс." : L"% об.";
}

std::optional<LimitQuantity> ReadQuantity(const std::wstring& text) {
    std::wstring key;
    for (const wchar_t c : text) {
        if (c != L' ' && c != L'.') key += FoldCase(c);
    }
    if (key == L"%масс") return LimitQuantity::MassPercent;
    if (key == L"%об") return LimitQuantity::VolumePercent;
    return std::nullopt;
}
