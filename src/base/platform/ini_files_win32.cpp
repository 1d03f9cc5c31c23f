#include "platform/ini_files_win32.h"

#include <windows.h>

#include "platform/ini_codec.h"
#include "platform/write_failures_win32.h"

namespace kolvane {

namespace {

// A refused write names the file only: the member database's sections and keys are members' numbers.
constexpr char kProfileCall[] = "WritePrivateProfileStringA";

}  // namespace

std::string Win32IniFiles::Read(const std::string& path, const std::string& section, const std::string& key) {
    // An empty section name crashes GetPrivateProfileStringA; a NUL would silently cut the name.
    if (!IniNameReadable(section) || !IniNameReadable(key)) return {};
    char buffer[kIniReadBuffer];
    const DWORD length = ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer,
                                                    static_cast<DWORD>(sizeof buffer), path.c_str());
    return std::string(buffer, length);
}

bool Win32IniFiles::Write(const std::string& path, const std::string& section, const std::string& key,
                          const std::string& value) {
    if (!IniSectionNameWritable(section) || !IniKeyNameWritable(key) || !IniValueWritable(value)) return false;
    return Reported(::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()),
                    kProfileCall, path);
}

bool Win32IniFiles::DeleteKey(const std::string& path, const std::string& section, const std::string& key) {
    if (!IniSectionNameWritable(section) || !IniKeyNameWritable(key)) return false;
    return Reported(::WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, path.c_str()), kProfileCall,
                    path);
}

bool Win32IniFiles::DeleteSection(const std::string& path, const std::string& section) {
    if (!IniSectionNameWritable(section)) return false;
    return Reported(::WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, path.c_str()), kProfileCall, path);
}

}  // namespace kolvane
