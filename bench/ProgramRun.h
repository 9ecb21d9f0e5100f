#pragma once

#include <string>
#include <vector>

// One run of a program as a benchmark measures it: its exit code, wall time and peak resident memory.
struct ProgramRun {
    int exitCode = -1;  // -1: it did not run or did not end normally
    double seconds = 0;
    double peakMiB = 0;
};

// Runs the program (arguments[0], a path) with standard output or error sent to a file when one is
// named, and waits for it.
ProgramRun RunProgram(const std::vector<std::string>& arguments, const std::string& standardOutput,
                      const std::string& standardError);
