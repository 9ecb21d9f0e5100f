#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "hostlink/ProfileSettings.h"
#include "support/TestHost.h"

namespace {

const std::wstring kRoot = L"plugins\\oxycalc\\/";

TEST(ProfileKey, JoinsRootSectionAndKey) {
    EXPECT_EQ(MakeProfileKey(L"plugins\\oxycalc", L"", L"WindowRect_tlx"),
              L"plugins\\oxycalc\\/WindowRect_tlx");
    EXPECT_EQ(MakeProfileKey(L"", L"s", L"k"), L"s/k");
}

TEST(ProfileSettings, AHostWithoutTheServicesGivesTheDefaults) {
    TestHost& host = TestHost::Instance();
    host.Reset();
    host.offered.clear();
    host.profile[kRoot + L"x"] = L"7";
    const ProfileSettings profile(HostLink(host.Table()), L"plugins\\oxycalc");
    EXPECT_EQ(profile.ProfileGetInt(L"", L"x", 3), 3);
    EXPECT_EQ(profile.ProfileGetString(L"", L"x", L"404"), L"404");
    EXPECT_FALSE(profile.ProfileSetInt(L"", L"x", 1));
    // It asks whether the services exist, and calls none.
    EXPECT_TRUE(std::none_of(host.calls.begin(), host.calls.end(),
                             [](const std::string& call) { return call.rfind("call ", 0) == 0; }));
}

}  // namespace
