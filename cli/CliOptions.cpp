#include "CliOptions.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <tuple>

#include "messages/Languages.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"

namespace {

using Setter = std::function<bool(CliOptions&, const std::wstring&, Message&)>;

// A chromatogram id: decimal digits only, up to the largest int32.
std::optional<int32_t> ReadId(const std::wstring& text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    int64_t value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(value);
}

bool AddId(std::vector<int32_t>& ids, const std::wstring& text, Message& error) {
    const std::optional<int32_t> id = ReadId(text);
    if (!id) {
        error = Message(MessageCode::CliNotAnId, {text});
        return false;
    }
    ids.push_back(*id);
    return true;
}

// Options that take one value and may be given once.
bool SetOnce(std::optional<std::wstring>& field, const std::wstring& value) {
    if (field) return false;
    field = value;
    return true;
}

// "ru или en": the keys of the languages the program speaks.
Message LanguageChoice() {
    const std::vector<std::wstring> keys = LanguageKeys();
    std::wstring some;
    for (size_t i = 0; i + 1 < keys.size(); ++i) some += (some.empty() ? L"" : L", ") + keys[i];
    return Message(MessageCode::CliOr, {some, keys.back()});
}

Message NotALanguage(const std::wstring& value) {
    return Message(MessageCode::CliNotALanguage, {value, Nested(LanguageChoice())});
}

// --lang: "ru" or "en".
bool SetLanguage(std::optional<Language>& field, const std::wstring& value, Message& error) {
    if (field) return false;
    field = LanguageOfKey(value);
    if (!field) error = NotALanguage(value);
    return field.has_value();
}

const std::map<std::wstring, Setter>& ValueOptions() {
    static const std::map<std::wstring, Setter> options = {
        {L"--assay", [](CliOptions& o, const std::wstring& v, Message& e) { return AddId(o.assays, v, e); }},
        {L"--tick", [](CliOptions& o, const std::wstring& v, Message& e) { return AddId(o.ticks, v, e); }},
        {L"--xml", [](CliOptions& o, const std::wstring& v, Message&) { return SetOnce(o.xmlPath, v); }},
        {L"--html", [](CliOptions& o, const std::wstring& v, Message&) { return SetOnce(o.htmlPath, v); }},
        {L"--json", [](CliOptions& o, const std::wstring& v, Message&) { return SetOnce(o.jsonPath, v); }},
        {L"--csv", [](CliOptions& o, const std::wstring& v, Message&) { return SetOnce(o.csvPath, v); }},
        {L"--xsl", [](CliOptions& o, const std::wstring& v, Message&) { return SetOnce(o.stylesheet, v); }},
        {L"--limits", [](CliOptions& o, const std::wstring& v, Message&) { return SetOnce(o.limits, v); }},
        {L"--lang",
         [](CliOptions& o, const std::wstring& v, Message& e) { return SetLanguage(o.language, v, e); }},
        {L"--register",
         [](CliOptions& o, const std::wstring& v, Message&) { return SetOnce(o.registerFile, v); }},
    };
    return options;
}

// The options kept as text until all arguments are read.
struct TextOptions {
    std::optional<std::wstring> database;
    std::optional<std::wstring> components;
    std::optional<std::wstring> density;
    std::optional<std::wstring> standard;

