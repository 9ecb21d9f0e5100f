#include "data/CVeltarFile4.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/FileSystemPath.h"
#include "platform/RegularFile.h"
#include "platform/Sha256.h"
#include "platform/WideText.h"
#include "support/CommaLocale.h"
#include "support/TempFolder.h"

using namespace VeltarFileStatus;

namespace {

std::string U64(uint64_t value) {
    std::string bytes(8, '\0');
    for (int i = 0; i < 8; ++i) bytes[static_cast<size_t>(i)] = static_cast<char>(value >> (8 * i));
    return bytes;
}

std::string Header(uint64_t endOfBlocks, char version = 1, const char* signature = "STG") {
    return std::string(signature, 3) + version + std::string(4, '\0') + U64(endOfBlocks);
}

// A block with `present` samples 1, 2, 3, ... although its count says `count`.
std::string Block(uint8_t number, uint64_t count, uint64_t present) {
    std::string bytes =
        std::string(1, static_cast<char>(number)) + std::string(7, '\0') + U64(0) + U64(0) + U64(count);
    for (uint64_t i = 1; i <= present; ++i) {
        const float sample = static_cast<float>(i);
        bytes.append(reinterpret_cast<const char*>(&sample), sizeof sample);
    }
    return bytes;
}

const char kEmptyXml[] = "<?xml version=\"1.0\"?><root><passport/><channels/></root>";

class CVeltarFile4Test : public ::testing::Test {
protected:
    int32_t ReadStatus(const std::string& bytes) { return file.Read(folder.Write(L"c.stg", bytes)); }

    TempFolder folder;
    CVeltarFile4 file;
};

}  // namespace

TEST_F(CVeltarFile4Test, ReportsEachKindOfDamageWithItsOwnStatus) {
    EXPECT_EQ(file.Read(folder.File(L"нет.stg")), kNotOpened);
    EXPECT_EQ(ReadStatus(Header(16).substr(0, 10)), kShortHeader);
    EXPECT_EQ(ReadStatus(Header(16, 1, "STH") + kEmptyXml), kBadSignature);
    EXPECT_EQ(ReadStatus(Header(16, 2) + kEmptyXml), kBadVersion);
    EXPECT_EQ(ReadStatus(Header(48) + Block(1, 0, 0).substr(0, 20)), kShortBlockHeader);
    EXPECT_EQ(ReadStatus(Header(48 + 8) + Block(1, 2, 2)), kBadXml);
}

// A FIFO would make the read wait for a writer for ever; a device could give bytes without end.
TEST_F(CVeltarFile4Test, AnythingButARegularFileDoesNotOpen) {
    EXPECT_EQ(file.Read(folder.Path()), kNotOpened);
#ifdef _WIN32
    EXPECT_EQ(file.Read(L"NUL"), kNotOpened);
#else
    const std::wstring fifo = folder.File(L"fifo.stg");
    ASSERT_EQ(mkfifo(ToUtf8(fifo).c_str(), 0600), 0);
    EXPECT_EQ(file.Read(fifo), kNotOpened);
    EXPECT_EQ(file.Read(L"/dev/zero"), kNotOpened);
#endif
}

TEST_F(CVeltarFile4Test, HeaderOfVersionZeroWithoutBlocksReadsAsNoChannels) {
    EXPECT_EQ(ReadStatus(Header(16, 0) + kEmptyXml), kOk);
    EXPECT_EQ(file.version, 0);
    EXPECT_TRUE(file.channels.empty());
    CVeltarFile4 empty;
    ASSERT_EQ(empty.Write(folder.File(L"empty.stg")), kOk);
    file.channels.resize(3);
    EXPECT_EQ(file.Read(folder.File(L"empty.stg")), kOk);
    EXPECT_TRUE(file.channels.empty());
}

