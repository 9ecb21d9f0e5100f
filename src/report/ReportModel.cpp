#include "report/ReportModel.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "calc/Recalculation.h"
#include "data/ChromatogramFileCheck.h"
#include "messages/UserMessages.h"
#include "platform/FileSystemPath.h"
#include "platform/LocalTime.h"
#include "platform/Sha256.h"

namespace {

ReportChromatogram ChromatogramOf(const Assay& assay) {
    ReportChromatogram row;
    row.id = assay.id;
    row.date = assay.date;
    row.fileName = assay.fileName;
    row.sample = assay.sample;
    row.method = assay.method;
    row.mixture = assay.mixture;
    row.isCalibration = assay.isCalibration;
    row.sampleMass = assay.sampleMass;
    row.usableMass = HasUsableMass(assay);
    row.ticked = assay.isTicked != 0;
    row.peaks = assay.peaks;
    return row;
}

// A file's own name, without its folders, as the warnings name chromatograms.
std::wstring ShortName(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

const Assay* FindAssay(const std::vector<Assay>& assays, int32_t id) {
    for (const Assay& assay : assays) {
        if (assay.id == id) return &assay;
    }
    return nullptr;
}

// What makes a report's chromatogram stale, or nothing when it is not.
Message StaleFile(const ReportChromatogram& chromatogram, ChromatogramFileCheck::State state) {
    const std::vector<MessageArg> file{int64_t{chromatogram.id}, chromatogram.fileName};
    switch (state) {
        case ChromatogramFileCheck::State::Changed:
            return Message(MessageCode::ChromatogramFileChanged, file);
        case ChromatogramFileCheck::State::NotRead:
            return Message(MessageCode::ChromatogramFileGone, file);
        case ChromatogramFileCheck::State::NotLoaded:
        case ChromatogramFileCheck::State::Same:
            break;
    }
    return Message();
}

// Takes the checksum of every listed chromatogram's file; the ones that changed or no longer read since
// loading, each with what became of it.
std::vector<std::pair<ReportChromatogram*, Message>> ChecksumFiles(ReportModel& model,
                                                                   const std::vector<Assay>& assays) {
    std::vector<std::pair<ReportChromatogram*, Message>> stale;
    for (ReportChromatogram& chromatogram : model.chromatograms) {
        const Assay* assay = FindAssay(assays, chromatogram.id);
        if (assay == nullptr) continue;
        const ChromatogramFileCheck check = CheckChromatogramFile(*assay);
        chromatogram.fileSha256 = check.sha256;
        chromatogram.checksumUnavailable = check.checksumUnavailable;
        Message problem = StaleFile(chromatogram, check.state);
        if (!problem.Empty()) stale.emplace_back(&chromatogram, std::move(problem));
    }
    return stale;
}

}  // namespace

ReportModel MakeReportModel(const std::vector<Assay>& assays, CalculationData data, int64_t createdAt) {
    ReportModel model;
    model.chromatograms.reserve(assays.size());
    for (const Assay& assay : assays) model.chromatograms.push_back(ChromatogramOf(assay));
    model.samples = TickedSamples(assays);
    model.distinctSamples = DistinctSampleCount(model.samples);
    model.data = std::move(data);
    model.createdAt = createdAt;
    model.utcOffsetMinutes = UtcOffsetMinutes(createdAt).value_or(0);
    return model;
}

bool TakeChecksums(ReportModel& model, const std::vector<Assay>& assays, UserMessages& messages) {
    std::vector<Message> stale;
    for (auto& [chromatogram, problem] : ChecksumFiles(model, assays)) stale.push_back(std::move(problem));
    if (stale.empty()) return true;
    messages.ShowError(Message(MessageCode::ReportNotMadeStale, {Joined(std::move(stale), L", ")}));
    return false;
}

void TakeChecksumsMarkingStale(ReportModel& model, const std::vector<Assay>& assays) {
    std::wstring ticked;
    for (auto& [chromatogram, problem] : ChecksumFiles(model, assays)) {
        chromatogram->fileChanged = true;
        if (chromatogram->ticked)
            ticked += (ticked.empty() ? L"" : L", ") + ShortName(chromatogram->fileName);
    }
    if (!ticked.empty()) AddWarning(model.data, {MessageCode::StaleChromatograms, L"", ticked}, assays);
}

std::optional<ReportModel> FinishReportModel(const std::vector<Assay>& assays, CalculationData data,
                                             const ReportContext& context, UserMessages& messages) {
    ReportModel model = MakeReportModel(assays, std::move(data), context.createdAt);
    if (context.staleFiles == ReportContext::StaleFiles::Mark) {
        TakeChecksumsMarkingStale(model, assays);
    } else if (!TakeChecksums(model, assays, messages)) {
        return std::nullopt;
    }
    if (context.utcOffsetMinutes) model.utcOffsetMinutes = *context.utcOffsetMinutes;
    model.language = context.language;
    model.databasePath = context.databasePath;
    model.stylesheet = context.stylesheet;
    model.origin = context.origin;
    model.quality = context.quality;
    model.registration = context.registration;
    return model;
}

ReportInput FileInput(const std::wstring& path) {
    return {AbsolutePath(path), Sha256OfFile(path).value_or("")};
}

std::wstring AbsolutePath(const std::wstring& path) {
    if (path.empty()) return path;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(ToFileSystemPath(path), error);
    return error ? path : FromFileSystemPath(absolute.lexically_normal());
}

const char* RegistrationStatusKey(ReportRegistration::Status status) {
    switch (status) {
        case ReportRegistration::Status::Draft:
            return "draft";
        case ReportRegistration::Status::Issued:
            return "issued";
        case ReportRegistration::Status::Amended:
            return "amended";
        case ReportRegistration::Status::Withdrawn:
            return "withdrawn";
        case ReportRegistration::Status::None:
            break;
    }
    return "";
}

ReportRegistration::Status RegistrationStatusOfKey(const std::string& key) {
    for (const auto status : {ReportRegistration::Status::Draft, ReportRegistration::Status::Issued,
                              ReportRegistration::Status::Amended, ReportRegistration::Status::Withdrawn}) {
        if (key == RegistrationStatusKey(status)) return status;
    }
    return ReportRegistration::Status::None;
}

const char* MakerKey(ReportOrigin::Maker maker) {
    switch (maker) {
        case ReportOrigin::Maker::Plugin:
            return "plugin";
        case ReportOrigin::Maker::Batch:
            return "batch";
        case ReportOrigin::Maker::Report:
            break;
    }
    return "report";
}
