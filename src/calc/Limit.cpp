#include "calc/Limit.h"

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
