#pragma once

#include <string>
#include <vector>

// A text with numbered places ("%1" … "%9") filled in, as the string tables keep their messages so
// that each language may put the values where its grammar wants them. A place without a value is
// left as it stands, "%%" gives "%", and a value is never searched for places itself.
std::wstring FillTemplate(const std::wstring& pattern, const std::vector<std::wstring>& values);
