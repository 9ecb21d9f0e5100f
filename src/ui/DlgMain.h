#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "calc/LastReadComponents.h"
#include "data/Assay.h"
#include "hostlink/ProfileSettings.h"
#include "report/ReportBuilder.h"
#include "ui/CGridCtrl.h"
#include "ui/PluginMessages.h"
#include "win/Dialog.h"
#include "win/DynamicLayout.h"
#include "win/MessageBoxes.h"
#include "win/SolidBrush.h"
#include "win/Tooltip.h"

class Dlg_Components;
class UserMessages;

// The plug-in's main window: a resizable, modeless dialog owned by a host window, with the chromatogram
// list, the result table and the settings. Closing only hides it; the object and its data live as long
// as the window.
class DlgMain : public Dialog {
public:
    // windowGone runs when the window has been destroyed (with its owner); it may delete the object.
    DlgMain(const HostLink& host, std::wstring profileRoot, std::function<void()> windowGone);
    ~DlgMain() override;

    // Creates the hidden window from its template, owned by the host window.
    void Create(HWND owner);

    void NotifyHostListChanged() const;
    void FillChromatogramList();
    int RemoveChromatograms(bool all);
    void UpdateChromatograms();
    // Recalculates as every command does: what it must say (a density that is no number, no table file)
    // it says in a box.
    void Recalculate();
    void FillResultGrid();
    void FillResultRows();
    void StoreState();
    void RestoreState();
    // Whether closing will store the chromatogram list (not after a restore that failed).
    bool StoresList() const { return storeList_; }

    const std::vector<Assay>& Assays() const { return assays; }
    const CalculationData& Calculation() const { return calculation; }
    const Tooltip& Tooltips() const { return tooltips; }
    const ReportBuilder& Report() const { return *report; }

protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(int id, NMHDR& header) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Enter in a settings field must not hide the window.
    void OnOk() override {}
    void OnCancel() override;
    void OnFinalMessage() override;

private:
    // What raised a recalculation: a keystroke in a settings field says nothing in a box, which would take
    // the keys that follow.
    enum class Raised { ByCommand, ByTyping };

    void Recalculate(Raised raised);
    void AppendVersionToCaption();
    void SetIcons();
    void CreateTooltips();
    void SetUpChromatogramList();
    void SetUpResultList();
    void SetUpLayout();

    void AddChromatograms();
    void RemoveChromatogramsCommand(bool all);
    void OpenChromatograms();
    void OnCheckBoxChanged(const NMLISTVIEW& change);
    void CopyChecksToAssays();
    void FillChromatogramRow(int item, const Assay& assay);
    void AppendResultRow(const std::vector<std::wstring>& cells);
    void ShowComponents();
    void ShowAbout();
    void ShowReport();

    bool TakeSettings(Raised raised = Raised::ByCommand);
    void ShowSettings();
    void ShowTotalOxygen();
    void ShowDensity(HWND field);
    bool AnyTicked() const;
    void StoreList();
    void StoreWindowRect();
    void ShowTypedSetting(int id);
    ComponentsSnapshot ReloadComponents(UserMessages& notices);
    void AddKeptTicksWarning();
    void ShowWarnings();
    std::vector<std::wstring> WarningLines() const;
    void AddLimitsLines(std::vector<std::wstring>& lines) const;
    std::wstring DensityNotANumberText() const;
    // Whether the chromatogram's tick is kept while its file does not read: shown, stored, not counted.
    bool TickKept(const Assay& assay) const { return keptTicks_.count(assay.id) != 0; }
    // The file names of the chromatograms whose ticks are kept but not counted, ", "-separated.
    std::wstring KeptTickFiles() const;
    void RefuseTick(const Assay& assay) const;
    // After a load that met a database error (SQLite's reason): the user is told.
    void ReportDatabaseFailure(const std::string& reason) const;
    void FitWarningLines() const;
    bool ColourControl(HWND control, HDC dc, LRESULT& brush) const;
    bool Marked(int field) const;
    bool HasWarning(CalculationWarning::Kind kind) const;
    void ReportDatabaseFailure(const std::exception& error) const;
    // The user changed the list: it is stored at the next close.
    void ListChangedByUser();

    Tooltip tooltips;
    std::vector<Assay> assays;
    CGridCtrl chromatogramGrid;
    std::unique_ptr<Dlg_Components> componentsDialog;
    std::unique_ptr<DialogMessages> messages_;
    std::unique_ptr<ReportBuilder> report;
    int32_t initialised = 0;
    CalculationData calculation;
    CGridCtrl resultGrid;

    HostLink host_;
    HWND hostWindow_ = nullptr;  // the window the host gave as owner; its parent is the host's frame
    ProfileSettings profile_;
    std::function<void()> windowGone_;
    DynamicLayout layout_;
    bool showingSettings_ = false;
    LastReadComponents components_;
    SolidBrush warningBrush_{RGB(255, 214, 214)};
    // False after a restore that could not reach the database, until the user changes the list:
    // storing the empty list would lose the remembered one.
    bool storeList_ = true;
    // False while the density field is empty or shows the 1 the recalculation put into an empty one: the
    // calculation takes 1, and the field is marked and says that the density is not given.
    bool densityGiven_ = true;
    bool densityFilledIn_ = false;
    // The density field's text while it is no number; the calculation keeps the density before it.
    std::wstring densityUnread_;
    // Chromatograms ticked by the user whose files did not read at the start or at a refresh (a share
    // that went away for a moment): shown and stored as ticked, not counted, until their files read
    // again or the user unticks or removes them.
    std::set<int32_t> keptTicks_;
    // What the recalculations found once and the user must still see (a table changed outside): in the
    // warning list until the window is closed.
    NoticeList notices_;
    // What the last recalculation had to say besides its warnings (no table file, no public documents).
    std::vector<std::wstring> lastNotices_;
};
