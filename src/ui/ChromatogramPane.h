#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "data/Assay.h"
#include "hostlink/HostLink.h"
#include "hostlink/ProfileSettings.h"
#include "ui/CGridCtrl.h"

class Dialog;

// The chromatogram list of the main dialog (list control 1001): row i shows entry i of the dialog's
// chromatograms, its check box their tick; the commands on the list (add, remove, open in the host, load
// again) and the list kept in the host profile. Ticks of chromatograms whose files do not read for now (a
// file server away) are kept: shown and stored as ticked, not counted, until the files read or the user takes
// them off.
class ChromatogramPane {
public:
    // What the list asks of its dialog.
    struct Owner {
        std::function<void()> recalculate;   // as every command recalculates
        std::function<void()> listChanged;   // the host is told of the list's change
        std::function<void()> takeSettings;  // the settings fields into the calculation
        std::function<void()> showSettings;  // and back
    };

    // The dialog's chromatograms and its flag that tells a tick of the user's from one the list sets.
    ChromatogramPane(std::vector<Assay>& assays, int32_t& initialised, const HostLink& host, Owner owner);

    // Takes over list control 1001 of the dialog: its style and columns.
    void Attach(Dialog& dialog);
    CGridCtrl& Grid() { return grid_; }

    void Fill();
    // Copies every row's check box into its chromatogram: a kept tick the user has taken off goes.
    void CopyChecks();
    bool TickKept(const Assay& assay) const { return keptTicks_.count(assay.id) != 0; }
    // The file names of the chromatograms whose ticks are kept but not counted, ", "-separated.
    std::wstring KeptTickFiles() const;

    void Add();
    // Removes the selected chromatograms, or all; how many went.
    int Remove(bool all);
    void RemoveCommand(bool all);
    void Open();
    void Update();
    // The check-box rule: a chromatogram without a usable sample mass cannot be ticked.
    void OnItemChanged(const NMLISTVIEW& change);

    // The chromatograms with their ticks in the host profile.
    void Store(ProfileSettings& profile);
    void Restore(ProfileSettings& profile);
    // Whether closing stores the list (not after a restore that could not reach the database, until the
    // user changes the list: storing the empty list would lose the remembered one).
    bool StoresList() const { return storeList_; }

private:
    void FillRow(int item, const Assay& assay);
    void RefuseTick(const Assay& assay) const;
    void ReportDatabaseFailure(const std::string& reason) const;

    std::vector<Assay>& assays_;
    int32_t& initialised_;
    HostLink host_;
    Owner owner_;
    HWND window_ = nullptr;
    CGridCtrl grid_;
    std::set<int32_t> keptTicks_;
    bool storeList_ = true;
};
