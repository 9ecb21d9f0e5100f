#pragma once

#include <string>

// What the plug-in needs in place when it was not installed (a build run as it is): the folders
// "\Veltar4\oxycalc" below the public documents folder and the report stylesheets shipped beside the
// host, each only when missing. Returns a line for the status bar saying what was done or what failed.
std::wstring InstallPluginData(const std::wstring& hostFolder);
