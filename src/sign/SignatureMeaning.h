#pragma once

#include <optional>
#include <string>
#include <vector>

#include "messages/Message.h"

// What a signature says its signer did with the report, in the order a lab signs: the one who made the
// calculation, the one who checked it, the one who approved it for issue.
enum class SignatureMeaning { Prepared, Reviewed, Approved };

constexpr SignatureMeaning kAllMeanings[] = {SignatureMeaning::Prepared, SignatureMeaning::Reviewed,
                                             SignatureMeaning::Approved};

// The lab's own word: "составил", "проверил", "утвердил".
const wchar_t* MeaningWord(SignatureMeaning meaning);
// The meaning in the words of the language a message is said in.
Message MeaningMessage(SignatureMeaning meaning);
// The key in documents for programs: "prepared", "reviewed", "approved".
const char* MeaningKey(SignatureMeaning meaning);
// A meaning given by its word or key, in any letter case; nothing for another text.
std::optional<SignatureMeaning> ParseMeaning(const std::wstring& text);
// Meanings given by their words or keys, separated by commas or blanks ("составил, проверил"); nothing when
// one is no meaning.
std::optional<std::vector<SignatureMeaning>> ParseMeaningList(const std::wstring& text);
