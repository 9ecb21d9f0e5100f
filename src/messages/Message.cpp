#include "messages/Message.h"

bool SameArg(const MessageArg& a, const MessageArg& b) {
    if (a.index() != b.index()) return false;
    if (const auto* text = std::get_if<std::wstring>(&a)) return *text == std::get<std::wstring>(b);
    if (const auto* whole = std::get_if<int64_t>(&a)) return *whole == std::get<int64_t>(b);
    if (const auto* number = std::get_if<MessageNumber>(&a)) {
        const MessageNumber& other = std::get<MessageNumber>(b);
        return number->value == other.value && number->decimals == other.decimals;
    }
    if (const auto* moment = std::get_if<MessageMoment>(&a))
        return moment->secondsSince1970 == std::get<MessageMoment>(b).secondsSince1970;
    if (const auto* nested = std::get_if<std::shared_ptr<const Message>>(&a)) {
        const auto& other = std::get<std::shared_ptr<const Message>>(b);
        return *nested && other ? **nested == *other : *nested == other;
    }
    const auto& list = std::get<std::shared_ptr<const MessageList>>(a);
    const auto& other = std::get<std::shared_ptr<const MessageList>>(b);
    if (!list || !other) return list == other;
    return list->separator == other->separator && list->items == other->items;
}

bool operator==(const Message& a, const Message& b) {
    if (a.code != b.code || a.args.size() != b.args.size()) return false;
    for (size_t i = 0; i < a.args.size(); ++i) {
        if (!SameArg(a.args[i], b.args[i])) return false;
    }
    return true;
}

bool operator!=(const Message& a, const Message& b) {
    return !(a == b);
}

MessageArg Nested(Message message) {
    return std::make_shared<const Message>(std::move(message));
}

MessageArg Joined(std::vector<Message> items, std::wstring separator) {
    return std::make_shared<const MessageList>(MessageList{std::move(items), std::move(separator)});
}

Message ListMessage(std::vector<Message> items, std::wstring separator) {
    return Message(MessageCode::List, {Joined(std::move(items), std::move(separator))});
}

MessageArg Decimal(double value, int decimals) {
    return MessageNumber{value, decimals};
}

MessageArg General(double value) {
    return MessageNumber{value, -1};
}

const char* MessageKey(MessageCode code) {
    static const char* const keys[] = {
#define OXY_MESSAGE_KEY(name, key) key,
        OXY_MESSAGE_CODES(OXY_MESSAGE_KEY)
#undef OXY_MESSAGE_KEY
    };
    const size_t at = static_cast<size_t>(code);
    return at < sizeof keys / sizeof keys[0] ? keys[at] : "";
}
