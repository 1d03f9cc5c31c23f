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
    Platform os{registry, p.ini, p.windows, p.tray, p.shell, p.kernel, p.files, p.clock, p.dialogs, p.md5, p.network};
    Hub hub{os};
};

TEST_F(TmpDatabaseGateTest, AFinishedDatabaseIsCopiedAtOnce) {
    p.files.Put(Source(), "finished");
    CheckTmpDatabase(hub);
    EXPECT_EQ(p.clock.Elapsed(), 0);
    EXPECT_EQ(p.files.ReadAll(Local()), "finished");
    EXPECT_EQ(Hints(), std::vector<std::string>{kReady});
    EXPECT_EQ(HintStarts(), 0);
}

TEST_F(TmpDatabaseGateTest, AnOutOfDateLocalCopyIsReplaced) {
    p.files.Put(Source(), "new");
    p.files.SetModifiedTime(Source(), {2026, 12, 7, 8, 30, 0});
    p.files.Put(Local(), "old");
    p.files.SetModifiedTime(Local(), {2026, 12, 1, 17, 0, 0});
    CheckTmpDatabase(hub);
    EXPECT_EQ(p.files.ReadAll(Local()), "new");
    EXPECT_FALSE(p.files.Exists(ProgramFile(hub, "DATEX.IHP.$$$")));
}

// Each builder window holds the wait until it closes; the local copy is what the builder left at the end, never
// the half-built file that was there while it worked, even when no local copy exists yet.
TEST_F(TmpDatabaseGateTest, AHalfBuiltDatabaseIsNeverCopied) {
    for (const char* builder : {"Brekkan PictHelp IDE", "Brekkan Beitragskonten [TmpDb]"}) {
        SCOPED_TRACE(builder);
        p.files.Delete(Local());
        p.files.Put(Source(), "half");
        OpenBuilder(builder, 12);
        p.clock.Schedule(11.5, [this] { p.files.Put(Source(), "half and the rest"); });
        const double start = p.clock.Elapsed();
        CheckTmpDatabase(hub);
        EXPECT_NEAR(p.clock.Elapsed() - start, 12, 1e-3);
        EXPECT_EQ(p.files.ReadAll(Local()), "half and the rest");
    }
}

TEST_F(TmpDatabaseGateTest, AMissingDatabaseIsAwaitedWithHintsAndCopiedWhenItComes) {
    p.clock.Schedule(30, [this] { p.files.Put(Source(), "built"); });
    CheckTmpDatabase(hub);
    EXPECT_NEAR(p.clock.Elapsed(), 30, 1e-3);
    EXPECT_EQ(p.files.ReadAll(Local()), "built");
    EXPECT_EQ(Hints(), (std::vector<std::string>{kWaiting, kReady}));
    // Started again only once the user had closed the balloon after 20 seconds.
    EXPECT_EQ(HintStarts(), 2);
}

// An up-to-date local copy stays for the components to use; an out-of-date one is gone.
TEST_F(TmpDatabaseGateTest, ABuilderThatNeverEndsTimesOutAfterThreeMinutesWithoutACopy) {
    const FileTime built{2026, 12, 7, 8, 30, 0};
    struct Case {
        const char* name;
        FileTime local;
        bool kept;
    };
    for (const Case& c : {Case{"up to date", built, true}, Case{"out of date", {2026, 12, 1, 17, 0, 0}, false}}) {
        SCOPED_TRACE(c.name);
        registry.texts.clear();
        p.shell.started.clear();
        p.files.Put(Source(), "half");
        p.files.SetModifiedTime(Source(), built);
        p.files.Put(Local(), "earlier");
        p.files.SetModifiedTime(Local(), c.local);
        OpenBuilder("Brekkan PictHelp IDE", 100000);
        const double start = p.clock.Elapsed();
        CheckTmpDatabase(hub);
        EXPECT_NEAR(p.clock.Elapsed() - start, 180, 1e-3);
        EXPECT_EQ(Hints(), (std::vector<std::string>{kWaiting, kTimedOut, kReady}));
        EXPECT_EQ(p.files.ReadAll(Local()), c.kept ? std::optional<std::string>("earlier") : std::nullopt);
        // The waiting hint starts the info component again whenever the user has closed its balloon (after 20
        // seconds); the time-out hint starts it in any case.
        EXPECT_EQ(HintStarts(), 180 / 20 + 1);
        p.clock.Advance(100000);
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
