#pragma once
// The two INI operations of the settings store, over full file paths built by the caller from the
// installation or the database folder.
#include <cstddef>
#include <string>

#include "platform/ini_files.h"

namespace kolvane {

// The most a read hands back, as the profile functions' 255-byte buffer allows.
inline constexpr std::size_t kIniReadLimit = 254;

// The stored text, or the empty text when the file, section or key is missing.
std::string IniReadString(IniFiles& ini, const std::string& path, const std::string& section, const std::string& key);
bool IniWriteString(IniFiles& ini, const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value);

}  // namespace kolvane
