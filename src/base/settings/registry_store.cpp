#include "settings/registry_store.h"

#include <charconv>

#include "platform/text.h"

namespace kolvane {
namespace {

std::string LittleEndian32(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (std::size_t i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

struct ToRegData {
    RegData operator()(std::int16_t value) const {
        return {RegType::Dword, LittleEndian32(static_cast<std::uint32_t>(static_cast<std::int32_t>(value)))};
    }
    RegData operator()(RegBinary32 value) const {
        return {RegType::Binary, LittleEndian32(static_cast<std::uint32_t>(value.value))};
    }
    RegData operator()(const std::string& text) const { return {RegType::Sz, text + '\0'}; }
};

std::int32_t FirstFourBytes(const std::string& bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return static_cast<std::int32_t>(value);
}

std::optional<std::string> TextOf(const RegData& data, Kernel& kernel) {
    switch (data.type) {
        case RegType::Sz:
        case RegType::MultiSz:
            return CutAtNul(data.bytes);
        case RegType::ExpandSz:
            return kernel.ExpandEnvironment(CutAtNul(data.bytes));
        case RegType::Dword:
        case RegType::Binary:
            return std::to_string(FirstFourBytes(data.bytes));
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<std::int32_t> ParseSettingNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    // cppcheck-suppress containerOutOfBounds ; holds at least the non-blank found above
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-') return std::nullopt;
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool RegKeyExists(Registry& registry, RegRoot root, const std::string& path) {
    return registry.KeyExists(root, path);
}

bool RegCreateKey(Registry& registry, RegRoot root, const std::string& path, const std::string& keyClass) {
    return registry.CreateKey(root, path, keyClass) == KeyCreation::Created;
}

bool RegSetSetting(Registry& registry, RegRoot root, const std::string& path, const std::string& name,
                   const RegValue& value) {
    return registry.SetValue(root, path, name, std::visit(ToRegData{}, value));
}

bool RegGetSetting(Registry& registry, Kernel& kernel, RegRoot root, const std::string& path,
                   const std::string& name, std::string& out) {
    const auto data = registry.QueryValue(root, path, name);
    if (!data) return false;
    auto text = TextOf(*data, kernel);
    if (!text) return false;
    out = std::move(*text);
    return true;
}

bool RegGetSetting(Registry& registry, Kernel& kernel, RegRoot root, const std::string& path,
                   const std::string& name, std::int32_t& out) {
    const auto data = registry.QueryValue(root, path, name);
    if (!data) return false;
    if (data->type == RegType::Dword || data->type == RegType::Binary) {
        out = FirstFourBytes(data->bytes);
        return true;
    }
    const auto text = TextOf(*data, kernel);
    const auto number = text ? ParseSettingNumber(*text) : std::nullopt;
    if (!number) return false;
    out = *number;
    return true;
}

bool RegDeleteSetting(Registry& registry, RegRoot root, const std::string& path, const std::string& name) {
    return registry.DeleteValue(root, path, name);
}

}  // namespace kolvane
