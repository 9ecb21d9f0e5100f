#pragma once

#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "data/Assay.h"
#include "qc/QualityMark.h"
#include "support/TempFolder.h"

// A fixed report input: three chromatograms (one unticked, one without sample mass, one whose file
// did not read), three results and a warning, with Cyrillic and XML's special characters in the texts.
std::vector<Assay> SampleAssays();
CalculationData SampleCalculation();
// The same chromatograms with samples and mixtures; the third is a calibration.
std::vector<Assay> SampleAssaysWithSamples();
// One result row with the six summed columns set.
ComponentResult MakeResult(std::wstring name, double mass, double massPercent, double delta, double volume,
                           double volumePercent, double oxygen);

// What QC says of the sample: in doubt, by a check of 14.03.24 12:00 (UTC) held against limits the lab
// established.
QualityMark SampleDoubt();

// A file of the source tree, by its path from the root ("tests/report/Report.golden.html").
std::wstring SourceFile(const std::wstring& relative);
// A stylesheet as the build makes it to be installed ("Report.xsl").
std::wstring StylesheetFile(const std::wstring& name);
// A copy of a file of the source tree in a folder, for a reader that keeps a change log beside the file
// it reads (a limits file): the source tree gets none.
std::wstring CopyOfSourceFile(const std::wstring& relative, const TempFolder& folder);

// Compares a text with a golden file below tests/ ("report/Report.golden.html"); with OXYCALC_WRITE_GOLDEN=1
// in the environment (natively) the file is written instead.
void ExpectMatchesGolden(const std::string& actual, const std::wstring& golden);
