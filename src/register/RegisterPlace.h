#pragma once

#include <optional>
#include <string>

// Where a register of issued reports and what it keeps lie: the register file, the folder of the issued
// reports' files beside it ("RegisterOxycalc.txt.reports"), and the folder an issue stages them in before
// they are registered ("RegisterOxycalc.txt.staging"). Both folders lie beside the register, so that files
// move into place in one step and the register names them by their names alone: the folder can be reached
// under other drive letters from other workstations.
struct RegisterPlace {
    std::wstring file;  // absolute

    std::wstring Folder() const;   // the register's folder, where its lock is taken
    std::wstring Reports() const;  // the issued reports' files
    std::wstring Staging() const;  // an issue's files before they are registered
    // An issued file of the register by its name.
    std::wstring ReportFile(const std::wstring& name) const;
};

// The register's file name in the data folder, beside the components file.
inline constexpr wchar_t kRegisterFileName[] = L"RegisterOxycalc.txt";
// A file beside the components file naming a register kept elsewhere (a shared folder): its one line is the
// register's path.
inline constexpr wchar_t kRegisterLinkName[] = L"RegisterOxycalc.link";

// The register the data folder of a components file uses: the register file there, or the one its link
// names. Nothing while there is neither: the lab keeps no register, and reports are made as before.
std::optional<RegisterPlace> RegisterOf(const std::wstring& componentsFile);

// The register at a path given (the command line's --register).
RegisterPlace RegisterAt(const std::wstring& path);

// Writes the link beside a components file to a register kept elsewhere; false, with the system's reason,
// when it cannot be written.
bool LinkRegister(const std::wstring& componentsFile, const RegisterPlace& place, std::wstring& why);

// Whether a path is the register's or lies in one of its folders, also through a link: nothing but an issue
// ever writes there.
bool IsRegisterPlace(const std::wstring& path);
