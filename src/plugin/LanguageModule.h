#pragma once

#include <windows.h>

#include <string>

// The file of the resource library for a language: the plug-in's path with its extension replaced by
// the locale's three-letter abbreviation and ".dll" (C:\Path\oxycalc.dll, ENU -> C:\Path\oxycalcENU.dll).
// Empty when Windows knows no abbreviation for the language.
std::wstring LanguageModulePath(const std::wstring& pluginPath, LANGID language);
