#include "report/ReportWriting.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "messages/UserMessages.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "report/ReportCsv.h"
#include "report/ReportDocument.h"
#include "report/ReportJson.h"
#include "report/TransformAndOpen.h"
#include "xml/TransformToFile.h"
#include "xml/XMLWrapper.h"

namespace {

bool WriteBytes(const std::wstring& path, const std::string& text, std::wstring& error) {
    StdioFile file = OpenStdioFile(path, "wb");
    const bool written = file && std::fwrite(text.data(), 1, text.size(), file.get()) == text.size() &&
                         std::fflush(file.get()) == 0;
    const int code = errno;
    // The close is where a full disk or a network drive may say no at last.
    const bool closed = file && std::fclose(file.release()) == 0;
    if (!written || !closed) error = FromUtf8(std::strerror(written ? errno : code));
    return written && closed;
}

bool StageDocuments(const ReportModel& model, const ReportOutputs& outputs, StagedFiles& staged,
                    UserMessages& messages) {
    if (!outputs.xml && !outputs.html) return true;
    XMLWrapper document;
    if (!document.CreateDocument()) {
        messages.ShowError(Message(MessageCode::DocumentNotCreated));
        return false;
    }
    FillReportDocument(document, model);
    if (outputs.xml && !StageText(*outputs.xml, document.ToText(), staged, messages)) return false;
    if (!outputs.html) return true;
    return StageFile(*outputs.html, staged, messages, [&](const std::wstring& path, std::wstring& error) {
        return TransformToFile(document, outputs.stylesheet, path, &error);
    });
}

}  // namespace

std::vector<std::wstring> ReportOutputs::Paths() const {
    std::vector<std::wstring> paths;
    for (const auto* output : {&xml, &html, &json, &csv}) {
        if (*output) paths.push_back(**output);
    }
    return paths;
}

bool StageReportFiles(const ReportModel& model, const ReportOutputs& outputs, StagedFiles& staged,
                      UserMessages& messages) {
    const bool all =
        StageDocuments(model, outputs, staged, messages) &&
        (!outputs.json || StageText(*outputs.json, ReportJson(model), staged, messages)) &&
        (!outputs.csv || StageText(*outputs.csv, ResultsCsv(model.data, model.language), staged, messages));
    if (!all) staged.Discard();
    return all;
}

bool WriteReportFiles(const ReportModel& model, const ReportOutputs& outputs, UserMessages& messages) {
    StagedFiles staged;
    return StageReportFiles(model, outputs, staged, messages) && CommitStaged(staged, messages);
}

bool StageFile(const std::wstring& target, StagedFiles& staged, UserMessages& messages,
               const std::function<bool(const std::wstring& path, std::wstring& error)>& write) {
    std::wstring error;
    const std::wstring path = staged.Stage(target, &error);
    if (!path.empty() && write(path, error)) return true;
    // Why, when the platform says it, follows the name: "…» не записан: <why>; …".
    messages.ShowError(Message(MessageCode::FileNotWritten, {target, error.empty() ? L"" : L": " + error}));
    return false;
}

bool StageText(const std::wstring& target, const std::string& text, StagedFiles& staged,
               UserMessages& messages) {
    return StageFile(target, staged, messages, [&text](const std::wstring& path, std::wstring& error) {
        return WriteBytes(path, text, error);
    });
}

bool CommitStaged(StagedFiles& staged, UserMessages& messages) {
    std::vector<std::wstring> targets;
    for (size_t i = 0; i < staged.Count(); ++i) targets.push_back(staged.Target(i));
    if (staged.Commit()) return true;
    std::wstring list;
    for (const std::wstring& target : targets) list += (list.empty() ? L"«" : L", «") + target + L"»";
    messages.ShowError(Message(MessageCode::FilesNotAllPlaced, {list}));
    return false;
}

bool WriteText(const std::wstring& path, const std::string& text, UserMessages& messages,
               const std::wstring& stagingFolder) {
    StagedFiles staged(stagingFolder);
    return StageText(path, text, staged, messages) && CommitStaged(staged, messages);
}