TEST_F(CVeltarFile4Test, MissingSamplesKeepTheChannelsReadBefore) {
    const std::string bytes = Header(16 + 40 + 32 + 400) + Block(1, 2, 2) + Block(2, 100, 99);
    EXPECT_EQ(ReadStatus(bytes), kBadSamples);
    ASSERT_EQ(file.channels.size(), 1u);
    EXPECT_EQ(file.channels[0].samples, (Samples{1, 2}));
    EXPECT_TRUE(file.passport.path.empty());
}

TEST_F(CVeltarFile4Test, RefusesASampleCountTheFileCannotHoldBeforeAllocating) {
    EXPECT_EQ(ReadStatus(Header(1000) + Block(1, 0xFFFFFFFFull, 3) + kEmptyXml), kBadSamples);
    EXPECT_EQ(ReadStatus(Header(1000) + Block(1, 0x100000000ull, 3) + kEmptyXml), kBadSamples);
    EXPECT_EQ(ReadStatus(Header(1000) + Block(1, 0x4000000000000001ull, 3) + kEmptyXml), kBadSamples);
}

TEST_F(CVeltarFile4Test, MissingXmlElementsGiveDefaultsAndStillSucceed) {
    for (const char* xml : {"<other/>", "<root/>", "<root><channels><channel/></channels></root>"}) {
        CVeltarFile4 read;
        EXPECT_EQ(read.Read(folder.Write(L"x.stg", Header(16) + xml)), kOk) << xml;
        EXPECT_EQ(read.passport.assayid, L"00000000-0000-0000-0000-000000000000");
    }
}

TEST_F(CVeltarFile4Test, ATableGoesToTheFirstChannelOfItsNumberWithItemDefaults) {
    const std::string xml =
        "<root><channels>"
        "<channel><number value='7'/><table><item><reference value='yes'/></item>"
        "<item><reference value='no'/><left value='3'/><name value='Этанол'/></item></table></channel>"
        "<channel><number value='9'/><table><item/></table></channel>"
        "<channel><number value='-1'/><table><item/></table></channel>"
        "</channels></root>";
    ASSERT_EQ(ReadStatus(Header(16 + 2 * 32) + Block(7, 0, 0) + Block(7, 0, 0) + xml), kOk);
    ASSERT_EQ(file.channels.size(), 2u);
    const std::vector<PeakMark>& marks = file.channels[0].peakMarks;
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_TRUE(marks[0].reference);
    EXPECT_EQ(marks[0].left, -1);
    EXPECT_EQ(marks[0].right, -1);
    EXPECT_EQ(marks[0].flags, 0u);
    EXPECT_FALSE(marks[1].reference);
    EXPECT_EQ(marks[1].left, 3);
    EXPECT_EQ(marks[1].name, L"Этанол");
    EXPECT_TRUE(file.channels[1].peakMarks.empty());
}

TEST_F(CVeltarFile4Test, AnItemsValuesComeFromTheFirstChildOfEachNameInAnyOrder) {
    const std::string xml =
        "<root><channels><channel><number value='1'/><table><item>"
        "<index value='9'/><flags value='5'/><time value='2.5'/><time value='3.5'/><front/>"
        "<unknown value='1'/><?left value='7'?><left value='4'/><front value='8'/>"
        "</item></table></channel></channels></root>";
    ASSERT_EQ(ReadStatus(Header(16 + 32) + Block(1, 0, 0) + xml), kOk);
    ASSERT_EQ(file.channels[0].peakMarks.size(), 1u);
    const PeakMark& mark = file.channels[0].peakMarks[0];
    EXPECT_EQ(mark.index, 9.0);
    EXPECT_EQ(mark.flags, 5u);
    EXPECT_EQ(mark.time, 2.5);
    EXPECT_EQ(mark.front, 0.0);
    EXPECT_EQ(mark.left, 4);
    EXPECT_EQ(mark.right, -1);
    EXPECT_EQ(mark.area, 0.0);
}

