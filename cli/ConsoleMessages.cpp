#include "ConsoleMessages.h"

#include <cstdio>

#include "platform/ConsoleText.h"

namespace {

// A box's text on one line: line breaks and the blanks around them become one blank.
std::wstring OneLine(const std::wstring& text) {
    std::wstring line;
    for (const wchar_t c : text) {
        const bool blank = c == L'\n' || c == L'\r' || c == L' ';
        if (blank && (line.empty() || line.back() == L' ')) continue;
        line += blank ? L' ' : c;
    }
    while (!line.empty() && line.back() == L' ') line.pop_back();
    return line;
}

}  // namespace

void ConsoleMessages::ShowError(const std::wstring& text) {
    WriteConsoleText(stderr, L"oxycalc-cli: " +
                                 Render(Message(MessageCode::CliError, {OneLine(text)}), language_) + L"\n");
}

void ConsoleMessages::ShowMessage(const std::wstring& text) {
    WriteConsoleText(stderr, L"oxycalc-cli: " + OneLine(text) + L"\n");
}

void WriteCliLine(FILE* stream, const Message& message, Language language) {
    WriteConsoleText(stream, L"oxycalc-cli: " + Render(message, language) + L"\n");
}
