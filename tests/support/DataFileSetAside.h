#pragma once

#include <string>
#include <vector>

// A file of the plug-in's data folder ("\LimitsOxycalc.csv") moved away with its change log and kept
// versions for as long as this object lives, so that a test does not read what a demo or an earlier run
// left there; whatever the test leaves at those names goes, and the originals come back.
class DataFileSetAside {
public:
    explicit DataFileSetAside(const std::wstring& fileName);
    ~DataFileSetAside();
    DataFileSetAside(const DataFileSetAside&) = delete;
    DataFileSetAside& operator=(const DataFileSetAside&) = delete;

private:
    std::vector<std::wstring> paths_;  // the file, its log and its versions folder
    std::vector<bool> setAside_;
};
