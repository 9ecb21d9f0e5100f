#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "messages/MessageCode.h"

struct Message;
struct MessageList;

// A number as a message shows it: with a fixed count of decimals, or in its shortest form with up to 15
// significant digits when `decimals` is negative.
struct MessageNumber {
    double value = 0.0;
    int decimals = -1;
};

// A moment (seconds since 1970) a message shows in local time, "dd.mm.yy  hh:mm".
struct MessageMoment {
    int64_t secondsSince1970 = 0;
};

// One value a message names: a text (a name, a path), a whole number, a number, a moment, another
// message (why a verdict is undetermined, within the sentence that says it is), or a list of messages.
using MessageArg = std::variant<std::wstring, int64_t, MessageNumber, MessageMoment,
                                std::shared_ptr<const Message>, std::shared_ptr<const MessageList>>;

// What the core says, as a code and the values it names; a catalogue per language turns it into words.
struct Message {
    MessageCode code = MessageCode::None;
    std::vector<MessageArg> args;

    Message() = default;
    Message(MessageCode code_, std::vector<MessageArg> args_ = {}) : code(code_), args(std::move(args_)) {}

    bool Empty() const { return code == MessageCode::None; }
    // The code as a short Latin key, for documents that programs read ("standard_not_found", …).
    const char* Key() const { return MessageKey(code); }
};

// Messages said one after another, with the separator between them ("; ", ", ").
struct MessageList {
    std::vector<Message> items;
    std::wstring separator;
};

bool operator==(const Message& a, const Message& b);
// Whether two values are the same: texts and numbers by value, messages by their codes and values.
bool SameArg(const MessageArg& a, const MessageArg& b);
bool operator!=(const Message& a, const Message& b);

// An argument that is a message.
MessageArg Nested(Message message);
// An argument that is a list of messages.
MessageArg Joined(std::vector<Message> items, std::wstring separator = L"; ");
// A message that is only a list of messages.
Message ListMessage(std::vector<Message> items, std::wstring separator = L"; ");
// An argument that is a number with a fixed count of decimals.
MessageArg Decimal(double value, int decimals);
// An argument that is a number in its shortest form.
MessageArg General(double value);
