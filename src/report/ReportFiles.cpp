#include "report/ReportFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/ReplaceFile.h"
#include "platform/StdioFile.h"
#include "platform/UserMessages.h"
#include "platform/WideText.h"
#include "report/ReportCsv.h"
#include "report/ReportDocument.h"
#include "report/ReportJson.h"
#include "report/TransformAndOpen.h"
#include "report/XMLWrapper.h"

namespace {

bool WriteDocuments(const ReportModel& model, const ReportOutputs& outputs, UserMessages& messages) {
    if (!outputs.xml && !outputs.html) return true;
    XMLWrapper document;
    if (!document.CreateDocument()) {
        messages.ShowError(L"документ отчёта не создан");
        return false;
    }
    FillReportDocument(document, model);
    if (outputs.xml && !WriteText(*outputs.xml, document.ToText(), messages)) return false;
    if (!outputs.html) return true;
    return WriteReplacing(*outputs.html, messages, [&](const std::wstring& part, std::wstring& error) {
        return TransformToFile(document, outputs.stylesheet, part, &error);
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

bool WriteReportFiles(const ReportModel& model, const ReportOutputs& outputs, UserMessages& messages) {
    if (!WriteDocuments(model, outputs, messages)) return false;
    if (outputs.json && !WriteText(*outputs.json, ReportJson(model), messages)) return false;
    return !outputs.csv || WriteText(*outputs.csv, ResultsCsv(model.data), messages);
}

bool WriteText(const std::wstring& path, const std::string& text, UserMessages& messages) {
    return WriteReplacing(path, messages, [&text](const std::wstring& part, std::wstring& error) {
        StdioFile file = OpenStdioFile(part, "wb");
        const bool written = file && std::fwrite(text.data(), 1, text.size(), file.get()) == text.size() &&
                             std::fflush(file.get()) == 0;
        const int code = errno;
        // The close is where a full disk or a network drive may say no at last.
        const bool closed = file && std::fclose(file.release()) == 0;
        if (!written || !closed) error = FromUtf8(std::strerror(written ? errno : code));
        return written && closed;
    });
}

bool WriteReplacing(const std::wstring& path, UserMessages& messages,
                    const std::function<bool(const std::wstring& part, std::wstring& error)>& write) {
    const std::wstring part = path + L".part";
    std::wstring error;
    if (write(part, error) && ReplaceFileWith(path, part)) return true;
    RemoveFile(part);
    messages.ShowError(L"файл «" + path + L"» не записан" + (error.empty() ? L"" : L": " + error) +
                       L"; прежний файл, если был, не тронут");
    return false;
}
