#include "report/ReportModel.h"

#include <filesystem>
#include <system_error>
#include <utility>

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
    row.fileSha256 = assay.fileSha256;
    row.checksumUnavailable = assay.checksumUnavailable;
    row.peaks = assay.peaks;
    return row;
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

ReportInput FileInput(const std::wstring& path) {
    return {AbsolutePath(path), Sha256OfFile(path).value_or("")};
}

std::wstring AbsolutePath(const std::wstring& path) {
    if (path.empty()) return path;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(ToFileSystemPath(path), error);
    return error ? path : FromFileSystemPath(absolute.lexically_normal());
}
