#include "register/ReportRegister.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileSystemPath.h"
#include "platform/ReplaceFile.h"
#include "platform/Sha256.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "report/ReportJson.h"
#include "report/ReportSample.h"
#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

namespace {

bool Says(const std::vector<std::wstring>& texts, const std::wstring& part) {
    for (const std::wstring& text : texts) {
        if (text.find(part) != std::wstring::npos) return true;
    }
    return false;
}

class ReportRegisterTest : public ::testing::Test {
protected:
    ReportRegisterTest() {
        Message problem;
        EXPECT_TRUE(register_.Start(*NumberPattern::Parse(L"ОХ-{NNNNN}", problem), 17, L"тест", messages));
    }

    // A drafted report of a sample; the density tells one calculation from another.
    IssueRequest Draft(const std::wstring& sample, double density) const {
        std::vector<Assay> assays = SampleAssaysWithSamples();
        assays[0].sample = sample;
        CalculationData data = SampleCalculation();
        data.sampleDensity = density;
        IssueRequest request;
        request.model = MakeReportModel(assays, data, 1710407520);
        request.model.registration.status = ReportRegistration::Status::Draft;
        request.draftSha256 = Sha256Hex(ReportJson(request.model));
        request.stylesheet = StylesheetFile(L"Report.xsl");
        request.program = L"тест";
        return request;
    }

    IssueRequest Amendment(const std::wstring& number, const std::wstring& sample, double density) const {
        IssueRequest request = Draft(sample, density);
        request.replaces = number;
        request.reason = L"плотность уточнена";
        return request;
    }

    std::optional<IssuedReport> Withdraw(const std::wstring& number) {
        return register_.Withdraw(
            {number, L"проба не та", StylesheetFile(L"Report.xsl"), Language::Russian, L"тест"}, messages);
    }

    const TempFolder folder;
    const RegisterPlace place{folder.File(L"RegisterOxycalc.txt")};
    const ReportRegister register_{place};
    RecordingMessages messages;
};

}  // namespace

// Numbers follow one another, each with its files in the reports folder as the entry names them; the issued
// report anchors the entry before its own. One draft never gets two numbers; a batch run again takes the
// issue its draft had.
TEST_F(ReportRegisterTest, IssuesConsecutiveNumbersWithTheirFilesAndNeverOneDraftTwice) {
    const std::optional<IssuedReport> first = register_.Issue(Draft(L"АИ-95", 745.68), messages);
    ASSERT_TRUE(first) << (messages.errors.empty() ? L"" : messages.errors.back());
    EXPECT_EQ(first->entry.number, L"ОХ-00017");
    ASSERT_EQ(first->entry.files.size(), 3u);
    for (const RegisteredFile& file : first->entry.files)
        EXPECT_EQ(Sha256OfFile(place.ReportFile(file.name)), file.sha256) << ToUtf8(file.name);
    const std::string json = ReadBytes(first->json);
    EXPECT_NE(json.find("\"report_number\": \"ОХ-00017\""), std::string::npos);
    EXPECT_NE(json.find("\"status\": \"issued\""), std::string::npos);
    const RegisterRead read = RegisterFile(place.file).Read();
    EXPECT_NE(
        json.find("\"previous_entry_sha256\": \"" + Sha256Hex(RegisterFile(place.file).Read().first->text)),
        std::string::npos);
    // The blank after the number is a no-break one: MSXML drops an ordinary blank there.
    EXPECT_NE(ReadBytes(first->html).find("ОХ-00017</span>\xC2\xA0· выпущен "), std::string::npos);
    EXPECT_EQ(ReadBytes(first->html).find("ПРОЕКТ"), std::string::npos);

    EXPECT_EQ(register_.Issue(Draft(L"АИ-95", 745.10), messages)->entry.number, L"ОХ-00018");
    EXPECT_FALSE(register_.Issue(Draft(L"АИ-95", 745.68), messages));
    EXPECT_TRUE(Says(messages.errors, L"уже выпущен: отчёт № ОХ-00017"));
    IssueRequest again = Draft(L"АИ-95", 745.68);
    again.takeEarlierIssue = true;
    const std::optional<IssuedReport> earlier = register_.Issue(std::move(again), messages);
    ASSERT_TRUE(earlier);
    EXPECT_TRUE(earlier->earlier);
    EXPECT_EQ(earlier->entry.number, L"ОХ-00017");
    EXPECT_EQ(RegisterFile(place.file).Read().entries, read.entries + 1) << "nothing was appended for it";
}

