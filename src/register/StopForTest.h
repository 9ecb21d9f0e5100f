#pragma once

// Where an issue can be stopped on purpose, as a process killed there would stop: the tests name a step in
// the environment (OXYCALC_STOP_AT) to show that what an interruption at that step leaves is a draft,
// never a number without its files or files with a number the register does not hold.

// Whether the environment names this step.
bool StopRequested(const char* step);
// Ends the process at once, as a kill would: no destructor runs, no file is closed in order.
[[noreturn]] void StopNow();
// Ends the process here when the environment names the step.
void StopHereForTest(const char* step);
