#pragma once
// A hub on the in-memory platform with its hidden windows, as the Win32 view would create them, and the
// settings of an installed system when a test asks for them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/command_channel.h"
#include "hub/hub.h"
#include "platform/platform_memory.h"
#include "settings/registry_keys.h"
#include "settings/registry_store.h"
#include "store/crypt.h"
#include "store/store_fixture.h"

namespace kolvane {

using EventLog = std::vector<std::string>;
using Started = MemoryShell::Started;

// Notes every write that reaches the registry, in order, so a test can prove what a path wrote, or that it
// wrote nothing.
struct LoggingRegistry : Registry {
    LoggingRegistry(Registry& inner, EventLog& log) : inner(inner), log(log) {}
    bool KeyExists(RegRoot root, const std::string& path) override { return inner.KeyExists(root, path); }
    KeyCreation CreateKey(RegRoot root, const std::string& path, const std::string& keyClass) override {
        return inner.CreateKey(root, path, keyClass);
    }
    std::optional<RegData> QueryValue(RegRoot root, const std::string& path, const std::string& name) override {
        return inner.QueryValue(root, path, name);
    }
    bool SetValue(RegRoot root, const std::string& path, const std::string& name, const RegData& data) override {
        log.push_back("set " + name), texts[name].push_back(data.bytes.substr(0, data.bytes.find('\0')));
        return inner.SetValue(root, path, name, data);
    }
    bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) override {
        return log.push_back("remove " + name), inner.DeleteValue(root, path, name);
    }
    Registry& inner;
    EventLog& log;
    std::map<std::string, EventLog> texts;  // every value written under each name, up to its first NUL
};

// A member database with the header of a configured installation: the main office's first member number.
inline std::string ConfiguredDatabase() { return "[000]\r\n" + Line("A1", "001"); }

// A Windows program as far as its headers go: "MZ", and at 0x3C the offset of "PE\0\0".
inline std::string Program(char fill) {
    return "MZ" + std::string(0x3A, fill) + std::string("\x40\0\0\0PE\0\0", 8) + std::string(8, fill);
}

inline RegData SzData(const std::string& text) { return {RegType::Sz, text + '\0'}; }
inline RegData DwordData(std::int32_t value) {
    return {RegType::Dword, std::string(reinterpret_cast<const char*>(&value), sizeof value)};
}

// Replaces a setting by raw registry data, or removes it.
inline void StoreSetting(MemoryPlatform& p, const std::string& name, const std::optional<RegData>& data) {
    p.registry.DeleteValue(kSettingsKey.root, kSettingsKey.path, name);
    if (data) p.registry.Put(kSettingsKey.root, kSettingsKey.path, name, *data);
}

// Every file change but the diagnostic log's own fails, as on a full disk.
inline std::optional<bool> AllButTheLogFail(const FileChange& c) {
    return c.kind == FileChange::Kind::Append ? std::nullopt : std::optional(false);
}

// Runs a path that may end the process; true when it did.
template <typename Path>
bool Ends(Path path) {
    try {
        path();
    } catch (const ProcessTerminated&) {
        return true;
    }
    return false;
}

// Whether the hub was closed the orderly way: "$Ende$" into its command box.
inline bool SentClose(MemoryPlatform& p, const Hub& hub) {
    const auto& sent = p.windows.Sent();
    return std::find(sent.begin(), sent.end(), MemoryWindows::SentText{hub.Text1, kCloseCommand}) != sent.end();
}

// The share \\srv\lohn\ drops out (its folder is renamed away) and comes back, as a network does.
inline constexpr char kShare[] = "\\\\srv\\lohn\\";
inline void DropShare(MemoryPlatform& p, bool away) {
    const std::string here = p.files.HostPath(kShare), there = here + ".away";
    std::filesystem::rename(away ? here : there, away ? there : here);
}
// The message that the share cannot be reached, as a window or search shows it.
inline MessageBoxRequest ShareUnreachable() {
    return {"Der Datenbankordner \\\\srv\\lohn\\ ist nicht erreichbar.\nBitte prüfen Sie die Verbindung zum Server "
            "oder zum Netzlaufwerk und versuchen Sie es danach erneut.",
            " Datenbankfehler", MsgButtons::Ok, MsgIcon::Exclamation};
}

// An installed system: the settings key with `FirstRun`, no start delay, a configured database in the program
// folder, the system components in the system folder with the menu library registered, the sample files. Its
// command box takes texts without acting on them, unless `obeyClose` lets "$Ende$" run the close sequence.
struct InstalledSystem {
    explicit InstalledSystem(bool obeyClose = false) {
        hub.Root = p.windows.Create(kHubClass, kHubCaption);
        hub.Text1 = p.windows.Create(kCommandBoxClass, "", hub.Root);
        if (obeyClose) p.windows.Get(hub.Text1).onChange = [this](const std::string& t) { OnCommandText(hub, t); };
        RegCreateKey(p.registry, kSettingsKey.root, kSettingsKey.path, "");
        hub.settings.WriteInt(Setting::FirstRun, 1);
        hub.settings.WriteText(Setting::Database, "C:\\Orvintal\\");
        hub.settings.WriteInt(Setting::StartTime, 0);
        p.files.Put("C:\\Orvintal\\DATEX.DAT", ConfiguredDatabase());
        for (const char* library : {"Ssubtmr.dll", "Ssubtmr6.dll", "CNewMenu.dll", "MsStdFmt.dll"})
            p.files.Put(std::string("C:\\Windows\\System32\\") + library, "");
        RegCreateKey(p.registry, kMenuComponentClsidKey.root, kMenuComponentClsidKey.path, "");
        RegSetSetting(p.registry, kMenuComponentClsidKey.root, kMenuComponentClsidKey.path, "", std::string("PopupMenu"));
        for (const char* sample :
             {"Data\\Ort.dat", "Data\\Plz.dat", "Formulare\\DISPATCH.DAT", "Resource\\Db01000.dat", "Vorlagen\\user.dat"})
            p.files.Put(std::string("C:\\Orvintal\\") + sample, "[X]\r\n");
    }
    void Store(const std::string& name, const std::optional<RegData>& data) { StoreSetting(p, name, data); }
    void Put(const std::string& path, const std::string& bytes = "") { p.files.Put(path, bytes); }
    MemoryPlatform p;
    Hub hub{p.os};
};

}  // namespace kolvane
