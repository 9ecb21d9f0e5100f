#pragma once

#include "tables/QcFile.h"

// Holds each line's established limits against what the QC file's change log recorded when they were
// established: the version of the file its latest entry "установлены контрольные пределы" names, kept
// beside the log. A line whose limits, accepted value or tolerance are not in that version as they are now
// (edited by hand since, or never written by the program) gets its limitsDoubt: nothing is judged by them.
void CheckLimitsAgainstLog(QcFile& file);
