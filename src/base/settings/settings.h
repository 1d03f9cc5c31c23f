#pragma once
// The settings key as the hub uses it: every read and write names a Setting, and the table
// (settings_table.h) decides how the value is stored and what a missing value reads as.
#include <cstdint>
#include <string>

#include "platform/kernel.h"
#include "platform/registry.h"
#include "settings/settings_table.h"

namespace kolvane {

class Settings {
public:
    Settings(Registry& registry, Kernel& kernel);

    bool Exists(Setting setting) const;
    // The stored value only, converted as RegGetSetting converts; false when it is missing (for the number
    // also when it is not a number), out then untouched.
    bool Get(Setting setting, std::string& out) const;
    bool Get(Setting setting, std::int32_t& out) const;

    // Read-with-default: the stored value, else the table's default. A value without a default reads as
    // 0 or the empty text; Exists and Get tell whether it is there.
    std::int32_t ReadInt(Setting setting) const;
    bool ReadFlag(Setting setting) const;  // ReadInt is 1
    std::string ReadText(Setting setting) const;

    // Stores a number as the table's kind wants it: REG_DWORD for flags, indexes and numbers (a
    // FlagDeletedWhenOff removes the value for 0), decimal text for text kinds. False for a Marker and when
    // the write is refused.
    bool WriteInt(Setting setting, std::int16_t value);
    // Stores a text; an empty text removes a TextDeletedWhenEmpty and leaves a TextWrittenWhenSet alone.
    // An integer kind takes a text only when it is a number within 16 bits. False for a Marker.
    bool WriteText(Setting setting, const std::string& text);
    // False when the value did not exist or could not be deleted.
    bool Delete(Setting setting);

private:
    bool SetValue(Setting setting, const std::string& text);
    bool Remove(Setting setting);

    Registry& registry_;
    Kernel& kernel_;
};

}  // namespace kolvane
