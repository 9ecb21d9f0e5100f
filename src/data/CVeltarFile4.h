#pragma once

#include <pugixml.hpp>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "data/ChromatogramChannel.h"
#include "data/ChromatogramOutline.h"
#include "data/Passport.h"

class RegularFile;

// Results of reading and writing a chromatogram file.
namespace VeltarFileStatus {
constexpr int32_t kOk = 0;
constexpr int32_t kNotOpened = -1;
constexpr int32_t kShortHeader = -2;       // fewer than 16 header bytes read or written
constexpr int32_t kBadSignature = -3;      // not "STG"
constexpr int32_t kBadVersion = -4;        // version byte above 1
constexpr int32_t kShortBlockHeader = -5;  // a channel block header not read or written in full
constexpr int32_t kBadSamples = -6;        // samples not read or written in full, or too many of them
constexpr int32_t kBadXml = -7;            // the XML part does not parse, or saving it failed
}  // namespace VeltarFileStatus

// A chromatogram file in memory. On disk: the 16-byte header "STG", version, end-of-blocks offset;
// one block per channel (number, two header values, sample count, 32-bit float samples); then an
// XML document with the passport and each channel's peak table. All numbers are little-endian.
class CVeltarFile4 {
public:
    uint8_t version = 1;
    Passport passport;
    std::vector<ChromatogramChannel> channels;

    CVeltarFile4() = default;
    virtual ~CVeltarFile4() = default;
    CVeltarFile4(const CVeltarFile4&) = default;
    CVeltarFile4& operator=(const CVeltarFile4&) = default;
    CVeltarFile4(CVeltarFile4&&) = default;
    CVeltarFile4& operator=(CVeltarFile4&&) = default;

    // Reads the whole file, samples and all; a VeltarFileStatus. After a failure the channels read before
    // it are kept. Only a regular file opens. Memory that runs out is the failure of the part being read:
    // the samples (kBadSamples) or the XML (kBadXml).
    virtual int32_t Read(const std::wstring& path);
    // Writes the file (created or truncated); a VeltarFileStatus.
    virtual int32_t Write(const std::wstring& path);

    // Fills the peak tables of the channels whose numbers the `channels` element names.
    void ReadChannels(const pugi::xml_node& element);
    // Fills a new, empty `channels` element with every channel's number and peak table.
    void WriteChannels(pugi::xml_node element) const;

private:
    int32_t WriteBlocks(std::FILE* file) const;
    void SaveXml(std::FILE* file);
};

// Reads a chromatogram file's outline (header, block headers, passport, peak tables) with the checks and
// statuses of CVeltarFile4::Read: a block that runs past the end of the file and XML that does not parse fail
// as there. The samples are not kept: they are seeked past, or read through the file's digest when it has
// one. After a failure the channels read before it are kept.
int32_t ReadChromatogramOutline(RegularFile& file, ChromatogramOutline& outline);
// The same for the file at `path` (the passport's path).
int32_t ReadChromatogramOutline(const std::wstring& path, ChromatogramOutline& outline);
