#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/DurableFile.h"
#include "platform/FileSystemPath.h"
#include "platform/SystemErrorText.h"
#include "platform/WideText.h"

namespace {

// A descriptor that closes itself.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return descriptor_; }
    // Closes it, telling whether the close went through (where a network file system may say no at last).
    bool Close() {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        return close(descriptor) == 0;
    }

private:
    int descriptor_;
};

bool Fail(std::wstring* why, int code) {
    if (why != nullptr) *why = SystemErrorText(static_cast<unsigned long>(code));
    return false;
}

bool WriteAll(int descriptor, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<size_t>(wrote);
    }
    return true;
}

// A rename or a new name is kept only once the folder holding it is on the disk too.
void SyncFolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const Descriptor descriptor(open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC));
    if (descriptor.Get() >= 0) fsync(descriptor.Get());
}

bool WriteSyncClose(Descriptor& file, std::string_view bytes, std::wstring* why) {
    if (!WriteAll(file.Get(), bytes) || fsync(file.Get()) != 0) return Fail(why, errno);
    if (!file.Close()) return Fail(why, errno);
    return true;
}

}  // namespace

bool CreateDurably(const std::wstring& path, std::string_view bytes, std::wstring* why) {
    const std::string name = ToUtf8(path);
    Descriptor file(open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.Get() < 0) return Fail(why, errno);
    if (!WriteSyncClose(file, bytes, why)) {
        unlink(name.c_str());
        return false;
    }
    SyncFolderOf(name);
    return true;
}

bool AppendDurably(const std::wstring& path, std::string_view bytes, std::wstring* why) {
    Descriptor file(open(ToUtf8(path).c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
    if (file.Get() < 0) return Fail(why, errno);
    return WriteSyncClose(file, bytes, why);
}

bool SyncToDisk(const std::wstring& path, std::wstring* why) {
    Descriptor file(open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0 || fsync(file.Get()) != 0) return Fail(why, errno);
    return file.Close() || Fail(why, errno);
}

bool MoveIfAbsent(const std::wstring& from, const std::wstring& to, std::wstring* why) {
    const std::string source = ToUtf8(from);
    const std::string target = ToUtf8(to);
    // A hard link is made only where no file bears the name: no look and then a move that another
    // process could overtake.
    if (link(source.c_str(), target.c_str()) == 0) {
        unlink(source.c_str());
        SyncFolderOf(target);
        return true;
    }
    const int code = errno;
    if (code == EEXIST) return Fail(why, code);
    // A file system without hard links: a look first, then the move.
    if (FileExists(to)) return Fail(why, EEXIST);
    if (std::rename(source.c_str(), target.c_str()) != 0) return Fail(why, errno);
    SyncFolderOf(target);
    return true;
}

bool TruncateDurably(const std::wstring& path, int64_t length, std::wstring* why) {
    Descriptor file(open(ToUtf8(path).c_str(), O_WRONLY | O_CLOEXEC));
    if (file.Get() < 0 || ftruncate(file.Get(), static_cast<off_t>(length)) != 0 || fsync(file.Get()) != 0)
        return Fail(why, errno);
    return file.Close() || Fail(why, errno);
}
