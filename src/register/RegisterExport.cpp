#include "register/RegisterExport.h"

#include "messages/UserMessages.h"
#include "platform/FileSystemPath.h"
#include "platform/StdioFile.h"
#include "report/ReportCsv.h"
#include "report/ReportJson.h"
#include "report/ReportWriting.h"

namespace {

// An issued file's bytes, as the register keeps them.
std::optional<std::string> IssuedBytes(const RegisterPlace& place, const std::wstring& name,
                                       UserMessages& messages) {
    std::optional<std::string> bytes = ReadFileBytes(place.ReportFile(name));
    if (!bytes) messages.ShowError(Message(MessageCode::RegisterExportUnread, {place.ReportFile(name)}));
    return bytes;
}

// The earlier report as issued, with where it stands now.
bool ExportStanding(const IssuedReport& issued, const RegisterPlace& place, const std::wstring& folder,
                    UserMessages& messages) {
    const RegisterEntry& earlier = *issued.replaced;
    const std::optional<std::string> bytes = IssuedBytes(place, earlier.number + L".json", messages);
    if (!bytes) return false;
    ReportLink by = LinkOf(issued.entry);
    const std::optional<std::string> standing = ReportJsonWithStanding(*bytes, by);
    if (!standing) {
        messages.ShowError(
            Message(MessageCode::RegisterExportUnread, {place.ReportFile(earlier.number + L".json")}));
        return false;
    }
    const std::wstring name = earlier.number + (by.withdrawn ? L".withdrawn.json" : L".amended.json");
    return WriteText(JoinPath(folder, name), *standing, messages);
}

}  // namespace

bool ExportIssueForLims(const IssuedReport& issued, const RegisterPlace& place, const std::wstring& folder,
                        UserMessages& messages) {
    const std::wstring number = issued.entry.number;
    const std::optional<std::string> json = IssuedBytes(place, number + L".json", messages);
    bool all = json && WriteText(JoinPath(folder, number + L".json"), *json, messages);
    if (issued.model)
        all = WriteText(JoinPath(folder, number + L".csv"),
                        ResultsCsv(issued.model->data, issued.model->language), messages) &&
              all;
    if (issued.replaced) all = ExportStanding(issued, place, folder, messages) && all;
    return all;
}
