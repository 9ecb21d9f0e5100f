#include "report/ReportModel.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/CVeltarFile4.h"
#include "platform/FileSystemPath.h"
#include "platform/Sha256.h"
#include "support/RecordingMessages.h"
#include "support/TempFolder.h"

namespace {

// Three listed chromatograms: two whose files loaded, one whose file did not.
class TakeChecksumsTest : public ::testing::Test {
protected:
    TakeChecksumsTest() {
        for (int32_t id : {101, 102, 103}) {
            Assay assay;
            assay.id = id;
            assay.fileName = folder.File(std::to_wstring(id) + L".stg");
            assay.isTicked = id == 103 ? 0 : 1;
            if (id != 103) WriteAndLoad(assay, L"10.0213");
            assays.push_back(assay);
        }
    }

    static void WriteAndLoad(Assay& assay, const std::wstring& mass) {
        WriteWithMass(assay.fileName, mass);
        ChromatogramOutline outline;
        ASSERT_EQ(ReadChromatogramOutline(assay.fileName, outline), 0);
        TakeOutline(assay, outline);
    }
    static void WriteWithMass(const std::wstring& path, const std::wstring& mass) {
        CVeltarFile4 file;
        file.passport.items.push_back({L"masssample", L"Масса пробы, г", mass});
        file.channels.resize(1);
        file.channels[0].samples.assign(1000, 0.25f);
        ASSERT_EQ(file.Write(path), 0);
    }

    TempFolder folder;
    std::vector<Assay> assays;
    RecordingMessages messages;
};

}  // namespace

TEST_F(TakeChecksumsTest, EachLoadedFileOfTheListGetsItsChecksumWhenTheReportIsMade) {
    ReportModel model = MakeReportModel(assays, CalculationData(), 1710411000);
    EXPECT_TRUE(model.chromatograms[0].fileSha256.empty());  // none before the report takes them
    ASSERT_TRUE(TakeChecksums(model, assays, messages));
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(model.chromatograms[0].fileSha256, Sha256OfFile(assays[0].fileName));
    EXPECT_EQ(model.chromatograms[1].fileSha256, Sha256OfFile(assays[1].fileName));
    // Not loaded: no checksum, and none missing for want of the platform's cryptography.
    WriteWithMass(assays[2].fileName, L"1");
    EXPECT_TRUE(model.chromatograms[2].fileSha256.empty());
    EXPECT_FALSE(model.chromatograms[2].checksumUnavailable);
}

TEST_F(TakeChecksumsTest, AFileChangedOrGoneSinceLoadingStopsTheReportAndIsNamed) {
    ReportModel model = MakeReportModel(assays, CalculationData(), 1710411000);
    WriteWithMass(assays[0].fileName, L"9.9874");
    std::filesystem::remove(ToFileSystemPath(assays[1].fileName));
    EXPECT_FALSE(TakeChecksums(model, assays, messages));
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0],
              L"отчёт не составлен: файл хроматограммы 101 «" + assays[0].fileName +
                  L"» изменён после загрузки, файл хроматограммы 102 «" + assays[1].fileName +
                  L"» больше не читается; значения, загруженные из файла, могут быть уже не его: загрузите "
                  L"хроматограммы заново и составьте отчёт снова");

    // Loaded again, the list reports.
    WriteAndLoad(assays[0], L"9.9874");
    WriteAndLoad(assays[1], L"10.0213");
    messages.errors.clear();
    model = MakeReportModel(assays, CalculationData(), 1710411000);
    EXPECT_TRUE(TakeChecksums(model, assays, messages));
    EXPECT_TRUE(messages.errors.empty());
}
