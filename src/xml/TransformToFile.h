#pragma once

#include <string>

class XMLWrapper;

// Transforms the whole document with the stylesheet file and saves the result, which must be one
// well-formed XML document (XHTML), as UTF-8 to outputPath. The stylesheet is read without network
// access, DTDs or document(). False when the stylesheet does not load, the transformation fails or the file
// cannot be saved; `error`, when given, then says why.
bool TransformToFile(const XMLWrapper& document, const std::wstring& stylesheetPath,
                     const std::wstring& outputPath, std::wstring* error = nullptr);
