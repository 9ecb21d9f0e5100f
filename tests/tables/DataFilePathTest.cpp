#include "tables/DataFilePath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messages/UserMessages.h"

namespace {

class RecordedMessages : public UserMessages {
public:
    using UserMessages::ShowError;
    using UserMessages::ShowMessage;
    void ShowError(const std::wstring& text) override { shown.push_back(text); }
    void ShowMessage(const std::wstring& text) override { shown.push_back(text); }

    std::vector<std::wstring> shown;
};

}  // namespace

#ifdef _WIN32

TEST(DataFilePath, PutsTheFileInVeltar4OxycalcBelowPublicDocuments) {
    RecordedMessages messages;
    const std::wstring path = DataFilePath(L"\\CompsTableOxycalc.csv", messages);
    const std::wstring tail = L"\\Veltar4\\oxycalc\\CompsTableOxycalc.csv";
    ASSERT_GT(path.size(), tail.size());
    EXPECT_EQ(path.substr(path.size() - tail.size()), tail);
    EXPECT_TRUE(messages.shown.empty());
}

#else

#include "platform/ScopedEnvironment.h"

TEST(DataFilePath, PutsTheFileInVeltar4OxycalcBelowPublicDocuments) {
    RecordedMessages messages;
    ScopedEnvironment variable("OXYCALC_PUBLIC_DOCUMENTS", "/srv/public");
    EXPECT_EQ(DataFilePath(L"\\CompsTableOxycalc.csv", messages),
              L"/srv/public/Veltar4/oxycalc/CompsTableOxycalc.csv");
    EXPECT_TRUE(messages.shown.empty());
}

TEST(DataFilePath, TellsTheUserWhenThereIsNoPublicDocumentsFolder) {
    RecordedMessages messages;
    ScopedEnvironment variable("OXYCALC_PUBLIC_DOCUMENTS", nullptr);
    ScopedEnvironment home("HOME", nullptr);
    ScopedEnvironment xdg("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(DataFilePath(L"\\Report.xsl", messages), L"");
    EXPECT_EQ(messages.shown, std::vector<std::wstring>{L"Не найден путь до общих документов."});
}

#endif
