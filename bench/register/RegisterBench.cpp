// What the register of issued reports costs as it grows: 50 reports a day for ten years are about 180,000
// entries. Each issue reads the register whole (its chain held, the number and the draft looked for), so
// that both grow with the register; measured at 1,000 to 180,000 entries of the size an issue writes.
// - LookUpNumber: verify's and amend's look-up of one number.
// - IssueEntry: what an issue costs besides its files: the lock, the register read whole, the last
//   entry's files checked, the entry appended and on the disk.
// - IssueReport: a whole issue of a three-chromatogram report (document, page, JSON staged and placed).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "BriefRun.h"
#include "messages/UserMessages.h"
#include "platform/DurableFile.h"
#include "platform/FileSystemPath.h"
#include "platform/Sha256.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "register/ReportRegister.h"
#include "report/ReportJson.h"
#include "support/TempFolder.h"

namespace {

std::wstring NumberOf(uint64_t counter) {
    std::wstring digits = std::to_wstring(counter);
    return L"ОХ-2026-" + std::wstring(digits.size() < 6 ? 6 - digits.size() : 0, L'0') + digits;
}

// An issue's entry as the program writes it: a number, a sample, the draft and three files with their
// digests.
RegisterEntry IssueEntry(uint64_t counter) {
    RegisterEntry entry;
    entry.utc = L"2026-03-14T10:12:30Z";
    entry.local = L"14.03.2026 13:12";
    entry.user = L"analyst@LAB-PC-07";
    entry.program = L"oxycalc 1.1.1.0, oxycalc-cli batch --issue";
    entry.event = RegisterEvent::Issued;
    entry.number = NumberOf(counter);
    entry.counter = counter;
    entry.madeBy = L"batch";
    entry.sample = L"АИ-95-К5, партия " + std::to_wstring(2000 + counter);
    entry.series = L"101@2024-03-14T09:12:00Z";
    entry.draftSha256 = Sha256Hex(std::to_string(counter));
    for (const wchar_t* extension : {L".xml", L".html", L".json"})
        entry.files.push_back({entry.number + extension, Sha256Hex(ToUtf8(entry.number + extension))});
    return entry;
}

// A register of `entries` entries in a folder of its own, made once for each size and kept for the run; the
// last entry's files are in its reports folder, as an issue leaves them.
class BenchRegister {
public:
    explicit BenchRegister(size_t entries) : place_{folder_.File(L"RegisterOxycalc.txt")} {
        RegisterEntry start;
        start.utc = L"2026-03-14T10:00:00Z";
        start.place = 1;
        start.event = RegisterEvent::Started;
        start.pattern = L"ОХ-{YYYY}-{NNNNNN}";
        start.previousSha256 = kNoPreviousEntry;
        std::string text = RegisterEntryText(start);
        std::string previous = Sha256Hex(text);
        RegisterEntry entry;
        for (size_t place = 2; place <= entries; ++place) {
            entry = IssueEntry(place - 1);
            entry.place = place;
            entry.previousSha256 = previous;
            const std::string one = RegisterEntryText(entry);
            previous = Sha256Hex(one);
            text += one;
        }
        CreateDurably(place_.file, text);
        std::filesystem::create_directories(ToFileSystemPath(place_.Reports()));
        for (const RegisteredFile& file : entry.files)
            CreateDurably(place_.ReportFile(file.name), ToUtf8(file.name));
        bytes_ = static_cast<int64_t>(text.size());
        middle_ = NumberOf(entries / 2);
    }

