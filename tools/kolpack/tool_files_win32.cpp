#include "platform/files_win32.h"
#include "tool_files.h"

namespace kolvane {

std::unique_ptr<Files> MakeToolFiles() { return std::make_unique<Win32Files>(); }

}  // namespace kolvane
