#pragma once

#include <optional>
#include <string>
#include <vector>

// The host's command line. Switches let tests and the demo run it without a person:
//   --plugins DIR     folder whose plug-in DLLs are loaded (default: the host's own folder)
//   --db PATH         the database handed out by "DB/GetConnectionUri"
//   --lang ID         the language of "System/GetLanguage" (default 1049, Russian)
//   --profile FILE    where the profile is kept (default: host-profile.txt beside the host)
//   --pick PATH       picks this menu entry once the plug-ins are ready ("*": the first plug-in entry)
//   --choose IDS      answers the chromatogram chooser with these ids ("1,2,3") instead of asking
//   --show-file PATH  opens a chromatogram file in the host's chromatogram window at start
//   --ready FILE      writes "ready" into FILE once the pick has been handled
//   --script FILE     plays the user actions of FILE once started (see HostScript.h)
//   --quit-after SEC  closes the host after so many seconds
struct HostOptions {
    std::wstring pluginFolder;
    std::optional<std::wstring> database;
    int language = 1049;
    std::wstring profileFile;
    std::optional<std::wstring> pick;
    std::optional<std::vector<int>> chosenIds;
    std::optional<std::wstring> showFile;
    std::optional<std::wstring> readyFile;
    std::optional<std::wstring> scriptFile;
    int quitAfterSeconds = 0;
};

// Parses the arguments after the program name; throws std::invalid_argument on a bad switch.
HostOptions ParseHostOptions(const std::vector<std::wstring>& arguments, const std::wstring& hostFolder);
