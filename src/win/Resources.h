#pragma once

#include <windows.h>

#include <string>

// The module that texts, dialog templates and window icons come from: the plug-in itself, or the
// language library chosen for the host's language. Set once at load; read everywhere.
HINSTANCE ResourceModule();
void SetResourceModule(HINSTANCE module);

// The module whose code is running (the plug-in itself, never a language library).
HINSTANCE OwnModule();
void SetOwnModule(HINSTANCE module);

// A string of a module's string table; empty when it has none with that id.
std::wstring LoadResourceString(HINSTANCE module, UINT id);
// A string of the resource module's string table.
inline std::wstring ResourceText(UINT id) {
    return LoadResourceString(ResourceModule(), id);
}
// The same, or `fallback` when the module has none with that id (a module without the plug-in's
// strings, as when no resource module is set yet).
std::wstring ResourceTextOr(UINT id, const wchar_t* fallback);
