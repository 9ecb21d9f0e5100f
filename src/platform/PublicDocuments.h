#pragma once

#include <string>

// The folder of documents shared by all users of the machine, without a trailing separator; empty
// when it cannot be determined.
// Windows: the shell's known folder FOLDERID_PublicDocuments.
// Elsewhere: the environment variable OXYCALC_PUBLIC_DOCUMENTS when it is set and not empty,
// otherwise XDG's public-share folder (XDG_PUBLICSHARE_DIR in $XDG_CONFIG_HOME/user-dirs.dirs, by
// default ~/.config/user-dirs.dirs), otherwise ~/Public.
std::wstring PublicDocumentsFolder();
