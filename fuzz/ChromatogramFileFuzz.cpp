// Any bytes as a chromatogram file: reading must end with a status, never crash, hang or ask for
// more memory than the file justifies; a file that reads must write and read back the same. Reading its
// outline (what loading reads) must end with the same status and say what the whole read says.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "ScratchFile.h"
#include "data/CVeltarFile4.h"

namespace {

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

// What a whole read says besides the samples and peak tables, to hold the outline read against.
ChromatogramOutline OutlineOf(const CVeltarFile4& file) {
    ChromatogramOutline outline{file.version, {}, file.passport};
    for (const ChromatogramChannel& channel : file.channels) {
        outline.channels.push_back({channel.number, channel.headerValue1, channel.headerValue2,
                                    channel.samples.size(), channel.peakMarks});
    }
    return outline;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::wstring path = ScratchFile(".stg");
    WriteBytes(path, data, size);
    CVeltarFile4 file;
    const int32_t status = file.Read(path);
    if (status > 0 || status < VeltarFileStatus::kBadXml) std::abort();
    ChromatogramOutline outline;
    if (ReadChromatogramOutline(path, outline) != status) std::abort();
    if (status == VeltarFileStatus::kOk && !SameOutline(OutlineOf(file), outline)) std::abort();
    if (status == VeltarFileStatus::kOk) CheckRoundTrip(file);
    return 0;
}
