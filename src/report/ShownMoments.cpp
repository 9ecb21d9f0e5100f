#include "report/ShownMoments.h"

#include <vector>

#include "platform/LocalTime.h"
#include "report/ReportModel.h"

namespace {

void AddMoments(const Message& message, std::vector<int64_t>& moments);

void AddMoments(const MessageArg& arg, std::vector<int64_t>& moments) {
    if (const auto* moment = std::get_if<MessageMoment>(&arg)) moments.push_back(moment->secondsSince1970);
    if (const auto* nested = std::get_if<std::shared_ptr<const Message>>(&arg)) {
        if (*nested) AddMoments(**nested, moments);
    }
    if (const auto* list = std::get_if<std::shared_ptr<const MessageList>>(&arg)) {
        if (*list) {
            for (const Message& item : (*list)->items) AddMoments(item, moments);
        }
    }
}

void AddMoments(const Message& message, std::vector<int64_t>& moments) {
    for (const MessageArg& arg : message.args) AddMoments(arg, moments);
}

std::vector<int64_t> ShownMoments(const ReportModel& model) {
    std::vector<int64_t> moments{model.createdAt};
    for (const ReportChromatogram& chromatogram : model.chromatograms) moments.push_back(chromatogram.date);
    const CalculationData& data = model.data;
    for (const CalculationWarning& warning : data.warnings) AddMoments(warning.ToMessage(), moments);
    for (const LimitVerdict& verdict : data.verdicts) AddMoments(verdict.doubt, moments);
    AddMoments(data.totalOxygenDoubt, moments);
    if (data.limits) {
        for (const Message& error : data.limits->errors) AddMoments(error, moments);
    }
    AddMoments(model.quality.detail, moments);
    for (const QualityCheck& check : model.quality.checks) {
        moments.push_back(check.first);
        if (check.established) moments.push_back(check.established->at);
        AddMoments(check.chart, moments);
        AddMoments(check.why, moments);
    }
    return moments;
}

}  // namespace

std::map<int64_t, int32_t> ShownUtcOffsets(const ReportModel& model) {
    std::map<int64_t, int32_t> offsets;
    for (const int64_t moment : ShownMoments(model)) {
        // A moment never shown as a time ("---") needs no offset.
        if (const std::optional<int32_t> minutes = UtcOffsetMinutes(moment)) offsets[moment] = *minutes;
    }
    return offsets;
}
