#include "InputFiles.h"

#include <cerrno>
#include <cstring>

#include "platform/ExclusiveFile.h"
#include "platform/FileSystemPath.h"
#include "platform/StdioFile.h"
#include "platform/WideText.h"
#include "records/TableLog.h"
#include "records/TrackedTables.h"
#include "register/RegisterPlace.h"

bool CanRead(const std::wstring& path, MessageCode what, UserMessages& messages) {
    if (OpenStdioFile(path, "rb")) return true;
    const int error = errno;
    messages.ShowError(
        Message(MessageCode::CliCannotRead, {Nested(what), path, FromUtf8(std::strerror(error))}));
    return false;
}

bool CanUseComponents(const std::wstring& path, UserMessages& messages) {
    if (!CanRead(path, MessageCode::WhatComponentsFile, messages)) return false;
    if (ExclusiveFile(path, ExclusiveFile::Disposition::OpenExisting).IsOpen()) return true;
    messages.ShowError(Message(MessageCode::CliComponentsNotExclusive, {path}));
    return false;
}

bool ReadLimits(const std::wstring& path, std::optional<LimitsFile>& limits, UserMessages& messages) {
    limits = ReadLimitsFile(path);
    if (limits) return true;
    messages.ShowError(Message(MessageCode::CliNoLimitsFile, {path}));
    return false;
}

bool OutputsApart(const std::vector<std::wstring>& outputs, const std::vector<std::wstring>& inputs,
                  UserMessages& messages) {
    for (size_t i = 0; i < outputs.size(); ++i) {
        if (IsRegisterPlace(outputs[i])) {
            messages.ShowError(Message(MessageCode::RegisterPlaceNotOutput, {outputs[i]}));
            return false;
        }
        if (IsTableLogPlace(outputs[i])) {
            messages.ShowError(Message(MessageCode::CliOutputIsLog, {outputs[i]}));
            return false;
        }
        for (const std::wstring& input : inputs) {
            if (!SameFile(outputs[i], input)) continue;
            messages.ShowError(Message(MessageCode::CliOutputIsInput, {outputs[i], input}));
            return false;
        }
        for (size_t j = 0; j < i; ++j) {
            if (outputs[j] != outputs[i] && !SameFile(outputs[i], outputs[j])) continue;
            messages.ShowError(Message(MessageCode::CliOutputTwice, {outputs[i]}));
            return false;
        }
    }
    return true;
}

void TellUnwritableLogs(const ComponentsSnapshot& components, const std::optional<LimitsFile>& limits,
                        UserMessages& messages) {
    for (const auto& [unwritable, path] :
         {std::pair{components.tracking.logUnwritable, components.path},
          std::pair{limits && limits->tracking.logUnwritable, limits ? limits->path : L""}}) {
        if (!unwritable) continue;
        messages.ShowMessage(Message(MessageCode::CliLogUnwritable, {path}));
    }
}
