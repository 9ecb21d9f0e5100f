#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "calc/QualityMark.h"
#include "calc/TickedSamples.h"
#include "data/Assay.h"

// One chromatogram of the list as the reports show it: its row and sample mass, without its signal.
struct ReportChromatogram {
    int32_t id = 0;
    int64_t date = 0;  // seconds since 1970
    std::wstring fileName;
    std::wstring sample;
    std::wstring method;
    std::wstring mixture;
    bool isCalibration = false;
    double sampleMass = kNoSampleMass;
    bool usableMass = false;  // a sample mass the calculation can use
    bool ticked = false;
};

// One sample's report: everything its outputs show, built once from a finished calculation. The report
// document, its page, JSON and CSV are all made from it.
struct ReportModel {
    std::vector<ReportChromatogram> chromatograms;  // the whole list, ticked or not, in its order
    std::vector<SampleName> samples;                // distinct sample and mixture of the ticked ones
    size_t distinctSamples = 0;                     // different sample names among them
    CalculationData data;                           // the calculation, its warnings and verdicts
    int64_t createdAt = 0;                          // when the report was made; 0: not told
    QualityMark quality;                            // what QC says of the series; set by a batch
};

ReportModel MakeReportModel(const std::vector<Assay>& assays, CalculationData data, int64_t createdAt);
