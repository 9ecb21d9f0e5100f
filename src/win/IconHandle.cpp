#include "win/IconHandle.h"

IconHandle LoadIconOfSize(HINSTANCE module, int id, int size) {
    return IconHandle(
        static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)));
}

HICON LoadSharedIcon(HINSTANCE module, int id, int size) {
    return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_SHARED));
}
