// What the main dialog keeps in the host profile: its chromatograms with their check states and the
// window rectangle.
#include <algorithm>
#include <exception>
#include <stdexcept>
#include <string>

#include "data/DbHandle.h"
#include "data/LoadAssay.h"
#include "platform/NumberText.h"
#include "platform/WideText.h"
#include "ui/DlgMain.h"
#include "ui/LoadProblemBoxes.h"
#include "win/MessageBoxes.h"

namespace {

// Keys "Assay 1" … "Assay 100" are cleared before each store; longer lists overwrite their own keys.
constexpr int kClearedKeys = 100;
constexpr int kMaxStoredKeys = 1024;
const std::wstring kNotStored = L"404";

std::wstring AssayKey(int number) {
    return L"Assay " + std::to_wstring(number);
}

std::wstring AssayValue(const Assay& assay, bool ticked) {
    // The id is widened with its sign and printed unsigned, as the list has always been stored.
    const auto id = static_cast<unsigned long long>(static_cast<long long>(assay.id));
    return std::to_wstring(id) + L"/" + std::to_wstring(ticked ? 1 : 0);
}

}  // namespace

void DlgMain::StoreState() {
    TakeSettings();
    CopyChecksToAssays();
    if (storeList_) StoreList();
    StoreWindowRect();
    ShowSettings();
}

void DlgMain::StoreList() {
    for (int number = 1; number <= kClearedKeys; ++number) profile_.ProfileDelete(L"", AssayKey(number));
    const int count = static_cast<int>(assays.size());
    for (int index = 0; index < count; ++index) {
        const Assay& assay = assays[static_cast<size_t>(index)];
        const bool ticked = assay.isTicked != 0 || keptTicks_.count(assay.id) != 0;
        profile_.ProfileSetString(L"", AssayKey(index + 1), AssayValue(assay, ticked));
    }
    // Keys left from a longer list would be read back as part of this one.
    for (int number = std::max(count + 1, kClearedKeys + 1); number <= kMaxStoredKeys; ++number) {
        if (profile_.ProfileGetString(L"", AssayKey(number), kNotStored) == kNotStored) break;
        profile_.ProfileDelete(L"", AssayKey(number));
    }
}

void DlgMain::StoreWindowRect() {
    RECT window{};
    GetWindowRect(Handle(), &window);
    profile_.ProfileSetInt(L"", L"WindowRect_btx", window.right);
    profile_.ProfileSetInt(L"", L"WindowRect_bty", window.bottom);
    profile_.ProfileSetInt(L"", L"WindowRect_tlx", window.left);
    profile_.ProfileSetInt(L"", L"WindowRect_tly", window.top);
}

void DlgMain::RestoreState() {
    assays.clear();
    keptTicks_.clear();
    int counted = 0;
    LoadProblemBoxes problems(Handle());
    for (int number = 1; number <= kMaxStoredKeys; ++number) {
        const std::wstring value = profile_.ProfileGetString(L"", AssayKey(number), kNotStored);
        if (value == kNotStored) break;
        const size_t slash = value.rfind(L'/');
        if (slash == std::wstring::npos || slash == 0) continue;
        try {
            DataBase::DbHandle db;
            std::string databaseError;
            const int32_t index =
                LoadAssay(assays, problems, db, ReadInteger(value.substr(0, slash)), &databaseError);
            // A database that cannot give a row now (busy, locked) is gone for all entries alike.
            if (!databaseError.empty()) throw std::runtime_error(databaseError);
            ++counted;
            if (index < 0) continue;
            Assay& assay = assays[static_cast<size_t>(index)];
            const int32_t ticked = ReadInteger(value.substr(slash + 1));
            // A chromatogram that lost its sample mass since it was ticked comes back unticked: it
            // cannot take part in the calculation. When only its file is away for now, the tick is
            // kept for when the file reads again.
            if (HasUsableMass(assay)) {
                assay.isTicked = ticked;
            } else if (ticked != 0 && problems.FileNotRead(assay.id)) {
                keptTicks_.insert(assay.id);
            }
        } catch (const std::exception& error) {
            // The database is gone for all entries alike: start with an empty list, and keep the
            // remembered one in the profile for the next start.
            ShowErrorBox(Handle(), FromUtf8(error.what()));
            assays.clear();
            keptTicks_.clear();
            counted = 0;
            storeList_ = false;
            break;
        }
    }
    if (counted > 0) {
        FillChromatogramList();
        NotifyHostListChanged();
    }
    const int right = profile_.ProfileGetInt(L"", L"WindowRect_btx", 0);
    const int bottom = profile_.ProfileGetInt(L"", L"WindowRect_bty", 0);
    const int left = profile_.ProfileGetInt(L"", L"WindowRect_tlx", 0);
    const int top = profile_.ProfileGetInt(L"", L"WindowRect_tly", 0);
    MoveWindow(Handle(), left, top, right - left, bottom - top, TRUE);
    ShowSettings();
}
