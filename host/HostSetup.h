#pragma once

#include <string>

// What an installation of the plug-in puts in place: the folders "\Veltar4\oxycalc" below the public
// documents folder, when missing, and the report stylesheet shipped beside the host. Returns a line
// for the status bar saying what was done or what failed.
std::wstring InstallPluginData(const std::wstring& hostFolder);
