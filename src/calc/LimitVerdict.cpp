#include "calc/LimitVerdict.h"

Message OutcomeMessage(LimitVerdict::Outcome outcome) {
    switch (outcome) {
        case LimitVerdict::Outcome::Conforms:
            return MessageCode::VerdictConforms;
        case LimitVerdict::Outcome::ConditionallyConforms:
            return MessageCode::VerdictConditionallyConforms;
        case LimitVerdict::Outcome::ConditionallyExceeds:
            return MessageCode::VerdictConditionallyExceeds;
        case LimitVerdict::Outcome::Exceeds:
            return MessageCode::VerdictExceeds;
        case LimitVerdict::Outcome::Undetermined:
            break;
    }
    return MessageCode::VerdictUndetermined;
}

const char* OutcomeKey(LimitVerdict::Outcome outcome) {
    switch (outcome) {
        case LimitVerdict::Outcome::Conforms:
            return "conforms";
        case LimitVerdict::Outcome::ConditionallyConforms:
            return "conditionally_conforms";
        case LimitVerdict::Outcome::ConditionallyExceeds:
            return "conditionally_exceeds";
        case LimitVerdict::Outcome::Exceeds:
            return "exceeds";
        case LimitVerdict::Outcome::Undetermined:
            break;
    }
    return "undetermined";
}

Message LimitVerdict::OutcomeMessage() const {
    return ::OutcomeMessage(outcome);
}

const char* LimitVerdict::OutcomeKey() const {
    return ::OutcomeKey(outcome);
}
