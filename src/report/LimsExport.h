#pragma once

#include <string>

#include "report/ReportModel.h"

class UserMessages;

// The folder of the data folder that switches the export for a LIMS on: a lab that makes it gets the
// JSON and CSV of every report the plug-in makes, and none without it.
inline constexpr wchar_t kLimsFolderName[] = L"Выгрузка";

// The file name, without extension, of a report's export: the sample of its ticked chromatograms and
// when the report was made ("АИ-95-К5_партия_2417_2024-03-14_101230"), so that no report replaces
// another's files.
std::wstring LimsFileName(const ReportModel& model);

// Writes the report's JSON and CSV into the folder, each written whole (never half a file for a LIMS
// watching the folder); false, after telling why, when one of them is not written.
bool ExportForLims(const ReportModel& model, const std::wstring& folder, UserMessages& messages);
