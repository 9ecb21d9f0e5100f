// Any bytes as a chromatogram file: reading must end with a status, never crash, hang or ask for
// more memory than the file justifies; a file that reads must write and read back the same.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "data/CVeltarFile4.h"
#include "platform/FileSystemPath.h"
#include "platform/StdioFile.h"

namespace {

std::wstring ScratchFile(const char* suffix) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("oxycalc-fuzz-" + std::to_string(getpid()) + suffix);
    return FromFileSystemPath(path);
}

void WriteBytes(const std::wstring& path, const uint8_t* data, size_t size) {
    const StdioFile file = OpenStdioFile(path, "wb");
    if (!file || std::fwrite(data, 1, size, file.get()) != size) std::abort();
}

bool SameSamples(const ChromatogramChannel& a, const ChromatogramChannel& b) {
    return a.samples.size() == b.samples.size() &&
           std::memcmp(a.samples.data(), b.samples.data(), a.samples.size() * sizeof(float)) == 0;
}

bool NumbersUnique(const CVeltarFile4& file) {
    std::set<int32_t> numbers;
    for (const ChromatogramChannel& channel : file.channels) numbers.insert(channel.number);
    return numbers.size() == file.channels.size();
}

// Tables of channels that share a number all land on the first of them, so only files with
// unique numbers keep every table through a round trip.
void CheckRoundTrip(CVeltarFile4& file) {
    static const std::wstring copy = ScratchFile("-copy.stg");
    if (file.Write(copy) != VeltarFileStatus::kOk) std::abort();
    CVeltarFile4 again;
    if (again.Read(copy) != VeltarFileStatus::kOk) std::abort();
    if (again.channels.size() != file.channels.size() || again.version != file.version) std::abort();
    const bool tablesKept = NumbersUnique(file);
    for (size_t i = 0; i < file.channels.size(); ++i) {
        if (!SameSamples(file.channels[i], again.channels[i])) std::abort();
        if (tablesKept && file.channels[i].peakMarks.size() != again.channels[i].peakMarks.size())
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::wstring path = ScratchFile(".stg");
    WriteBytes(path, data, size);
    CVeltarFile4 file;
    const int32_t status = file.Read(path);
    if (status > 0 || status < VeltarFileStatus::kBadXml) std::abort();
    if (status == VeltarFileStatus::kOk) CheckRoundTrip(file);
    return 0;
}
