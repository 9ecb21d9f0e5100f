#pragma once

#include <optional>
#include <string>

// A password typed at the terminal after the prompt (written to standard error), not shown as it is
// typed; nothing when standard input is no terminal or reading fails. UTF-8, without its line end.
std::optional<std::string> ReadTerminalPassword(const std::wstring& prompt);
