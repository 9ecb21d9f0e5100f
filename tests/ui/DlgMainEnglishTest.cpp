// A host that runs in English: every text the main dialog shows comes from the English resource
// library, and "->" makes the report with Report.ENU.xsl.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "DemoData.h"
#include "UiFixture.h"
#include "platform/FileSystemPath.h"
#include "platform/TemporaryFile.h"
#include "res/ResourceIds.h"
#include "support/DataFileInPlace.h"

namespace {

std::wstring StylesheetFile(const std::wstring& name) {
    const std::string folder = std::string("Z:") + OXY_STYLESHEET_DIR;
    return std::wstring(folder.begin(), folder.end()) + L"/" + name;
}

// The report files in the temporary folder: the HTML files and the files that held their names.
struct ReportFiles {
    std::vector<std::wstring> html;
    size_t reserved = 0;
};

ReportFiles TemporaryReportFiles() {
    ReportFiles files;
    for (const auto& entry : std::filesystem::directory_iterator(ToFileSystemPath(TemporaryFolder()))) {
        const std::wstring name = FromFileSystemPath(entry.path().filename());
        if (name.rfind(L"vlt", 0) != 0) continue;
        if (name.size() > 5 && name.substr(name.size() - 5) == L".html") {
            files.html.push_back(FromFileSystemPath(entry.path()));
        } else {
            ++files.reserved;
        }
    }
    return files;
}

// Both stylesheets in the data folder, as the setup program installs them.
class DlgMainEnglishTest : public UiFixture {
protected:
    DataFileInPlace russian{L"\\Report.xsl", ReadBytes(StylesheetFile(L"Report.xsl"))};
    DataFileInPlace english{L"\\Report.ENU.xsl", ReadBytes(StylesheetFile(L"Report.ENU.xsl"))};

    // Makes a report with "->"; its page. The page is left behind, and the empty file whose name it took.
    std::string MakeReport(const DlgMain& dialog) {
        const ReportFiles before = TemporaryReportFiles();
        Click(dialog.Handle(), IDC_OXY_REPORT);
        const ReportFiles after = TemporaryReportFiles();
        EXPECT_EQ(after.reserved, before.reserved + 1);
        std::vector<std::wstring> added;
        for (const std::wstring& page : after.html) {
            if (std::find(before.html.begin(), before.html.end(), page) == before.html.end())
                added.push_back(page);
        }
        if (added.size() != 1) {
            ADD_FAILURE() << added.size() << " new report pages";
            return std::string();
        }
        return ReadBytes(added[0]);
    }
};

}  // namespace

TEST_F(DlgMainEnglishTest, WarningsBoxesAndCaptionsComeFromTheEnglishLibrary) {
    const EnglishResources inEnglish;
    auto dialog = WithChromatograms({101, 105});
    HWND hwnd = dialog->Handle();
    SetEditText(hwnd, IDC_OXY_DENSITY, L"745.68");
    SetEditText(hwnd, IDC_OXY_STANDARD, L"DME?");
    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(0, true);
    const std::wstring standard =
        L"The standard “DME?” is not in the components table: its oxygen is counted in the total.";
    EXPECT_EQ(WindowText(dialog->Item(IDC_OXY_WARNINGS)), standard);
    EXPECT_EQ(dialog->Tooltips().ToolText(dialog->Item(IDC_OXY_STANDARD)), standard);
    EXPECT_EQ(dialog->Tooltips().ToolText(dialog->Item(IDC_OXY_ADD)), L"Add chromatograms");

    ListOf(*dialog, IDC_OXY_CHROMATOGRAMS).SetChecked(1, true);
    host.chosenIds = {106};
    Click(hwnd, IDC_OXY_ADD);
    SetEditText(hwnd, IDC_OXY_DENSITY, L"7x");
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].caption, L"Error");
    EXPECT_EQ(boxes.boxes[0].text,
              L"This chromatogram cannot be selected because its sample mass is not given.");
    EXPECT_EQ(boxes.boxes[1].caption, L"Error");
    EXPECT_EQ(boxes.boxes[1].text, L"The file did not load: '" + DemoFile(L"Проба 0988-2.stg") + L"'");
    // A slip in a field is said in the warning list, not in a box that would take the next keys.
    EXPECT_NE(
        WindowText(dialog->Item(IDC_OXY_WARNINGS))
            .find(
                L"The sample density “7x” is no number: the calculation keeps the one before, 745.68 kg/m3"),
        std::wstring::npos);
}

TEST_F(DlgMainEnglishTest, TheReportIsMadeWithTheHostLanguagesStylesheetAndLeavesItsPageAndEmptyFile) {
    {
        auto dialog = WithChromatograms({101, 102, 103});
        const std::string page = MakeReport(*dialog);
        EXPECT_NE(page.find("Общее содержание органически связанного кислорода"), std::string::npos);
    }
    const EnglishResources inEnglish;
    auto dialog = WithChromatograms({101, 102, 103});
    const std::string page = MakeReport(*dialog);
    EXPECT_NE(page.find("Total organically bound oxygen"), std::string::npos);
    EXPECT_EQ(page.find("Общее содержание"), std::string::npos);
}
