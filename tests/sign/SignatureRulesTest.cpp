#include <gtest/gtest.h>

#include <vector>

#include "sign/SignatureRules.h"

namespace {

using M = SignatureMeaning;
const std::vector<M> kAll = {M::Prepared, M::Reviewed, M::Approved};
const SignatureOnRecord kIvanova{M::Prepared, L"Иванова А. А.", L"CN=Иванова А. А., O=Лаборатория, C=RU"};

MessageCode RefusalOf(const std::vector<M>& asked, const std::vector<SignatureOnRecord>& made, M meaning,
                      const std::wstring& subject) {
    return SignatureRefusal(asked, made, meaning, subject).code;
}

TEST(SignatureRules, TakeTheMeaningsInTheirOrderEachOnceAndAnotherPersonToCheckOrApprove) {
    const std::wstring petrov = L"CN=Петров П., O=Лаборатория, C=RU";
    EXPECT_EQ(RefusalOf(kAll, {}, M::Prepared, kIvanova.signerSubject), MessageCode::None);
    EXPECT_EQ(RefusalOf(kAll, {}, M::Reviewed, petrov), MessageCode::SignatureOutOfOrder);
    EXPECT_EQ(RefusalOf(kAll, {kIvanova}, M::Approved, petrov), MessageCode::SignatureOutOfOrder);
    EXPECT_EQ(RefusalOf(kAll, {kIvanova}, M::Reviewed, petrov), MessageCode::None);
    EXPECT_EQ(RefusalOf(kAll, {kIvanova}, M::Prepared, petrov), MessageCode::SignatureAlreadyMade);
    // The preparer approving their own report, also written with other blanks or letter case.
    const std::vector<SignatureOnRecord> reviewed = {kIvanova, {M::Reviewed, L"Петров П.", petrov}};
    EXPECT_EQ(RefusalOf(kAll, reviewed, M::Approved, L"CN=ИВАНОВА А.А., O=Лаборатория, C=RU"),
              MessageCode::SignatureSamePerson);
    EXPECT_EQ(RefusalOf(kAll, reviewed, M::Approved, L"CN=Сидоров С., O=Лаборатория, C=RU"),
              MessageCode::None);
    // A name as CryptoAPI writes it (the value quoted) and as OpenSSL does (the comma escaped) is one name.
    EXPECT_EQ(DistinguishedNameKey(L"CN=\"Лаборатория, УЦ\", O=Лаборатория, C=RU"),
              DistinguishedNameKey(L"CN=Лаборатория\\, УЦ, O=Лаборатория, C=RU"));
    EXPECT_NE(DistinguishedNameKey(L"CN=Лаборатория, O=УЦ"), DistinguishedNameKey(L"CN=Лаборатория УЦ"));
    // A lab that asks for the preparer and the approver only.
    const std::vector<M> two = {M::Prepared, M::Approved};
    EXPECT_EQ(RefusalOf(two, {kIvanova}, M::Reviewed, petrov), MessageCode::SignatureMeaningNotAsked);
    EXPECT_EQ(RefusalOf(two, {kIvanova}, M::Approved, petrov), MessageCode::None);
}

}  // namespace
