#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "tables/Component.h"

// Finds the components whose peakName equals a peak's name without regard to case, without
// comparing the name with every component. The components must outlive the index.
class PeakNameIndex {
public:
    explicit PeakNameIndex(const std::vector<Component>& components);

    // Calls visit(position) for every component matching the name, in table order.
    template <typename Visit>
    void ForEachMatch(std::wstring_view name, Visit visit) const {
        const size_t first = FirstMatch(name);
        for (size_t position = first; position != kNone; position = nextSameName_[position]) visit(position);
    }

private:
    static constexpr size_t kNone = static_cast<size_t>(-1);

    struct Slot {
        uint32_t hash = 0;
        size_t first = kNone;  // first component of a group of equal names; kNone: empty slot
    };

    static uint32_t HashNoCase(std::wstring_view name);
    size_t FirstMatch(std::wstring_view name) const;
    void Insert(size_t position);

    const std::vector<Component>& components_;
    std::vector<Slot> slots_;           // open addressing; size a power of two, at most half full
    std::vector<size_t> nextSameName_;  // per component: the next with an equal name, or kNone
    std::vector<size_t> lastSameName_;  // per group's first component: its last one so far
};
