#include "settings/ini_store.h"

namespace kolvane {

std::string IniReadString(IniFiles& ini, const std::string& path, const std::string& section,
                          const std::string& key) {
    // Callers size their texts by this limit; it holds whatever the implementation behind IniFiles does.
    std::string text = ini.Read(path, section, key);
    if (text.size() > kIniReadLimit) text.resize(kIniReadLimit);
    return text;
}

bool IniWriteString(IniFiles& ini, const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value) {
    return ini.Write(path, section, key, value);
}

}  // namespace kolvane
