#pragma once
#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/md5.h"

namespace kolvane {

// The MD5 digest of a whole file, read in blocks of 32768 bytes, as 32 upper-case hexadecimal digits.
// Empty when the file is missing, locked or could not be read to its end.
std::optional<std::string> FileFingerprint(Files& files, Md5& md5, const std::string& path);

}  // namespace kolvane
