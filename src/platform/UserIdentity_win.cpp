#include <windows.h>

#include <lmcons.h>

#include <string>

#include "platform/UserIdentity.h"

std::wstring UserAtComputer() {
    wchar_t user[UNLEN + 1] = {};
    DWORD userLength = UNLEN + 1;
    wchar_t computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD computerLength = MAX_COMPUTERNAME_LENGTH + 1;
    const std::wstring userText = GetUserNameW(user, &userLength) ? std::wstring(user) : L"?";
    const std::wstring computerText =
        GetComputerNameW(computer, &computerLength) ? std::wstring(computer) : L"?";
    return userText + L"@" + computerText;
}
