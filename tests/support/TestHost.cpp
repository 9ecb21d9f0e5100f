#include "support/TestHost.h"

#include <algorithm>
#include <cwchar>

struct TestHostCalls {
    static TestHost& H() { return TestHost::Instance(); }
    static const wchar_t* Text(intptr_t argument) { return reinterpret_cast<const wchar_t*>(argument); }

    static int __cdecl Subscribe(const char* event, HostHandler handler) {
        H().calls.push_back(std::string("subscribe ") + event);
        H().handlers[event] = handler;
        return H().nextId_++;
    }
    static int __cdecl Unsubscribe(int id) {
        H().calls.push_back("unsubscribe " + std::to_string(id));
        return 0;
    }
    static int __cdecl RegisterCommand(const char* command, HostHandler handler) {
        H().calls.push_back(std::string("register ") + command);
        H().handlers[command] = handler;
        return H().nextId_++;
    }
    static int __cdecl UnregisterCommand(int id) {
        H().calls.push_back("unregister " + std::to_string(id));
        return 0;
    }
    static int __cdecl Exists(const char* service) {
        H().calls.push_back(std::string("exists ") + service);
        return H().offered.count(service) ? 1 : 0;
    }

    static intptr_t __cdecl Call(const char* service, intptr_t first, intptr_t second) {
        TestHost& host = H();
        const std::string name = service;
        host.calls.push_back("call " + name);
        if (name == HostNames::kGetLanguage) return host.language;
        if (name == HostNames::kGetConnectionUri)
            return reinterpret_cast<intptr_t>(host.connectionText ? host.connectionText
                                                                  : host.connectionString.c_str());
        if (name == HostNames::kCreateNewMenu)
            return AddMenu(host, *reinterpret_cast<const NewMenuInfo*>(second));
        if (name == HostNames::kProfileGetString) return GetString(host, Text(first), second);
        if (name == HostNames::kProfileGetInt) return GetInt(host, Text(first), second);
        if (name == HostNames::kOpenAssayIdDlgEx) return Choose(host, *reinterpret_cast<AssayIdList*>(first));
        if (name == HostNames::kProfileSetString)
            host.profile[Text(first)] = Text(second);
        else if (name == HostNames::kProfileDelParam)
            host.profile.erase(Text(first));
        else if (name == HostNames::kProfileSetInt)
            host.profile[Text(first)] = std::to_wstring(*reinterpret_cast<const int32_t*>(second));
        else if (name == HostNames::kOpenAssayFile)
            host.openedFiles.push_back(Text(second));
        else
            return 0;
        return 1;
    }

    static int32_t AddMenu(TestHost& host, const NewMenuInfo& entry) {
        host.menuPaths.push_back(entry.path);
        host.calls.back() += std::string(" ") + entry.command;
        return 1;
    }

    static int32_t GetString(TestHost& host, const wchar_t* path, intptr_t target) {
        const auto value = host.profile.find(path);
        if (value == host.profile.end()) return 0;
        auto* buffer = reinterpret_cast<ProfileStringBuffer*>(target);
        const size_t count = std::min(value->second.size(), static_cast<size_t>(buffer->capacity - 1));
        std::wmemcpy(buffer->text, value->second.c_str(), count);
        buffer->text[count] = L'\0';
        return 1;
    }

    static int32_t GetInt(TestHost& host, const wchar_t* path, intptr_t target) {
        const auto value = host.profile.find(path);
        if (value == host.profile.end()) return 0;
        *reinterpret_cast<int32_t*>(target) = std::stoi(value->second);
        return 1;
    }

    static int32_t Choose(TestHost& host, AssayIdList& list) {
        const size_t count = std::min(host.chosenIds.size(), static_cast<size_t>(list.capacity));
        std::copy_n(host.chosenIds.begin(), count, list.ids);
        return host.chooserAnswer >= 0 ? host.chooserAnswer : static_cast<int32_t>(count);
    }
};

TestHost& TestHost::Instance() {
    static TestHost host;
    return host;
}

TestHost::TestHost() {
    table_.subscribe = TestHostCalls::Subscribe;
    table_.unsubscribe = TestHostCalls::Unsubscribe;
    table_.registerCommand = TestHostCalls::RegisterCommand;
    table_.unregisterCommand = TestHostCalls::UnregisterCommand;
    table_.callService = TestHostCalls::Call;
    table_.serviceExists = TestHostCalls::Exists;
    Reset();
}

void TestHost::Reset() {
    Reset({HostNames::kProfileGetInt, HostNames::kProfileSetInt, HostNames::kProfileGetString,
           HostNames::kProfileSetString, HostNames::kProfileDelParam, HostNames::kOpenAssayIdDlgEx,
           HostNames::kOpenAssayFile});
}

void TestHost::Reset(std::set<std::string> services) {
    offered = std::move(services);
    calls.clear();
    menuPaths.clear();
    handlers.clear();
    profile.clear();
    chosenIds.clear();
    chooserAnswer = -1;
    openedFiles.clear();
    nextId_ = 1;
}

int TestHost::Fire(const std::string& name, intptr_t argument) {
    const auto it = handlers.find(name);
    return it == handlers.end() ? -1 : it->second(argument);
}
