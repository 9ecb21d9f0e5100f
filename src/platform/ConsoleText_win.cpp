#include <windows.h>

#include <io.h>

#include "platform/ConsoleText.h"
#include "platform/WideText.h"

void WriteConsoleText(std::FILE* stream, std::wstring_view text) {
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        // A console shows wide characters whatever its code page; what the stream buffered goes first.
        std::fflush(stream);
        const std::wstring safe = ConsoleSafe(text);
        DWORD written = 0;
        WriteConsoleW(handle, safe.data(), static_cast<DWORD>(safe.size()), &written, nullptr);
        return;
    }
    const std::string bytes = ToUtf8(ConsoleSafe(text));
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}
