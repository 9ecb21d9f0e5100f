#include "records/LogEntryText.h"

#include <map>
#include <optional>
#include <vector>

#include "messages/Catalogue.h"
#include "platform/TextTemplate.h"
#include "platform/WideText.h"

namespace {

// How a logged line is read back: the codes it may be, and for each place of a code the codes (or list of
// codes) its text may be in turn. A place not named here is text the program took from elsewhere.
struct Reading {
    std::vector<MessageCode> codes;
    std::wstring separator;  // when the place holds a list of such texts
};

using Readings = std::map<std::pair<MessageCode, size_t>, Reading>;

const std::vector<MessageCode>& Events() {
    static const std::vector<MessageCode> events = {MessageCode::LogEventStarted,
                                                    MessageCode::LogEventStartedAnew,
                                                    MessageCode::LogEventSaved,
                                                    MessageCode::LogEventChangedOutside,
                                                    MessageCode::LogEventLimitsEstablished,
                                                    MessageCode::LogEventReasonGiven,
                                                    MessageCode::LogEventNewDefault};
    return events;
}

const std::vector<MessageCode>& Lines() {
    static const std::vector<MessageCode> lines = {
        MessageCode::LogVersionSeenBefore, MessageCode::LogPreviousNotKept, MessageCode::LogBegunAnew,
        MessageCode::LogHeaderChanged,     MessageCode::LogRowAdded,        MessageCode::LogRowRemoved,
        MessageCode::LogRowChanged,        MessageCode::LogReasonFor,       MessageCode::LogLimitsChange,
        MessageCode::LogDefaultSha256,     MessageCode::DefaultDiffers};
    return lines;
}

const std::vector<MessageCode>& LimitsChanges() {
    static const std::vector<MessageCode> changes = {
        MessageCode::LogCentreLineChange, MessageCode::LogMovingRangeChange, MessageCode::Log3SigmaChange,
        MessageCode::LogBaselineChange};
    return changes;
}

const Readings& PlaceReadings() {
    static const Readings readings = {
        {{MessageCode::LogRowChanged, 1}, {{MessageCode::LogFieldNumber}, L""}},
        {{MessageCode::LogReasonFor, 1}, {Events(), L""}},
        {{MessageCode::LogLimitsChange, 0}, {{MessageCode::QcChartTitle}, L""}},
        {{MessageCode::LogLimitsChange, 2}, {LimitsChanges(), L"; "}},
        {{MessageCode::QcChartTitle, 1}, {{MessageCode::QcMeasure}, L""}},
        {{MessageCode::QcMeasure, 0}, {{MessageCode::QcOxygen}, L""}},
        {{MessageCode::QcMeasure, 1}, {{MessageCode::QuantityMass, MessageCode::QuantityVolume}, L""}},
        {{MessageCode::LogBaselineChange, 0}, {{MessageCode::LogBaselineResults}, L""}},
        {{MessageCode::LogBaselineChange, 1}, {{MessageCode::LogBaselineResults}, L""}},
        {{MessageCode::DefaultDiffers, 1}, {{MessageCode::DefaultField}, L", "}},
        {{MessageCode::DefaultField, 0},
         {{MessageCode::DefaultMolarMass, MessageCode::DefaultDensity, MessageCode::DefaultOxygenAtoms},
          L""}},
    };
    return readings;
}

std::optional<Message> ReadBack(const std::wstring& text, const std::vector<MessageCode>& codes);

// A place's text as the message it was written from, where the reading names one; else as it stands.
MessageArg PlaceOf(MessageCode code, size_t place, const std::wstring& text) {
    const auto reading = PlaceReadings().find({code, place});
    if (reading == PlaceReadings().end()) return text;
    const Reading& how = reading->second;
    if (how.separator.empty()) {
        const std::optional<Message> message = ReadBack(text, how.codes);
        return message ? Nested(*message) : MessageArg(text);
    }
    std::vector<Message> items;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find(how.separator, start), text.size());
        const std::wstring item = text.substr(start, end - start);
        const std::optional<Message> message = ReadBack(item, how.codes);
        items.push_back(message ? *message : Message(MessageCode::Text, {item}));
        start = end + how.separator.size();
    }
    return Joined(std::move(items), how.separator);
}

// The message of one of the codes whose Russian words read as the text, its places read in turn.
std::optional<Message> ReadBack(const std::wstring& text, const std::vector<MessageCode>& codes) {
    for (const MessageCode code : codes) {
        const wchar_t* pattern = MessagePattern(code, Language::Russian);
        const std::optional<std::vector<std::wstring>> values =
            pattern ? MatchTemplate(pattern, text) : std::nullopt;
        if (!values) continue;
        Message message(code);
        for (size_t place = 0; place < values->size(); ++place)
            message.args.push_back(PlaceOf(code, place, (*values)[place]));
        return message;
    }
    return std::nullopt;
}

std::wstring Said(const std::wstring& text, const std::vector<MessageCode>& codes, Language language) {
    const std::optional<Message> message = ReadBack(text, codes);
    return message ? Render(*message, language) : text;
}

std::wstring Line(MessageCode label, const std::wstring& value, Language language) {
    return Render(Message(label, {value}), language) + L"\n";
}

}  // namespace

std::wstring LogEntryText(const TableLogEntry& entry, Language language) {
    if (language == Language::Russian) return FromUtf8(entry.text);
    std::wstring text = L"=== " + entry.utc + L" ===\n";
    if (entry.number != 0) text += Line(MessageCode::LogEntryNumber, std::to_wstring(entry.number), language);
    text += Line(MessageCode::LogEntryLocal, entry.local, language);
    text += Line(MessageCode::LogEntryUser, entry.user, language);
    text += Line(MessageCode::LogEntryProgram, entry.program, language);
    text += Line(MessageCode::LogEntryEvent, Said(entry.event, Events(), language), language);
    if (entry.explains != 0)
        text += Line(MessageCode::LogEntryExplains, std::to_wstring(entry.explains), language);
    if (!entry.reason.empty()) text += Line(MessageCode::LogEntryReason, entry.reason, language);
    for (const auto& [label, lines] : {std::pair{MessageCode::LogEntryChanges, &entry.changes},
                                       std::pair{MessageCode::LogEntryNotes, &entry.notes}}) {
        if (lines->empty()) continue;
        text += Render(label, language) + L"\n";
        for (const std::wstring& line : *lines) text += L"  " + Said(line, Lines(), language) + L"\n";
    }
    text += Line(MessageCode::LogEntryFile, FromUtf8(entry.fileSha256), language);
    text += Line(MessageCode::LogEntryPrevious, FromUtf8(entry.previousSha256), language);
    return text + L"\n";
}
