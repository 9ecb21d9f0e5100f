#pragma once

#include <optional>
#include <string>

// A file of the plug-in's data folder below the public documents folder ("\Report.xsl"), with the
// given content for as long as this object lives; the folders are made when missing, and what was
// there before comes back afterwards (or the file is removed again).
class DataFileInPlace {
public:
    DataFileInPlace(const std::wstring& fileName, const std::string& bytes);
    ~DataFileInPlace();
    DataFileInPlace(const DataFileInPlace&) = delete;
    DataFileInPlace& operator=(const DataFileInPlace&) = delete;

    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
    std::optional<std::string> saved_;
    bool logWasThere_ = false;
};
