#pragma once

#include <string>

// Hands a file to the desktop, which opens it in the user's viewer for its type and returns at once.
// Windows: the shell's verb "open", the window maximised. Elsewhere: xdg-open when it is installed,
// started in the background; nothing when it is not. Whether a viewer came up is not known.
void OpenWithShell(const std::wstring& path);
