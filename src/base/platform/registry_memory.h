#pragma once
// The registry as tests script it: keys per root, key paths and value names compared without regard to
// ASCII case. Known difference from Windows: Windows also folds the case of letters beyond ASCII
// ("Öffnen" and "öffnen" name one value there, two values here); the suite's names never differ so.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/faults_memory.h"
#include "platform/registry.h"

namespace kolvane {

class MemoryRegistry final : public Registry {
public:
    MemoryRegistry();
    ~MemoryRegistry() override;
    MemoryRegistry(const MemoryRegistry&) = delete;
    MemoryRegistry& operator=(const MemoryRegistry&) = delete;

    bool KeyExists(RegRoot root, const std::string& path) override;
    KeyCreation CreateKey(RegRoot root, const std::string& path, const std::string& keyClass) override;
    std::optional<RegData> QueryValue(RegRoot root, const std::string& path, const std::string& name) override;
    bool SetValue(RegRoot root, const std::string& path, const std::string& name, const RegData& data) override;
    bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) override;

    FaultInjector* faults = nullptr;  // asked before every change

    // For tests: the state behind the interface, untouched by read-only marks.
    bool HasKey(RegRoot root, const std::string& path) const;
    // Stores a value as a peer would, creating the key and its parents.
    void Put(RegRoot root, const std::string& path, const std::string& name, RegData data);
    // A read-only key (and everything below it) can be read but not written, as HKEY_LOCAL_MACHINE is for
    // a user without administrative rights. Creates the key when it is missing.
    void SetReadOnly(RegRoot root, const std::string& path, bool readOnly);
    // Every value of both roots, one line each ("HKLM\\key\\name=type:data"), sorted: a whole registry that
    // a test compares before and after.
    std::vector<std::string> Dump() const;

private:
    struct Key;
    Key& RootKey(RegRoot root) const;
    const Key* Find(RegRoot root, const std::string& path) const;
    Key* FindWritable(RegRoot root, const std::string& path);
    Key& Make(RegRoot root, const std::string& path);

    std::unique_ptr<Key> localMachine_;
    std::unique_ptr<Key> currentUser_;
};

}  // namespace kolvane
