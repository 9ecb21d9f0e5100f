#include <gtest/gtest.h>

#include "FakeHost.h"
#include "hostlink/ProfileSettings.h"

namespace {

const std::wstring kRoot = L"plugins\\oxycalc\\/";

TEST(ProfileKey, JoinsRootSectionAndKey) {
    EXPECT_EQ(MakeProfileKey(L"plugins\\oxycalc", L"", L"WindowRect_tlx"),
              L"plugins\\oxycalc\\/WindowRect_tlx");
    EXPECT_EQ(MakeProfileKey(L"", L"s", L"k"), L"s/k");
}

TEST(ProfileSettings, AHostWithoutTheServicesGivesTheDefaults) {
    FakeHost& host = FakeHost::Instance();
    host.Reset();
    host.offered.clear();
    host.profile[kRoot + L"x"] = L"7";
    const ProfileSettings profile(HostLink(host.Table()), L"plugins\\oxycalc");
    EXPECT_EQ(profile.ProfileGetInt(L"", L"x", 3), 3);
    EXPECT_EQ(profile.ProfileGetString(L"", L"x", L"404"), L"404");
    EXPECT_FALSE(profile.ProfileSetInt(L"", L"x", 1));
    EXPECT_TRUE(host.calls.empty());
}

}  // namespace
