#include "tasks/tmp_database_gate.h"

#include <algorithm>

#include "hub/hub_fixture.h"

namespace kolvane {
namespace {

constexpr char kWaiting[] =
    "Bitte warten bis Orvintal die tempor\xE4re Datenbank f\xFCr Mitglieder und Beitr\xE4ge erstellt hat ...";
constexpr char kTimedOut[] = "Die \xDC" "berpr\xFC" "fung der Datenbank wurde wegen Zeit\xFC" "berschreitung abgebrochen.";
constexpr char kReady[] =
    "Klicken Sie das Symbol in der Statusbar um Zugriff auf die Komponenten von Orvintal zu erhalten.";

// Records every text written to `Infotip`.
class InfotipRecorder : public Registry {
public:
    explicit InfotipRecorder(Registry& inner) : inner_(inner) {}
    std::vector<std::string> texts;

    bool KeyExists(RegRoot root, const std::string& path) override { return inner_.KeyExists(root, path); }
    KeyCreation CreateKey(RegRoot root, const std::string& path, const std::string& keyClass) override {
        return inner_.CreateKey(root, path, keyClass);
    }
    std::optional<RegData> QueryValue(RegRoot root, const std::string& path, const std::string& name) override {
        return inner_.QueryValue(root, path, name);
    }
    bool SetValue(RegRoot root, const std::string& path, const std::string& name, const RegData& data) override {
        if (name == "Infotip") texts.push_back(data.bytes.substr(0, data.bytes.find('\0')));
        return inner_.SetValue(root, path, name, data);
    }
    bool DeleteValue(RegRoot root, const std::string& path, const std::string& name) override {
        return inner_.DeleteValue(root, path, name);
    }

private:
    Registry& inner_;
};

class TmpDatabaseGateTest : public ::testing::Test {
protected:
    TmpDatabaseGateTest() {
        RegCreateKey(p.registry, kSettingsKey.root, kSettingsKey.path, "");
        hub.LrDatabase = "\\\\server\\daten\\";
        p.files.Put(ProgramFile(hub, "HINTFEED.EXE"), "MZ");
        // The info component opens its balloon window when started, and the user closes it after a while.
        p.shell.onStart = [this](const MemoryShell::Started&) {
            const WindowId balloon = p.windows.Create("ThunderRT6FormDC", "Brekkan Hintfeed");
            p.clock.Schedule(20, [this, balloon] { p.windows.Destroy(balloon); });
        };
    }

    std::string Source() const { return DatabaseFile(hub, "DATEX.IHP"); }
    std::string Local() const { return ProgramFile(hub, "DATEX.IHP"); }
    void OpenBuilder(const char* caption, double forSeconds) {
        const WindowId builder = p.windows.Create("ThunderRT6FormDC", caption);
        p.clock.Schedule(forSeconds, [this, builder] { p.windows.Destroy(builder); });
    }
    // The hints written to `Infotip`, in order, each once however often it was written in a row.
    std::vector<std::string> Hints() const {
        std::vector<std::string> hints;
        for (const auto& write : registry.texts)
            if (hints.empty() || hints.back() != write) hints.push_back(write);
        return hints;
    }
    int HintStarts() const {
        const std::string line = "\"" + ProgramFile(hub, "HINTFEED.EXE") + "\" /me";
        return static_cast<int>(std::count_if(p.shell.started.begin(), p.shell.started.end(), [&](const auto& s) {
            return s.commandLine == line && s.show == ShowState::Normal;
        }));
    }

