#include "RegisterOptions.h"

#include <map>

#include "platform/NumberText.h"

namespace {

using Values = std::map<std::wstring, std::optional<std::wstring>>;

// The reason on one line, without the blanks around it: what the register keeps.
std::wstring OneLineReason(std::wstring reason) {
    for (wchar_t& c : reason) {
        if (c == L'\r' || c == L'\n' || c == L'\t') c = L' ';
    }
    return std::wstring(TrimBlanks(reason));
}

bool Refused(Message& error, Message what) {
    error = std::move(what);
    return false;
}

// Options that take a value, each given once; flags; the rest are the command's own words. False, with the
// error, when an argument does not read.
bool ReadArguments(const std::vector<std::wstring>& args, Values& values, std::map<std::wstring, bool>& flags,
                   std::vector<std::wstring>& words, Message& error) {
    for (size_t i = 1; i < args.size(); ++i) {
        const std::wstring& name = args[i];
        if (const auto flag = flags.find(name); flag != flags.end()) {
            if (flag->second) return Refused(error, Message(MessageCode::RegisterCliTwice, {name}));
            flag->second = true;
            continue;
        }
        const auto value = values.find(name);
        if (value == values.end()) {
            if (name.rfind(L"--", 0) == 0)
                return Refused(error, Message(MessageCode::RegisterCliUnknown, {name}));
            words.push_back(name);
            continue;
        }
        if (i + 1 >= args.size()) return Refused(error, Message(MessageCode::RegisterCliNoValue, {name}));
        if (value->second) return Refused(error, Message(MessageCode::RegisterCliTwice, {name}));
        value->second = args[++i];
    }
    return true;
}

std::optional<RegisterOptions> Failed(Message& error, Message what) {
    error = std::move(what);
    return std::nullopt;
}

std::optional<RegisterOptions> ParseStart(Values& values, const std::vector<std::wstring>& words,
                                          RegisterOptions options, Message& error) {
    const bool start = values[L"--start"].has_value();
    const bool use = values[L"--use"].has_value();
    if (start == use || !words.empty()) return Failed(error, MessageCode::RegisterCliStartOrUse);
    options.command = start ? RegisterOptions::Command::Start : RegisterOptions::Command::Use;
    if (use) {
        if (values[L"--register"] || values[L"--first"])
            return Failed(error, MessageCode::RegisterCliStartOrUse);
        options.registerFile = values[L"--use"];
        return options;
    }
    options.pattern = *values[L"--start"];
    if (const std::optional<std::wstring>& given = values[L"--signatures"]) {
        const std::optional<std::vector<SignatureMeaning>> meanings = ParseMeaningList(*given);
        if (!meanings || meanings->empty())
            return Failed(error, Message(MessageCode::RegisterCliSignatures, {*given}));
        for (const SignatureMeaning meaning : *meanings)
            options.signatures +=
                (options.signatures.empty() ? L"" : L", ") + std::wstring(MeaningWord(meaning));
    }
    if (const std::optional<std::wstring>& first = values[L"--first"]) {
        const std::optional<double> number = ReadWholeNumber(*first);
        if (!number || *number < 1 || *number > 1e12 ||
            *number != static_cast<double>(static_cast<int64_t>(*number)))
            return Failed(error, Message(MessageCode::RegisterCliFirst, {*first}));
        options.first = static_cast<uint64_t>(*number);
    }
    return options;
}

std::optional<RegisterOptions> ParseAmend(Values& values, bool withdraw,
                                          const std::vector<std::wstring>& words, RegisterOptions options,
                                          Message& error) {
    const size_t expected = withdraw ? 1 : 2;
    if (words.size() != expected) return Failed(error, MessageCode::RegisterCliAmend);
    options.command = RegisterOptions::Command::Amend;
    options.number = words[0];
    options.withdraw = withdraw;
    if (!withdraw) options.draft = words[1];
    if (!withdraw && values[L"--xsl"]) return Failed(error, MessageCode::RegisterCliAmend);
    options.reason = OneLineReason(values[L"--reason"].value_or(L""));
    if (options.reason.empty()) return Failed(error, MessageCode::RegisterCliReason);
    options.stylesheet = values[L"--xsl"];
    return options;
}

std::optional<RegisterOptions> ParseSign(Values& values, const std::vector<std::wstring>& words,
                                         RegisterOptions options, Message& error) {
    const bool fromFile = values[L"--pkcs12"].has_value();
    const bool fromStore = values[L"--cert"].has_value();
    if (words.size() != 1 || !values[L"--meaning"] || fromFile == fromStore ||
        (fromStore && values[L"--password-env"]))
        return Failed(error, MessageCode::RegisterCliSign);
    options.command = RegisterOptions::Command::Sign;
    options.number = words[0];
    const std::optional<SignatureMeaning> meaning = ParseMeaning(*values[L"--meaning"]);
    if (!meaning) return Failed(error, MessageCode::RegisterCliSign);
    options.meaning = *meaning;
    options.pkcs12 = values[L"--pkcs12"];
    options.passwordEnv = values[L"--password-env"];
    options.certificate = values[L"--cert"];
    options.stylesheet = values[L"--xsl"];
    return options;
}

}  // namespace

bool IsRegisterCommand(const std::vector<std::wstring>& args) {
    return !args.empty() &&
           (args[0] == L"register" || args[0] == L"issue" || args[0] == L"amend" || args[0] == L"sign");
}

std::optional<RegisterOptions> ParseRegisterOptions(const std::vector<std::wstring>& args, Message& error) {
    // --lang: the language the console speaks, and a notice of withdrawal's.
    Values values{{L"--register", std::nullopt}, {L"--components", std::nullopt}, {L"--lang", std::nullopt}};
    std::map<std::wstring, bool> flags;
    if (args[0] == L"register") {
        values[L"--start"];
        values[L"--use"];
        values[L"--first"];
        values[L"--signatures"];
    } else if (args[0] == L"sign") {
        values[L"--meaning"];
        values[L"--pkcs12"];
        values[L"--password-env"];
        values[L"--cert"];
        values[L"--xsl"];
    } else if (args[0] == L"amend") {
        values[L"--reason"];
        values[L"--xsl"];
        flags[L"--withdraw"] = false;
    }
    std::vector<std::wstring> words;
    if (!ReadArguments(args, values, flags, words, error)) return std::nullopt;
    RegisterOptions options;
    if (const std::optional<std::wstring>& key = values[L"--lang"]) {
        const std::optional<Language> language = LanguageOfKey(*key);
        if (!language) return Failed(error, Message(MessageCode::RegisterCliLanguage, {*key}));
        options.language = *language;
    }
    options.registerFile = values[L"--register"];
    options.components = values[L"--components"];
    if (args[0] == L"register") return ParseStart(values, words, options, error);
    if (args[0] == L"amend") return ParseAmend(values, flags[L"--withdraw"], words, options, error);
    if (args[0] == L"sign") return ParseSign(values, words, options, error);
    if (words.size() != 1) return Failed(error, MessageCode::RegisterCliDraft);
    options.command = RegisterOptions::Command::Issue;
    options.draft = words[0];
    return options;
}