    std::optional<std::wstring>* Find(const std::wstring& name) {
        if (name == L"--db") return &database;
        if (name == L"--components") return &components;
        if (name == L"--density") return &density;
        if (name == L"--standard") return &standard;
        return nullptr;
    }
};

CliParse Error(Message text) {
    CliParse parse;
    parse.kind = CliParse::Kind::Error;
    parse.error = std::move(text);
    return parse;
}

Message GivenTwice(const std::wstring& option) {
    return Message(MessageCode::CliGivenTwice, {option});
}

// The checks that need every argument; empty when all is well.
Message Check(const CliOptions& options, const TextOptions& text) {
    if (!text.database) return MessageCode::CliNoDatabase;
    if (!text.components) return MessageCode::CliNoComponents;
    if (options.assays.empty()) return MessageCode::CliNoAssay;
    if (options.tickAll && !options.ticks.empty()) return MessageCode::CliTickAndTickAll;
    if (options.stylesheet && !options.htmlPath) return MessageCode::CliXslWithoutHtml;
    for (const int32_t tick : options.ticks) {
        if (std::find(options.assays.begin(), options.assays.end(), tick) == options.assays.end())
            return Message(MessageCode::CliTickNotAssay, {int64_t{tick}});
    }
    return Message();
}

// `--qc-baseline FROM TO` at args[i]: two dates, each day taken whole; empty when all is well.
Message ReadBaseline(const std::vector<std::wstring>& args, size_t i, std::optional<DateRange>& baseline) {
    if (baseline) return GivenTwice(L"--qc-baseline");
    if (i + 2 >= args.size()) return MessageCode::CliBaselineNeedsDates;
    const std::optional<int64_t> from = LocalDayStart(args[i + 1]);
    const std::optional<int64_t> to = LocalDayEnd(args[i + 2]);
    if (!from || !to) return Message(MessageCode::CliBaselineNotDates, {args[i + 1], args[i + 2]});
    if (*from >= *to) return MessageCode::CliBaselineReversed;
    baseline = DateRange{*from, *to, args[i + 1], args[i + 2]};
    return Message();
}

// The reason on one line, without the blanks around it: what the QC file and its log keep.
std::wstring OneLineReason(std::wstring reason) {
    for (wchar_t& c : reason) {
        if (c == L'\r' || c == L'\n' || c == L'\t') c = L' ';
    }
    return std::wstring(TrimBlanks(reason));
}

// The limits of QC are established once, for a reason, and every run uses them: a baseline of dates
// only goes with --establish, which needs a reason. Empty when all is well.
Message CheckEstablishing(bool establish, bool baseline, const std::optional<std::wstring>& reason) {
    if (baseline && !establish) return MessageCode::CliBaselineWithoutEstablish;
    if (reason && !establish) return MessageCode::CliReasonWithoutEstablish;
    if (establish && (!reason || OneLineReason(*reason).empty())) return MessageCode::CliEstablishNeedsReason;
    return Message();
}

// `batch` and `qc`: options that each take one value, given once, and the baseline's two dates.
CliParse ParseBatchOptions(const std::vector<std::wstring>& args, CliParse::Command command) {
    std::map<std::wstring, std::optional<std::wstring>> values;
    for (const wchar_t* name : {L"--db", L"--components", L"--standard", L"--densities", L"--out", L"--from",
                                L"--to", L"--xsl", L"--series-gap", L"--lang"})
        values[name];
    if (command == CliParse::Command::Batch) {
        values[L"--limits"];
        values[L"--wait"];
        values[L"--register"];
    }
    if (command == CliParse::Command::Qc) values[L"--reason"];
    std::optional<DateRange> baseline;
    bool establish = false;
    bool issue = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == L"--establish" && command == CliParse::Command::Qc) {
            if (establish) return Error(GivenTwice(L"--establish"));
            establish = true;
            continue;
        }
        if (args[i] == L"--issue" && command == CliParse::Command::Batch) {
            if (issue) return Error(GivenTwice(args[i]));
            issue = true;
            continue;
        }
        if (args[i] == L"--qc-baseline") {
            const Message error = ReadBaseline(args, i, baseline);
            if (!error.Empty()) return Error(error);
            i += 2;
            continue;
        }
        const auto option = values.find(args[i]);
        if (option == values.end()) return Error(Message(MessageCode::CliUnknownOption, {args[i]}));
        if (i + 1 >= args.size()) return Error(Message(MessageCode::CliNoValue, {args[i]}));
        if (!SetOnce(option->second, args[++i])) return Error(GivenTwice(args[i - 1]));
    }
    const std::pair<const wchar_t*, MessageCode> required[] = {
        {L"--db", MessageCode::WhatDatabase},
        {L"--components", MessageCode::WhatComponentsFile},
        {L"--standard", MessageCode::WhatStandard},
        {L"--densities", MessageCode::WhatDensitiesFile},
        {L"--out", MessageCode::WhatOutFolder}};
    for (const auto& [name, what] : required) {
        // Establishing writes the QC file; the charts with the new limits only when asked.
        if (establish && std::wstring(name) == L"--out") continue;
        if (!values[name])
            return Error(Message(MessageCode::CliNotGiven, {Nested(what), std::wstring(name)}));
    }
    const Message problem = CheckEstablishing(establish, baseline.has_value(), values[L"--reason"]);
    if (!problem.Empty()) return Error(problem);
    CliParse parse;
    BatchOptions& batch = parse.batch;
    batch.issue = issue;
    batch.registerFile = values[L"--register"];
    if (batch.registerFile && !issue) return Error(MessageCode::RegisterCliRegisterWithIssue);
    for (const auto& [name, day, end] :
         {std::tuple{L"--from", &batch.from, false}, std::tuple{L"--to", &batch.to, true}}) {
        const std::optional<std::wstring>& text = values[name];
        if (!text) continue;
        *day = end ? LocalDayEnd(*text) : LocalDayStart(*text);
        if (!*day) return Error(Message(MessageCode::CliNotADate, {std::wstring(name), *text}));
    }
    batch.database = *values[L"--db"];
    batch.components = *values[L"--components"];
    batch.standard = *values[L"--standard"];
    // The method is one of an internal standard: without it the standard's own oxygen would count.
    if (TrimBlanks(batch.standard).empty()) return Error(MessageCode::CliStandardEmpty);
    batch.densities = *values[L"--densities"];
    batch.outFolder = values[L"--out"].value_or(L"");
    batch.establish = establish;
    batch.reason = OneLineReason(values[L"--reason"].value_or(L""));
    if (command == CliParse::Command::Batch) batch.limits = values[L"--limits"];
    batch.qcBaseline = baseline;
    batch.fromText = values[L"--from"];
    batch.toText = values[L"--to"];
    if (const std::optional<std::wstring>& gap = values[L"--series-gap"]) {
        const std::optional<double> hours = ReadWholeNumber(*gap);
        if (!hours || *hours <= 0 || *hours > 24 * 365)
            return Error(Message(MessageCode::CliNotHours, {*gap}));
        batch.seriesGapSeconds = static_cast<int64_t>(*hours * 3600);
    }
    if (const std::optional<std::wstring>& wait = values[L"--wait"]) {
        const std::optional<double> seconds = ReadWholeNumber(*wait);
        if (!seconds || *seconds < 0 || *seconds > 24 * 3600 || *seconds != static_cast<int64_t>(*seconds))
            return Error(Message(MessageCode::CliNotSeconds, {*wait}));
        batch.waitSeconds = static_cast<int64_t>(*seconds);
    }
    batch.stylesheet = values[L"--xsl"];
    if (const std::optional<std::wstring>& key = values[L"--lang"]) {
        const std::optional<Language> language = LanguageOfKey(*key);
        if (!language) return Error(NotALanguage(*key));
        batch.language = *language;
    }
    parse.command = command;
    parse.kind = CliParse::Kind::Run;
    return parse;
}

