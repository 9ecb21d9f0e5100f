#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "hostlink/HostApi.h"

// The host's side of HostApi: events, commands and named services. The table handed to plug-ins
// forwards into the one bus of the process (the table's functions carry no context).
class ServiceBus {
public:
    using Service = std::function<intptr_t(intptr_t argument1, intptr_t argument2)>;

    static ServiceBus& Instance();

    const HostApi* Table() const { return &table_; }

    void Offer(const std::string& name, Service service) { services_[name] = std::move(service); }
    // Runs every handler subscribed to the event, in subscription order.
    void Fire(const std::string& event, intptr_t argument);
    // Runs a registered command; false when no command has that name.
    bool RunCommand(const std::string& command, intptr_t argument);

    int Subscribe(const char* event, HostHandler handler);
    int Unsubscribe(int subscriptionId);
    int RegisterCommand(const char* command, HostHandler handler);
    int UnregisterCommand(int commandId);
    intptr_t Call(const char* service, intptr_t argument1, intptr_t argument2);
    int Exists(const char* service) const;

private:
    ServiceBus();

    struct Subscription {
        int id;
        std::string event;
        HostHandler handler;
    };
    struct Command {
        int id;
        std::string name;
        HostHandler handler;
    };

    HostApi table_{};
    std::map<std::string, Service> services_;
    std::vector<Subscription> subscriptions_;
    std::vector<Command> commands_;
    int nextId_ = 1;
};
