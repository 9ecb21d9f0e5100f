#include "calc/WarningLines.h"

#include <algorithm>

#include "calc/Limits.h"

namespace {

// Adds a line unless it is empty or said already.
void AddOnce(std::vector<Message>& lines, Message line) {
    if (line.Empty() || std::find(lines.begin(), lines.end(), line) != lines.end()) return;
    lines.push_back(std::move(line));
}

}  // namespace

std::vector<Message> WarningLines(const CalculationData& data, bool anyTicked, const Message& settings) {
    std::vector<Message> lines;
    for (const CalculationWarning& warning : data.warnings) AddOnce(lines, warning.ToMessage());
    AddOnce(lines, settings);
    if (data.limits) {
        for (const Message& error : data.limits->errors)
            AddOnce(lines, Message(MessageCode::LimitsLineError, {data.limits->path, Nested(error)}));
    }
    if (anyTicked) {
        for (const LimitVerdict& verdict : data.verdicts) {
            if (verdict.outcome != LimitVerdict::Outcome::Undetermined) continue;
            AddOnce(lines,
                    Message(MessageCode::LimitUndetermined,
                            {verdict.limit.name, Nested(verdict.OutcomeMessage()), Nested(verdict.doubt)}));
        }
    }
    // A rule other than simple acceptance is no fault, but the verdicts read differently under it.
    AddOnce(lines, DecisionRuleNotice(data.limits));
    return lines;
}
