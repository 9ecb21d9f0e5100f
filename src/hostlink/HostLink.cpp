#include "hostlink/HostLink.h"

int HostLink::Subscribe(const char* event, HostHandler handler) const {
    return table_ ? table_->subscribe(event, handler) : 0;
}

void HostLink::Unsubscribe(int subscriptionId) const {
    if (table_) table_->unsubscribe(subscriptionId);
}

int HostLink::RegisterCommand(const char* command, HostHandler handler) const {
    return table_ ? table_->registerCommand(command, handler) : 0;
}

void HostLink::UnregisterCommand(int commandId) const {
    if (table_) table_->unregisterCommand(commandId);
}

bool HostLink::Offers(const char* service) const {
    return table_ && table_->serviceExists(service) != 0;
}

intptr_t HostLink::Call(const char* service, intptr_t argument1, intptr_t argument2) const {
    return table_ ? table_->callService(service, argument1, argument2) : 0;
}

std::optional<intptr_t> HostLink::CallIfOffered(const char* service, intptr_t argument1,
                                                intptr_t argument2) const {
    if (!Offers(service)) return std::nullopt;
    return Call(service, argument1, argument2);
}
