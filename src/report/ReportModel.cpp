#include "report/ReportModel.h"

#include <filesystem>
#include <system_error>
#include <utility>

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
    for (ReportChromatogram& chromatogram : model.chromatograms) {
        const Assay* assay = FindAssay(assays, chromatogram.id);
        if (assay == nullptr) continue;
        const ChromatogramFileCheck check = CheckChromatogramFile(*assay);
        chromatogram.fileSha256 = check.sha256;
        chromatogram.checksumUnavailable = check.checksumUnavailable;
        const Message problem = StaleFile(chromatogram, check.state);
        if (!problem.Empty()) stale.push_back(problem);
    }
    if (stale.empty()) return true;
    messages.ShowError(Message(MessageCode::ReportNotMadeStale, {Joined(std::move(stale), L", ")}));
    return false;
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
