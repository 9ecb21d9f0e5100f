#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <memory>

#include "platform/PublicDocuments.h"

namespace {

struct CoTaskMemFreer {
    void operator()(wchar_t* memory) const noexcept { CoTaskMemFree(memory); }
};

}  // namespace

std::wstring PublicDocumentsFolder() {
    PWSTR raw = nullptr;
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_PublicDocuments, 0, nullptr, &raw);
    // The buffer is freed also when the call fails.
    const std::unique_ptr<wchar_t, CoTaskMemFreer> folder(raw);
    if (FAILED(result) || !folder) return std::wstring();
    return std::wstring(folder.get());
}
