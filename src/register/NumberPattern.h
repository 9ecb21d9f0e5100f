#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "messages/Message.h"

// How a register numbers its reports, as the lab sets it once: fixed text, "{YYYY}" for the year of issue
// and a run of N in braces ("{NNNNN}") for the counter, with at least as many digits ("ОХ-{YYYY}-{NNNNN}"
// gives "ОХ-2026-00017"). The counter runs on over the years and never goes back, so no number is ever given
// twice; one beyond its digits takes more of them.
class NumberPattern {
public:
    // The pattern of a text; nothing, with why in `problem`, for one without exactly one counter, with a
    // brace of anything else, the year twice, or a character a file name cannot hold (numbers name the
    // reports' files).
    static std::optional<NumberPattern> Parse(const std::wstring& text, Message& problem);

    const std::wstring& Text() const { return text_; }
    // The number of a counter in a year.
    std::wstring Format(uint64_t counter, int year) const;

private:
    explicit NumberPattern(std::wstring text) : text_(std::move(text)) {}

    std::wstring text_;
};

// The local year of a moment (seconds since 1970); 0 when the C library cannot tell it.
int LocalYear(int64_t secondsSince1970);