    const RegisterPlace& Place() const { return place_; }
    const std::wstring& Middle() const { return middle_; }
    int64_t Bytes() const { return bytes_; }
    // Takes back what an iteration appended and placed: the register is the same size at each.
    void Restore(const std::wstring& issued) const {
        TruncateDurably(place_.file, bytes_);
        for (const wchar_t* extension : {L".xml", L".html", L".json"})
            std::filesystem::remove(ToFileSystemPath(place_.ReportFile(issued + extension)));
    }

private:
    TempFolder folder_;
    RegisterPlace place_;
    std::wstring middle_;
    int64_t bytes_ = 0;
};

const BenchRegister& RegisterOf(size_t entries) {
    static std::map<size_t, std::unique_ptr<BenchRegister>> made;
    std::unique_ptr<BenchRegister>& one = made[entries];
    if (!one) one = std::make_unique<BenchRegister>(entries);
    return *one;
}

void Sizes(benchmark::internal::Benchmark* bench) {
    if (BriefRun()) {
        bench->Arg(100);
    } else {
        for (const int64_t entries : {1000, 10000, 100000, 180000}) bench->Arg(entries);
    }
    bench->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

void LookUpNumber(benchmark::State& state) {
    const BenchRegister& reg = RegisterOf(static_cast<size_t>(state.range(0)));
    const ReportRegister lab(reg.Place());
    for (auto _ : state) {
        const RegisterLookup found = lab.LookUp({reg.Middle(), {}, {}});
        if (!found.standing.issued) state.SkipWithError("the number was not found");
    }
    state.SetComplexityN(state.range(0));
    state.counters["MB"] = static_cast<double>(reg.Bytes()) / 1e6;
}
BENCHMARK(LookUpNumber)->Apply(Sizes);

void IssueEntry(benchmark::State& state) {
    const BenchRegister& reg = RegisterOf(static_cast<size_t>(state.range(0)));
    QuietMessages quiet;
    for (auto _ : state) {
        const std::unique_ptr<IssueSession> session =
            IssueSession::Open(reg.Place(), {L"", {Sha256Hex("a draft")}, {}}, quiet);
        if (!session) {
            state.SkipWithError("the register did not open");
            break;
        }
        std::wstring why;
        const RegisterRead& read = session->Found().read;
        RegisterEntry entry = IssueEntry(read.counter + 1);
        entry.files.clear();
        if (!RegisterFile(reg.Place().file).Append(entry, read, why)) state.SkipWithError("not appended");
        state.PauseTiming();
        reg.Restore(entry.number);
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(IssueEntry)->Apply(Sizes);

// A report of three parallel determinations, as a draft.
ReportModel Draft(int iteration) {
    std::vector<Assay> assays(3);
    for (int i = 0; i < 3; ++i) {
        assays[i].id = 101 + i;
        assays[i].date = 1710407520 + 1800 * i;
        assays[i].fileName = L"C:\\Хроматограммы\\Проба 2417-" + std::to_wstring(i + 1) + L".stg";
        assays[i].sample = L"АИ-95-К5, партия 2417";
        assays[i].sampleMass = 10.0 + i;
        assays[i].isTicked = 1;
    }
    CalculationData data;
    data.standard = L"1,2-диметоксиэтан";
    data.sampleDensity = 745.0 + iteration;
    for (int i = 0; i < 10; ++i) {
        ComponentResult result;
        result.name = L"Компонент " + std::to_wstring(i);
        result.mass = 0.1 * i;
        result.massPercent = i;
        data.results.push_back(result);
    }
    ReportModel model = MakeReportModel(assays, data, 1710407520);
    model.registration.status = ReportRegistration::Status::Draft;
    return model;
}

void IssueReport(benchmark::State& state) {
    const BenchRegister& reg = RegisterOf(static_cast<size_t>(state.range(0)));
    QuietMessages quiet;
    int iteration = 0;
    for (auto _ : state) {
        IssueRequest request;
        request.model = Draft(++iteration);
        request.draftSha256 = Sha256Hex(ReportJson(request.model));
        request.stylesheet = FromUtf8(OXY_STYLESHEET_DIR "/Report.xsl");
        request.program = L"bench";
        const std::optional<IssuedReport> issued =
            ReportRegister(reg.Place()).Issue(std::move(request), quiet);
        if (!issued) {
            state.SkipWithError("not issued");
            break;
        }
        state.PauseTiming();
        reg.Restore(issued->entry.number);
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(IssueReport)->Apply(Sizes);

}  // namespace

BENCHMARK_MAIN();
