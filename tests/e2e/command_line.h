#pragma once
// The command table of the test driver programs: "program COMMAND ARGUMENTS...", one handler per command,
// its usage printed on a wrong call. Output is binary, so that Windows-1252 texts reach the scripts as bytes.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <span>

struct Command {
    const char* name;
    int argumentCount;
    const char* arguments;
    int (*run)(char** args);
};

inline int RunCommand(const char* program, std::span<const Command> commands, int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc >= 2) {
        for (const Command& command : commands) {
            if (std::strcmp(command.name, argv[1]) != 0) continue;
            if (argc - 2 == command.argumentCount) return command.run(argv + 2);
        }
    }
    for (const Command& command : commands) std::fprintf(stderr, "%s %s %s\n", program, command.name, command.arguments);
    return 2;
}
