#include "calc/LimitVerdict.h"

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