// Only a report in force is amended or withdrawn, and then by a calculation of its own sample; each refusal
// names the number and what stands in the way.
TEST_F(ReportRegisterTest, AmendsOrWithdrawsOnlyAReportInForceNamingWhatItRefuses) {
    ASSERT_TRUE(register_.Issue(Draft(L"АИ-95", 745.68), messages));
    EXPECT_FALSE(register_.Issue(Amendment(L"ОХ-00099", L"АИ-95", 745.10), messages));
    EXPECT_TRUE(Says(messages.errors, L"Отчёта № ОХ-00099 в реестре"));
    EXPECT_FALSE(register_.Issue(Amendment(L"ОХ-00017", L"АИ-98", 745.10), messages));
    EXPECT_TRUE(Says(messages.errors, L"другой пробы («АИ-98»)"));

    const std::optional<IssuedReport> amended =
        register_.Issue(Amendment(L"ОХ-00017", L"АИ-95", 745.10), messages);
    ASSERT_TRUE(amended);
    EXPECT_EQ(amended->entry.event, RegisterEvent::Amended);
    EXPECT_EQ(amended->entry.replaces, L"ОХ-00017");
    EXPECT_NE(ReadBytes(amended->html).find("Взамен отчёта №\xC2\xA0ОХ-00017"), std::string::npos);
    EXPECT_FALSE(register_.Issue(Amendment(L"ОХ-00017", L"АИ-95", 745.20), messages));
    EXPECT_TRUE(Says(messages.errors, L"Отчёт № ОХ-00017 уже заменён отчётом № ОХ-00018"));

    const std::optional<IssuedReport> notice = Withdraw(L"ОХ-00018");
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->entry.number, L"ОХ-00019");
    EXPECT_NE(ReadBytes(notice->json).find("\"format\": \"oxycalc-withdrawal\""), std::string::npos);
    EXPECT_FALSE(Withdraw(L"ОХ-00018"));
    EXPECT_TRUE(Says(messages.errors, L"Отчёт № ОХ-00018 уже отозван (отзыв № ОХ-00019"));
    EXPECT_FALSE(Withdraw(L"ОХ-00019"));
    EXPECT_TRUE(Says(messages.errors, L"№ ОХ-00019 — отзыв отчёта"));
    EXPECT_EQ(RegisterFile(place.file).Read().counter, 19u);
}

// An issue cut short after its entry left its files staged: the next one puts them in place first. A file
// of the last issue gone, or the register put back from an older copy, stops issuing: no number is given
// twice.
TEST_F(ReportRegisterTest, WhatAnIssueCutShortLeftIsCompletedAndNoNumberIsGivenTwice) {
    const std::optional<IssuedReport> first = register_.Issue(Draft(L"АИ-95", 745.68), messages);
    ASSERT_TRUE(first);
    const std::wstring staged = JoinPath(place.Staging(), L"ОХ-00017.json");
    std::filesystem::rename(ToFileSystemPath(first->json), ToFileSystemPath(staged));
    ASSERT_TRUE(register_.Complete(messages));
    EXPECT_TRUE(FileExists(first->json));
    EXPECT_TRUE(Says(messages.messages, L"Файлы отчёта № ОХ-00017"));

    const std::string before = ReadBytes(place.file);
    ASSERT_TRUE(register_.Issue(Draft(L"АИ-95", 745.10), messages));
    WriteBytes(place.file, before);  // an older copy put back
    EXPECT_FALSE(register_.Issue(Draft(L"АИ-95", 745.20), messages));
    EXPECT_TRUE(Says(messages.errors, L"ОХ-00018.html» уже есть, а номера ОХ-00018 в реестре нет"));

    RemoveFile(first->html);
    EXPECT_FALSE(register_.Issue(Draft(L"АИ-95", 745.30), messages));
    EXPECT_TRUE(Says(messages.errors, L"ОХ-00017.html» отчёта № ОХ-00017 (запись 2 реестра) нет"));
}

// A register whose chain does not hold gives no number until it is put right, naming the entry.
TEST_F(ReportRegisterTest, ARegisterThatDoesNotHoldStopsIssuingNamingTheEntry) {
    ASSERT_TRUE(register_.Issue(Draft(L"АИ-95", 745.68), messages));
    ASSERT_TRUE(register_.Issue(Draft(L"АИ-95", 745.10), messages));
    std::string text = ReadBytes(place.file);
    text.replace(text.find("Проба: АИ-95"), 12, "Проба: АИ-92");
    WriteBytes(place.file, text);
    EXPECT_FALSE(register_.Issue(Draft(L"АИ-95", 745.20), messages));
    EXPECT_TRUE(Says(messages.errors, L"нельзя доверять: запись 3 — она не продолжает предыдущую"));
    RemoveFile(place.file);
    EXPECT_FALSE(register_.Issue(Draft(L"АИ-95", 745.20), messages));
    EXPECT_TRUE(Says(messages.errors, L"Реестра отчётов «" + place.file + L"» нет"));
}
