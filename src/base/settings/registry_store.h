#pragma once
// The registry operations every part of the hub reads and writes through, on the settings key and on the
// foreign keys alike. None of them shows a message: a failure is the false result, and the caller falls
// back to its default.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/kernel.h"
#include "platform/registry.h"

namespace kolvane {

// A 32-bit integer stored as REG_BINARY of exactly 4 bytes. A type of its own, so that a plain int
// literal cannot end up as binary data by accident: no value of the suite is stored that way.
struct RegBinary32 {
    std::int32_t value = 0;
};

// The three kinds the store writes: a 16-bit integer as REG_DWORD (sign-extended to 4 bytes), a 32-bit
// integer as REG_BINARY, a text as REG_SZ with one terminating NUL.
using RegValue = std::variant<std::int16_t, RegBinary32, std::string>;

// True if the key can be opened for reading.
bool RegKeyExists(Registry& registry, RegRoot root, const std::string& path);
// True only when the key was newly created (with any missing parent); false when it existed already or
// could not be created.
bool RegCreateKey(Registry& registry, RegRoot root, const std::string& path, const std::string& keyClass);
// Never creates the key: false when it is missing or the write is refused; the old value then stays.
bool RegSetSetting(Registry& registry, RegRoot root, const std::string& path, const std::string& name,
                   const RegValue& value);
// Text: REG_SZ and REG_MULTI_SZ up to the first NUL, REG_EXPAND_SZ up to the first NUL with its
// environment variables expanded, REG_DWORD and REG_BINARY as decimal text of their number.
// False when the key or value is missing or the value's type carries no text; out is then untouched.
bool RegGetSetting(Registry& registry, Kernel& kernel, RegRoot root, const std::string& path,
                   const std::string& name, std::string& out);
// Number: REG_DWORD and REG_BINARY from their first 4 bytes, little-endian (fewer bytes are
// zero-extended, never over-read), texts when they hold a decimal number (a peer may store a flag as "1").
// False when missing or not a number; out is then untouched.
bool RegGetSetting(Registry& registry, Kernel& kernel, RegRoot root, const std::string& path,
                   const std::string& name, std::int32_t& out);
// The number a stored text stands for: decimal, an optional sign, blanks around it, within 32 bits.
std::optional<std::int32_t> ParseSettingNumber(std::string_view text);

// False when the key cannot be opened for writing or the value does not exist.
bool RegDeleteSetting(Registry& registry, RegRoot root, const std::string& path, const std::string& name);

}  // namespace kolvane
