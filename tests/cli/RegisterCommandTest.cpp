// The register of issued reports on the command line, on the demo data: issue, amend, withdraw, verify and
// history; several processes at once; an issue stopped at every step; what would lose a record refused.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "CliFixture.h"
#include "platform/Sha256.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "register/RegisterFile.h"

namespace {

namespace fs = std::filesystem;

class RegisterCommandTest : public CliFixture {
protected:
    RegisterCommandTest() {
        const CliRun start = Run({"register", "--start", "ОХ-{YYYY}-{NNNNN}", "--first", "17", "--components",
                                  Path(L"CompsTableOxycalc.csv")});
        EXPECT_EQ(start.exitCode, 0) << start.err;
    }

    // A draft of the demo petrol at a density: its JSON and page.
    std::string Draft(const std::wstring& name, const std::string& density) const {
        std::vector<std::string> args = DemoPetrol();
        args[8] = density;
        args.insert(args.end(), {"--standard", "1,2-диметоксиэтан", "--xsl", OXY_STYLESHEET_DIR "/Report.xsl",
                                 "--html", Path(name + L".html"), "--json", Path(name + L".json")});
        const CliRun run = Report(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return Path(name + L".json");
    }

    // The number an issue, amend or withdrawal printed last.
    static std::string LastLine(const CliRun& run) {
        std::string out = run.out;
        while (!out.empty() && out.back() == '\n') out.pop_back();
        return out.substr(out.rfind('\n') + 1);
    }

    std::string Issued(const std::string& number, const char* extension = ".json") const {
        return Path(L"RegisterOxycalc.txt.reports/" + FromUtf8(number) + FromUtf8(extension));
    }

    std::string Reports() const { return Path(L"RegisterOxycalc.txt.reports"); }
    std::string Staging() const { return Path(L"RegisterOxycalc.txt.staging"); }
};

// No file of the reports folder bears a number the register does not hold; every registered file is in
// place, or (`pendingLast`) the last entry's still staged with its checksum, for the next issue to place.
void ExpectEveryNumberWithItsFiles(const std::string& reports, const std::string& staging,
                                   const std::wstring& registerFile, bool pendingLast) {
    std::set<std::string> named;
    const RegisterRead read = RegisterFile(registerFile).Read([&](const RegisterEntry& entry) {
        for (const RegisteredFile& file : entry.files) named.insert(ToUtf8(file.name));
    });
    ASSERT_TRUE(read.Holds());
    std::error_code error;
    for (const auto& item : fs::directory_iterator(reports, error))
        EXPECT_EQ(named.count(item.path().filename().string()), 1u) << "not registered: " << item.path();
    const RegisterRead last = RegisterFile(registerFile).Read([&](const RegisterEntry& entry) {
        for (const RegisteredFile& file : entry.files) {
            const std::string name = ToUtf8(file.name);
            const bool lastEntry = entry.place == read.entries;
            const std::string where = fs::exists(reports + "/" + name) || !(pendingLast && lastEntry)
                                          ? reports + "/" + name
                                          : staging + "/" + name;
            EXPECT_EQ(Sha256OfFile(FromUtf8(where)), file.sha256) << where;
        }
    });
    EXPECT_TRUE(last.Holds());
}

}  // namespace

// A report issued, amended with a reason and withdrawn: each verifies as the register says, the replaced
// one as superseded first and with exit 1; the LIMS gets each issue and the standing of what it replaced.
TEST_F(RegisterCommandTest, IssuedAmendedAndWithdrawnReportsVerifyAsTheRegisterSays) {
    fs::create_directory(Path(L"Выгрузка"));
    const std::string draft = Draft(L"d1", "745.68");
    EXPECT_TRUE(Holds(Read(L"d1.json"), "\"status\": \"draft\""));
    EXPECT_TRUE(Holds(Read(L"d1.html"), "ПРОЕКТ"));
    EXPECT_EQ(Run({"verify", draft}).exitCode, 0);

    const CliRun issue = Run({"issue", draft});
    ASSERT_EQ(issue.exitCode, 0) << issue.err;
    const std::string first = LastLine(issue);
    EXPECT_EQ(first.rfind("ОХ-", 0), 0u) << issue.out;
    EXPECT_EQ(first.substr(first.size() - 6), "-00017");
    const CliRun verified = Run({"verify", Issued(first)});
    EXPECT_EQ(verified.exitCode, 0) << verified.out;
    EXPECT_TRUE(Holds(verified.out, "действует")) << verified.out;
    EXPECT_EQ(Run({"issue", draft}).exitCode, 1) << "one draft, one number";

    const CliRun amend = Run({"amend", first, Draft(L"d2", "745.10"), "--reason", "плотность уточнена"});
    ASSERT_EQ(amend.exitCode, 0) << amend.err;
    const std::string second = LastLine(amend);
    const CliRun old = Run({"verify", Issued(first)});
    EXPECT_EQ(old.exitCode, 1);
    const std::string firstLine =
        old.out.substr(old.out.find('\n') + 1, old.out.find('\n', old.out.find('\n') + 1));
    EXPECT_TRUE(Holds(firstLine, "заменён отчётом № " + second)) << old.out;
    EXPECT_TRUE(Holds(firstLine, "плотность уточнена")) << old.out;
    EXPECT_EQ(Run({"verify", Issued(second)}).exitCode, 0);
    EXPECT_TRUE(Holds(ReadBytes(FromUtf8(Issued(second, ".html"))), "Взамен отчёта"));

    const std::string lims = Path(L"Выгрузка/");
    EXPECT_TRUE(Holds(ReadBytes(FromUtf8(lims + second + ".json")),
                      "\"supersedes\": {\n    \"report_number\": \"" + first));
    const std::string standing = lims + first + ".amended.json";
    EXPECT_TRUE(Holds(ReadBytes(FromUtf8(standing)), "\"status\": \"amended\""));
    EXPECT_TRUE(
        Holds(ReadBytes(FromUtf8(standing)), "\"superseded_by\": {\n    \"report_number\": \"" + second));
    const CliRun standingVerified = Run({"verify", standing});
    EXPECT_EQ(standingVerified.exitCode, 1);
    EXPECT_TRUE(Holds(standingVerified.out, "выгрузка для LIMS")) << standingVerified.out;

    const CliRun withdraw =
        Run({"amend", second, "--withdraw", "--reason", "проба перепутана", "--components",
             Path(L"CompsTableOxycalc.csv"), "--xsl", OXY_STYLESHEET_DIR "/Report.xsl"});
    ASSERT_EQ(withdraw.exitCode, 0) << withdraw.err;
    const std::string notice = LastLine(withdraw);
    EXPECT_TRUE(Holds(Run({"verify", Issued(second)}).out, "отозван (отзыв № " + notice));
    EXPECT_EQ(Run({"verify", Issued(notice)}).exitCode, 0);
    EXPECT_TRUE(Holds(ReadBytes(FromUtf8(lims + second + ".withdrawn.json")), "\"status\": \"withdrawn\""));
    const CliRun history = Run({"history", Path(L"RegisterOxycalc.txt")});
    EXPECT_EQ(history.exitCode, 0) << history.out;
    EXPECT_TRUE(Holds(history.out, "Реестр цел: записей 4")) << history.out;
    EXPECT_TRUE(Holds(Run({"history", Path(L"RegisterOxycalc.txt"), "--lang", "en"}).out,
                      "The register holds: 4 entries"));
}

// Issues started at once in several processes take turns on the register: each number once, one after
// another.
TEST_F(RegisterCommandTest, ProcessesIssuingAtOnceGetDistinctConsecutiveNumbers) {
    constexpr int kProcesses = 4;
    std::string command;
    for (int i = 0; i < kProcesses; ++i) {
        const std::wstring name = L"d" + std::to_wstring(i);
        const std::string draft = Draft(name, "745." + std::to_string(10 + i));
        command += Quoted(OXY_CLI_PATH) + " issue " + Quoted(draft) + " >" + Quoted(Path(name + L".out")) +
                   " 2>&1 & ";
    }
    ASSERT_EQ(std::system((command + "wait").c_str()), 0);
    std::set<std::string> numbers;
    for (int i = 0; i < kProcesses; ++i) {
        const std::string out = Read(L"d" + std::to_wstring(i) + L".out");
        EXPECT_TRUE(Holds(out, "Выпущен отчёт")) << out;
        numbers.insert(LastLine({0, out, ""}));
    }
    ASSERT_EQ(numbers.size(), static_cast<size_t>(kProcesses));
    int expected = 17;
    for (const std::string& number : numbers)
        EXPECT_EQ(std::stoi(number.substr(number.size() - 5)), expected++);
    ExpectEveryNumberWithItsFiles(Reports(), Staging(), folder.File(L"RegisterOxycalc.txt"), false);
}

// An issue stopped at each of its steps, or killed at a moment in it, leaves the draft as it was and either
// no number or a number whose files are staged for the next issue to place: never files with a number the
// register does not hold. The next issue completes it and gives the number after it.
TEST_F(RegisterCommandTest, AnIssueStoppedAtAnyStepLeavesADraftOrANumberWithItsFiles) {
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Run({"issue", Draft(L"timing", "745.19")}).exitCode, 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::vector<std::string> steps{"staged", "append-torn", "appended", "placed-one"};
    for (const double part : {0.3, 0.5, 0.7, 0.9}) steps.push_back("kill-" + std::to_string(part * seconds));
    int given = 17;
    int round = 0;
    for (const std::string& step : steps) {
        ++round;
        const std::string draft = Draft(L"d" + std::to_wstring(round), "745." + std::to_string(20 + round));
        const std::string before = ReadBytes(FromUtf8(draft));
        const std::string kill = step;
        if (kill.rfind("kill-", 0) == 0) {
            const std::string command = Quoted(OXY_CLI_PATH) + " issue " + Quoted(draft) +
                                        " >/dev/null 2>&1 & sleep " + kill.substr(5) +
                                        "; kill -9 $! 2>/dev/null; wait";
            std::system(command.c_str());
        } else {
            setenv("OXYCALC_STOP_AT", step.c_str(), 1);
            EXPECT_EQ(Run({"issue", draft}).exitCode, 86) << step;
            unsetenv("OXYCALC_STOP_AT");
        }
        EXPECT_EQ(ReadBytes(FromUtf8(draft)), before) << step;
        ExpectEveryNumberWithItsFiles(Reports(), Staging(), folder.File(L"RegisterOxycalc.txt"), true);
        const RegisterRead read = RegisterFile(folder.File(L"RegisterOxycalc.txt")).Read();
        const bool numbered = static_cast<int>(read.counter) > given;
        given = static_cast<int>(read.counter);
        const CliRun history = Run({"history", Path(L"RegisterOxycalc.txt")});
        EXPECT_EQ(history.exitCode, 0) << step << ": " << history.out << history.err;
        ExpectEveryNumberWithItsFiles(Reports(), Staging(), folder.File(L"RegisterOxycalc.txt"), false);
        const CliRun again = Run({"issue", draft});
        EXPECT_EQ(again.exitCode, numbered ? 1 : 0) << step << ": " << again.err;
        if (!numbered) {
            EXPECT_EQ(std::stoi(LastLine(again).substr(LastLine(again).size() - 5)), ++given) << step;
        }
    }
}

// What would lose a record or give a wrong one is refused, saying what: a draft that no longer holds against
// its inputs, a file written over an issued report, a pattern set twice or no pattern, an issued file
// edited, a register edited.
TEST_F(RegisterCommandTest, WhatWouldLoseARecordIsRefused) {
    const std::string draft = Draft(L"d1", "745.68");
    std::string table = Read(L"CompsTableOxycalc.csv");
    const std::string original = table;
    table.replace(table.find("793.5"), 5, "794.5");
    WriteBytes(folder.File(L"CompsTableOxycalc.csv"), table);
    const CliRun stale = Run({"issue", draft});
    EXPECT_EQ(stale.exitCode, 1);
    EXPECT_TRUE(Holds(stale.err, "не подтверждается исходными данными")) << stale.err;
    WriteBytes(folder.File(L"CompsTableOxycalc.csv"), original);
    // The change and its return are in the table's log now: the draft anchored an earlier entry.
    const std::string number = LastLine(Run({"issue", Draft(L"d2", "745.68")}));
    std::vector<std::string> over = DemoPetrol();
    over.insert(over.end(), {"--json", Issued(number)});
    EXPECT_EQ(Report(over).exitCode, 2);
    over.back() = Path(L"RegisterOxycalc.txt");
    EXPECT_EQ(Report(over).exitCode, 2);

    EXPECT_EQ(
        Run({"register", "--start", "ОХ-{NNN}", "--components", Path(L"CompsTableOxycalc.csv")}).exitCode, 1);
    EXPECT_EQ(Run({"register", "--start", "ОХ-{YYYY}", "--register", Path(L"other.txt")}).exitCode, 2);

    std::string issued = ReadBytes(FromUtf8(Issued(number)));
    issued.replace(issued.find("\"issued\""), 8, "\"issued\" ");
    WriteBytes(FromUtf8(Path(L"copy.json")), issued);
    const CliRun edited = Run({"verify", Path(L"copy.json"), "--register", Path(L"RegisterOxycalc.txt")});
    EXPECT_EQ(edited.exitCode, 1);
    EXPECT_TRUE(Holds(edited.out, "файл не тот, что выпущен")) << edited.out;

    ASSERT_EQ(Run({"issue", Draft(L"d3", "745.30")}).exitCode, 0) << "the entry after the one edited";
    std::string text = Read(L"RegisterOxycalc.txt");
    const std::string sample = "Проба: ";
    text.replace(text.find(sample), sample.size(), sample + " ");
    WriteBytes(folder.File(L"RegisterOxycalc.txt"), text);
    const CliRun history = Run({"history", Path(L"RegisterOxycalc.txt")});
    EXPECT_EQ(history.exitCode, 1);
    EXPECT_TRUE(Holds(history.out, "запись 3 — она не продолжает предыдущую")) << history.out;
    const CliRun refused = Run({"issue", Draft(L"d4", "745.40")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(Holds(refused.err, "нельзя доверять: запись 3")) << refused.err;
}

// A batch with --issue issues each series' report once: run again, every series keeps the number it had.
TEST_F(RegisterCommandTest, ABatchIssuesEachSeriesOnce) {
    std::vector<std::string> batch = Batch(L"out");
    batch.push_back("--issue");
    const CliRun first = Run(batch);
    const std::string index = Read(L"out/index.html");
    const size_t issued = Count(index, "выпущен отчёт № ОХ-");
    EXPECT_GE(issued, 3u) << first.err;
    const CliRun second = Run(batch);
    EXPECT_EQ(Count(Read(L"out/index.html"), "выпущен ранее: отчёт № ОХ-"), issued) << second.err;
    EXPECT_EQ(RegisterFile(folder.File(L"RegisterOxycalc.txt")).Read().entries, issued + 1);
}

namespace {

// Whether OpenSSL's own command accepts a detached signature of a file against the lab's CA.
bool OpensslAccepts(const std::string& content, const std::string& signature, const std::string& ca) {
    const std::string command = "openssl cms -verify -binary -inform DER -purpose any -in " +
                                Quoted(signature) + " -content " + Quoted(content) + " -CAfile " +
                                Quoted(ca) + " -out /dev/null 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

}  // namespace

// An issued report signed by its preparer and its reviewer verifies by our check and by OpenSSL's; the
// preparer approving is refused; a byte changed in the report or in a statement is named.
TEST_F(RegisterCommandTest, SignaturesOfAnIssuedReportHoldUntilAByteChanges) {
    const std::string keys = Path(L"keys");
    ASSERT_EQ(
        std::system(
            (Quoted(OXY_SOURCE_DIR "/tests/sign/make-test-certificates.sh") + " " + Quoted(keys)).c_str()),
        0);
    setenv("OXY_TEST_KEY_PASSWORD", "secret", 1);
    const std::string number = LastLine(Run({"issue", Draft(L"d1", "745.68")}));
    fs::create_directories(fs::u8path(Path(L"Выгрузка")));
    const auto sign = [&](const char* meaning, const char* who) {
        return Run({"sign", number, "--meaning", meaning, "--pkcs12", keys + "/" + who + ".p12",
                    "--password-env", "OXY_TEST_KEY_PASSWORD", "--components",
                    Path(L"CompsTableOxycalc.csv")});
    };
    const CliRun prepared = sign("составил", "ivanova");
    ASSERT_EQ(prepared.exitCode, 0) << prepared.err;
    EXPECT_EQ(sign("утвердил", "petrov").exitCode, 1) << "approved before reviewed";
    ASSERT_EQ(sign("проверил", "petrov").exitCode, 0);
    const CliRun same = sign("утвердил", "ivanova");
    EXPECT_EQ(same.exitCode, 1);
    EXPECT_TRUE(Holds(same.err, "другой человек")) << same.err;

    const std::string signedPage = LastLine(sign("утвердил", "petrov"));
    EXPECT_TRUE(Holds(ReadFileBytes(FromUtf8(signedPage)).value_or(""), "Электронные подписи"));
    EXPECT_TRUE(Holds(ReadFileBytes(FromUtf8(signedPage)).value_or(""), "Иванова Анна Андреевна"));
    const std::string lims = Read(L"Выгрузка/" + FromUtf8(number) + L".signed.json");
    EXPECT_EQ(Count(lims, "\"meaning_word\""), 3u) << "the LIMS export carries every signature";
    const std::string statement = Issued(number, ".reviewed.statement.json");
    EXPECT_TRUE(OpensslAccepts(statement, statement + ".p7s", keys + "/lab-ca.pem"));

    const auto verify = [&] { return Run({"verify", Issued(number), "--trust", keys + "/trust"}); };
    CliRun checked = verify();
    EXPECT_EQ(checked.exitCode, 0) << checked.out << checked.err;
    EXPECT_EQ(Count(checked.out, "подпись верна"), 3u) << checked.out;
    EXPECT_EQ(Run({"verify", Issued(number)}).exitCode, 1) << "no trusted certificates named";

    // One byte of the issued JSON: every signature over it is named.
    std::string json = ReadFileBytes(FromUtf8(Issued(number))).value();
    const std::string original = json;
    json[json.find("745.68") + 5] = '9';
    std::ofstream(Issued(number), std::ios::binary) << json;
    checked = verify();
    EXPECT_EQ(checked.exitCode, 1);
    EXPECT_EQ(Count(checked.out, "изменён после подписи"), 3u) << checked.out;
    std::ofstream(Issued(number), std::ios::binary) << original;

    // One byte of a statement: neither we nor OpenSSL accept it.
    std::string text = ReadFileBytes(FromUtf8(statement)).value();
    text[text.find("reviewed")] = 'R';
    std::ofstream(statement, std::ios::binary) << text;
    EXPECT_FALSE(OpensslAccepts(statement, statement + ".p7s", keys + "/lab-ca.pem"));
    checked = verify();
    EXPECT_EQ(checked.exitCode, 1);
    EXPECT_TRUE(Holds(checked.out, "ПОДПИСЬ НЕ ВЕРНА")) << checked.out;
}
