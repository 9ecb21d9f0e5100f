#include <windows.h>

#include <memory>
#include <type_traits>

#include "platform/DurableFile.h"
#include "platform/SystemErrorText.h"

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

FileHandle Open(const std::wstring& path, DWORD access, DWORD disposition) {
    HANDLE handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

bool Fail(std::wstring* why, DWORD code) {
    if (why != nullptr) *why = SystemErrorText(code);
    return false;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD wrote = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) || wrote == 0) return false;
        done += wrote;
    }
    return true;
}

bool WriteFlushClose(FileHandle& file, std::string_view bytes, std::wstring* why) {
    if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) return Fail(why, GetLastError());
    if (!CloseHandle(file.release())) return Fail(why, GetLastError());
    return true;
}

}  // namespace

bool CreateDurably(const std::wstring& path, std::string_view bytes, std::wstring* why) {
    FileHandle file = Open(path, GENERIC_WRITE, CREATE_NEW);
    if (!file) return Fail(why, GetLastError());
    if (WriteFlushClose(file, bytes, why)) return true;
    DeleteFileW(path.c_str());
    return false;
}

bool AppendDurably(const std::wstring& path, std::string_view bytes, std::wstring* why) {
    // FILE_APPEND_DATA without FILE_WRITE_DATA: every write goes to the end, as O_APPEND does.
    FileHandle file = Open(path, FILE_APPEND_DATA | SYNCHRONIZE, OPEN_EXISTING);
    if (!file) return Fail(why, GetLastError());
    return WriteFlushClose(file, bytes, why);
}

bool SyncToDisk(const std::wstring& path, std::wstring* why) {
    FileHandle file = Open(path, GENERIC_WRITE, OPEN_EXISTING);
    if (!file || !FlushFileBuffers(file.get())) return Fail(why, GetLastError());
    return CloseHandle(file.release()) != 0 || Fail(why, GetLastError());
}

bool MoveIfAbsent(const std::wstring& from, const std::wstring& to, std::wstring* why) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the target is there.
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
    return Fail(why, GetLastError());
}

bool TruncateDurably(const std::wstring& path, int64_t length, std::wstring* why) {
    FileHandle file = Open(path, GENERIC_WRITE, OPEN_EXISTING);
    LARGE_INTEGER at;
    at.QuadPart = length;
    if (!file || !SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN) || !SetEndOfFile(file.get()) ||
        !FlushFileBuffers(file.get()))
        return Fail(why, GetLastError());
    return CloseHandle(file.release()) != 0 || Fail(why, GetLastError());
}
