#include "calc/PeakNameIndex.h"

#include "tables/NameCompare.h"

namespace {

size_t SlotCountFor(size_t names) {
    size_t count = 8;
    while (count < names * 2) count *= 2;
    return count;
}

}  // namespace

PeakNameIndex::PeakNameIndex(const std::vector<Component>& components)
    : components_(components),
      slots_(SlotCountFor(components.size())),
      nextSameName_(components.size(), kNone),
      lastSameName_(components.size(), kNone) {
    for (size_t position = 0; position < components.size(); ++position) Insert(position);
}

uint32_t PeakNameIndex::HashNoCase(std::wstring_view name) {
    // FNV-1a over the folded characters, so that names equal without regard to case hash alike.
    uint32_t hash = 2166136261u;
    for (const wchar_t c : name) {
        hash ^= static_cast<uint32_t>(FoldCase(c));
        hash *= 16777619u;
    }
    return hash;
}

size_t PeakNameIndex::FirstMatch(std::wstring_view name) const {
    const uint32_t hash = HashNoCase(name);
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask; slots_[i].first != kNone; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.hash == hash && EqualNoCase(components_[slot.first].peakName, name)) return slot.first;
    }
    return kNone;
}

void PeakNameIndex::Insert(size_t position) {
    const std::wstring_view name = components_[position].peakName;
    const size_t first = FirstMatch(name);
    if (first != kNone) {
        nextSameName_[lastSameName_[first]] = position;
        lastSameName_[first] = position;
        return;
    }
    const uint32_t hash = HashNoCase(name);
    const size_t mask = slots_.size() - 1;
    size_t i = hash & mask;
    while (slots_[i].first != kNone) i = (i + 1) & mask;
    slots_[i] = {hash, position};
    lastSameName_[position] = position;
}
