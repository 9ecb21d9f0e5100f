#include "data/ChromatogramFileCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "data/CVeltarFile4.h"
#include "platform/FileSystemPath.h"
#include "platform/Sha256.h"
#include "support/FailingDigest.h"
#include "support/TempFolder.h"

namespace {

using State = ChromatogramFileCheck::State;

// A chromatogram file of two channels, and the chromatogram as the list loaded it.
class ChromatogramFileCheckTest : public ::testing::Test {
protected:
    ChromatogramFileCheckTest() {
        file.passport.sample = L"АИ-95-К5";
        file.passport.items.push_back({L"masssample", L"Масса пробы, г", L"10.0213"});
        file.channels.resize(2);
        file.channels[0].number = 1;
        file.channels[0].samples.assign(50000, 1.5f);
        file.channels[0].headerValue1 = 20;
        file.channels[1].number = 2;
        file.channels[1].samples.assign(50000, 2.5f);
        assay.fileName = folder.File(L"Проба 2417-1.stg");
        EXPECT_EQ(file.Write(assay.fileName), 0);
        ChromatogramOutline outline;
        EXPECT_EQ(ReadChromatogramOutline(assay.fileName, outline), 0);
        TakeOutline(assay, outline);
    }

    // The file written again after `change`.
    void Rewrite(const std::function<void(CVeltarFile4&)>& change) {
        CVeltarFile4 changed = file;
        change(changed);
        ASSERT_EQ(changed.Write(assay.fileName), 0);
    }

    TempFolder folder;
    CVeltarFile4 file;
    Assay assay;
};

}  // namespace

TEST_F(ChromatogramFileCheckTest, AFileAsLoadedGivesTheChecksumOfItsWholeContent) {
    const ChromatogramFileCheck check = CheckChromatogramFile(assay);
    EXPECT_EQ(check.state, State::Same);
    EXPECT_EQ(check.sha256, Sha256OfFile(assay.fileName));
    EXPECT_FALSE(check.checksumUnavailable);
}

// What the calculation took from the file (its passport) or what tells one file from another (its
// header and block headers) changed: the values loaded are stale. Its samples, which nothing takes, may
// change: the checksum is then the new file's.
TEST_F(ChromatogramFileCheckTest, AFileChangedBetweenLoadingAndTheReportIsTold) {
    const std::vector<std::function<void(CVeltarFile4&)>> changes{
        [](CVeltarFile4& f) { f.passport.items[0].value = L"9.9874"; },
        [](CVeltarFile4& f) { f.passport.sample = L"АИ-92"; },
        [](CVeltarFile4& f) { f.channels[1].samples.push_back(0.0f); },
        [](CVeltarFile4& f) { f.channels[0].headerValue1 = 10; },
        [](CVeltarFile4& f) { f.channels.pop_back(); },
        [](CVeltarFile4& f) { f.version = 0; },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        Rewrite(changes[i]);
        const ChromatogramFileCheck check = CheckChromatogramFile(assay);
        EXPECT_EQ(check.state, State::Changed) << i;
        EXPECT_TRUE(check.sha256.empty()) << i;
    }
    Rewrite([](CVeltarFile4& f) { f.channels[0].samples[7] = -1.0f; });
    EXPECT_EQ(CheckChromatogramFile(assay).state, State::Same);
    EXPECT_EQ(CheckChromatogramFile(assay).sha256, Sha256OfFile(assay.fileName));
}

TEST_F(ChromatogramFileCheckTest, AFileThatNoLongerReadsIsToldAndOneThatNeverLoadedIsNotHeldToAnything) {
    std::filesystem::resize_file(ToFileSystemPath(assay.fileName), 16 + 32 + 4000);
    EXPECT_EQ(CheckChromatogramFile(assay).state, State::NotRead);
    std::filesystem::remove(ToFileSystemPath(assay.fileName));
    EXPECT_EQ(CheckChromatogramFile(assay).state, State::NotRead);

    ASSERT_EQ(file.Write(assay.fileName), 0);
    assay.passport.reset();
    assay.channels.clear();
    const ChromatogramFileCheck check = CheckChromatogramFile(assay);
    EXPECT_EQ(check.state, State::NotLoaded);
    EXPECT_TRUE(check.sha256.empty());
    EXPECT_FALSE(check.checksumUnavailable);
}

// A checksum that cannot be made must not cost the chromatogram its report.
TEST_F(ChromatogramFileCheckTest, AChecksumThatCannotBeMadeLeavesTheFileAsLoadedAndSaysSo) {
    if (!CanMakeDigestsFail())
        GTEST_SKIP() << "the platform's cryptography is made to fail through OpenSSL only";
    ChromatogramFileCheck check;
    {
        const FailingDigest failing;
        check = CheckChromatogramFile(assay);
    }
    EXPECT_EQ(check.state, State::Same);
    EXPECT_TRUE(check.sha256.empty());
    EXPECT_TRUE(check.checksumUnavailable);
    EXPECT_EQ(CheckChromatogramFile(assay).sha256.size(), 64u);
}
