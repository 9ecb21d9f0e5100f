#include "data/CVeltarFile4.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <limits>
#include <memory>
#include <new>

#include "data/XmlValue.h"
#include "platform/NumberText.h"
#include "platform/RegularFile.h"
#include "platform/StdioFile.h"

using namespace VeltarFileStatus;

namespace {

constexpr size_t kHeaderSize = 16;
constexpr size_t kBlockHeaderSize = 32;
constexpr uint64_t kSampleCountLimit = uint64_t{1} << 32;

uint64_t LoadU64(const unsigned char* bytes) {
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

double LoadDouble(const unsigned char* bytes) {
    const uint64_t bits = LoadU64(bytes);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void StoreU64(unsigned char* bytes, uint64_t value) {
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

void StoreDouble(unsigned char* bytes, double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    StoreU64(bytes, bits);
}

// Samples are stored as little-endian floats, the byte order of both our targets, so they are read
// straight into place, all of a block in one read, into room that is not zeroed first.
bool ReadSamples(RegularFile& file, uint64_t count, Samples& samples) {
    if (count > samples.max_size()) return false;
    samples.resize(static_cast<size_t>(count));
    const size_t bytes = samples.size() * sizeof(float);
    return file.Read(samples.data(), bytes) == bytes;
}

size_t SampleCount(const ChromatogramChannel& channel) {
    std::lock_guard<std::mutex> guard(channel.samplesLock);
    return channel.samples.size();
}

// The children of a table item, in the order they are written.
// clang-format off
enum PeakField : size_t {
    kFront, kBack, kTime, kArea, kHeight, kConcent, kName, kReference, kLeft, kRight, kFlags,
    kFrontBaseHeight, kBackBaseHeight, kIndex, kPeakFieldCount
};
const wchar_t* const kPeakFieldNames[kPeakFieldCount] = {
    L"front", L"back", L"time", L"area", L"height", L"concent", L"name", L"reference", L"left", L"right",
    L"flags", L"front_base_height", L"back_base_height", L"index"};
// clang-format on

// The field a child's name names, looked for first where the written order puts it; kPeakFieldCount
// for any other name.
size_t PeakFieldOf(const wchar_t* name, size_t expected) {
    for (size_t tried = 0; tried < kPeakFieldCount; ++tried) {
        const size_t field = (expected + tried) % kPeakFieldCount;
        if (std::wcscmp(name, kPeakFieldNames[field]) == 0) return field;
    }
    return kPeakFieldCount;
}

// Each field from the "value" of the first child of its name, as a lookup by name finds it, but in one
// pass over the children: a file holds thousands of them.
PeakMark ReadPeakMark(const pugi::xml_node& item) {
    pugi::xml_attribute values[kPeakFieldCount];
    bool seen[kPeakFieldCount] = {};
    size_t expected = 0;
    for (pugi::xml_node child = item.first_child(); child; child = child.next_sibling()) {
        const size_t field = PeakFieldOf(child.name(), expected);
        if (field == kPeakFieldCount || seen[field]) continue;
        seen[field] = true;
        values[field] = child.attribute(L"value");
        expected = field + 1;
    }
    PeakMark mark;
    mark.front = ParseDouble(values[kFront].value());
    mark.back = ParseDouble(values[kBack].value());
    mark.time = ParseDouble(values[kTime].value());
    mark.area = ParseDouble(values[kArea].value());
    mark.height = ParseDouble(values[kHeight].value());
    mark.concent = ParseDouble(values[kConcent].value());
    mark.name = values[kName].value();
    mark.reference = values[kReference].as_bool(false);
    mark.left = values[kLeft].as_int(-1);
    mark.right = values[kRight].as_int(-1);
    mark.flags = values[kFlags].as_uint(0);
    mark.front_base_height = ParseDouble(values[kFrontBaseHeight].value());
    mark.back_base_height = ParseDouble(values[kBackBaseHeight].value());
    mark.index = ParseDouble(values[kIndex].value());
    return mark;
}

void WritePeakMark(pugi::xml_node item, const PeakMark& mark) {
    using namespace XmlValue;
    AppendDouble(item, L"front", mark.front);
    AppendDouble(item, L"back", mark.back);
    AppendDouble(item, L"time", mark.time);
    AppendDouble(item, L"area", mark.area);
    AppendDouble(item, L"height", mark.height);
    AppendDouble(item, L"concent", mark.concent);
    AppendText(item, L"name", mark.name);
    AppendBool(item, L"reference", mark.reference);
    AppendInt32(item, L"left", mark.left);
    AppendInt32(item, L"right", mark.right);
    AppendUInt32(item, L"flags", mark.flags);
    AppendDouble(item, L"front_base_height", mark.front_base_height);
    AppendDouble(item, L"back_base_height", mark.back_base_height);
    AppendDouble(item, L"index", mark.index);
}

// The header's version and end-of-blocks offset; a status.
int32_t ReadHeader(RegularFile& file, uint8_t& version, uint64_t& endOfBlocks) {
    unsigned char header[kHeaderSize];
    if (file.Read(header, kHeaderSize) != kHeaderSize) return kShortHeader;
    if (std::memcmp(header, "STG", 3) != 0) return kBadSignature;
    if (header[3] > 1) return kBadVersion;
    version = header[3];
    endOfBlocks = LoadU64(header + 8);
    return kOk;
}

// Reads each block header and hands the channel it describes to `take`, which reads or passes the
// samples that follow (false: they did not read). The end-of-blocks offset only says whether another
// block follows; the XML starts wherever the last block ended, at `position` on return.
template <typename Take>
int32_t ReadBlocks(RegularFile& file, uint64_t endOfBlocks, uint64_t& position, Take take) {
    while (position < endOfBlocks) {
        unsigned char block[kBlockHeaderSize];
        if (file.Read(block, kBlockHeaderSize) != kBlockHeaderSize) return kShortBlockHeader;
        position += kBlockHeaderSize;
        const uint64_t count = LoadU64(block + 24);
        // A count the rest of the file cannot hold is refused before anything is allocated or passed: a
        // damaged file must not ask for gigabytes, and a truncated one is found even where its samples
        // are not read.
        const uint64_t remaining = file.Size() > position ? file.Size() - position : 0;
        if (count >= kSampleCountLimit || count > remaining / sizeof(float)) return kBadSamples;
        const ChannelOutline channel{block[0], LoadDouble(block + 8), LoadDouble(block + 16), count, {}};
        if (!take(channel)) return kBadSamples;
        position += count * sizeof(float);
    }
    return kOk;
}

// Fills the peak tables of the channels whose numbers the `channels` element names.
template <typename Channel>
void ReadPeakTables(const pugi::xml_node& element, std::vector<Channel>& channels) {
    for (const pugi::xml_node& channelElement : element.children(L"channel")) {
        const pugi::xml_attribute number = XmlValue::Of(channelElement, L"number");
        if (!number || number.as_int() < 0) continue;
        const auto channel = std::find_if(channels.begin(), channels.end(), [&](const auto& candidate) {
            return candidate.number == number.as_int();
        });
        if (channel == channels.end()) continue;
        channel->peakMarks.clear();
        for (const pugi::xml_node& item : channelElement.child(L"table").children(L"item")) {
            channel->peakMarks.push_back(ReadPeakMark(item));
        }
    }
}

// The XML part, the rest of the file from `position`; false when it does not parse.
bool ParseXml(RegularFile& file, uint64_t position, pugi::xml_document& document) {
    const uint64_t length = file.Size() > position ? file.Size() - position : 0;
    if (length > std::numeric_limits<size_t>::max()) return false;
    // Left uninitialised: the read fills it.
    const std::unique_ptr<char[]> text(new char[static_cast<size_t>(length)]);
    const size_t read = file.Read(text.get(), static_cast<size_t>(length));
    // pugixml reports memory it cannot get as a parse failure.
    return static_cast<bool>(
        document.load_buffer(text.get(), read, pugi::parse_default, pugi::encoding_auto));
}

}  // namespace

int32_t CVeltarFile4::Read(const std::wstring& path) {
    // What running out of memory means depends on the part being read when it happens.
    int32_t failure = kNotOpened;
    try {
        RegularFile file(path);
        if (!file.IsOpen()) return kNotOpened;
        uint64_t endOfBlocks = 0;
        const int32_t header = ReadHeader(file, version, endOfBlocks);
        if (header != kOk) return header;
        channels.clear();
        uint64_t position = kHeaderSize;
        failure = kBadSamples;
        const int32_t status = ReadBlocks(file, endOfBlocks, position, [&](const ChannelOutline& outline) {
            ChromatogramChannel channel;
            if (!ReadSamples(file, outline.sampleCount, channel.samples)) return false;
            channel.number = outline.number;
            channel.headerValue1 = outline.headerValue1;
            channel.headerValue2 = outline.headerValue2;
            channels.push_back(std::move(channel));
            return true;
        });
        if (status != kOk) return status;
        failure = kBadXml;
        pugi::xml_document document;
        if (!ParseXml(file, position, document)) return kBadXml;
        const pugi::xml_node root = document.child(L"root");
        passport.Read(root.child(L"passport"));
        ReadChannels(root.child(L"channels"));
        passport.path = path;
        return kOk;
    } catch (const std::bad_alloc&) {
        return failure;
    }
}

int32_t ReadChromatogramOutline(RegularFile& file, ChromatogramOutline& outline) {
    int32_t failure = kNotOpened;
    try {
        outline.channels.clear();
        if (!file.IsOpen()) return kNotOpened;
        uint64_t endOfBlocks = 0;
        const int32_t header = ReadHeader(file, outline.version, endOfBlocks);
        if (header != kOk) return header;
        uint64_t position = kHeaderSize;
        failure = kBadSamples;
        const int32_t status = ReadBlocks(file, endOfBlocks, position, [&](const ChannelOutline& channel) {
            if (!file.Skip(channel.sampleCount * sizeof(float))) return false;
            outline.channels.push_back(channel);
            return true;
        });
        if (status != kOk) return status;
        failure = kBadXml;
        pugi::xml_document document;
        if (!ParseXml(file, position, document)) return kBadXml;
        const pugi::xml_node root = document.child(L"root");
        outline.passport.Read(root.child(L"passport"));
        ReadPeakTables(root.child(L"channels"), outline.channels);
        return kOk;
    } catch (const std::bad_alloc&) {
        return failure;
    }
}

int32_t ReadChromatogramOutline(const std::wstring& path, ChromatogramOutline& outline) {
    RegularFile file(path);
    const int32_t status = ReadChromatogramOutline(file, outline);
    if (status == kOk) outline.passport.path = path;
    return status;
}

void CVeltarFile4::ReadChannels(const pugi::xml_node& element) {
    ReadPeakTables(element, channels);
}

int32_t CVeltarFile4::Write(const std::wstring& path) {
    const StdioFile file = OpenStdioFile(path, "wb");
    if (!file) return kNotOpened;
    const int32_t status = WriteBlocks(file.get());
    if (status != kOk) return status;
    passport.path = path;
    SaveXml(file.get());
    // Flushed here so that a full disk shows as a failure instead of data lost silently at closing.
    if (std::fflush(file.get()) != 0 || std::ferror(file.get()) != 0) return kBadXml;
    return kOk;
}

int32_t CVeltarFile4::WriteBlocks(std::FILE* file) const {
    uint64_t endOfBlocks = kHeaderSize;
    for (const ChromatogramChannel& channel : channels) {
        endOfBlocks += kBlockHeaderSize + uint64_t{sizeof(float)} * SampleCount(channel);
    }
    unsigned char header[kHeaderSize] = {'S', 'T', 'G', version};
    StoreU64(header + 8, endOfBlocks);
    if (std::fwrite(header, 1, kHeaderSize, file) != kHeaderSize) return kShortHeader;
    for (const ChromatogramChannel& channel : channels) {
        const Samples samples = channel.CopySamples();
        unsigned char block[kBlockHeaderSize] = {static_cast<unsigned char>(channel.number & 0xFF)};
        StoreDouble(block + 8, channel.headerValue1);
        StoreDouble(block + 16, channel.headerValue2);
        StoreU64(block + 24, samples.size());
        if (std::fwrite(block, 1, kBlockHeaderSize, file) != kBlockHeaderSize) return kShortBlockHeader;
        if (std::fwrite(samples.data(), sizeof(float), samples.size(), file) != samples.size()) {
            return kBadSamples;
        }
    }
    return kOk;
}

void CVeltarFile4::SaveXml(std::FILE* file) {
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute(L"version").set_value(L"1.0");
    declaration.append_attribute(L"encoding").set_value(L"utf-8");
    pugi::xml_node root = document.append_child(L"root");
    root.append_attribute(L"version").set_value(1);
    passport.Write(root.append_child(L"passport"));
    WriteChannels(root.append_child(L"channels"));
    pugi::xml_writer_file writer(file);
    document.save(writer, L"\t", pugi::format_default, pugi::encoding_utf8);
}

void CVeltarFile4::WriteChannels(pugi::xml_node element) const {
    element.append_attribute(L"version").set_value(1);
    for (const ChromatogramChannel& channel : channels) {
        pugi::xml_node channelElement = element.append_child(L"channel");
        XmlValue::AppendInt32(channelElement, L"number", channel.number);
        pugi::xml_node table = channelElement.append_child(L"table");
        for (const PeakMark& mark : channel.peakMarks) WritePeakMark(table.append_child(L"item"), mark);
    }
}
