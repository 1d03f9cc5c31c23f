#pragma once
// What a registry file must be before the settings are restored from it: a file of the registry editor whose
// every entry lies in the settings key and that deletes nothing.
#include <optional>
#include <string>

namespace kolvane {

// The full name of the settings key as the registry editor writes it.
std::string SettingsKeyName();

// Nothing when the file's bytes may be imported; otherwise the German message that tells the user why not.
std::optional<std::string> SettingsFileRefusal(const std::string& bytes);

}  // namespace kolvane
