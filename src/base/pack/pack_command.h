#pragma once
// The command line of the kolpack tool:
//   kolpack create PACK FILE...        kolpack extract PACK FOLDER [NAME]        kolpack list PACK
// Progress and listings go to out, German messages (Windows-1252) to err.
#include <ostream>
#include <string>
#include <vector>

#include "platform/files.h"

namespace kolvane {

// args without the program name. Returns the exit code: 0 on success, 1 otherwise.
int RunPackCommand(const std::vector<std::string>& args, Files& files, std::ostream& out, std::ostream& err);

}  // namespace kolvane
