#include "hostlink/ProfileSettings.h"

#include <vector>

namespace {

intptr_t Pointer(const void* value) {
    return reinterpret_cast<intptr_t>(value);
}

// The services read and write through 32-bit pointers of the caller's.
constexpr int32_t kStringCapacity = 128;

}  // namespace

std::wstring MakeProfileKey(const std::wstring& root, const std::wstring& section, const std::wstring& key) {
    std::wstring path = root;
    if (!path.empty()) path += L"\\";
    return path + section + L"/" + key;
}

std::wstring ProfileSettings::Path(const std::wstring& section, const std::wstring& key) const {
    return MakeProfileKey(root_, section, key);
}

int32_t ProfileSettings::ProfileGetInt(const std::wstring& section, const std::wstring& key,
                                       int32_t fallback) const {
    if (!host_.Offers(HostNames::kProfileGetInt)) return fallback;
    int32_t value = fallback;
    const std::wstring path = Path(section, key);
    if (host_.Call(HostNames::kProfileGetInt, Pointer(path.c_str()), Pointer(&value)) == 0) return fallback;
    return value;
}

bool ProfileSettings::ProfileSetInt(const std::wstring& section, const std::wstring& key,
                                    int32_t value) const {
    if (!host_.Offers(HostNames::kProfileSetInt)) return false;
    const std::wstring path = Path(section, key);
    return host_.Call(HostNames::kProfileSetInt, Pointer(path.c_str()), Pointer(&value)) != 0;
}

std::wstring ProfileSettings::ProfileGetString(const std::wstring& section, const std::wstring& key,
                                               const std::wstring& fallback) const {
    if (!host_.Offers(HostNames::kProfileGetString)) return fallback;
    std::vector<wchar_t> text(kStringCapacity, L'\0');
    ProfileStringBuffer buffer{text.data(), kStringCapacity};
    const std::wstring path = Path(section, key);
    if (host_.Call(HostNames::kProfileGetString, Pointer(path.c_str()), Pointer(&buffer)) == 0)
        return fallback;
    text.back() = L'\0';
    return text.data();
}

void ProfileSettings::ProfileSetString(const std::wstring& section, const std::wstring& key,
                                       const std::wstring& value) const {
    if (!host_.Offers(HostNames::kProfileSetString)) return;
    const std::wstring path = Path(section, key);
    host_.Call(HostNames::kProfileSetString, Pointer(path.c_str()), Pointer(value.c_str()));
}

void ProfileSettings::ProfileDelete(const std::wstring& section, const std::wstring& key) const {
    if (!host_.Offers(HostNames::kProfileDelParam)) return;
    const std::wstring path = Path(section, key);
    host_.Call(HostNames::kProfileDelParam, Pointer(path.c_str()), 0);
}
