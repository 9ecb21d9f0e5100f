#include "FakeHost.h"

#include <algorithm>
#include <cwchar>

struct FakeHostCalls {
    static const wchar_t* Text(intptr_t argument) { return reinterpret_cast<const wchar_t*>(argument); }

    static int __cdecl Exists(const char* service) {
        return FakeHost::Instance().offered.count(service) ? 1 : 0;
    }

    static intptr_t __cdecl Call(const char* service, intptr_t first, intptr_t second) {
        FakeHost& host = FakeHost::Instance();
        const std::string name = service;
        host.calls.push_back(name);
        if (name == HostNames::kProfileGetString) return GetString(host, Text(first), second);
        if (name == HostNames::kProfileSetString) host.profile[Text(first)] = Text(second);
        if (name == HostNames::kProfileDelParam) host.profile.erase(Text(first));
        if (name == HostNames::kProfileSetInt) {
            host.profile[Text(first)] = std::to_wstring(*reinterpret_cast<const int32_t*>(second));
        }
        if (name == HostNames::kProfileGetInt) {
            const auto value = host.profile.find(Text(first));
            if (value == host.profile.end()) return 0;
            *reinterpret_cast<int32_t*>(second) = std::stoi(value->second);
        }
        if (name == HostNames::kOpenAssayIdDlgEx) return Choose(host, *reinterpret_cast<AssayIdList*>(first));
        if (name == HostNames::kOpenAssayFile) host.openedFiles.push_back(Text(second));
        return 1;
    }

    static int32_t GetString(FakeHost& host, const wchar_t* path, intptr_t target) {
        const auto value = host.profile.find(path);
        if (value == host.profile.end()) return 0;
        auto* buffer = reinterpret_cast<ProfileStringBuffer*>(target);
        const size_t count = std::min(value->second.size(), static_cast<size_t>(buffer->capacity - 1));
        std::wmemcpy(buffer->text, value->second.c_str(), count);
        buffer->text[count] = L'\0';
        return 1;
    }

    static int32_t Choose(FakeHost& host, AssayIdList& list) {
        const size_t count = std::min(host.chosenIds.size(), static_cast<size_t>(list.capacity));
        std::copy_n(host.chosenIds.begin(), count, list.ids);
        return host.chooserAnswer >= 0 ? host.chooserAnswer : static_cast<int32_t>(count);
    }

    static int __cdecl Unused(const char*, HostHandler) { return 0; }
    static int __cdecl UnusedId(int) { return 0; }
};

FakeHost& FakeHost::Instance() {
    static FakeHost host;
    return host;
}

FakeHost::FakeHost() {
    table_.subscribe = FakeHostCalls::Unused;
    table_.unsubscribe = FakeHostCalls::UnusedId;
    table_.registerCommand = FakeHostCalls::Unused;
    table_.unregisterCommand = FakeHostCalls::UnusedId;
    table_.callService = FakeHostCalls::Call;
    table_.serviceExists = FakeHostCalls::Exists;
    Reset();
}

void FakeHost::Reset() {
    offered = {HostNames::kProfileGetInt,    HostNames::kProfileSetInt,   HostNames::kProfileGetString,
               HostNames::kProfileSetString, HostNames::kProfileDelParam, HostNames::kOpenAssayIdDlgEx,
               HostNames::kOpenAssayFile};
    profile.clear();
    chosenIds.clear();
    chooserAnswer = -1;
    openedFiles.clear();
    calls.clear();
}
