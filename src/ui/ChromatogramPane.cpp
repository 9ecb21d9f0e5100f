#include "ui/ChromatogramPane.h"

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <utility>

#include "data/DbHandle.h"
#include "data/LoadAssay.h"
#include "platform/FileSystemPath.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/TextTemplate.h"
#include "platform/WideText.h"
#include "res/ResourceIds.h"
#include "ui/LoadProblemBoxes.h"
#include "win/Dialog.h"
#include "win/MessageBoxes.h"
#include "win/Resources.h"

namespace {

constexpr int kMaxChosenIds = 256;
constexpr int kMassColumn = 7;
constexpr UINT kCheckBoxBits = 0xF000;  // the state-image bits, where the check box lives

struct Column {
    UINT caption;  // string id
    int width;
};

constexpr Column kColumns[] = {{IDS_OXY_COL_NUMBER, 40},  {IDS_OXY_COL_FILE, 280}, {IDS_OXY_COL_SAMPLE, 102},
                               {IDS_OXY_COL_MIXTURE, 95}, {IDS_OXY_COL_TIME, 93},  {IDS_OXY_COL_KIND, 80},
                               {IDS_OXY_COL_METHOD, 140}, {IDS_OXY_COL_MASS, 80}};

std::wstring ShortFileName(const std::wstring& path) {
    const size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// "---" for a chromatogram whose passport names no mass; a file that did not read shows its 0.00.
std::wstring MassText(const Assay& assay) {
    return assay.sampleMass == kNoSampleMass ? L"---" : FormatFixed(assay.sampleMass, 2);
}

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

ChromatogramPane::ChromatogramPane(std::vector<Assay>& assays, int32_t& initialised, const HostLink& host,
                                   Owner owner)
    : assays_(assays), initialised_(initialised), host_(host), owner_(std::move(owner)) {}

void ChromatogramPane::Attach(Dialog& dialog) {
    window_ = dialog.Handle();
    grid_.Attach(dialog, IDC_OXY_CHROMATOGRAMS);
    const ListView list = grid_.List();
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    list.AddStyle(WS_HSCROLL);
    ShowScrollBar(list.Handle(), SB_HORZ, TRUE);
    SetScrollPos(list.Handle(), SB_HORZ, 0, TRUE);
    for (const Column& column : kColumns) grid_.AddColumn(ResourceText(column.caption), column.width);
}

void ChromatogramPane::FillRow(int item, const Assay& assay) {
    const ListView list = grid_.List();
    list.SetItemText(item, 0, std::to_wstring(item + 1));
    list.SetItemText(item, 1, ShortFileName(assay.fileName));
    list.SetItemText(item, 2, assay.sample);
    list.SetItemText(item, 3, assay.mixture);
    list.SetItemText(item, 4, LocalTimeText(assay.date));
    list.SetItemText(item, 5, ResourceText(assay.isCalibration ? IDS_OXY_CALIBRATION : IDS_OXY_ANALYSIS));
    list.SetItemText(item, 6, assay.method);
    list.SetItemText(item, kMassColumn, MassText(assay));
    list.SetChecked(item, assay.isTicked != 0 || TickKept(assay));
}

void ChromatogramPane::Fill() {
    // The check boxes set here are not the user's.
    const int32_t wasInitialised = initialised_;
    initialised_ = 0;
    grid_.DeleteAllRows();
    for (const Assay& assay : assays_) {
        const int item = grid_.AppendRow(assay.id);
        if (item >= 0) FillRow(item, assay);
    }
    initialised_ = wasInitialised;
}

// A kept tick the user has taken off goes; a kept one still on is not counted.
void ChromatogramPane::CopyChecks() {
    const ListView list = grid_.List();
    for (int item = 0; item < list.ItemCount() && item < static_cast<int>(assays_.size()); ++item) {
        Assay& assay = assays_[static_cast<size_t>(item)];
        const bool checked = list.Checked(item);
        if (TickKept(assay)) {
            if (!checked) keptTicks_.erase(assay.id);
            assay.isTicked = 0;
        } else {
            assay.isTicked = checked ? 1 : 0;
        }
    }
}

std::wstring ChromatogramPane::KeptTickFiles() const {
    std::wstring files;
    for (const Assay& assay : assays_) {
        if (TickKept(assay)) files += (files.empty() ? L"" : L", ") + ShortFileName(assay.fileName);
    }
    return files;
}

void ChromatogramPane::Add() {
    owner_.takeSettings();
    if (!host_.Offers(HostNames::kOpenAssayIdDlgEx)) return;
    CopyChecks();
    std::vector<int32_t> ids(kMaxChosenIds, 0);
    AssayIdList request{ids.data(), kMaxChosenIds};
    const auto count =
        static_cast<int32_t>(host_.Call(HostNames::kOpenAssayIdDlgEx, reinterpret_cast<intptr_t>(&request),
                                        reinterpret_cast<intptr_t>(window_)));
    if (count <= 0 || count > kMaxChosenIds) return;
    // Loading only appends, so a failure part-way is undone by cutting the list back.
    const auto before = static_cast<std::ptrdiff_t>(assays_.size());
    bool anyLoaded = false;
    LoadProblemBoxes problems(window_);
    std::string databaseError;
    try {
        DataBase::DbHandle db;
        for (int32_t index = 0; index < count; ++index) {
            if (LoadAssay(assays_, problems, db, ids[static_cast<size_t>(index)], &databaseError) >= 0)
                anyLoaded = true;
        }
    } catch (const std::exception& error) {
        assays_.erase(assays_.begin() + before, assays_.end());
        ReportDatabaseFailure(error.what());
        return;
    }
    if (anyLoaded) {
        storeList_ = true;
        Fill();
        owner_.listChanged();
    }
    // A chromatogram the database could not give (busy, locked) is not added: the user hears why.
    if (!databaseError.empty()) ReportDatabaseFailure(databaseError);
    owner_.showSettings();
}

void ChromatogramPane::RemoveCommand(bool all) {
    if (Remove(all) > 0) storeList_ = true;
    Fill();
    owner_.listChanged();
    owner_.recalculate();
}

int ChromatogramPane::Remove(bool all) {
    int removed = 0;
    if (all) {
        removed = static_cast<int>(assays_.size());
        assays_.clear();
    }
    const ListView list = grid_.List();
    if (all) keptTicks_.clear();
    for (int item = list.NextSelected(-1); item >= 0; item = list.NextSelected(item)) {
        const GridRowData* data = grid_.RowData(item);
        if (data == nullptr) continue;
        keptTicks_.erase(data->value);
        for (auto at = assays_.begin(); at != assays_.end(); ++at) {
            if (at->id == data->value) {
                assays_.erase(at);
                ++removed;
                break;
            }
        }
    }
    return removed;
}

void ChromatogramPane::Open() {
    const ListView list = grid_.List();
    if (!host_.Offers(HostNames::kOpenAssayFile) || list.SelectedCount() == 0) return;
    try {
        DataBase::DbHandle db;
        for (int item = list.NextSelected(-1); item >= 0; item = list.NextSelected(item)) {
            const GridRowData* data = grid_.RowData(item);
            if (data == nullptr) continue;
            QueryAssayFileName(db, data->value, [this](const std::wstring& path) {
                host_.Call(HostNames::kOpenAssayFile, 0, reinterpret_cast<intptr_t>(path.c_str()));
            });
        }
    } catch (const std::exception& error) {
        ReportDatabaseFailure(error.what());
    }
}

void ChromatogramPane::Update() {
    CopyChecks();
    std::vector<Assay> updated;
    LoadProblemBoxes problems(window_);
    std::string databaseError;
    try {
        DataBase::DbHandle db;
        for (const Assay& previous : assays_) {
            const int32_t index = LoadAssay(updated, problems, db, previous.id, &databaseError);
            // The database could not give it (busy, locked): the list is kept as it was, not cut short.
            if (!databaseError.empty()) break;
            if (index < 0) continue;
            Assay& loaded = updated[static_cast<size_t>(index)];
            // A ticked chromatogram whose file does not read now keeps its tick, not counted, and takes
            // part again once its file reads; one without a sample mass cannot take part at all.
            const bool ticked = previous.isTicked != 0 || TickKept(previous);
            if (problems.FileNotRead(loaded.id)) {
                loaded.isTicked = 0;
                if (ticked) keptTicks_.insert(loaded.id);
                continue;
            }
            keptTicks_.erase(loaded.id);
            loaded.isTicked = ticked && HasUsableMass(loaded) ? 1 : 0;
        }
    } catch (const std::exception& error) {
        ReportDatabaseFailure(error.what());
        return;
    }
    if (!databaseError.empty()) {
        ReportDatabaseFailure(databaseError);
        return;
    }
    assays_ = std::move(updated);
    Fill();
    owner_.listChanged();
    owner_.recalculate();
    owner_.showSettings();
}

void ChromatogramPane::OnItemChanged(const NMLISTVIEW& change) {
    if (!(change.uChanged & LVIF_STATE) || ((change.uOldState ^ change.uNewState) & kCheckBoxBits) == 0)
        return;
    if (initialised_ == 0 || change.iItem < 0 || change.iItem >= static_cast<int>(assays_.size())) return;
    const ListView list = grid_.List();
    const Assay& assay = assays_[static_cast<size_t>(change.iItem)];
    // Unchecked first, then told why.
    if (list.Checked(change.iItem) && !TickKept(assay) && !HasUsableMass(assay)) {
        initialised_ = 0;
        list.SetChecked(change.iItem, false);
        initialised_ = 1;
        RefuseTick(assay);
    }
    CopyChecks();
    owner_.recalculate();
}

// Why a chromatogram without a usable sample mass cannot be ticked: its passport gives no mass, or its
// file is missing (where) or does not read (its mass of 0 would bring the mean down).
void ChromatogramPane::RefuseTick(const Assay& assay) const {
    if (FileRead(assay)) {
        ShowErrorBox(window_, ResourceText(IDS_OXY_NO_MASS));
        return;
    }
    const bool missing = !FileExists(assay.fileName);
    ShowErrorBox(window_, FillTemplate(ResourceText(missing ? IDS_OXY_TICK_FILE_MISSING
                                                            : IDS_OXY_TICK_FILE_UNREADABLE),
                                       {assay.fileName}));
}

void ChromatogramPane::Store(ProfileSettings& profile) {
    for (int number = 1; number <= kClearedKeys; ++number) profile.ProfileDelete(L"", AssayKey(number));
    const int count = static_cast<int>(assays_.size());
    for (int index = 0; index < count; ++index) {
        const Assay& assay = assays_[static_cast<size_t>(index)];
        const bool ticked = assay.isTicked != 0 || keptTicks_.count(assay.id) != 0;
        profile.ProfileSetString(L"", AssayKey(index + 1), AssayValue(assay, ticked));
    }
    // Keys left from a longer list would be read back as part of this one.
    for (int number = std::max(count + 1, kClearedKeys + 1); number <= kMaxStoredKeys; ++number) {
        if (profile.ProfileGetString(L"", AssayKey(number), kNotStored) == kNotStored) break;
        profile.ProfileDelete(L"", AssayKey(number));
    }
}

void ChromatogramPane::Restore(ProfileSettings& profile) {
    assays_.clear();
    keptTicks_.clear();
    int counted = 0;
    LoadProblemBoxes problems(window_);
    for (int number = 1; number <= kMaxStoredKeys; ++number) {
        const std::wstring value = profile.ProfileGetString(L"", AssayKey(number), kNotStored);
        if (value == kNotStored) break;
        const size_t slash = value.rfind(L'/');
        if (slash == std::wstring::npos || slash == 0) continue;
        try {
            DataBase::DbHandle db;
            std::string databaseError;
            const int32_t index =
                LoadAssay(assays_, problems, db, ReadInteger(value.substr(0, slash)), &databaseError);
            // A database that cannot give a row now (busy, locked) is gone for all entries alike.
            if (!databaseError.empty()) throw std::runtime_error(databaseError);
            ++counted;
            if (index < 0) continue;
            Assay& assay = assays_[static_cast<size_t>(index)];
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
            ReportDatabaseFailure(error.what());
            assays_.clear();
            keptTicks_.clear();
            counted = 0;
            storeList_ = false;
            break;
        }
    }
    if (counted > 0) {
        Fill();
        owner_.listChanged();
    }
}

void ChromatogramPane::ReportDatabaseFailure(const std::string& reason) const {
    ShowErrorBox(window_, FromUtf8(reason));
}
