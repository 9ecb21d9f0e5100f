#include <cstring>

#include "platform/SystemErrorText.h"
#include "platform/WideText.h"

std::wstring SystemErrorText(unsigned long code) {
    return FromUtf8(std::strerror(static_cast<int>(code)));
}
