#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "messages/Catalogue.h"
#include "platform/WideText.h"

// What a message says in Russian, as the plug-in shows it by default: tests hold the words against it.
inline std::wstring Russian(const Message& message) {
    return Render(message, Language::Russian);
}

inline std::wstring Russian(const MessageArg& value) {
    return RenderArg(value, Language::Russian);
}

inline std::vector<std::wstring> Russian(const std::vector<Message>& messages) {
    std::vector<std::wstring> texts;
    for (const Message& message : messages) texts.push_back(Russian(message));
    return texts;
}

// And in English.
inline std::wstring English(const Message& message) {
    return Render(message, Language::English);
}

// A failed expectation shows a message by its key and its Russian words.
inline std::ostream& operator<<(std::ostream& out, const Message& message) {
    return out << message.Key() << ": " << ToUtf8(Russian(message));
}
