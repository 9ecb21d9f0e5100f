#pragma once

#include <cstddef>
#include <functional>
#include <string>

// Runs `body` where memory has run out but for about `spare` bytes, and returns what the body found
// wrong (empty when nothing), or how the body ended when it did not return.
//
// On Linux the body runs in a child process whose heap has been used up and whose address space is
// limited to what it then uses plus `spare` (RLIMIT_AS): memory really runs out, for the smallest
// allocation as for the largest, and the test process is not harmed. The child starts with a copy of
// the caller's state; nothing it changes comes back.
// On 32-bit Windows the test process's own address space is filled with reservations until no free
// piece of `spare` bytes or more is left, and freed again afterwards: an allocation of `spare` bytes or
// more fails, smaller ones may still succeed.
std::string RunWithScarceMemory(size_t spare, const std::function<std::string()>& body);

// Whether RunWithScarceMemory can make memory scarce here. A 64-bit Windows address space cannot be
// filled (Wine keeps a byte per reserved page); the 32-bit build, the product, is tested instead.
bool CanMakeMemoryScarce();
