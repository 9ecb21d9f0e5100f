#include <gtest/gtest.h>

#include <string>

#include "sign/SignatureStatement.h"

namespace {

SignatureStatement Sample() {
    SignatureStatement statement;
    statement.reportNumber = L"ОХ-2026-00017";
    statement.meaning = SignatureMeaning::Reviewed;
    statement.signer = L"Петров Пётр";
    statement.signerSubject = L"CN=Петров Пётр, O=Лаборатория, C=RU";
    statement.certificateIssuer = L"CN=Лаборатория\\, УЦ, O=Лаборатория, C=RU";
    statement.certificateSerial = "1001";
    statement.signedAt = 1765368000;
    statement.files = {{L"ОХ-2026-00017.json", std::string(64, 'a')},
                       {L"ОХ-2026-00017.xml", std::string(64, 'b')}};
    return statement;
}

TEST(SignatureStatement, ReadsBackWhatItWritesAndNothingElse) {
    const std::string text = StatementText(Sample());
    Message why;
    const std::optional<SignatureStatement> read = ReadStatement(text, why);
    ASSERT_TRUE(read);
    EXPECT_TRUE(why.Empty());
    EXPECT_EQ(StatementText(*read), text);
    EXPECT_NE(text.find("\"meaning\": \"проверил\""), std::string::npos);
    EXPECT_NE(text.find("\"signed_utc\": \"2025-12-10T12:00:00Z\""), std::string::npos);

    const auto refused = [](std::string changed) {
        Message reason;
        return !ReadStatement(changed, reason) && reason.code == MessageCode::SignatureStatementUnreadable;
    };
    const auto replaced = [&text](const std::string& from, const std::string& to) {
        std::string changed = text;
        changed.replace(changed.find(from), from.size(), to);
        return changed;
    };
    EXPECT_TRUE(refused(replaced("\"reviewed\"", "\"approved\"")));  // the word and the key disagree
    EXPECT_TRUE(refused(replaced(std::string(64, 'a'), std::string(63, 'a'))));
    EXPECT_TRUE(refused(replaced("\"format_version\": 1", "\"format_version\": 2")));
    EXPECT_TRUE(refused(replaced("\"signer\":", "\"signer\": \"x\", \"extra\":")));
    EXPECT_TRUE(refused(text.substr(0, text.size() / 2)));
    SignatureStatement none = Sample();
    none.files.clear();
    EXPECT_TRUE(refused(StatementText(none)));
}

}  // namespace
