#include "platform/registry_memory.h"

#include <algorithm>
#include <vector>

namespace kolvane {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return static_cast<unsigned char>(AsciiLower(x)) < static_cast<unsigned char>(AsciiLower(y));
        });
    }
};

// The parts of a key path; empty for the root itself. A path with an empty part ("a\\b", "\a", "a\")
// names no key.
std::optional<std::vector<std::string>> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    if (path.empty()) return parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = path.find('\\', start);
        std::string part = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (part.empty()) return std::nullopt;
        parts.push_back(std::move(part));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

}  // namespace

struct MemoryRegistry::Key {
    std::map<std::string, std::unique_ptr<Key>, NoCaseLess> subkeys;
    std::map<std::string, RegData, NoCaseLess> values;
    bool readOnly = false;
};

MemoryRegistry::MemoryRegistry() : localMachine_(std::make_unique<Key>()), currentUser_(std::make_unique<Key>()) {}
MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Key& MemoryRegistry::RootKey(RegRoot root) const {
    return root == RegRoot::LocalMachine ? *localMachine_ : *currentUser_;
}

const MemoryRegistry::Key* MemoryRegistry::Find(RegRoot root, const std::string& path) const {
    const auto parts = SplitPath(path);
    if (!parts) return nullptr;
    const Key* key = &RootKey(root);
    for (const std::string& part : *parts) {
        const auto it = key->subkeys.find(part);
        if (it == key->subkeys.end()) return nullptr;
        key = it->second.get();
    }
    return key;
}

MemoryRegistry::Key* MemoryRegistry::FindWritable(RegRoot root, const std::string& path) {
    const auto parts = SplitPath(path);
    if (!parts) return nullptr;
    Key* key = &RootKey(root);
    if (key->readOnly) return nullptr;
    for (const std::string& part : *parts) {
        const auto it = key->subkeys.find(part);
        if (it == key->subkeys.end() || it->second->readOnly) return nullptr;
        key = it->second.get();
    }
    return key;
}

MemoryRegistry::Key& MemoryRegistry::Make(RegRoot root, const std::string& path) {
    const auto parts = SplitPath(path).value();
    Key* key = &RootKey(root);
    for (const std::string& part : parts) {
        auto& slot = key->subkeys[part];
        if (!slot) slot = std::make_unique<Key>();
        key = slot.get();
    }
    return *key;
}

bool MemoryRegistry::KeyExists(RegRoot root, const std::string& path) { return Find(root, path) != nullptr; }

KeyCreation MemoryRegistry::CreateKey(RegRoot root, const std::string& path, const std::string&) {
    if (faults && !faults->Allows("RegCreateKeyExA", path)) return KeyCreation::Failed;
    const auto parts = SplitPath(path);
    if (!parts) return KeyCreation::Failed;
    // Read-only marks hold for everything below them, so a denied write is found before anything is created.
    Key* key = &RootKey(root);
    if (key->readOnly) return KeyCreation::Failed;
    bool created = false;
    for (const std::string& part : *parts) {
        auto& slot = key->subkeys[part];
        if (!slot) {
            slot = std::make_unique<Key>();
            created = true;
        } else if (slot->readOnly) {
            return KeyCreation::Failed;
        }
        key = slot.get();
    }
    return created ? KeyCreation::Created : KeyCreation::Existed;
}

std::optional<RegData> MemoryRegistry::QueryValue(RegRoot root, const std::string& path, const std::string& name) {
    const Key* key = Find(root, path);
    if (!key) return std::nullopt;
    const auto it = key->values.find(name);
    if (it == key->values.end()) return std::nullopt;
    return it->second;
}

bool MemoryRegistry::SetValue(RegRoot root, const std::string& path, const std::string& name, const RegData& data) {
    if (faults && !faults->Allows("RegSetValueExA", name)) return false;
    Key* key = FindWritable(root, path);
    if (!key) return false;
    key->values.insert_or_assign(name, data);
    return true;
}

bool MemoryRegistry::DeleteValue(RegRoot root, const std::string& path, const std::string& name) {
    if (faults && !faults->Allows("RegDeleteValueA", name)) return false;
    Key* key = FindWritable(root, path);
    return key && key->values.erase(name) == 1;
}

bool MemoryRegistry::HasKey(RegRoot root, const std::string& path) const { return Find(root, path) != nullptr; }

void MemoryRegistry::Put(RegRoot root, const std::string& path, const std::string& name, RegData data) {
    Make(root, path).values.insert_or_assign(name, std::move(data));
}

void MemoryRegistry::SetReadOnly(RegRoot root, const std::string& path, bool readOnly) {
    Make(root, path).readOnly = readOnly;
}

namespace {

template <typename Key>
void DumpKey(const Key& key, const std::string& path, std::vector<std::string>& lines) {
    for (const auto& [name, data] : key.values)
        lines.push_back(path + "\\" + name + "=" + std::to_string(static_cast<unsigned>(data.type)) + ":" + data.bytes);
    for (const auto& [name, sub] : key.subkeys) DumpKey(*sub, path + "\\" + name, lines);
}

}  // namespace

std::vector<std::string> MemoryRegistry::Dump() const {
    std::vector<std::string> lines;
    DumpKey(*localMachine_, "HKLM", lines);
    DumpKey(*currentUser_, "HKCU", lines);
    return lines;
}

}  // namespace kolvane
