#include "RecordingHost.h"

#include "platform/WideText.h"

struct RecordingHostCalls {
    static RecordingHost& H() { return RecordingHost::Instance(); }

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
        return H().offered_.count(service) ? 1 : 0;
    }
    static intptr_t __cdecl Call(const char* service, intptr_t, intptr_t argument2) {
        const std::string name = service;
        H().calls.push_back("call " + name);
        if (name == HostNames::kGetLanguage) return H().language;
        if (name == HostNames::kGetConnectionUri) {
            const wchar_t* text = H().connectionText ? H().connectionText : H().connectionString.c_str();
            return reinterpret_cast<intptr_t>(text);
        }
        if (name == HostNames::kCreateNewMenu) {
            const auto* entry = reinterpret_cast<const NewMenuInfo*>(argument2);
            H().menuPaths.push_back(entry->path);
            H().calls.back() += std::string(" ") + entry->command;
            return 1;
        }
        return 0;
    }
};

RecordingHost& RecordingHost::Instance() {
    static RecordingHost host;
    return host;
}

RecordingHost::RecordingHost() {
    table_.subscribe = RecordingHostCalls::Subscribe;
    table_.unsubscribe = RecordingHostCalls::Unsubscribe;
    table_.registerCommand = RecordingHostCalls::RegisterCommand;
    table_.unregisterCommand = RecordingHostCalls::UnregisterCommand;
    table_.callService = RecordingHostCalls::Call;
    table_.serviceExists = RecordingHostCalls::Exists;
}

void RecordingHost::Reset(std::set<std::string> offered) {
    calls.clear();
    menuPaths.clear();
    handlers.clear();
    offered_ = std::move(offered);
    nextId_ = 1;
}

int RecordingHost::Fire(const std::string& name, intptr_t argument) {
    const auto it = handlers.find(name);
    return it == handlers.end() ? -1 : it->second(argument);
}