TEST_F(CVeltarFile4Test, ChannelAbove255KeepsItsLowByteInTheBlockSoItsTableIsLost) {
    file.channels.resize(1);
    file.channels[0].number = 300;
    file.channels[0].peakMarks.resize(1);
    const std::wstring path = folder.File(L"300.stg");
    ASSERT_EQ(file.Write(path), kOk);
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes[16], 44);
    EXPECT_NE(bytes.find("<number value=\"300\""), std::string::npos);
    CVeltarFile4 read;
    ASSERT_EQ(read.Read(path), kOk);
    EXPECT_EQ(read.channels[0].number, 44);
    EXPECT_TRUE(read.channels[0].peakMarks.empty());
}

TEST_F(CVeltarFile4Test, WrittenFileReadsBackBitForBitUnderACyrillicName) {
    file.passport.sample = L"АИ-95";
    file.passport.items.push_back({L"masssample", L"Масса пробы, г", L"10.0213"});
    file.channels.resize(2);
    file.channels[0].number = 1;
    file.channels[0].samples = {0.1f, -2.5f, 3e-39f};
    file.channels[0].headerValue1 = 0.1;
    file.channels[0].headerValue2 = -1.0 / 3;
    file.channels[1].number = 2;
    PeakMark mark{0.1, 1.0 / 3, 7.15, 1e-300, 2.5, 4.6, L"Этанол", true, 12, 34, 0xFFFFFFFFu, 1.5, 1.6, 0.7};
    file.channels[1].peakMarks = {mark, PeakMark{}};
    const std::wstring path = folder.File(L"Проба №1.stg");
    ASSERT_EQ(file.Write(path), kOk);
    EXPECT_EQ(file.passport.path, path);

    CVeltarFile4 read;
    ASSERT_EQ(read.Read(path), kOk);
    EXPECT_EQ(read.passport.path, path);
    EXPECT_EQ(read.version, 1);
    EXPECT_EQ(*read.passport.FindMassSample(), L"10.0213");
    ASSERT_EQ(read.channels.size(), 2u);
    EXPECT_EQ(read.channels[0].samples, file.channels[0].samples);
    EXPECT_EQ(read.channels[0].headerValue1, 0.1);
    EXPECT_EQ(read.channels[0].headerValue2, -1.0 / 3);
    ASSERT_EQ(read.channels[1].peakMarks.size(), 2u);
    const PeakMark& back = read.channels[1].peakMarks[0];
    EXPECT_EQ(std::memcmp(&back.front, &mark.front, sizeof(double)), 0);
    EXPECT_EQ(back.back, mark.back);
    EXPECT_EQ(back.area, mark.area);
    EXPECT_EQ(back.name, mark.name);
    EXPECT_TRUE(back.reference);
    EXPECT_EQ(back.left, 12);
    EXPECT_EQ(back.flags, 0xFFFFFFFFu);
    EXPECT_EQ(back.index, 0.7);
    EXPECT_EQ(read.channels[1].peakMarks[1].left, -1);
}

TEST_F(CVeltarFile4Test, DoublesKeepThePointWhenTheProcessLocaleUsesAComma) {
    const CommaLocale comma;
    if (!comma.Active()) GTEST_SKIP() << "no locale with a decimal comma on this machine";
    file.passport.duration = 0.1;
    file.channels.resize(1);
    file.channels[0].peakMarks.push_back(PeakMark{});
    file.channels[0].peakMarks[0].time = 2.5;
    const std::wstring path = folder.File(L"comma.stg");
    ASSERT_EQ(file.Write(path), kOk);
    EXPECT_NE(ReadBytes(path).find("<duration value=\"0.10000000000000001\""), std::string::npos);
    CVeltarFile4 read;
    ASSERT_EQ(read.Read(path), kOk);
    EXPECT_EQ(read.passport.duration, 0.1);
    EXPECT_EQ(read.channels[0].peakMarks[0].time, 2.5);
}

