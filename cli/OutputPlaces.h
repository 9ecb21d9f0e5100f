#pragma once

#include "report/ReportWriting.h"

class UserMessages;

// A file already at the place of an output of `report` is replaced only when it reads as what that output
// writes (a report document, a page, a report for programs, a results CSV, each as this program makes it)
// or is empty: a data file named by a slip (the QC file, a densities file, a stylesheet an installed one
// imports) is never written over. False, after telling which, when one would be.
bool OutputsReplaceable(const ReportOutputs& outputs, UserMessages& messages);
