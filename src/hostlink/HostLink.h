#pragma once

#include <cstdint>
#include <optional>

#include "hostlink/HostApi.h"

// The plug-in's side of the host's function table. Every service is asked for before it is called
// (CallIfOffered); only the menu service is called directly, as the host expects.
class HostLink {
public:
    explicit HostLink(const HostApi* table = nullptr) : table_(table) {}

    bool Connected() const { return table_ != nullptr; }

    int Subscribe(const char* event, HostHandler handler) const;
    void Unsubscribe(int subscriptionId) const;
    int RegisterCommand(const char* command, HostHandler handler) const;
    void UnregisterCommand(int commandId) const;

    bool Offers(const char* service) const;
    // Calls a service without asking first.
    intptr_t Call(const char* service, intptr_t argument1, intptr_t argument2) const;
    // Calls a service when the host offers it; nothing when it does not.
    std::optional<intptr_t> CallIfOffered(const char* service, intptr_t argument1, intptr_t argument2) const;

private:
    const HostApi* table_;
};
