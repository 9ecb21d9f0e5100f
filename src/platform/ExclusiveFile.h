#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A file held open for reading and writing with no other opener allowed while it is held; closed by
// the destructor. Opening never truncates. A file marked read-only does not open (also for a
// superuser, whom the system itself would let write).
class ExclusiveFile {
public:
    enum class Disposition {
        OpenOrCreate,  // create an empty file when there is none
        OpenExisting,  // fail when there is none
    };

    ExclusiveFile(const std::wstring& path, Disposition disposition);
    ~ExclusiveFile();
    ExclusiveFile(const ExclusiveFile&) = delete;
    ExclusiveFile& operator=(const ExclusiveFile&) = delete;
    ExclusiveFile(ExclusiveFile&& other) noexcept;
    ExclusiveFile& operator=(ExclusiveFile&& other) noexcept;

    // Whether the open succeeded; every other operation fails on a file that is not open.
    bool IsOpen() const;
    // The whole content; false when it cannot be read.
    bool ReadAll(std::string& bytes);
    // Writes all bytes starting at a byte offset from the start.
    bool WriteAt(int64_t offset, std::string_view bytes);
    // Makes the file end at a byte offset, cutting off what lies behind it.
    bool SetLength(int64_t length);

private:
    void Close() noexcept;

#ifdef _WIN32
    void* handle_;  // a HANDLE; INVALID_HANDLE_VALUE when not open
#else
    int descriptor_;  // -1 when not open
#endif
};
