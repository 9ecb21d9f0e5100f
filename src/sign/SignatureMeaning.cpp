#include "sign/SignatureMeaning.h"

#include "platform/WideText.h"
#include "tables/NameCompare.h"

const wchar_t* MeaningWord(SignatureMeaning meaning) {
    switch (meaning) {
        case SignatureMeaning::Prepared:
            return L"составил";
        case SignatureMeaning::Reviewed:
            return L"проверил";
        case SignatureMeaning::Approved:
            return L"утвердил";
    }
    return L"";
}

const char* MeaningKey(SignatureMeaning meaning) {
    switch (meaning) {
        case SignatureMeaning::Prepared:
            return "prepared";
        case SignatureMeaning::Reviewed:
            return "reviewed";
        case SignatureMeaning::Approved:
            return "approved";
    }
    return "";
}

Message MeaningMessage(SignatureMeaning meaning) {
    switch (meaning) {
        case SignatureMeaning::Prepared:
            return Message(MessageCode::SignatureMeaningPrepared);
        case SignatureMeaning::Reviewed:
            return Message(MessageCode::SignatureMeaningReviewed);
        case SignatureMeaning::Approved:
            return Message(MessageCode::SignatureMeaningApproved);
    }
    return Message();
}

std::optional<SignatureMeaning> ParseMeaning(const std::wstring& text) {
    for (const SignatureMeaning meaning : kAllMeanings) {
        if (EqualNoCase(text, MeaningWord(meaning)) || EqualNoCase(text, FromUtf8(MeaningKey(meaning))))
            return meaning;
    }
    return std::nullopt;
}

std::optional<std::vector<SignatureMeaning>> ParseMeaningList(const std::wstring& text) {
    std::vector<SignatureMeaning> meanings;
    std::wstring word;
    for (const wchar_t c : text + L",") {
        if (c != L',' && c != L' ') {
            word += c;
            continue;
        }
        if (word.empty()) continue;
        const std::optional<SignatureMeaning> meaning = ParseMeaning(word);
        if (!meaning) return std::nullopt;
        meanings.push_back(*meaning);
        word.clear();
    }
    return meanings;
}
