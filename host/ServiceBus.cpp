#include "ServiceBus.h"

#include <algorithm>

#include "win/Firewall.h"

namespace {

int __cdecl TableSubscribe(const char* event, HostHandler handler) {
    return ServiceBus::Instance().Subscribe(event, handler);
}
int __cdecl TableUnsubscribe(int id) {
    return ServiceBus::Instance().Unsubscribe(id);
}
int __cdecl TableRegisterCommand(const char* command, HostHandler handler) {
    return ServiceBus::Instance().RegisterCommand(command, handler);
}
int __cdecl TableUnregisterCommand(int id) {
    return ServiceBus::Instance().UnregisterCommand(id);
}
intptr_t __cdecl TableCallService(const char* service, intptr_t argument1, intptr_t argument2) {
    return Firewall(service, intptr_t{0},
                    [=] { return ServiceBus::Instance().Call(service, argument1, argument2); });
}
int __cdecl TableServiceExists(const char* service) {
    return ServiceBus::Instance().Exists(service);
}

}  // namespace

ServiceBus& ServiceBus::Instance() {
    static ServiceBus bus;
    return bus;
}

ServiceBus::ServiceBus() {
    table_.subscribe = TableSubscribe;
    table_.unsubscribe = TableUnsubscribe;
    table_.registerCommand = TableRegisterCommand;
    table_.unregisterCommand = TableUnregisterCommand;
    table_.callService = TableCallService;
    table_.serviceExists = TableServiceExists;
}

void ServiceBus::Fire(const std::string& event, intptr_t argument) {
    const std::vector<Subscription> current = subscriptions_;  // a handler may subscribe again
    for (const Subscription& subscription : current) {
        if (subscription.event == event) subscription.handler(argument);
    }
}

bool ServiceBus::RunCommand(const std::string& command, intptr_t argument) {
    // The newest registration of a name wins, as a plug-in that registers again expects.
    for (auto it = commands_.rbegin(); it != commands_.rend(); ++it) {
        if (it->name == command) {
            it->handler(argument);
            return true;
        }
    }
    return false;
}

int ServiceBus::Subscribe(const char* event, HostHandler handler) {
    subscriptions_.push_back({nextId_, event ? event : "", handler});
    return nextId_++;
}

int ServiceBus::Unsubscribe(int subscriptionId) {
    subscriptions_.erase(
        std::remove_if(subscriptions_.begin(), subscriptions_.end(),
                       [subscriptionId](const Subscription& s) { return s.id == subscriptionId; }),
        subscriptions_.end());
    return 0;
}

int ServiceBus::RegisterCommand(const char* command, HostHandler handler) {
    commands_.push_back({nextId_, command ? command : "", handler});
    return nextId_++;
}

int ServiceBus::UnregisterCommand(int commandId) {
    commands_.erase(std::remove_if(commands_.begin(), commands_.end(),
                                   [commandId](const Command& c) { return c.id == commandId; }),
                    commands_.end());
    return 0;
}

intptr_t ServiceBus::Call(const char* service, intptr_t argument1, intptr_t argument2) {
    const auto it = services_.find(service ? service : "");
    return it == services_.end() ? 0 : it->second(argument1, argument2);
}

int ServiceBus::Exists(const char* service) const {
    return services_.count(service ? service : "") ? 1 : 0;
}
