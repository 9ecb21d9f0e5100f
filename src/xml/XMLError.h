#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// The one exception of the report layer: a failure of the XML DOM or of the transformation, with
// the failure code the platform gave (an HRESULT on Windows) and its description.
class XMLError : public std::runtime_error {
public:
    // The codes the report layer raises by itself, with the values the platform DOM uses for them.
    static constexpr int32_t kPointer = static_cast<int32_t>(0x80004003);      // E_POINTER
    static constexpr int32_t kOutOfMemory = static_cast<int32_t>(0x8007000E);  // E_OUTOFMEMORY
    static constexpr int32_t kFailed = static_cast<int32_t>(0x80004005);       // E_FAIL

    XMLError(int32_t code, const std::string& message) : std::runtime_error(message), code_(code) {}

    int32_t Code() const noexcept { return code_; }

private:
    int32_t code_;
};