TEST_F(CVeltarFile4Test, EveryTruncationOfAFileFailsWithAStatus) {
    file.channels.resize(2);
    file.channels[0].samples = {1, 2, 3};
    file.channels[1].peakMarks.resize(1);
    ASSERT_EQ(file.Write(folder.File(L"whole.stg")), kOk);
    const std::string bytes = ReadBytes(folder.File(L"whole.stg"));
    const size_t xmlStart = 16 + 2 * 32 + 3 * 4;
    for (size_t length = 0; length < xmlStart + 60; ++length) {
        CVeltarFile4 read;
        const int32_t status = read.Read(folder.Write(L"cut.stg", bytes.substr(0, length)));
        EXPECT_TRUE(status < 0 && status >= kBadXml) << length << ": " << status;
    }
}

// What the chromatogram list loads: everything but the samples and peak tables, found damaged where a
// whole read finds it damaged, at every length the file could be cut to and for every kind of damage.
TEST_F(CVeltarFile4Test, TheOutlineIsAWholeReadWithoutSamplesAndFailsAsOneFails) {
    file.passport.sample = L"АИ-95";
    file.passport.items.push_back({L"masssample", L"Масса пробы, г", L"10.0213"});
    file.channels.resize(2);
    file.channels[0].number = 7;
    file.channels[0].samples = {1, 2, 3};
    file.channels[0].headerValue1 = 0.1;
    file.channels[1].headerValue2 = -1.0 / 3;
    file.channels[1].peakMarks.resize(1);
    ASSERT_EQ(file.Write(folder.File(L"whole.stg")), kOk);
    const std::string bytes = ReadBytes(folder.File(L"whole.stg"));

    ChromatogramOutline outline;
    ASSERT_EQ(ReadChromatogramOutline(folder.File(L"whole.stg"), outline), kOk);
    EXPECT_EQ(outline.version, 1);
    ASSERT_EQ(outline.channels.size(), 2u);
    EXPECT_EQ(outline.channels[0].number, 7);
    EXPECT_EQ(outline.channels[0].sampleCount, 3u);
    EXPECT_EQ(outline.channels[0].headerValue1, 0.1);
    EXPECT_EQ(outline.channels[1].sampleCount, 0u);
    EXPECT_EQ(outline.channels[1].headerValue2, -1.0 / 3);
    EXPECT_EQ(*outline.passport.FindMassSample(), L"10.0213");
    EXPECT_EQ(outline.passport.path, folder.File(L"whole.stg"));

    std::vector<std::string> damaged{Header(16, 1, "STH") + kEmptyXml, Header(16, 2) + kEmptyXml,
                                     Header(48 + 8) + Block(1, 2, 2), Header(48 + 8) + Block(1, 3, 2)};
    for (size_t length = 0; length < bytes.size(); ++length) damaged.push_back(bytes.substr(0, length));
    for (const std::string& cut : damaged) {
        const std::wstring path = folder.Write(L"cut.stg", cut);
        CVeltarFile4 read;
        ChromatogramOutline readOutline;
        EXPECT_EQ(ReadChromatogramOutline(path, readOutline), read.Read(path)) << cut.size();
    }
    EXPECT_EQ(ReadChromatogramOutline(folder.File(L"нет.stg"), outline), kNotOpened);
}

TEST_F(CVeltarFile4Test, AnOutlineReadThroughADigestPassesEverySampleThroughIt) {
    file.channels.resize(1);
    file.channels[0].samples.assign(100000, 0.5f);
    const std::wstring path = folder.File(L"c.stg");
    ASSERT_EQ(file.Write(path), kOk);
    Sha256 digest;
    RegularFile opened(path);
    opened.DigestInto(&digest);
    ChromatogramOutline outline;
    ASSERT_EQ(ReadChromatogramOutline(opened, outline), kOk);
    EXPECT_EQ(outline.channels[0].sampleCount, 100000u);
    EXPECT_EQ(digest.HexDigest(), Sha256OfFile(path));
}

TEST_F(CVeltarFile4Test, WritingIntoAMissingFolderDoesNotOpen) {
    EXPECT_EQ(file.Write(folder.File(L"нет") + L"/c.stg"), kNotOpened);
}
