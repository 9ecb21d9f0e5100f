#include "platform/ProgramArguments.h"

#include "platform/WideText.h"

std::vector<std::wstring> ProgramArguments(int argc, char** argv) {
    std::vector<std::wstring> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(FromUtf8(argv[i]));
    return arguments;
}