// `--lang KEY` at args[i] of a command that takes nothing else of it; false with the error when it is not
// one.
bool ReadLanguage(const std::vector<std::wstring>& args, size_t& i, std::optional<Language>& language,
                  Message& error) {
    if (i + 1 >= args.size()) {
        error = Message(MessageCode::CliNoValue, {args[i]});
        return false;
    }
    if (language) {
        error = GivenTwice(args[i]);
        return false;
    }
    language = LanguageOfKey(args[++i]);
    if (!language) error = NotALanguage(args[i]);
    return language.has_value();
}

// `verify REPORT [--register FILE] [--trust FOLDER] [--lang KEY]`.
CliParse ParseVerifyOptions(const std::vector<std::wstring>& args) {
    CliParse parse;
    std::optional<Language> language;
    for (size_t i = 1; i < args.size(); ++i) {
        Message error;
        if (args[i] == L"--lang") {
            if (!ReadLanguage(args, i, language, error)) return Error(error);
            continue;
        }
        if (args[i] == L"--register" || args[i] == L"--trust") {
            std::optional<std::wstring>& value =
                args[i] == L"--register" ? parse.registerFile : parse.trustFolder;
            if (i + 1 >= args.size()) return Error(Message(MessageCode::CliNoValue, {args[i]}));
            if (value) return Error(GivenTwice(args[i]));
            value = args[++i];
            continue;
        }
        if (!parse.file.empty()) return Error(MessageCode::CliVerifyOneFile);
        parse.file = args[i];
    }
    if (parse.file.empty()) return Error(MessageCode::CliVerifyOneFile);
    parse.kind = CliParse::Kind::Run;
    parse.command = CliParse::Command::Verify;
    return parse;
}

