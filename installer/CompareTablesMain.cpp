// oxycalc-compare-tables LAB NEW OUT: the setup program's comparison of a lab's components table with the
// table it ships, made with the plug-in's own reading and comparison, so that the finish page names the
// values the plug-in will name. OUT gets one line per component whose values differ (UTF-16LE, CR LF, no
// byte-order mark: NSIS reads it with FileReadUTF16LE).
// Exit code: 0 the tables agree on every component they share, 1 they differ (OUT written), 2 a table
// does not read or OUT cannot be written, 3 wrong arguments.
#include <cstdio>
#include <string>
#include <vector>

#include "messages/Catalogue.h"
#include "platform/ProgramArguments.h"
#include "platform/StdioFile.h"
#include "records/NewDefaultTable.h"
#include "tables/ComponentsTable.h"

namespace {

bool Read(const std::wstring& path, ComponentsTable& table) {
    table.path = path;
    return table.LoadReadOnly() && table.headerLength >= 0;
}

bool WriteUtf16Lines(const std::wstring& path, const std::vector<std::wstring>& lines) {
    StdioFile file = OpenStdioFile(path, "wb");
    if (!file) return false;
    std::u16string text;
    for (const std::wstring& line : lines) text += std::u16string(line.begin(), line.end()) + u"\r\n";
    const bool written = std::fwrite(text.data(), sizeof(char16_t), text.size(), file.get()) == text.size();
    return std::fclose(file.release()) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::wstring> arguments = ProgramArguments(argc, argv);
    if (arguments.size() != 3) return 3;
    ComponentsTable lab;
    ComponentsTable shipped;
    if (!Read(arguments[0], lab) || !Read(arguments[1], shipped)) return 2;
    // The setup program's pages and log speak Russian.
    std::vector<std::wstring> differences;
    for (const Message& difference : DescribeDefaultDifferences(lab.components, shipped.components))
        differences.push_back(Render(difference, Language::Russian));
    if (differences.empty()) return 0;
    return WriteUtf16Lines(arguments[2], differences) ? 1 : 2;
}
