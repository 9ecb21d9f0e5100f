#pragma once

#include <map>
#include <optional>
#include <string>

// The host's profile: named values that survive restarts, kept in a UTF-8 text file of the host's
// ("path<TAB>value" per line). Every change is written through at once.
class Profile {
public:
    explicit Profile(std::wstring file);

    std::optional<std::wstring> Get(const std::wstring& path) const;
    void Set(const std::wstring& path, const std::wstring& value);
    void Delete(const std::wstring& path);

private:
    void Load();
    void Save() const;

    std::wstring file_;
    std::map<std::wstring, std::wstring> values_;
};
