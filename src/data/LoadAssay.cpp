#include "data/LoadAssay.h"

#include <sqlite3.h>

#include <algorithm>
#include <new>
#include <optional>
#include <type_traits>

#include "data/CVeltarFile4.h"
#include "data/SampleMass.h"
#include "data/SqlException.h"
#include "data/Statement.h"

namespace {

const wchar_t kAssayQuery[] =
    L"SELECT assay.id, date, filename, sample, mixture, method, iscalibration FROM [assay] "
    L"WHERE assay.id = ?;";
const wchar_t kPeakQuery[] =
    L"SELECT nameid, name, area, time, concentration, height, channel, front, back  FROM [peak] "
    L"WHERE assayid = ? ORDER BY time;";
const wchar_t kFileNameQuery[] = L"SELECT filename FROM [assay] WHERE id = ?;";

// The host's ids are bound as unsigned 32-bit values widened to 64 bits.
int64_t AsUnsignedId(int32_t id) {
    return static_cast<int64_t>(static_cast<uint32_t>(id));
}

LoadProblem OutOfMemory(int32_t id) {
    return MakeLoadProblem(LoadProblem::Kind::OutOfMemory, id, std::wstring());
}

Assay NewAssay(int32_t id, int64_t date, const std::wstring& fileName, const std::wstring& sample,
               const std::wstring& mixture, const std::wstring& method, int32_t isCalibration) {
    Assay assay;
    assay.id = id;
    assay.date = date;
    assay.fileName = fileName;
    assay.sample = sample;
    assay.mixture = mixture;
    assay.method = method;
    assay.isCalibration = isCalibration != 0;
    return assay;
}

// The sample mass from the passport; kNoSampleMass, after telling the user, when the passport names
// none or its text is not a positive number.
double SampleMass(const Passport& passport, const Assay& assay, LoadProblems& problems) {
    const std::wstring* text = passport.FindMassSample();
    if (text == nullptr) {
        problems.Report(MakeLoadProblem(LoadProblem::Kind::NoSampleMass, assay.id, assay.fileName));
        return kNoSampleMass;
    }
    if (const std::optional<double> mass = ReadSampleMass(*text)) return *mass;
    problems.Report(
        MakeLoadProblem(LoadProblem::Kind::SampleMassNotPositive, assay.id, assay.fileName, *text));
    return kNoSampleMass;
}

void LoadPeaks(DataBase::DbHandle& db, Assay& assay) {
    DataBase::Statement statement = DataBase::Prepare(db, kPeakQuery);
    DataBase::BindInt(statement, assay.id);
    DataBase::ReadRows(statement, [&assay](std::wstring nameId, std::wstring name, double area, double time,
                                           std::optional<double> concentration, double height,
                                           int32_t channel, double front, double back) {
        if (name.empty()) return;  // the host's unidentified peaks
        assay.peaks.push_back(Peak{std::move(nameId), std::move(name), area, time,
                                   concentration.value_or(0.0), height, channel, front, back,
                                   concentration.has_value()});
    });
    std::stable_sort(assay.peaks.begin(), assay.peaks.end(), [](const Peak& a, const Peak& b) {
        return a.channel != b.channel ? a.channel < b.channel : a.time < b.time;
    });
}

// Memory that has run out may not even hold the text of a message; what was loaded stands all the same.
template <typename Problem>
void ReportIfPossible(LoadProblems& problems, Problem problem) {
    try {
        problems.Report(problem());
    } catch (const std::bad_alloc&) {
    }
}

// Tells "the file did not load" once for a chromatogram, whatever made it fail. The problem is made
// beforehand: when memory runs out there may be none left for its message.
class FileFailure {
public:
    FileFailure(const Assay& assay, LoadProblems& problems)
        : problem_(MakeLoadProblem(LoadProblem::Kind::FileNotRead, assay.id, assay.fileName)),
          problems_(problems) {}

