#pragma once
// Windows INI files with the semantics of the profile functions: names compared without regard to case,
// first match wins, blanks trimmed, matching outer quotes removed, at most 254 characters read back,
// a missing file, section or key reads as the empty text.
// Implemented by ini_files_win32.cpp (Get/WritePrivateProfileStringA, as the peers use them) and
// ini_files_memory.cpp (the codec of ini_codec.h over real files, for tests).
#include <string>

namespace kolvane {

class IniFiles {
public:
    virtual ~IniFiles() = default;
    virtual std::string Read(const std::string& path, const std::string& section, const std::string& key) = 0;
    virtual bool Write(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& value) = 0;
    virtual bool DeleteKey(const std::string& path, const std::string& section, const std::string& key) = 0;
    virtual bool DeleteSection(const std::string& path, const std::string& section) = 0;
};

}  // namespace kolvane
