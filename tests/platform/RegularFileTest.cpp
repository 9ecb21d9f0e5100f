#include "platform/RegularFile.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Sha256.h"
#include "platform/WideText.h"
#include "support/TempFolder.h"

TEST(RegularFile, ReadsInPiecesUpToTheEndAndTellsTheSizeFromTheStart) {
    const TempFolder folder;
    const std::wstring path = folder.Write(L"Проба.stg", "0123456789");
    RegularFile file(path);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Size(), 10u);
    WriteBytes(path, "01234567890123456789");
    EXPECT_EQ(file.Size(), 10u);
    char bytes[32] = {};
    EXPECT_EQ(file.Read(bytes, 4), 4u);
    EXPECT_EQ(std::string(bytes, 4), "0123");
    RegularFile moved(std::move(file));
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(moved.Read(bytes, sizeof bytes), 16u);
    EXPECT_EQ(moved.Read(bytes, sizeof bytes), 0u);
}

// Without a digest a skip reads nothing; with one, the digest still sees every byte.
TEST(RegularFile, SkipsBySeekingOrThroughTheDigestAndNotPastTheEnd) {
    const TempFolder folder;
    const std::string bytes(200000, 'x');
    const std::wstring path = folder.Write(L"Проба.stg", bytes + "0123");
    for (const bool digested : {false, true}) {
        Sha256 digest;
        RegularFile file(path);
        if (digested) file.DigestInto(&digest);
        ASSERT_TRUE(file.Skip(bytes.size() - 1));
        ASSERT_TRUE(file.Skip(1));
        EXPECT_FALSE(file.Skip(5));
        char rest[8] = {};
        EXPECT_EQ(file.Read(rest, sizeof rest), 4u);
        EXPECT_EQ(std::string(rest, 4), "0123");
        EXPECT_FALSE(file.Skip(1));
        if (digested) {
            EXPECT_EQ(digest.HexDigest(), Sha256OfFile(path));
        }
    }
}

TEST(RegularFile, AMissingFileOrAFolderDoesNotOpen) {
    const TempFolder folder;
    for (const std::wstring& path : {folder.File(L"нет.stg"), folder.Path(), std::wstring()}) {
        RegularFile file(path);
        EXPECT_FALSE(file.IsOpen()) << ToUtf8(path);
        EXPECT_EQ(file.Size(), 0u);
        char byte;
        EXPECT_EQ(file.Read(&byte, 1), 0u);
    }
}

#ifdef _WIN32

TEST(RegularFile, APipeOrADeviceDoesNotOpen) {
    const std::wstring pipe = L"\\\\.\\pipe\\oxycalc-test-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE server =
        CreateNamedPipeW(pipe.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(RegularFile(pipe).IsOpen());
    CloseHandle(server);
    EXPECT_FALSE(RegularFile(L"NUL").IsOpen());
}

#else

// Opening a FIFO for reading waits until a writer opens it; a refusal must come at once.
TEST(RegularFile, AFifoOrADeviceDoesNotOpenAndDoesNotWait) {
    const TempFolder folder;
    const std::wstring fifo = folder.File(L"fifo.stg");
    ASSERT_EQ(mkfifo(ToUtf8(fifo).c_str(), 0600), 0);
    EXPECT_FALSE(RegularFile(fifo).IsOpen());
    EXPECT_FALSE(RegularFile(L"/dev/zero").IsOpen());
}

#endif
