#pragma once

#include <windows.h>

#include <vector>

// Asks for chromatogram ids typed as "1, 2, 3"; empty when the user cancels.
std::vector<int> PromptForAssayIds(HWND owner);
