#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "data/Assay.h"
#include "hostlink/ProfileSettings.h"
#include "records/LastReadComponents.h"
#include "register/RegisterPlace.h"
#include "report/ReportBuilder.h"
#include "ui/ChromatogramPane.h"
#include "ui/MainWindowFrame.h"
#include "ui/PluginMessages.h"
#include "ui/ResultTable.h"
#include "ui/SettingsFields.h"
#include "ui/SigningStep.h"
#include "ui/WarningArea.h"
#include "win/Dialog.h"
#include "win/MessageBoxes.h"

class Dlg_Components;
class UserMessages;

// The plug-in's main window: a resizable, modeless dialog owned by a host window, with the chromatogram
// list, the result table and the settings. Closing only hides it; the object and its data live as long
// as the window. Its parts: the chromatogram list with its commands, the settings fields, the warning area.
class DlgMain : public Dialog {
public:
    // windowGone runs when the window has been destroyed (with its owner); it may delete the object.
    DlgMain(const HostLink& host, std::wstring profileRoot, std::function<void()> windowGone);
    ~DlgMain() override;

    // Creates the hidden window from its template, owned by the host window.
    void Create(HWND owner);

    void NotifyHostListChanged() const;
    void FillChromatogramList() { chromatograms_.Fill(); }
    int RemoveChromatograms(bool all) { return chromatograms_.Remove(all); }
    void UpdateChromatograms() { chromatograms_.Update(); }
    // Recalculates as every command does: what it must say (a density that is no number, no table file)
    // it says in a box.
    void Recalculate() { Recalculate(Raised::ByCommand); }
    void FillResultGrid();
    void StoreState();
    void RestoreState();
    // Whether closing will store the chromatogram list (not after a restore that failed).
    bool StoresList() const { return chromatograms_.StoresList(); }

    const std::vector<Assay>& Assays() const { return assays; }
    const CalculationData& Calculation() const { return calculation; }
    const Tooltip& Tooltips() const { return frame_.Tips(); }
    const ReportBuilder& Report() const { return *report; }
    SigningStep& Signing() { return *signing_; }

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
    void Recalculate(Raised raised);
    void ShowComponents();
    void ShowAbout();
    void ShowReport();
    void OfferIssue(const RegisterPlace& place);
    void AddSigningToWindowMenu();
    void TakeSettings() { settings_.Take(calculation, Raised::ByCommand); }
    void ShowSettings() { settings_.Show(calculation, AnyTicked(assays)); }
    ComponentsSnapshot ReloadComponents(UserMessages& notices);
    void ShowWarnings();

    std::vector<Assay> assays;
    std::unique_ptr<Dlg_Components> componentsDialog;
    std::unique_ptr<DialogMessages> messages_;
    std::unique_ptr<ReportBuilder> report;
    std::unique_ptr<SigningStep> signing_;
    int32_t initialised = 0;
    CalculationData calculation;
    ResultTable results_;

    HostLink host_;
    HWND hostWindow_ = nullptr;  // the window the host gave as owner; its parent is the host's frame
    ProfileSettings profile_;
    std::function<void()> windowGone_;
    LastReadComponents components_;
    ChromatogramPane chromatograms_;
    SettingsFields settings_{*this};
    MainWindowFrame frame_;
    WarningArea warnings_{*this, frame_.Layout()};
    // What the recalculations found once and the user must still see (a table changed outside): in the
    // warning list until the window is closed.
    NoticeList notices_;
    // What the last recalculation had to say besides its warnings (no table file, no public documents).
    std::vector<std::wstring> lastNotices_;
};
