#pragma once

#include <vector>

#include "calc/CalculationData.h"
#include "messages/Message.h"

// Everything a lab must know about a calculation besides its numbers, each once and in this order: its
// warnings, what the caller knows of its settings (a density typed that is no number), the lines of its
// limits file that did not read, why each limit has no verdict (while anything is ticked) and the decision
// rule when it is not simple acceptance. The main dialog shows them a line each under the results.
std::vector<Message> WarningLines(const CalculationData& data, bool anyTicked, const Message& settings = {});
