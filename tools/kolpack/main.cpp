// kolpack: packs files into a pack file, unpacks and lists one, for installations and support.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "pack/pack_command.h"
#include "tool_files.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::unique_ptr<kolvane::Files> files = kolvane::MakeToolFiles();
    return kolvane::RunPackCommand(args, *files, std::cout, std::cerr);
}
