#include "ui/SigningStep.h"

#include <commdlg.h>

#include <vector>

#include "messages/Catalogue.h"
#include "platform/FileSystemPath.h"
#include "platform/ShellOpen.h"
#include "report/LimsExport.h"
#include "sign/CmsSignature.h"
#include "sign/ReportSigning.h"
#include "sign/SignatureExport.h"
#include "tables/DataFilePath.h"
#include "ui/CertificateChooser.h"
#include "ui/UiLanguage.h"
#include "verify/ReportRebuild.h"
#include "win/MessageBoxes.h"

namespace {

std::wstring MeaningText(SignatureMeaning meaning) {
    return UiText(MeaningMessage(meaning));
}

std::optional<std::wstring> ChooseFromStore(HWND owner, const std::wstring& number,
                                            SignatureMeaning meaning) {
    return ChooseSigningCertificate(
        owner, UiText(Message(MessageCode::PluginCertificateTitle)),
        UiText(Message(MessageCode::PluginCertificatePrompt, {number, MeaningText(meaning)})));
}

// The system's open box in the reports folder, showing the issued reports' pages.
std::optional<std::wstring> ChooseReportFile(HWND owner, const std::wstring& folder) {
    std::wstring filter = UiText(Message(MessageCode::PluginSignReportFilter)) + L" (*.html)";
    filter += L'\0';
    filter += L"*.html";
    filter += L'\0';
    const std::wstring title = UiText(Message(MessageCode::PluginSignChooseReport));
    std::vector<wchar_t> file(32768, L'\0');
    OPENFILENAMEW box{};
    box.lStructSize = sizeof box;
    box.hwndOwner = owner;
    box.lpstrFilter = filter.c_str();
    box.lpstrFile = file.data();
    box.nMaxFile = static_cast<DWORD>(file.size());
    box.lpstrInitialDir = folder.c_str();
    box.lpstrTitle = title.c_str();
    box.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&box)) return std::nullopt;
    return std::wstring(file.data());
}

std::wstring MeaningList(const std::vector<SignatureMeaning>& meanings) {
    std::wstring list;
    for (const SignatureMeaning meaning : meanings)
        list += (list.empty() ? L"" : L", ") + MeaningText(meaning);
    return list;
}

}  // namespace

SigningStep::SigningStep(UserMessages& messages)
    : chooseCertificate(ChooseFromStore),
      chooseReport(ChooseReportFile),
      open(OpenWithShell),
      messages_(messages) {}

void SigningStep::OfferAfterIssue(HWND owner, const RegisterPlace& place, const std::wstring& number,
                                  const std::wstring& components) {
    const std::optional<SigningTurn> turn = SigningTurnOf(place, number + L".json");
    if (turn && turn->next) Ask(owner, place, number, *turn->next, components);
}

void SigningStep::SignChosenReport(HWND owner, const std::wstring& components) {
    const std::optional<RegisterPlace> place = RegisterOf(components);
    if (!place) {
        messages_.ShowError(Message(MessageCode::RegisterOff, {components}));
        return;
    }
    const std::optional<std::wstring> file = chooseReport(owner, place->Reports());
    if (!file) return;
    const std::wstring name = FromFileSystemPath(ToFileSystemPath(*file).filename());
    // A file of another folder is no issued report, whatever its name.
    const std::optional<SigningTurn> turn =
        SameFile(place->ReportFile(name), *file) ? SigningTurnOf(*place, name) : std::nullopt;
    if (!turn) {
        messages_.ShowError(Message(MessageCode::PluginSignNoReport, {*file, place->file}));
        return;
    }
    if (!turn->next) {
        messages_.ShowMessage(
            Message(MessageCode::PluginSignAllMade, {turn->number, MeaningList(turn->asked)}));
        return;
    }
    Ask(owner, *place, turn->number, *turn->next, components);
}

// Asks, has the certificate chosen and signs; every refusal is said by the signing itself.
void SigningStep::Ask(HWND owner, const RegisterPlace& place, const std::wstring& number,
                      SignatureMeaning meaning, const std::wstring& components) {
    const std::wstring question =
        UiText(Message(MessageCode::PluginSignQuestion, {number, MeaningText(meaning)}));
    if (ShowMessageBox(owner, question, MessageCaption(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) !=
        IDYES)
        return;
    const std::optional<std::wstring> thumbprint = chooseCertificate(owner, number, meaning);
    if (!thumbprint) return;
    std::optional<SigningKey> key;
    try {
        key = SigningKey::FromUserStore(*thumbprint);
    } catch (const SignatureError& error) {
        messages_.ShowError(Message(MessageCode::SignatureRefused, {Nested(error.message)}));
        return;
    }
    const std::wstring json = place.ReportFile(number + L".json");
    const SignRequest request{number, meaning, L"модуль", RecordedStylesheet(json)};
    const std::optional<MadeSignature> made = SignIssuedReport(place, request, *key, messages_);
    if (!made) return;
    open(made->page);
    messages_.ShowMessage(
        Message(MessageCode::PluginSigned, {Nested(SignatureLine(made->statement)), number, made->page}));
    // A LIMS that takes the issued reports from the lab's export folder takes their signatures there too.
    const std::wstring lims = DataFileBeside(components, kLimsFolderName);
    if (FolderExists(lims)) ExportSignaturesForLims(json, number, made->all, lims, messages_);
}
