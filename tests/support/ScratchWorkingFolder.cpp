// Every test program runs in an empty working folder of its own and fails when anything is left in it: a
// file written by a relative path no test meant (a name made of freed memory, a forgotten folder) lands
// there instead of in the folder the program was started from, the source tree when run by hand.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/FileSystemPath.h"
#include "platform/WideText.h"
#include "support/TempFolder.h"

namespace {

class ScratchWorkingFolder : public ::testing::Environment {
public:
    void SetUp() override {
        folder_ = std::make_unique<TempFolder>();
        started_ = std::filesystem::current_path();
        std::filesystem::current_path(ToFileSystemPath(folder_->Path()));
    }

    void TearDown() override {
        std::filesystem::current_path(started_);
        std::error_code error;
        for (const auto& entry :
             std::filesystem::directory_iterator(ToFileSystemPath(folder_->Path()), error))
            ADD_FAILURE() << "written into the working folder: «"
                          << ToUtf8(FromFileSystemPath(entry.path().filename())) << "»";
        folder_.reset();
    }

private:
    std::unique_ptr<TempFolder> folder_;
    std::filesystem::path started_;
};

[[maybe_unused]] const ::testing::Environment* const kScratch =
    ::testing::AddGlobalTestEnvironment(new ScratchWorkingFolder);

}  // namespace
