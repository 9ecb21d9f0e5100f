#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "register/RegisterPlace.h"
#include "sign/SignatureMeaning.h"

class UserMessages;

// The plug-in's "Подписать" step: an issued report is signed with the next meaning the lab asks for, by a
// certificate the user chooses in the Windows store (its provider asks for a token's PIN itself); the page
// with the signatures opens and a LIMS gets them. The register's rules hold as for the command line.
class SigningStep {
public:
    // The choices the step asks the user for, replaceable by tests: a certificate (its thumbprint) and a
    // file of an issued report in the reports folder. Nothing: the user cancelled.
    std::function<std::optional<std::wstring>(HWND owner, const std::wstring& number,
                                              SignatureMeaning meaning)>
        chooseCertificate;
    std::function<std::optional<std::wstring>(HWND owner, const std::wstring& folder)> chooseReport;
    std::function<void(const std::wstring& path)> open;

    explicit SigningStep(UserMessages& messages);

    // `components`: the components file, beside which the register and the LIMS folder are.
    // Just after an issue: asks whether to sign the report now with the first meaning (составил).
    void OfferAfterIssue(HWND owner, const RegisterPlace& place, const std::wstring& number,
                         const std::wstring& components);
    // From the window's menu: a report chosen in the reports folder, signed with its next meaning (проверил,
    // утвердил) after asking.
    void SignChosenReport(HWND owner, const std::wstring& components);

private:
    void Ask(HWND owner, const RegisterPlace& place, const std::wstring& number, SignatureMeaning meaning,
             const std::wstring& components);

    UserMessages& messages_;
};
