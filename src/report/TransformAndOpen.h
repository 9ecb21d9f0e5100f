#pragma once

#include <cstdint>
#include <functional>
#include <string>

class XMLWrapper;

// Hands a finished file to a viewer (OpenWithShell in the plug-in).
using FileOpener = std::function<void(const std::wstring& path)>;

// Transforms the whole report document with the stylesheet file and saves the result, which must be
// one well-formed XML document (XHTML), as UTF-8 to outputPath. The stylesheet is read without
// network access, DTDs or document(). False when the stylesheet does not load, the transformation
// fails or the file cannot be saved; `error`, when given, then says why.
bool TransformToFile(const XMLWrapper& document, const std::wstring& stylesheetPath,
                     const std::wstring& outputPath, std::wstring* error = nullptr);

// TransformToFile, then, on success, hands the file to `open` when one is given. 0 when the file was
// written, 1 on any failure; it never tells the user.
int32_t TransformAndOpen(const XMLWrapper& document, const std::wstring& stylesheetPath,
                         const std::wstring& outputPath, const FileOpener& open);
