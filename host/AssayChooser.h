#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The host's chromatogram chooser: every analysis and calibration of the database, newest first;
// several rows can be picked, at most `capacity`. Returns the picked ids (empty when cancelled).
std::vector<int> ChooseAssays(HWND owner, const std::wstring& database, size_t capacity);
