#pragma once

#include <string>

// A fresh folder below the system's temporary folder; removed with its content at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    // The full path of a file in the folder.
    std::wstring File(const std::wstring& name) const;
    // Writes the bytes into a file of the folder and returns its full path.
    std::wstring Write(const std::wstring& name, const std::string& bytes) const;

private:
    std::wstring path_;
};

// The whole content of a file, or its new content.
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
// Marks a file read-only (no write permission for anyone) or writable again.
void SetReadOnly(const std::wstring& path, bool readOnly);
