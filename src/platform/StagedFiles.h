#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/InterruptCleanup.h"

// Files written together: each is first written into a temporary file of its own, made unique in its
// target's folder (so that it can never be another output, an input or another run's file) or in a
// staging folder of the caller's on the same volume, and all take their targets' places only when every
// one of them is whole. Temporary files not committed are removed, also when the program is interrupted;
// the targets' previous files then stay as they were.
class StagedFiles {
public:
    StagedFiles() = default;
    // Stages into this folder, which must lie on the targets' volume (a folder inside theirs).
    explicit StagedFiles(std::wstring stagingFolder) : stagingFolder_(std::move(stagingFolder)) {}
    ~StagedFiles();
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // The temporary file for a target, to write into; empty, after nothing is made, when none could be
    // made in the target's folder (`why` then says the system's reason).
    std::wstring Stage(const std::wstring& target, std::wstring* why = nullptr);

    size_t Count() const { return files_.size(); }
    const std::wstring& Target(size_t index) const { return files_[index].target; }
    const std::wstring& Temporary(size_t index) const { return files_[index].temporary; }

    // Puts every temporary file in its target's place; false when one could not be put (those before
    // it are in place, the rest are removed). Afterwards nothing is staged.
    bool Commit();
    // Removes every temporary file; nothing is staged afterwards.
    void Discard();

private:
    struct File {
        std::wstring target;
        std::wstring temporary;
        std::unique_ptr<RemovedOnInterrupt> cleanup;
    };
    std::wstring stagingFolder_;  // empty: each target's own folder
    std::vector<File> files_;
};
