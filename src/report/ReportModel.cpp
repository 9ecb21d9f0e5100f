#include "report/ReportModel.h"

#include <utility>

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
    return model;
}

ReportInput StylesheetInput(const std::wstring& path) {
    return {path, Sha256OfFile(path).value_or(""), L""};
}
