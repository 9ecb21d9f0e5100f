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

void DynamicLayout::Apply() const {
    if (dialog_ == nullptr || items_.empty()) return;
    RECT client{};
    GetClientRect(dialog_, &client);
    const int dx = client.right - origin_.cx;
    const int dy = client.bottom - origin_.cy;
    HDWP batch = BeginDeferWindowPos(static_cast<int>(items_.size()));
    for (const Item& item : items_) {
        const int x = item.origin.left + dx * item.share.moveX / 100;
        const int y = item.origin.top + dy * item.share.moveY / 100;
        const int width = item.origin.right - item.origin.left + dx * item.share.growX / 100;
        const int height = item.origin.bottom - item.origin.top + dy * item.share.growY / 100;
        if (batch != nullptr) {
            batch = DeferWindowPos(batch, item.control, nullptr, x, y, width, height,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (batch != nullptr) EndDeferWindowPos(batch);
    InvalidateRect(dialog_, nullptr, TRUE);
}