    void Report() {
        if (reported_) return;
        reported_ = true;
        ReportIfPossible(problems_, [this]() -> const LoadProblem& { return problem_; });
    }

private:
    const LoadProblem problem_;
    LoadProblems& problems_;
    bool reported_ = false;
};

// What the file says besides its samples, and its sample mass: the file is read up to its samples and
// on after them, the checks it must pass the same as a whole read's. A file that does not read leaves
// the chromatogram without both; the header values of the channels read before the failure are kept.
void ReadChromatogramFile(Assay& assay, LoadProblems& problems, FileFailure& failure) {
    ChromatogramOutline outline;
    const int32_t status = ReadChromatogramOutline(assay.fileName, outline);
    if (!outline.channels.empty()) {
        assay.lastHeaderValue2 = outline.channels.back().headerValue2;
        assay.lastHeaderValue1 = outline.channels.back().headerValue1;
    }
    if (status != VeltarFileStatus::kOk) {
        failure.Report();
        return;
    }
    assay.sampleMass = SampleMass(outline.passport, assay, problems);
    TakeOutline(assay, std::move(outline));
}

// Memory ran out while the chromatogram was being loaded: it stays in the list as one whose file did not
// read, and what it took is given back.
void MakeUnusable(Assay& assay) {
    assay.sampleMass = kFileNotReadMass;
    std::vector<ChannelOutline>().swap(assay.channels);
    assay.passport.reset();
    std::vector<Peak>().swap(assay.peaks);
}

bool IsOutOfMemory(const DataBase::SqlException& error) {
    return error.Code() == SQLITE_NOMEM;
}

Assay ReadAssay(Assay assay, DataBase::DbHandle& db, LoadProblems& problems) {
    FileFailure failure(assay, problems);
    try {
        ReadChromatogramFile(assay, problems, failure);
        LoadPeaks(db, assay);
    } catch (const std::bad_alloc&) {
        MakeUnusable(assay);
        failure.Report();
    } catch (const DataBase::SqlException& error) {
        if (!IsOutOfMemory(error)) throw;
        MakeUnusable(assay);
        failure.Report();
    }
    return assay;
}

// Room for one more record is made before a chromatogram is read, so that appending it afterwards
// cannot fail for want of memory and lose the work, nor leave the list half changed.
void MakeRoomForOne(std::vector<Assay>& assays) {
    if (assays.size() < assays.capacity()) return;
    assays.reserve(std::max<size_t>(16, assays.size() * 2));
}

static_assert(std::is_nothrow_move_constructible_v<Assay>, "appending a loaded chromatogram must not throw");

}  // namespace

int32_t LoadAssay(std::vector<Assay>& assays, UserMessages& messages, DataBase::DbHandle& db, int32_t id,
                  std::string* databaseError) {
    LoadProblemMessages problems(messages);
    return LoadAssay(assays, problems, db, id, databaseError);
}

int32_t LoadAssay(std::vector<Assay>& assays, LoadProblems& problems, DataBase::DbHandle& db, int32_t id,
                  std::string* databaseError) {
    int32_t result = -1;
    try {
        DataBase::Statement statement = DataBase::Prepare(db, kAssayQuery);
        DataBase::BindInt64(statement, AsUnsignedId(id));
        DataBase::ReadRows(
            statement, [&](int32_t rowId, int64_t date, std::wstring fileName, std::wstring sample,
                           std::wstring mixture, std::wstring method, int32_t isCalibration) {
                const auto known = std::find_if(assays.begin(), assays.end(),
                                                [rowId](const Assay& assay) { return assay.id == rowId; });
                if (known != assays.end()) {
                    result = static_cast<int32_t>(known - assays.begin());
                    return;
                }
                Assay assay = NewAssay(rowId, date, fileName, sample, mixture, method, isCalibration);
                try {
                    MakeRoomForOne(assays);
                } catch (const std::bad_alloc&) {
                    FileFailure(assay, problems).Report();
                    return;
                }
                assays.push_back(ReadAssay(std::move(assay), db, problems));
                result = static_cast<int32_t>(assays.size() - 1);
            });
    } catch (const DataBase::SqlException& error) {
        // A database failure shows as "not loaded"; the caller's list stays as it was. Only memory that
        // ran out is worth a word: nothing else would tell why the chromatogram is missing.
        if (IsOutOfMemory(error)) ReportIfPossible(problems, [id] { return OutOfMemory(id); });
        if (databaseError != nullptr) *databaseError = error.what();
    } catch (const std::bad_alloc&) {
        ReportIfPossible(problems, [id] { return OutOfMemory(id); });
    }
    return result;
}

void QueryAssayFileName(DataBase::DbHandle& db, int32_t id,
                        const std::function<void(const std::wstring&)>& openFile) {
    DataBase::Statement statement = DataBase::Prepare(db, kFileNameQuery);
    DataBase::BindInt64(statement, AsUnsignedId(id));
    DataBase::ReadRows(statement, [&openFile](std::wstring fileName) { openFile(fileName); });
}
