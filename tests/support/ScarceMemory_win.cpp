#include <windows.h>

#include <exception>
#include <vector>

#include "support/ScarceMemory.h"

namespace {

// Address space reserved (not committed: it costs no memory) until only pieces below a size are free.
class AddressSpaceFiller {
public:
    explicit AddressSpaceFiller(size_t below) {
        // Made room for first: the list must not need memory once the address space is full.
        pieces_.reserve(kMaxPieces);
        for (size_t size = size_t{1} << (sizeof(void*) == 8 ? 46 : 31); size >= below && size > 0;
             size /= 2) {
            while (pieces_.size() < kMaxPieces) {
                void* piece = VirtualAlloc(nullptr, size, MEM_RESERVE, PAGE_NOACCESS);
                if (piece == nullptr) break;
                pieces_.push_back(piece);
            }
        }
    }
    ~AddressSpaceFiller() {
        for (void* piece : pieces_) VirtualFree(piece, 0, MEM_RELEASE);
    }
    AddressSpaceFiller(const AddressSpaceFiller&) = delete;
    AddressSpaceFiller& operator=(const AddressSpaceFiller&) = delete;

private:
    static constexpr size_t kMaxPieces = 1 << 16;
    std::vector<void*> pieces_;
};

}  // namespace

bool CanMakeMemoryScarce() {
    return sizeof(void*) == 4;
}

std::string RunWithScarceMemory(size_t spare, const std::function<std::string()>& body) {
    if (!CanMakeMemoryScarce()) return "memory cannot be made scarce in a 64-bit process";
    try {
        const AddressSpaceFiller filler(spare);
        return body();
    } catch (const std::exception& error) {
        return std::string("an exception left the body: ") + error.what();
    }
}
