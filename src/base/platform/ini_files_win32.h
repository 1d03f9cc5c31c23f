#pragma once
// INI files through the Windows profile functions, as the suite's other programs use them:
// GetPrivateProfileStringA with a buffer of 255 characters and WritePrivateProfileStringA.
// Names and values that the codec refuses (ini_codec.h) are refused here before Windows sees them,
// so that both implementations answer alike.
#include <string>

#include "platform/ini_files.h"

namespace kolvane {

class Win32IniFiles : public IniFiles {
public:
    std::string Read(const std::string& path, const std::string& section, const std::string& key) override;
    bool Write(const std::string& path, const std::string& section, const std::string& key,
               const std::string& value) override;
    bool DeleteKey(const std::string& path, const std::string& section, const std::string& key) override;
    bool DeleteSection(const std::string& path, const std::string& section) override;
};

}  // namespace kolvane
