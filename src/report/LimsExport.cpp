#include "report/LimsExport.h"

#include "messages/UserMessages.h"
#include "platform/FileSystemPath.h"
#include "platform/LocalTime.h"
#include "report/ReportWriting.h"

std::wstring LimsFileName(const ReportModel& model) {
    std::wstring sample = model.samples.empty() ? std::wstring() : FileNamePart(model.samples.front().sample);
    if (sample.empty()) sample = L"проба";
    return sample + L"_" + LocalFileStamp(model.createdAt, true);
}

bool ExportForLims(const ReportModel& model, const std::wstring& folder, UserMessages& messages) {
    const std::wstring base = JoinPath(folder, LimsFileName(model));
    ReportOutputs outputs;
    outputs.json = base + L".json";
    outputs.csv = base + L".csv";
    return WriteReportFiles(model, outputs, messages);
}
