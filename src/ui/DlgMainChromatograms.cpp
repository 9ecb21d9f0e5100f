// The chromatogram list of the main dialog: what it shows and the commands on it.
#include <windows.h>

#include <commctrl.h>

#include <exception>

#include "data/DbHandle.h"
#include "data/LoadAssay.h"
#include "platform/FileSystemPath.h"
#include "platform/LocalTime.h"
#include "platform/NumberText.h"
#include "platform/TextTemplate.h"
#include "res/ResourceIds.h"
#include "ui/DlgMain.h"
#include "ui/LoadProblemBoxes.h"
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

}  // namespace

void DlgMain::SetUpChromatogramList() {
    const ListView list = chromatogramGrid.List();
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    list.AddStyle(WS_HSCROLL);
    ShowScrollBar(list.Handle(), SB_HORZ, TRUE);
    SetScrollPos(list.Handle(), SB_HORZ, 0, TRUE);
    for (const Column& column : kColumns)
        chromatogramGrid.AddColumn(ResourceText(column.caption), column.width);
}

void DlgMain::FillChromatogramRow(int item, const Assay& assay) {
    const ListView list = chromatogramGrid.List();
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

void DlgMain::FillChromatogramList() {
    // The check boxes set here are not the user's.
    const int32_t wasInitialised = initialised;
    initialised = 0;
    chromatogramGrid.DeleteAllRows();
    for (const Assay& assay : assays) {
        const int item = chromatogramGrid.AppendRow(assay.id);
        if (item >= 0) FillChromatogramRow(item, assay);
    }
    initialised = wasInitialised;
}

// A kept tick the user has taken off goes; a kept one still on is not counted.
void DlgMain::CopyChecksToAssays() {
    const ListView list = chromatogramGrid.List();
    for (int item = 0; item < list.ItemCount() && item < static_cast<int>(assays.size()); ++item) {
        Assay& assay = assays[static_cast<size_t>(item)];
        const bool checked = list.Checked(item);
        if (TickKept(assay)) {
            if (!checked) keptTicks_.erase(assay.id);
            assay.isTicked = 0;
        } else {
            assay.isTicked = checked ? 1 : 0;
        }
    }
}

std::wstring DlgMain::KeptTickFiles() const {
    std::wstring files;
    for (const Assay& assay : assays) {
        if (TickKept(assay)) files += (files.empty() ? L"" : L", ") + ShortFileName(assay.fileName);
    }
    return files;
}

void DlgMain::AddChromatograms() {
    TakeSettings();
    if (!host_.Offers(HostNames::kOpenAssayIdDlgEx)) return;
    CopyChecksToAssays();
    std::vector<int32_t> ids(kMaxChosenIds, 0);
    AssayIdList request{ids.data(), kMaxChosenIds};
    const auto count =
        static_cast<int32_t>(host_.Call(HostNames::kOpenAssayIdDlgEx, reinterpret_cast<intptr_t>(&request),
                                        reinterpret_cast<intptr_t>(Handle())));
    if (count <= 0 || count > kMaxChosenIds) return;
    // Loading only appends, so a failure part-way is undone by cutting the list back.
    const auto before = static_cast<std::ptrdiff_t>(assays.size());
    bool anyLoaded = false;
    LoadProblemBoxes problems(Handle());
    std::string databaseError;
    try {
        DataBase::DbHandle db;
        for (int32_t index = 0; index < count; ++index) {
            if (LoadAssay(assays, problems, db, ids[static_cast<size_t>(index)], &databaseError) >= 0)
                anyLoaded = true;
        }
    } catch (const std::exception& error) {
        assays.erase(assays.begin() + before, assays.end());
        ReportDatabaseFailure(error);
        return;
    }
    if (anyLoaded) {
        ListChangedByUser();
        FillChromatogramList();
        NotifyHostListChanged();
    }
    // A chromatogram the database could not give (busy, locked) is not added: the user hears why.
    if (!databaseError.empty()) ReportDatabaseFailure(databaseError);
    ShowSettings();
}

void DlgMain::RemoveChromatogramsCommand(bool all) {
    if (RemoveChromatograms(all) > 0) ListChangedByUser();
    FillChromatogramList();
    NotifyHostListChanged();
    Recalculate();
}

int DlgMain::RemoveChromatograms(bool all) {
    int removed = 0;
    if (all) {
        removed = static_cast<int>(assays.size());
        assays.clear();
    }
    const ListView list = chromatogramGrid.List();
    if (all) keptTicks_.clear();
    for (int item = list.NextSelected(-1); item >= 0; item = list.NextSelected(item)) {
        const GridRowData* data = chromatogramGrid.RowData(item);
        if (data == nullptr) continue;
        keptTicks_.erase(data->value);
        for (auto at = assays.begin(); at != assays.end(); ++at) {
            if (at->id == data->value) {
                assays.erase(at);
                ++removed;
                break;
            }
        }
    }
    return removed;
}

void DlgMain::OpenChromatograms() {
    const ListView list = chromatogramGrid.List();
    if (!host_.Offers(HostNames::kOpenAssayFile) || list.SelectedCount() == 0) return;
    try {
        DataBase::DbHandle db;
        for (int item = list.NextSelected(-1); item >= 0; item = list.NextSelected(item)) {
            const GridRowData* data = chromatogramGrid.RowData(item);
            if (data == nullptr) continue;
            QueryAssayFileName(db, data->value, [this](const std::wstring& path) {
                host_.Call(HostNames::kOpenAssayFile, 0, reinterpret_cast<intptr_t>(path.c_str()));
            });
        }
    } catch (const std::exception& error) {
        ReportDatabaseFailure(error);
    }
}

void DlgMain::UpdateChromatograms() {
    CopyChecksToAssays();
    std::vector<Assay> updated;
    LoadProblemBoxes problems(Handle());
    std::string databaseError;
    try {
        DataBase::DbHandle db;
        for (const Assay& previous : assays) {
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
        ReportDatabaseFailure(error);
        return;
    }
    if (!databaseError.empty()) {
        ReportDatabaseFailure(databaseError);
        return;
    }
    assays = std::move(updated);
    FillChromatogramList();
    NotifyHostListChanged();
    Recalculate();
    ShowSettings();
}

void DlgMain::OnCheckBoxChanged(const NMLISTVIEW& change) {
    if (!(change.uChanged & LVIF_STATE) || ((change.uOldState ^ change.uNewState) & kCheckBoxBits) == 0)
        return;
    if (initialised == 0 || change.iItem < 0 || change.iItem >= static_cast<int>(assays.size())) return;
    const ListView list = chromatogramGrid.List();
    const Assay& assay = assays[static_cast<size_t>(change.iItem)];
    // Unchecked first, then told why.
    if (list.Checked(change.iItem) && !TickKept(assay) && !HasUsableMass(assay)) {
        initialised = 0;
        list.SetChecked(change.iItem, false);
        initialised = 1;
        RefuseTick(assay);
    }
    CopyChecksToAssays();
    Recalculate();
}

// Why a chromatogram without a usable sample mass cannot be ticked: its passport gives no mass, or its
// file is missing (where) or does not read (its mass of 0 would bring the mean down).
void DlgMain::RefuseTick(const Assay& assay) const {
    if (FileRead(assay)) {
        ShowErrorBox(Handle(), ResourceText(IDS_OXY_NO_MASS));
        return;
    }
    const bool missing = !FileExists(assay.fileName);
    ShowErrorBox(Handle(), FillTemplate(ResourceText(missing ? IDS_OXY_TICK_FILE_MISSING
                                                             : IDS_OXY_TICK_FILE_UNREADABLE),
                                        {assay.fileName}));
}
