#include "register/RegisterEntry.h"

#include <gtest/gtest.h>

#include <string>

// An entry reads back field for field; a line a later version writes (a signature) is passed over, and an
// event this version does not know is kept as it is written.
TEST(RegisterEntry, ReadsBackAsWrittenAndPassesOverWhatALaterVersionAdds) {
    RegisterEntry entry;
    entry.place = 7;
    entry.utc = L"2026-03-14T10:12:30Z";
    entry.local = L"14.03.2026 13:12";
    entry.user = L"analyst@LAB-PC";
    entry.program = L"oxycalc 1.1.1.0, oxycalc-cli amend";
    entry.event = RegisterEvent::Amended;
    entry.number = L"ОХ-2026-00018";
    entry.counter = 18;
    entry.madeBy = L"report";
    entry.sample = L"АИ-95-К5, партия 2417";
    entry.draftSha256 = std::string(64, 'a');
    entry.replaces = L"ОХ-2026-00017";
    entry.reason = L"плотность уточнена\r\nвторой строкой";  // one line in the register
    entry.files = {{L"ОХ-2026-00018 копия.html", std::string(64, 'b')},
                   {L"ОХ-2026-00018.json", std::string(64, 'c')}};
    entry.previousSha256 = std::string(64, 'd');
    const std::string text = RegisterEntryText(entry);
    EXPECT_EQ(text.rfind(kRegisterEntryStart, 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 2), "\n\n");
    EXPECT_EQ(text.find("\n\n"), text.size() - 2);  // the blank line ends the entry, and only there
    const RegisterEntry read = ParseRegisterEntry(text);
    EXPECT_EQ(read.place, 7u);
    EXPECT_EQ(read.event, RegisterEvent::Amended);
    EXPECT_EQ(read.number, entry.number);
    EXPECT_EQ(read.counter, 18u);
    EXPECT_EQ(read.replaces, entry.replaces);
    EXPECT_EQ(read.reason, L"плотность уточнена  второй строкой");
    ASSERT_EQ(read.files.size(), 2u);
    EXPECT_EQ(read.files[0].name, L"ОХ-2026-00018 копия.html");
    EXPECT_EQ(read.files[0].sha256, std::string(64, 'b'));
    EXPECT_EQ(read.previousSha256, entry.previousSha256);
    EXPECT_TRUE(read.GivesNumber());

    std::string later = text;
    later.insert(later.find("SHA-256 предыдущей"), "Отправлен: LIMS 0123\n");
    later.replace(later.find("отчёт выпущен взамен"), std::string("отчёт выпущен взамен").size(),
                  "отчёт отправлен");
    const RegisterEntry sent = ParseRegisterEntry(later);
    EXPECT_EQ(sent.event, RegisterEvent::Other);
    EXPECT_EQ(sent.eventText, L"отчёт отправлен");
    EXPECT_FALSE(sent.GivesNumber());
    EXPECT_EQ(sent.previousSha256, entry.previousSha256);
}
