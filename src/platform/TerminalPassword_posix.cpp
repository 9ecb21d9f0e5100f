#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "platform/ConsoleText.h"
#include "platform/TerminalPassword.h"

std::optional<std::string> ReadTerminalPassword(const std::wstring& prompt) {
    if (isatty(STDIN_FILENO) == 0) return std::nullopt;
    termios shown{};
    if (tcgetattr(STDIN_FILENO, &shown) != 0) return std::nullopt;
    WriteConsoleText(stderr, prompt);
    termios hidden = shown;
    hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    if (tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden) != 0) return std::nullopt;
    std::string password;
    const bool read = static_cast<bool>(std::getline(std::cin, password));
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &shown);
    WriteConsoleText(stderr, L"\n");
    if (!read) return std::nullopt;
    return password;
}
