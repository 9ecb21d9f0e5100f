#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A file of this fuzzing process in the temporary folder ("oxycalc-fuzz-<pid><suffix>").
std::wstring ScratchFile(const char* suffix);

// Replaces a file's content; aborts when it cannot (the fuzzer would test nothing).
void WriteBytes(const std::wstring& path, const uint8_t* data, size_t size);

// A file's whole content.
std::string ReadBytes(const std::wstring& path);
