#include "register/RegisterFile.h"

#include <cstdio>

#include "platform/DurableFile.h"
#include "platform/FileSystemPath.h"
#include "platform/Sha256.h"
#include "platform/StdioFile.h"
#include "register/StopForTest.h"

namespace {

constexpr size_t kPiece = 1 << 20;
// Every entry ends with a blank line, and only there: its fields are one line each and never empty.
const char kEntryEnd[] = "\n\n";

// Checks entry after entry as they are read.
class Checker {
public:
    Checker(RegisterRead& read, const std::function<void(const RegisterEntry&)>& visit)
        : read_(read), visit_(visit) {}

    // One entry's text; false once the register no longer holds.
    bool Take(const std::string& text, int64_t end) {
        const size_t place = read_.entries + 1;
        if (text.rfind(kRegisterEntryStart, 0) != 0) return Broken(place, MessageCode::RegisterNotAnEntry);
        RegisterEntry entry = ParseRegisterEntry(text);
        if (entry.previousSha256 != previous_) return Broken(place, MessageCode::RegisterChainBroken);
        if (entry.place != place) return Broken(place, MessageCode::RegisterOutOfPlace);
        const bool first = place == 1;
        if (first != (entry.event == RegisterEvent::Started))
            return Broken(place, first ? MessageCode::RegisterNotBegun : MessageCode::RegisterBegunTwice);
        if (entry.GivesNumber() && entry.counter != read_.counter + 1)
            return Broken(place, MessageCode::RegisterCounterOutOfTurn);
        if (first || entry.GivesNumber()) read_.counter = entry.counter;
        previous_ = Sha256Hex(entry.text);
        read_.entries = place;
        read_.wholeBytes = end;
        if (first) read_.first = entry;
        if (visit_) visit_(entry);
        read_.last = std::move(entry);
        return true;
    }

    // What follows the last whole entry.
    void Tail(const std::string& tail) {
        if (tail.empty() || !read_.problem.Empty()) return;
        const std::string start(kRegisterEntryStart);
        const bool beginsEntry = tail.rfind(start, 0) == 0 || start.rfind(tail, 0) == 0;
        if (beginsEntry) {
            read_.tornTail = true;
        } else {
            Broken(read_.entries + 1, MessageCode::RegisterNotAnEntry);
        }
    }

private:
    bool Broken(size_t place, MessageCode code) {
        read_.problem = code;
        read_.brokenEntry = place;
        return false;
    }

    RegisterRead& read_;
    const std::function<void(const RegisterEntry&)>& visit_;
    std::string previous_ = kNoPreviousEntry;
};

}  // namespace

bool RegisterFile::Exists() const {
    return FileExists(path_);
}

RegisterRead RegisterFile::Read(const std::function<void(const RegisterEntry&)>& visit) const {
    RegisterRead read;
    StdioFile file = OpenStdioFile(path_, "rb");
    read.exists = file != nullptr;
    if (!file) return read;
    Checker checker(read, visit);
    std::string buffer;
    int64_t consumed = 0;  // bytes of the file before the buffer
    size_t from = 0;       // where the next entry begins in the buffer
    std::string chunk(kPiece, '\0');
    for (;;) {
        const size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
        buffer.append(chunk, 0, got);
        for (size_t end = buffer.find(kEntryEnd, from == 0 ? 0 : from); end != std::string::npos;
             end = buffer.find(kEntryEnd, from)) {
            const size_t next = end + 2;
            if (!checker.Take(buffer.substr(from, next - from), consumed + static_cast<int64_t>(next)))
                return read;
            from = next;
        }
        if (got < chunk.size()) break;
        // The part read is dropped once it is large; what begins the next entry is kept.
        if (from > kPiece) {
            buffer.erase(0, from);
            consumed += static_cast<int64_t>(from);
            from = 0;
        }
    }
    if (std::ferror(file.get())) {
        read.problem = MessageCode::RegisterUnreadable;
        read.brokenEntry = read.entries + 1;
        return read;
    }
    if (read.entries == 0 && buffer.empty()) {
        read.problem = MessageCode::RegisterEmpty;
        return read;
    }
    checker.Tail(buffer.substr(from));
    if (read.entries == 0 && read.problem.Empty()) {
        read.problem = MessageCode::RegisterNotBegun;
        read.brokenEntry = 1;
    }
    return read;
}

bool RegisterFile::Create(RegisterEntry first, std::wstring& why) const {
    first.place = 1;
    first.event = RegisterEvent::Started;
    first.previousSha256 = kNoPreviousEntry;
    return CreateDurably(path_, RegisterEntryText(first), &why);
}

std::optional<RegisterEntry> RegisterFile::Append(RegisterEntry entry, const RegisterRead& read,
                                                  std::wstring& why) const {
    entry.place = read.entries + 1;
    entry.previousSha256 = read.last ? Sha256Hex(read.last->text) : kNoPreviousEntry;
    entry.text = RegisterEntryText(entry);
    if (StopRequested("append-torn")) {
        AppendDurably(path_, std::string_view(entry.text).substr(0, entry.text.size() / 2), &why);
        StopNow();
    }
    if (!AppendDurably(path_, entry.text, &why)) return std::nullopt;
    return entry;
}

bool RegisterFile::CutTornTail(const RegisterRead& read, std::wstring& why) const {
    return !read.tornTail || TruncateDurably(path_, read.wholeBytes, &why);
}

bool ReadsAsRegister(const std::wstring& path) {
    StdioFile file = OpenStdioFile(path, "rb");
    if (!file) return false;
    char start[4096] = {};
    const size_t got = std::fread(start, 1, sizeof start - 1, file.get());
    const std::string text(start, got);
    return text.rfind(kRegisterEntryStart, 0) == 0 &&
           text.find("Событие: реестр начат\n") != std::string::npos;
}
