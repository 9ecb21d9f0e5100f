#pragma once

#include <string>

#include "calc/ComponentResult.h"
#include "calc/ScopeNote.h"
#include "messages/Language.h"

// Where a result row stands against the range; the internal standard's row is always Within, since the
// analyst weighed it in.
ScopeNote ResultScope(const ComponentResult& result, const std::wstring& standard);

// Where the total organically bound oxygen stands against the range.
ScopeNote TotalOxygenScope(double totalOxygen);

// The note printed beside a result outside the range, short enough for a table cell; empty for Within.
std::wstring ScopeNoteText(ScopeNote note, Language language);
