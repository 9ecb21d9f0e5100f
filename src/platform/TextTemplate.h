#pragma once

#include <optional>
#include <string>
#include <vector>

// A text with numbered places ("%1" … "%9") filled in, as the string tables keep their messages so
// that each language may put the values where its grammar wants them. A place without a value is
// left as it stands, "%%" gives "%", and a value is never searched for places itself.
std::wstring FillTemplate(const std::wstring& pattern, const std::vector<std::wstring>& values);

// The values that fill a text's places so that it reads as `text`, each the shortest that does; nothing when
// the text does not read so. FillTemplate(pattern, values) gives the text again.
std::optional<std::vector<std::wstring>> MatchTemplate(const std::wstring& pattern, const std::wstring& text);
