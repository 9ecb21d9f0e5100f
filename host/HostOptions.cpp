#include "HostOptions.h"

#include <stdexcept>

#include "platform/WideText.h"

namespace {

int ParseInt(const std::wstring& text, const std::wstring& name) {
    try {
        size_t used = 0;
        const int value = std::stoi(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    throw std::invalid_argument("not a number for " + ToUtf8(name) + ": " + ToUtf8(text));
}

std::vector<int> ParseIds(const std::wstring& text) {
    std::vector<int> ids;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of(L", ", start);
        if (end == std::wstring::npos) end = text.size();
        if (end > start) ids.push_back(ParseInt(text.substr(start, end - start), L"--choose"));
        start = end + 1;
    }
    return ids;
}

}  // namespace

HostOptions ParseHostOptions(const std::vector<std::wstring>& arguments, const std::wstring& hostFolder) {
    HostOptions options;
    options.pluginFolder = hostFolder;
    options.profileFile = hostFolder + L"\\host-profile.txt";
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& name = arguments[i];
        if (i + 1 >= arguments.size()) throw std::invalid_argument("missing value after " + ToUtf8(name));
        const std::wstring& value = arguments[++i];
        if (name == L"--plugins") {
            options.pluginFolder = value;
        } else if (name == L"--db") {
            options.database = value;
        } else if (name == L"--lang") {
            options.language = ParseInt(value, name);
        } else if (name == L"--profile") {
            options.profileFile = value;
        } else if (name == L"--pick") {
            options.pick = value;
        } else if (name == L"--choose") {
            options.chosenIds = ParseIds(value);
        } else if (name == L"--show-file") {
            options.showFile = value;
        } else if (name == L"--ready") {
            options.readyFile = value;
        } else if (name == L"--script") {
            options.scriptFile = value;
        } else if (name == L"--quit-after") {
            options.quitAfterSeconds = ParseInt(value, name);
        } else {
            throw std::invalid_argument("unknown switch " + ToUtf8(name));
        }
    }
    return options;
}
