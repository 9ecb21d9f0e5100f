#include "platform/ConsoleText.h"

#include <string>

#include "platform/WideText.h"

void WriteConsoleText(std::FILE* stream, std::wstring_view text) {
    const std::string bytes = ToUtf8(ConsoleSafe(text));
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}
