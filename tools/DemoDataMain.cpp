// oxycalc-demo-data FOLDER [--samples N]
// Writes the demo data into FOLDER: host.db, the chromatogram files (a check standard's daily runs among
// them), CompsTableOxycalc.csv, QcOxycalc.csv and densities.csv.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "DemoData.h"
#include "platform/ProgramArguments.h"
#include "platform/WideText.h"

namespace {

int Usage() {
    std::fputs("usage: oxycalc-demo-data FOLDER [--samples N]\n", stderr);
    return 2;
}

int Generate(const std::vector<std::wstring>& args) {
    if (args.empty()) return Usage();
    size_t samples = 18000;
    if (args.size() == 3 && args[1] == L"--samples") {
        samples = static_cast<size_t>(std::stoul(args[2]));
    } else if (args.size() != 1) {
        return Usage();
    }
    DemoData::WriteDemo(args[0], samples, true);
    std::printf("demo data written to %s\n", ToUtf8(args[0]).c_str());
    return 0;
}

int Main(const std::vector<std::wstring>& args) {
    try {
        return Generate(args);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "oxycalc-demo-data: %s\n", error.what());
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    return Main(ProgramArguments(argc, argv));
}
