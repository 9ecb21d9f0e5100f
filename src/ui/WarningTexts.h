#pragma once

#include <windows.h>

#include <string>

#include "calc/CalculationWarning.h"

// The warnings of a calculation in the host's language: each kind has a string of the resource
// module with "%1" where its subject goes, "%2" its chromatograms and "%3" its detail. The Russian strings
// say exactly what the core's texts say.

// The string id of a kind; 0 for a kind that has none yet.
UINT WarningStringId(CalculationWarning::Kind kind);
// The warning as the user reads it; a kind without a string, or a module without it, says it as the
// core does.
std::wstring WarningText(const CalculationWarning& warning);
