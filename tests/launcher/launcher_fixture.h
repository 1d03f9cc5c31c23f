#pragma once
// A hub of an installed system whose start is complete, with a popup menu that records which entries its
// actions disable.
#include <string>
#include <vector>

#include "hub/hub_fixture.h"
#include "launcher/component_table.h"

namespace kolvane {

class RecordingMenu : public MenuEntries {
public:
    std::vector<int> disabled;
    void Disable(int itemNr) override { disabled.push_back(itemNr); }
};

inline constexpr char kDatabaseFolder[] = "C:\\Orvintal\\Daten\\";

class LauncherTest : public HubTest {
protected:
    LauncherTest() {
        RegCreateKey(p.registry, kSettingsKey.root, kSettingsKey.path, "");
        hub.LrDatabase = kDatabaseFolder;
        // A finished temporary database, so that guarded actions go on at once.
        p.files.Put(DatabaseFile(hub, "DATEX.IHP"), "IHP");
    }

    void PutProgram(const std::string& name, const std::string& bytes = "MZ") {
        p.files.Put(ProgramFile(hub, name), bytes);
    }
    // Runs the action as chosen from popup entry itemNr.
    void Choose(ActionKey key, int itemNr = 7) { RunAction(hub, key, {menu, itemNr}); }

    std::string Quoted(const std::string& program) const { return "\"" + ProgramFile(hub, program) + "\""; }
    std::vector<std::string> Started() const {
        std::vector<std::string> lines;
        for (const auto& start : p.shell.started) lines.push_back(start.commandLine);
        return lines;
    }
    std::string Stored(Setting setting) const { return hub.settings.ReadText(setting); }
    void Store(const char* name, const std::optional<RegData>& data) {
        p.registry.DeleteValue(kSettingsKey.root, kSettingsKey.path, name);
        if (data) p.registry.Put(kSettingsKey.root, kSettingsKey.path, name, *data);
    }

    RecordingMenu menu;
};

// The test platform's files seen through a second door whose copies can be made to fail or to come out short
// (a full disk, a file held open by another program).
class FaultyFiles : public MemoryFiles {
public:
    using MemoryFiles::MemoryFiles;
    enum class CopyFault { None, Refused, Truncated };
    CopyFault copyFault = CopyFault::None;

    bool Copy(const std::string& from, const std::string& to) override {
        if (copyFault == CopyFault::None) return MemoryFiles::Copy(from, to);
        // The short copy reports success but holds only the first half.
        const std::optional<std::string> bytes = ReadAll(from);
        return copyFault == CopyFault::Truncated && bytes && WriteAll(to, bytes->substr(0, bytes->size() / 2));
    }
};

// A launcher test whose file copies can fail.
class FaultyFilesTest : public ::testing::Test {
protected:
    FaultyFilesTest() { RegCreateKey(p.registry, kSettingsKey.root, kSettingsKey.path, ""); }
    void PutProgram(const std::string& name, const std::string& bytes = "MZ") {
        p.files.Put(ProgramFile(hub, name), bytes);
    }
    std::string Quoted(const std::string& program) const { return "\"" + ProgramFile(hub, program) + "\""; }

    MemoryPlatform p;
    FaultyFiles files{p.root};
    Platform os{p.registry, p.ini, p.windows, p.tray, p.shell, p.kernel, files, p.clock, p.dialogs, p.md5, p.network, p.locks};
    Hub hub{os};
    RecordingMenu menu;
};

inline RegData SzValue(const std::string& text) { return {RegType::Sz, text + '\0'}; }
inline RegData DwordValue(std::int32_t value) {
    return {RegType::Dword, std::string(reinterpret_cast<const char*>(&value), sizeof value)};
}

}  // namespace kolvane
