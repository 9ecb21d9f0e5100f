#include "ProgramRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

extern char** environ;

ProgramRun RunProgram(const std::vector<std::string>& arguments, const std::string& standardOutput,
                      const std::string& standardError) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int flags = O_WRONLY | O_CREAT | O_TRUNC;
    if (!standardOutput.empty())
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, standardOutput.c_str(), flags, 0644);
    if (!standardError.empty())
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, standardError.c_str(), flags, 0644);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ProgramRun run;
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)) return run;
    run.exitCode = WEXITSTATUS(status);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // Linux counts in KiB
    return run;
}