    MemoryPlatform p;
    InfotipRecorder registry{p.registry};
    Platform os{registry, p.ini, p.windows, p.tray, p.shell, p.kernel, p.files, p.clock, p.dialogs, p.md5, p.network, p.locks};
    Hub hub{os};
};

// Each builder window holds the wait until it closes, at most three minutes; the local copy is what the builder
// left at the end, never the half-built file that was there while it worked. After a time-out an up-to-date
// local copy stays for the components to use, an out-of-date one is gone. The waiting hint starts the info
// component again whenever the user has closed its balloon, after 20 seconds.
TEST_F(TmpDatabaseGateTest, TheLocalCopyIsMadeOnlyOfAFinishedDatabase) {
    const FileTime built{2026, 12, 7, 8, 30, 0}, earlier{2026, 12, 1, 17, 0, 0};
    const std::vector<std::string> waitedFor{kWaiting, kReady}, timedOut{kWaiting, kTimedOut, kReady};
    struct Case {
        const char* name;
        const char* source;  // DATEX.IHP in the database folder at first; nullptr: missing
        std::optional<FileTime> localTime;  // of an earlier local copy; none: no local copy
        const char* builder;  // its window, open for builderSeconds
        double builderSeconds;
        double waited;
        std::optional<std::string> local;
        std::vector<std::string> hints;
        int hintStarts;
    };
    const Case cases[] = {
        {"finished", "fertig", std::nullopt, nullptr, 0, 0, "fertig", {kReady}, 0},
        {"finished, the local copy out of date", "fertig", earlier, nullptr, 0, 0, "fertig", {kReady}, 0},
        {"index builder", "half", std::nullopt, "Brekkan PictHelp IDE", 12, 12, "half and the rest", waitedFor, 1},
        {"contributions builder", "half", std::nullopt, "Brekkan Beitragskonten [TmpDb]", 12, 12, "half and the rest",
         waitedFor, 1},
        {"missing until it is built", nullptr, std::nullopt, nullptr, 0, 30, "built", waitedFor, 2},
        {"builder never ends, local copy up to date", "half", built, "Brekkan PictHelp IDE", 1e5, 180, "earlier",
         timedOut, 180 / 20 + 1},
        {"builder never ends, local copy out of date", "half", earlier, "Brekkan PictHelp IDE", 1e5, 180,
         std::nullopt, timedOut, 180 / 20 + 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        registry.texts.clear();
        p.shell.started.clear();
        p.files.Delete(Local());
        p.files.Delete(Source());
        if (c.source) {
            p.files.Put(Source(), c.source);
            p.files.SetModifiedTime(Source(), built);
        }
        if (c.localTime) {
            p.files.Put(Local(), "earlier");
            p.files.SetModifiedTime(Local(), *c.localTime);
        }
        if (c.builder) OpenBuilder(c.builder, c.builderSeconds);
        if (c.builder && c.builderSeconds < 180)
            p.clock.Schedule(c.builderSeconds - 0.5, [this] { p.files.Put(Source(), "half and the rest"); });
        if (!c.source) p.clock.Schedule(30, [this] { p.files.Put(Source(), "built"); });
        const double start = p.clock.Elapsed();

        CheckTmpDatabase(hub);

        EXPECT_NEAR(p.clock.Elapsed() - start, c.waited, 1e-3);
        EXPECT_EQ(p.files.ReadAll(Local()), c.local);
        EXPECT_FALSE(p.files.Exists(ProgramFile(hub, "DATEX.IHP.$$$")));
        EXPECT_EQ(Hints(), c.hints);
        EXPECT_EQ(HintStarts(), c.hintStarts);
        p.clock.Advance(1e5);  // every window of the case is gone
    }
}

// Window messages run during the wait: a second choice from the menu waits in a gate of its own.
TEST_F(TmpDatabaseGateTest, ASecondWaitInsideTheFirstEndsWithIt) {
    p.files.Put(Source(), "half");
    OpenBuilder("Brekkan PictHelp IDE", 10);
    double innerEnded = -1;
    p.clock.Schedule(3, [&] {
        CheckTmpDatabase(hub);
        innerEnded = p.clock.Elapsed();
    });
    CheckTmpDatabase(hub);
    EXPECT_NEAR(innerEnded, 10, 1e-3);
    EXPECT_NEAR(p.clock.Elapsed(), 10, 1e-3);
}

}  // namespace
}  // namespace kolvane
