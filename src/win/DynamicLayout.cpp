#include "win/DynamicLayout.h"

void DynamicLayout::Start(HWND dialog) {
    dialog_ = dialog;
    items_.clear();
    RECT client{};
    GetClientRect(dialog_, &client);
    origin_ = {client.right, client.bottom};
}

void DynamicLayout::Add(HWND control, Share share) {
    if (control == nullptr) return;
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&rect), 2);
    items_.push_back({control, rect, share});
}

SIZE DynamicLayout::Change() const {
    RECT client{};
    GetClientRect(dialog_, &client);
    return {client.right - origin_.cx, client.bottom - origin_.cy};
}

RECT DynamicLayout::Place(const Item& item, SIZE change) const {
    const int x = item.origin.left + change.cx * item.share.moveX / 100;
    const int y = item.origin.top + change.cy * item.share.moveY / 100;
    const int width = item.origin.right - item.origin.left + change.cx * item.share.growX / 100;
    const int height = item.origin.bottom - item.origin.top + change.cy * item.share.growY / 100;
    return {x, y, x + width, y + height};
}

RECT DynamicLayout::PlaceOf(HWND control) const {
    for (const Item& item : items_) {
        if (item.control == control) return Place(item, Change());
    }
    return RECT{};
}

void DynamicLayout::Apply() const {
    if (dialog_ == nullptr || items_.empty()) return;
    const SIZE change = Change();
    HDWP batch = BeginDeferWindowPos(static_cast<int>(items_.size()));
    for (const Item& item : items_) {
        const RECT place = Place(item, change);
        if (batch != nullptr) {
            batch =
                DeferWindowPos(batch, item.control, nullptr, place.left, place.top, place.right - place.left,
                               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (batch != nullptr) EndDeferWindowPos(batch);
    InvalidateRect(dialog_, nullptr, TRUE);
}
