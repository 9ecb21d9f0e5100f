#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The signer's certificate, chosen in the system's certificate chooser (cryptui.dll, loaded when asked)
// among the certificates of the user's store valid now that have a private key: its SHA-1 thumbprint. Nothing
// when the user cancels, or after a box saying why there was nothing to choose from.
std::optional<std::wstring> ChooseSigningCertificate(HWND owner, const std::wstring& title,
                                                     const std::wstring& prompt);
