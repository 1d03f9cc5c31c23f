#pragma once
// The registry through advapi32. HKEY_LOCAL_MACHINE is always opened through its 32-bit view, so that a
// 64-bit build reads and writes the same values as the suite's 32-bit programs (Wow6432Node on a
// 64-bit system).
#include "platform/registry.h"

namespace kolvane {

class Win32Registry final : public Registry {
public:
    bool KeyExists(RegRoot root, const std::string& path) override;
    KeyCreation CreateKey(RegRoot root, const std::string& path, const std::string& keyClass) override;
    std::optional<RegData> QueryValue(RegRoot root, const std::string& path, const std::string& name) override;
    bool SetValue(RegRoot root, const std::string& path, const std::string& name, const RegData& data) override;
    bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) override;
};

}  // namespace kolvane
