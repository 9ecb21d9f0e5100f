#include "CliFixture.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "DemoData.h"
#include "platform/WideText.h"

namespace {

// Every file for programs of a format below the folder, by its first bytes.
std::vector<std::string> JsonFilesOf(const std::wstring& folder, const std::string& format) {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(ToUtf8(folder), error)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".json") continue;
        const std::string text = ReadBytes(FromUtf8(entry.path().string()));
        if (text.find("\"format\": \"" + format + "\"") != std::string::npos)
            files.push_back(entry.path().string());
    }
    return files;
}

// Files of a format follow its schema.
void ExpectSchema(const std::vector<std::string>& files, const char* schema) {
    if (files.empty()) return;
    std::string command = "/usr/bin/python3 " + Quoted(OXY_SOURCE_DIR "/tools/check-report-json.py") + " " +
                          Quoted(std::string(OXY_SOURCE_DIR "/") + schema);
    for (const std::string& file : files) command += " " + Quoted(file);
    EXPECT_EQ(std::system(command.c_str()), 0) << "a file for programs does not follow " << schema;
}

}  // namespace

std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

CliFixture::CliFixture() {
    DemoData::WriteDemo(folder.Path(), 200);
}

void CliFixture::TearDown() {
    ExpectSchema(JsonFilesOf(folder.Path(), "oxycalc-report"), "src/report/ReportJson.schema.json");
    ExpectSchema(JsonFilesOf(folder.Path(), "oxycalc-withdrawal"),
                 "src/register/WithdrawalNotice.schema.json");
}

CliRun CliFixture::Run(const std::vector<std::string>& args) const {
    std::string command = Quoted(OXY_CLI_PATH);
    for (const std::string& argument : args) command += " " + Quoted(argument);
    const std::string out = ToUtf8(folder.File(L"stdout.txt"));
    const std::string err = ToUtf8(folder.File(L"stderr.txt"));
    const int status = std::system((command + " >" + Quoted(out) + " 2>" + Quoted(err)).c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadBytes(FromUtf8(out));
    run.err = ReadBytes(FromUtf8(err));
    return run;
}

CliRun CliFixture::Report(const std::vector<std::string>& args) const {
    std::vector<std::string> all{"report", "--db", Path(L"host.db"), "--components",
                                 Path(L"CompsTableOxycalc.csv")};
    all.insert(all.end(), args.begin(), args.end());
    return Run(all);
}

std::vector<std::string> CliFixture::Batch(const std::wstring& out) const {
    return {"batch",
            "--db",
            Path(L"host.db"),
            "--components",
            Path(L"CompsTableOxycalc.csv"),
            "--standard",
            "1,2-Диметоксиэтан",
            "--densities",
            Path(L"densities.csv"),
            "--xsl",
            OXY_STYLESHEET_DIR "/Report.xsl",
            "--out",
            Path(out)};
}

std::string CliFixture::Path(const std::wstring& name) const {
    return ToUtf8(folder.File(name));
}

std::vector<std::string> CliFixture::DemoPetrol() {
    return {"--assay", "101", "--assay", "102", "--assay", "103", "--tick-all", "--density", "745.68"};
}

std::string CliFixture::ShippedLimits(const std::wstring& name) const {
    return ToUtf8(folder.Write(name, ReadBytes(FromUtf8(OXY_SOURCE_DIR "/src/tables/") + name)));
}

std::string CliFixture::Read(const std::wstring& name) const {
    return ReadBytes(folder.File(name));
}
