#include "messages/Catalogue.h"

#include <array>
#include <vector>

#include "messages/Languages.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/TextTemplate.h"

namespace {

constexpr size_t kCodes = static_cast<size_t>(MessageCode::Count);
using Index = std::array<const wchar_t*, kCodes>;

Index IndexOf(const Catalogue& catalogue) {
    Index index{};
    for (size_t i = 0; i < catalogue.count; ++i) {
        const size_t code = static_cast<size_t>(catalogue.lines[i].code);
        if (code < kCodes) index[code] = catalogue.lines[i].text;
    }
    return index;
}

}  // namespace

std::wstring RenderArg(const MessageArg& arg, Language language) {
    if (const auto* text = std::get_if<std::wstring>(&arg)) return *text;
    if (const auto* whole = std::get_if<int64_t>(&arg)) return std::to_wstring(*whole);
    if (const auto* number = std::get_if<MessageNumber>(&arg))
        return number->decimals < 0 ? FormatGeneral(number->value, 15)
                                    : FormatFixed(number->value, number->decimals);
    if (const auto* moment = std::get_if<MessageMoment>(&arg)) return LocalTimeText(moment->secondsSince1970);
    if (const auto* nested = std::get_if<std::shared_ptr<const Message>>(&arg))
        return *nested ? Render(**nested, language) : std::wstring();
    const auto& list = std::get<std::shared_ptr<const MessageList>>(arg);
    std::wstring text;
    if (!list) return text;
    for (const Message& item : list->items) {
        if (item.Empty()) continue;
        text += (text.empty() ? L"" : list->separator) + Render(item, language);
    }
    return text;
}

Catalogue CatalogueOf(Language language) {
    return LanguageEntryOf(language).catalogue;
}

const wchar_t* MessagePattern(MessageCode code, Language language) {
    static const std::vector<Index> indexes = [] {
        std::vector<Index> all;
        for (const LanguageEntry& entry : Languages()) all.push_back(IndexOf(entry.catalogue));
        return all;
    }();
    const size_t at = static_cast<size_t>(code);
    if (at >= kCodes) return nullptr;
    for (size_t i = 0; i < Languages().size(); ++i) {
        if (Languages()[i].language == language) return indexes[i][at];
    }
    return nullptr;
}

std::wstring Render(const Message& message, Language language) {
    const wchar_t* pattern = MessagePattern(message.code, language);
    std::vector<std::wstring> values;
    values.reserve(message.args.size());
    for (const MessageArg& arg : message.args) values.push_back(RenderArg(arg, language));
    if (pattern == nullptr) {
        // A code without its text is a fault the catalogue test finds; its key still says what it was.
        std::wstring text(message.Key(), message.Key() + std::char_traits<char>::length(message.Key()));
        for (const std::wstring& value : values) text += L" «" + value + L"»";
        return text;
    }
    return FillTemplate(pattern, values);
}
