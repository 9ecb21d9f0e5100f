#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class Sha256;

// A regular file open for reading; closed by the destructor. A path naming anything else (a folder,
// a FIFO, a pipe, a device) does not open: a FIFO would make the first read wait for a writer for ever,
// and a device could deliver bytes without end.
class RegularFile {
public:
    explicit RegularFile(const std::wstring& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;

    // Whether the open succeeded; a file that is not open has size 0 and reads nothing.
    bool IsOpen() const;
    // The length in bytes when the file was opened.
    uint64_t Size() const { return size_; }
    // Reads up to `count` bytes from the current position straight into `buffer` and returns how many
    // were read: fewer only at the end of the file or when reading fails. Each read says where it reads,
    // so that moving on costs no call of its own.
    size_t Read(void* buffer, size_t count);
    // Moves `count` bytes on from the current position: read through the digest when one is fed (so that
    // it still sees every byte), otherwise passed without reading. False when fewer bytes were there or
    // reading failed.
    bool Skip(uint64_t count);
    // Feeds every byte read from now on into the digest as well: a file's checksum comes with the read
    // that loads it, without reading it twice.
    void DigestInto(Sha256* digest) { digest_ = digest; }
    // Whether the digest failed on some bytes (the platform's cryptography said no): it was fed no more,
    // and the reads went on all the same.
    bool DigestFailed() const { return digestFailed_; }

private:
    void Close() noexcept;
    bool ReadPast(uint64_t count);
    // A digest that fails is dropped: a file is not lost for want of its checksum.
    void Feed(const void* bytes, size_t count) noexcept;

#ifdef _WIN32
    void* handle_;  // a HANDLE; INVALID_HANDLE_VALUE when not open
#else
    int descriptor_;  // -1 when not open
#endif
    uint64_t size_ = 0;
    uint64_t position_ = 0;  // where the next read starts
    Sha256* digest_ = nullptr;
    bool digestFailed_ = false;
};
