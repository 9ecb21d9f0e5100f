#pragma once

#include <string>

#include "register/ReportRegister.h"

class UserMessages;

// What a LIMS is given of an issue, in the export folder of the data folder ("Выгрузка") when the lab made
// one: the report as issued ("ОХ-2026-00017.json", the same bytes as the issued file, and its results CSV),
// or the notice of a withdrawal; and when the issue takes the place of an earlier report, that report as
// issued with where it stands now ("ОХ-2026-00016.amended.json", ".withdrawn.json": its status and
// superseded_by), so that the LIMS replaces or removes its result. False, after telling which file, when
// one is not written; the issue stands.
bool ExportIssueForLims(const IssuedReport& issued, const RegisterPlace& place, const std::wstring& folder,
                        UserMessages& messages);
