// --help and --version of every program, answered before any window, socket or
// file is touched, so they work on a machine without a display.
#pragma once

#include "protocol/Messages.h"

#include <cstdio>
#include <cstring>

namespace ProgramInfo {

// True when the command line asks for help or the version; the answer is then
// on standard output and the program ends with status 0.
inline bool answered(int argc, char **argv, const char *name, const char *usage)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", name, Protocol::Version);
            return true;
        }
    }
    return false;
}

} // namespace ProgramInfo
