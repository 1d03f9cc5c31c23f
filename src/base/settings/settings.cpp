#include "settings/settings.h"

#include <limits>

#include "settings/registry_keys.h"
#include "settings/registry_store.h"

namespace kolvane {
namespace {

bool IsTextKind(SettingKind kind) {
    switch (kind) {
        case SettingKind::Text:
        case SettingKind::TextNumber:
        case SettingKind::TextDeletedWhenEmpty:
        case SettingKind::TextWrittenWhenSet:
            return true;
        default:
            return false;
    }
}

std::string Name(Setting setting) { return std::string(EntryOf(setting).name); }

}  // namespace

Settings::Settings(Registry& registry, Kernel& kernel) : registry_(registry), kernel_(kernel) {}

bool Settings::Exists(Setting setting) const {
    return registry_.QueryValue(kSettingsKey.root, kSettingsKey.path, Name(setting)).has_value();
}

bool Settings::Get(Setting setting, std::string& out) const {
    return RegGetSetting(registry_, kernel_, kSettingsKey.root, kSettingsKey.path, Name(setting), out);
}

bool Settings::Get(Setting setting, std::int32_t& out) const {
    return RegGetSetting(registry_, kernel_, kSettingsKey.root, kSettingsKey.path, Name(setting), out);
}

std::int32_t Settings::ReadInt(Setting setting) const {
    std::int32_t value = 0;
    if (Get(setting, value)) return value;
    const SettingEntry& entry = EntryOf(setting);
    return entry.absent.present && !IsTextKind(entry.kind) ? entry.absent.number : 0;
}

bool Settings::ReadFlag(Setting setting) const { return ReadInt(setting) == 1; }

std::string Settings::ReadText(Setting setting) const {
    std::string text;
    if (Get(setting, text)) return text;
    const SettingEntry& entry = EntryOf(setting);
    if (!entry.absent.present) return {};
    return IsTextKind(entry.kind) ? std::string(entry.absent.text) : std::to_string(entry.absent.number);
}

bool Settings::WriteInt(Setting setting, std::int16_t value) {
    switch (EntryOf(setting).kind) {
        case SettingKind::Flag:
        case SettingKind::Index:
        case SettingKind::Number:
            return RegSetSetting(registry_, kSettingsKey.root, kSettingsKey.path, Name(setting), value);
        case SettingKind::FlagDeletedWhenOff:
            if (value == 0) return Remove(setting);
            return RegSetSetting(registry_, kSettingsKey.root, kSettingsKey.path, Name(setting), value);
        case SettingKind::Marker:
            return false;
        default:
            return WriteText(setting, std::to_string(value));
    }
}

bool Settings::WriteText(Setting setting, const std::string& text) {
    switch (EntryOf(setting).kind) {
        case SettingKind::Text:
        case SettingKind::TextNumber:
            return SetValue(setting, text);
        case SettingKind::TextDeletedWhenEmpty:
            return text.empty() ? Remove(setting) : SetValue(setting, text);
        case SettingKind::TextWrittenWhenSet:
            return text.empty() || SetValue(setting, text);
        case SettingKind::Marker:
            return false;
        default: {
            // A number handed over as text (the close sequence writes the password run flag so) is
            // stored as the number the readers expect.
            const auto number = ParseSettingNumber(text);
            if (!number || *number < std::numeric_limits<std::int16_t>::min() ||
                *number > std::numeric_limits<std::int16_t>::max())
                return false;
            return WriteInt(setting, static_cast<std::int16_t>(*number));
        }
    }
}

bool Settings::Delete(Setting setting) {
    return RegDeleteSetting(registry_, kSettingsKey.root, kSettingsKey.path, Name(setting));
}

bool Settings::SetValue(Setting setting, const std::string& text) {
    return RegSetSetting(registry_, kSettingsKey.root, kSettingsKey.path, Name(setting), text);
}

// The wanted state is "no value": reached also when there was none.
bool Settings::Remove(Setting setting) { return !Exists(setting) || Delete(setting); }

}  // namespace kolvane
