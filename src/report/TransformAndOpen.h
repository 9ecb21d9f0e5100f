#pragma once

#include <cstdint>
#include <functional>
#include <string>

class XMLWrapper;

// Hands a finished file to a viewer (OpenWithShell in the plug-in).
using FileOpener = std::function<void(const std::wstring& path)>;

// TransformToFile, then, on success, hands the file to `open` when one is given. 0 when the file was
// written, 1 on any failure; it never tells the user.
int32_t TransformAndOpen(const XMLWrapper& document, const std::wstring& stylesheetPath,
                         const std::wstring& outputPath, const FileOpener& open);
