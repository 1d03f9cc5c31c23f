#include "platform/registry_win32.h"

#include "platform/handle_win32.h"
#include "platform/write_failures_win32.h"

namespace kolvane {

namespace {

// Rights as the suite's programs ask for them: reading needs query, enumerate and notify (0x19); writing
// takes everything but the standard rights (0x3F).
constexpr REGSAM kReadAccess = KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY;
constexpr REGSAM kWriteAccess = KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS |
                                KEY_NOTIFY | KEY_CREATE_LINK;
static_assert(kReadAccess == 0x19 && kWriteAccess == 0x3F);

// A value may grow between the size query and the read while another program writes it.
constexpr int kReadAttempts = 3;

struct RootKey {
    HKEY key;
    REGSAM view;
};

RootKey RootOf(RegRoot root) {
    if (root == RegRoot::LocalMachine) return {HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY};
    return {HKEY_CURRENT_USER, 0};
}

Key OpenKey(RegRoot root, const std::string& path, REGSAM access) {
    RootKey base = RootOf(root);
    HKEY key = nullptr;
    if (::RegOpenKeyExA(base.key, path.c_str(), 0, access | base.view, &key) != ERROR_SUCCESS) return Key();
    return Key(key);
}

// A key opened to change one of its values; a refusal is reported by the value's name.
Key OpenKeyToWrite(RegRoot root, const std::string& path, const std::string& name) {
    RootKey base = RootOf(root);
    HKEY key = nullptr;
    if (!ReportedStatus(::RegOpenKeyExA(base.key, path.c_str(), 0, kWriteAccess | base.view, &key), "RegOpenKeyExA",
                        name))
        return Key();
    return Key(key);
}

}  // namespace

bool Win32Registry::KeyExists(RegRoot root, const std::string& path) {
    return static_cast<bool>(OpenKey(root, path, kReadAccess));
}

KeyCreation Win32Registry::CreateKey(RegRoot root, const std::string& path, const std::string& keyClass) {
    RootKey base = RootOf(root);
    std::string className = keyClass;  // the A function takes the class as a writable string
    HKEY raw = nullptr;
    DWORD disposition = 0;
    if (::RegCreateKeyExA(base.key, path.c_str(), 0, className.data(), REG_OPTION_NON_VOLATILE,
                          kWriteAccess | base.view, nullptr, &raw, &disposition) != ERROR_SUCCESS)
        return KeyCreation::Failed;
    Key key(raw);
    ::RegFlushKey(key.get());
    return disposition == REG_CREATED_NEW_KEY ? KeyCreation::Created : KeyCreation::Existed;
}

std::optional<RegData> Win32Registry::QueryValue(RegRoot root, const std::string& path, const std::string& name) {
    Key key = OpenKey(root, path, kReadAccess);
    if (!key) return std::nullopt;
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        // One byte more than reported, so that a text stored without its terminator still reads whole.
        std::string buffer(size + 1, '\0');
        DWORD read = size + 1;
        LSTATUS status = ::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(buffer.data()), &read);
        if (status == ERROR_SUCCESS) {
            buffer.resize(read);
            return RegData{static_cast<RegType>(type), std::move(buffer)};
        }
        if (status != ERROR_MORE_DATA) return std::nullopt;
        size = read;
    }
    return std::nullopt;
}

bool Win32Registry::SetValue(RegRoot root, const std::string& path, const std::string& name, const RegData& data) {
    Key key = OpenKeyToWrite(root, path, name);
    if (!key) return false;
    return ReportedStatus(::RegSetValueExA(key.get(), name.c_str(), 0, static_cast<DWORD>(data.type),
                                           reinterpret_cast<const BYTE*>(data.bytes.data()),
                                           static_cast<DWORD>(data.bytes.size())),
                          "RegSetValueExA", name);
}

bool Win32Registry::DeleteValue(RegRoot root, const std::string& path, const std::string& name) {
    // A value or key that is not there is no refused write: optional values are deleted whether present or not.
    if (!KeyExists(root, path)) return false;
    Key key = OpenKeyToWrite(root, path, name);
    if (!key) return false;
    LONG status = ::RegDeleteValueA(key.get(), name.c_str());
    return status != ERROR_FILE_NOT_FOUND && ReportedStatus(status, "RegDeleteValueA", name);
}

}  // namespace kolvane