// `history FILE [--reason TEXT [--entry N]] [--lang KEY]`.
CliParse ParseHistoryOptions(const std::vector<std::wstring>& args) {
    CliParse parse;
    std::optional<Language> language;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::wstring& name = args[i];
        Message error;
        if (name == L"--lang") {
            if (!ReadLanguage(args, i, language, error)) return Error(error);
            continue;
        }
        if (name != L"--reason" && name != L"--entry") {
            if (!parse.file.empty() || name.rfind(L"--", 0) == 0)
                return Error(Message(MessageCode::CliHistoryOneFile, {name}));
            parse.file = name;
            continue;
        }
        if (i + 1 >= args.size()) return Error(Message(MessageCode::CliNoValue, {name}));
        const std::wstring& value = args[++i];
        if (name == L"--reason") {
            if (parse.reason) return Error(GivenTwice(L"--reason"));
            parse.reason = OneLineReason(value);
            if (parse.reason->empty()) return Error(MessageCode::CliReasonEmpty);
            continue;
        }
        if (parse.entry) return Error(GivenTwice(L"--entry"));
        const std::optional<int32_t> number = ReadId(value);
        if (!number || *number == 0) return Error(Message(MessageCode::CliNotAnEntry, {value}));
        parse.entry = static_cast<size_t>(*number);
    }
    if (parse.file.empty()) return Error(MessageCode::CliHistoryNeedsFile);
    if (parse.entry && !parse.reason) return Error(MessageCode::CliEntryWithoutReason);
    parse.kind = CliParse::Kind::Run;
    parse.command = CliParse::Command::History;
    return parse;
}

}  // namespace

CliParse ParseCliOptions(const std::vector<std::wstring>& args) {
    if (std::find(args.begin(), args.end(), L"--help") != args.end()) {
        CliParse parse;
        parse.kind = CliParse::Kind::Help;
        return parse;
    }
    if (!args.empty() && args[0] == L"batch") return ParseBatchOptions(args, CliParse::Command::Batch);
    if (!args.empty() && args[0] == L"qc") return ParseBatchOptions(args, CliParse::Command::Qc);
    if (!args.empty() && args[0] == L"verify") return ParseVerifyOptions(args);
    if (IsRegisterCommand(args)) {
        Message error;
        const std::optional<RegisterOptions> options = ParseRegisterOptions(args, error);
        if (!options) return Error(error);
        CliParse parse;
        parse.kind = CliParse::Kind::Run;
        parse.command = CliParse::Command::Register;
        parse.registerOptions = *options;
        return parse;
    }
    if (!args.empty() && args[0] == L"history") return ParseHistoryOptions(args);
    if (args.empty() || args[0] != L"report") return Error(MessageCode::CliExpectedCommand);
    CliParse parse;
    TextOptions text;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::wstring& name = args[i];
        if (name == L"--tick-all") {
            parse.options.tickAll = true;
            continue;
        }
        const auto valued = ValueOptions().find(name);
        std::optional<std::wstring>* field = text.Find(name);
        if (valued == ValueOptions().end() && field == nullptr)
            return Error(Message(MessageCode::CliUnknownOption, {name}));
        if (i + 1 >= args.size()) return Error(Message(MessageCode::CliNoValue, {name}));
        const std::wstring& value = args[++i];
        Message error;
        if (field != nullptr) {
            if (!SetOnce(*field, value)) return Error(GivenTwice(name));
        } else if (!valued->second(parse.options, value, error)) {
            return Error(error.Empty() ? GivenTwice(name) : error);
        }
    }
    const Message problem = Check(parse.options, text);
    if (!problem.Empty()) return Error(problem);
    if (text.density && !text.density->empty()) {
        const std::optional<double> density = ReadWholeNumber(*text.density);
        if (!density) return Error(Message(MessageCode::CliDensityNotANumber, {*text.density}));
        parse.options.sampleDensity = *density;
        parse.options.sampleDensityGiven = true;
    }
    parse.options.database = *text.database;
    parse.options.components = *text.components;
    parse.options.standard = text.standard.value_or(std::wstring());
    parse.kind = CliParse::Kind::Run;
    return parse;
}

Language CommandLineLanguage(const std::vector<std::wstring>& args) {
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] != L"--lang") continue;
        if (const std::optional<Language> language = LanguageOfKey(args[i + 1])) return *language;
    }
    return Language::Russian;
}
