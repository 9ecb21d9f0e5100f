#pragma once

#include <cstdint>
#include <string>

#include "hostlink/HostLink.h"

// The path of a value in the host profile: the root, "\" when the root is not empty, the section, "/"
// and the key ("plugins\oxycalc\/WindowRect_tlx" for an empty section).
std::wstring MakeProfileKey(const std::wstring& root, const std::wstring& section, const std::wstring& key);

// Values kept in the host's profile below a root. Every operation asks whether its service is offered
// first; without it, reads give the default and writes do nothing.
class ProfileSettings {
public:
    ProfileSettings(const HostLink& host, std::wstring root) : host_(host), root_(std::move(root)) {}

    int32_t ProfileGetInt(const std::wstring& section, const std::wstring& key, int32_t fallback) const;
    bool ProfileSetInt(const std::wstring& section, const std::wstring& key, int32_t value) const;
    // At most 127 characters are read.
    std::wstring ProfileGetString(const std::wstring& section, const std::wstring& key,
                                  const std::wstring& fallback) const;
    void ProfileSetString(const std::wstring& section, const std::wstring& key,
                          const std::wstring& value) const;
    void ProfileDelete(const std::wstring& section, const std::wstring& key) const;

private:
    std::wstring Path(const std::wstring& section, const std::wstring& key) const;

    HostLink host_;
    std::wstring root_;
};
