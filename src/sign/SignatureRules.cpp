#include "sign/SignatureRules.h"

#include <algorithm>

#include "tables/NameCompare.h"

namespace {

const SignatureOnRecord* Made(const std::vector<SignatureOnRecord>& made, SignatureMeaning meaning) {
    const auto it = std::find_if(made.begin(), made.end(), [meaning](const SignatureOnRecord& signature) {
        return signature.meaning == meaning;
    });
    return it != made.end() ? &*it : nullptr;
}

MessageArg Word(SignatureMeaning meaning) {
    return Nested(MeaningMessage(meaning));
}

}  // namespace

std::wstring DistinguishedNameKey(const std::wstring& name) {
    std::wstring bare;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == L'"') continue;
        if (name[i] == L'\\' && i + 1 < name.size()) ++i;
        bare += name[i];
    }
    return LooseNameKey(bare);
}

Message SignatureRefusal(const std::vector<SignatureMeaning>& asked,
                         const std::vector<SignatureOnRecord>& made, SignatureMeaning meaning,
                         const std::wstring& subject) {
    const auto position = std::find(asked.begin(), asked.end(), meaning);
    if (position == asked.end()) return Message(MessageCode::SignatureMeaningNotAsked, {Word(meaning)});
    if (const SignatureOnRecord* same = Made(made, meaning))
        return Message(MessageCode::SignatureAlreadyMade, {Word(meaning), same->signer});
    for (auto earlier = asked.begin(); earlier != position; ++earlier) {
        if (Made(made, *earlier) == nullptr)
            return Message(MessageCode::SignatureOutOfOrder, {Word(meaning), Word(*earlier)});
    }
    const SignatureOnRecord* preparer = Made(made, SignatureMeaning::Prepared);
    if (meaning != SignatureMeaning::Prepared && preparer != nullptr &&
        DistinguishedNameKey(preparer->signerSubject) == DistinguishedNameKey(subject))
        return Message(MessageCode::SignatureSamePerson, {Word(meaning), preparer->signer});
    return Message();
}
