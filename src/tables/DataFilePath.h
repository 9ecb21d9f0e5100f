#pragma once

#include <string>

class UserMessages;

// Where the plug-in's data files live: the public documents folder followed by "\Veltar4\oxycalc"
// and fileName, which begins with a backslash ("\CompsTableOxycalc.csv"). Outside Windows the
// backslashes of that tail become "/". When the public documents folder is unknown the user is told so
// (no_public_documents) and the result is empty. Neither folder is created here.
std::wstring DataFilePath(const std::wstring& fileName, UserMessages& messages);

// Another file of the folder a data file is in ("LimitsOxycalc.csv" beside the components file); empty
// for an empty path.
std::wstring DataFileBeside(const std::wstring& dataFile, const std::wstring& name);
