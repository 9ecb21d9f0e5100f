#include "data/ChromatogramOutline.h"

#include <algorithm>
#include <cstring>

namespace {

bool Same(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameChannel(const ChannelOutline& a, const ChannelOutline& b) {
    return a.number == b.number && Same(a.headerValue1, b.headerValue1) &&
           Same(a.headerValue2, b.headerValue2) && a.sampleCount == b.sampleCount;
}

bool SameColumn(const PassportColumn& a, const PassportColumn& b) {
    return a.channel == b.channel && a.name == b.name && a.brand == b.brand && a.type == b.type &&
           Same(a.diameter, b.diameter) && Same(a.length, b.length) && a.carrier == b.carrier &&
           a.phase == b.phase && Same(a.percent, b.percent) && a.unit == b.unit &&
           Same(a.fraction0, b.fraction0) && Same(a.fraction1, b.fraction1) && Same(a.film, b.film) &&
           a.part == b.part && a.serial == b.serial;
}

bool SameItem(const PassportItem& a, const PassportItem& b) {
    return a.name == b.name && a.title == b.title && a.value == b.value;
}

}  // namespace

bool SamePassport(const Passport& a, const Passport& b) {
    return a.assayid == b.assayid && a.series == b.series && a.andate == b.andate &&
           Same(a.duration, b.duration) && a.sample == b.sample && a.method == b.method &&
           a.graduation == b.graduation && a.date == b.date && a.defect == b.defect &&
           a.mixture == b.mixture &&
           std::equal(a.columns.begin(), a.columns.end(), b.columns.begin(), b.columns.end(), SameColumn) &&
           std::equal(a.items.begin(), a.items.end(), b.items.begin(), b.items.end(), SameItem);
}

bool SameChannels(const std::vector<ChannelOutline>& a, const std::vector<ChannelOutline>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameChannel);
}

bool SameOutline(const ChromatogramOutline& a, const ChromatogramOutline& b) {
    return a.version == b.version && SameChannels(a.channels, b.channels) &&
           SamePassport(a.passport, b.passport);
}
