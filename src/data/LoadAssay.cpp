#include "data/LoadAssay.h"

#include <algorithm>

#include "data/CVeltarFile4.h"
#include "data/SqlException.h"
#include "data/Statement.h"
#include "platform/NumberText.h"

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

// The file's own name for messages. A path without separators is shown whole.
std::wstring FileNameOnly(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
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

// The sample mass from the passport; -1 (after telling the user) when the passport names none.
double SampleMass(const CVeltarFile4& file, const std::wstring& fileName, UserMessages& messages) {
    const std::wstring* mass = file.passport.FindMassSample();
    if (mass != nullptr) return ParseDouble(*mass);
    messages.ShowError(L"В хроматограмме \n" + FileNameOnly(fileName) + L"\nне указана масса пробы");
    return -1.0;
}

void LoadPeaks(DataBase::DbHandle& db, Assay& assay) {
    DataBase::Statement statement = DataBase::Prepare(db, kPeakQuery);
    DataBase::BindInt(statement, assay.id);
    DataBase::ReadRows(
        statement, [&assay](std::wstring nameId, std::wstring name, double area, double time,
                            double concentration, double height, int32_t channel, double front, double back) {
            if (name.empty()) return;  // the host's unidentified peaks
            assay.peaks.push_back(Peak{std::move(nameId), std::move(name), area, time, concentration, height,
                                       channel, front, back});
        });
    std::stable_sort(assay.peaks.begin(), assay.peaks.end(), [](const Peak& a, const Peak& b) {
        return a.channel != b.channel ? a.channel < b.channel : a.time < b.time;
    });
}

// After a failed read the file still holds the channels read before the failure; their signals
// and header values are kept, while `channels` stays empty.
void TakeSignals(const CVeltarFile4& file, Assay& assay) {
    for (const ChromatogramChannel& channel : file.channels) {
        assay.signals.emplace_back(channel.samples.begin(), channel.samples.end());
        assay.lastHeaderValue2 = channel.headerValue2;
        assay.lastHeaderValue1 = channel.headerValue1;
    }
}

Assay ReadAssay(Assay assay, DataBase::DbHandle& db, UserMessages& messages) {
    CVeltarFile4 file;
    const bool fileRead = file.Read(assay.fileName) == VeltarFileStatus::kOk;
    if (fileRead) {
        assay.sampleMass = SampleMass(file, assay.fileName, messages);
    } else {
        messages.ShowError(L"Ошибка загрузки файла: '" + assay.fileName + L"'");
    }
    LoadPeaks(db, assay);
    TakeSignals(file, assay);
    if (fileRead) assay.channels = std::move(file.channels);
    return assay;
}

}  // namespace

int32_t LoadAssay(std::vector<Assay>& assays, UserMessages& messages, DataBase::DbHandle& db, int32_t id) {
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
                assays.push_back(ReadAssay(
                    NewAssay(rowId, date, fileName, sample, mixture, method, isCalibration), db, messages));
                result = static_cast<int32_t>(assays.size() - 1);
            });
    } catch (const DataBase::SqlException&) {
        // A database failure shows as "not loaded"; the caller's list stays as it was.
    }
    return result;
}

void QueryAssayFileName(DataBase::DbHandle& db, int32_t id,
                        const std::function<void(const std::wstring&)>& openFile) {
    DataBase::Statement statement = DataBase::Prepare(db, kFileNameQuery);
    DataBase::BindInt64(statement, AsUnsignedId(id));
    DataBase::ReadRows(statement, [&openFile](std::wstring fileName) { openFile(fileName); });
}
