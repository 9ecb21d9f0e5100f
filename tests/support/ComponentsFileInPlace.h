#pragma once

#include <optional>
#include <string>

// The plug-in's components file in the public documents folder, with the given content for as long
// as this object lives; the folders are made when missing, and what was there before comes back
// afterwards (or the file is removed again).
class ComponentsFileInPlace {
public:
    explicit ComponentsFileInPlace(const std::string& bytes);
    ~ComponentsFileInPlace();
    ComponentsFileInPlace(const ComponentsFileInPlace&) = delete;
    ComponentsFileInPlace& operator=(const ComponentsFileInPlace&) = delete;

    const std::wstring& Path() const { return path_; }
    void Write(const std::string& bytes) const;

private:
    std::wstring path_;
    std::optional<std::string> saved_;
};
