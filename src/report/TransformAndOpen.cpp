#include "report/TransformAndOpen.h"

#include "xml/TransformToFile.h"

int32_t TransformAndOpen(const XMLWrapper& document, const std::wstring& stylesheetPath,
                         const std::wstring& outputPath, const FileOpener& open) {
    if (!TransformToFile(document, stylesheetPath, outputPath)) return 1;
    if (open) open(outputPath);
    return 0;
}
