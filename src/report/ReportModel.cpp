#include "report/ReportModel.h"

#include <utility>

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
