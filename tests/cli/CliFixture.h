#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ScopedTimeZone.h"
#include "support/TempFolder.h"

// What one run of oxycalc-cli gave.
struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// oxycalc-cli run as a program on the demo data in a folder of its own, in UTC. At the end every report
// for programs the test made there (a report, a notice of withdrawal) is checked against its JSON Schema.
class CliFixture : public ::testing::Test {
protected:
    CliFixture();
    void TearDown() override;

    CliRun Run(const std::vector<std::string>& args) const;
    // --db and --components of the demo, followed by the given arguments.
    CliRun Report(const std::vector<std::string>& args) const;
    // `batch` on the demo data with the repository's stylesheets into the folder `out`.
    std::vector<std::string> Batch(const std::wstring& out) const;

    std::string Path(const std::wstring& name) const;
    // The demo petrol's three parallel determinations, ticked, with its density.
    static std::vector<std::string> DemoPetrol();
    // A copy of a shipped limits file in the test's folder: its change log is kept beside it.
    std::string ShippedLimits(const std::wstring& name) const;
    std::string Read(const std::wstring& name) const;

    const ScopedTimeZone utc{"UTC0"};
    TempFolder folder;
};

bool Holds(const std::string& text, const std::string& part);
size_t Count(const std::string& text, const std::string& part);
// An argument quoted for the shell.
std::string Quoted(const std::string& argument);
