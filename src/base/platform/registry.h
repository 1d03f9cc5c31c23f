#pragma once
// The Windows registry, reduced to what the settings store and the foreign keys need.
// Implemented by registry_win32.cpp (advapi32, HKEY_LOCAL_MACHINE through the 32-bit view,
// as the suite's 32-bit peers see it) and registry_memory.cpp (tests).
#include <optional>
#include <string>

namespace kolvane {

enum class RegRoot { LocalMachine, CurrentUser };

// Value types numbered as Windows numbers them.
enum class RegType : unsigned { None = 0, Sz = 1, ExpandSz = 2, Binary = 3, Dword = 4, MultiSz = 7 };

struct RegData {
    RegType type = RegType::None;
    std::string bytes;  // raw data as stored, a text's terminating NUL included
};

enum class KeyCreation { Created, Existed, Failed };

class Registry {
public:
    virtual ~Registry() = default;
    // Opens the key for reading (query, enumerate, notify) and closes it again.
    virtual bool KeyExists(RegRoot root, const std::string& path) = 0;
    // Creates the key and any missing parent, non-volatile, flushed.
    virtual KeyCreation CreateKey(RegRoot root, const std::string& path, const std::string& keyClass) = 0;
    // Empty when the key cannot be opened or the value does not exist.
    virtual std::optional<RegData> QueryValue(RegRoot root, const std::string& path, const std::string& name) = 0;
    // Never creates the key: false when it is missing or the write fails.
    virtual bool SetValue(RegRoot root, const std::string& path, const std::string& name, const RegData& data) = 0;
    virtual bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) = 0;
};

}  // namespace kolvane
