#pragma once
// The file system that kolpack works on: the Win32 platform on Windows, the host's files elsewhere.
#include <memory>

#include "platform/files.h"

namespace kolvane {

std::unique_ptr<Files> MakeToolFiles();

}  // namespace kolvane
