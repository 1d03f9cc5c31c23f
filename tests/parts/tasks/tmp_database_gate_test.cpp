#include "tasks/tmp_database_gate.h"

#include "hub/hub_fixture.h"

namespace kolvane {
namespace {

constexpr char kWaiting[] = "Bitte warten bis Orvintal die tempor\xE4re Datenbank f\xFCr Mitglieder und Beitr\xE4ge erstellt hat ...";
constexpr char kTimedOut[] = "Die \xDC" "berpr\xFC" "fung der Datenbank wurde wegen Zeit\xFC" "berschreitung abgebrochen.";
constexpr char kReady[] = "Klicken Sie das Symbol in der Statusbar um Zugriff auf die Komponenten von Orvintal zu erhalten.";
constexpr char kSource[] = "\\\\server\\daten\\DATEX.IHP";
constexpr char kLocal[] = "C:\\Orvintal\\DATEX.IHP";

// A hub on a network database whose info component opens its balloon window when started; the user closes it
// after 20 seconds.
class TmpDatabaseGateTest : public ::testing::Test {
protected:
    TmpDatabaseGateTest() {
        RegCreateKey(p.registry, kSettingsKey.root, kSettingsKey.path, "");
        hub.LrDatabase = "\\\\server\\daten\\";
        p.files.Put(ProgramFile(hub, "HINTFEED.EXE"), "MZ");
        p.shell.onStart = [this](const Started&) { OpenWindow("Brekkan Hintfeed", 20); };
    }
    void OpenWindow(const char* caption, double forSeconds) {
        const WindowId window = p.windows.Create(kHubClass, caption);
        p.clock.Schedule(forSeconds, [this, window] { p.windows.Destroy(window); });
    }

    MemoryPlatform p;
    EventLog writes;
    LoggingRegistry registry{p.registry, writes};
    Platform os{registry, p.ini, p.windows, p.tray, p.shell, p.kernel, p.files, p.clock, p.dialogs, p.md5, p.network, p.locks};
    Hub hub{os};
};

// Each builder window holds the wait until it closes, at most three minutes; the local copy is what the builder
// left at the end, never the half-built file that was there while it worked. After a time-out an up-to-date
// local copy stays for the components to use, an out-of-date one is gone. The waiting hint starts the info
// component again whenever the user has closed its balloon.
TEST_F(TmpDatabaseGateTest, TheLocalCopyIsMadeOnlyOfAFinishedDatabase) {
    const FileTime built{2026, 12, 7, 8, 30, 0}, earlier{2026, 12, 1, 17, 0, 0};
    const EventLog ready{kReady}, waited{kWaiting, kReady}, timedOut{kWaiting, kTimedOut, kReady};
    const std::optional<FileTime> none;
    struct Case { const char* source; std::optional<FileTime> localTime; double builderSeconds; double waited;
                  std::optional<std::string> local; EventLog hints; std::size_t hintStarts; };
    const Case cases[] = {
        {"fertig", earlier, 0, 0, "fertig", ready, 0},                  // finished, the local copy out of date
        {"half", none, 12, 12, "half and the rest", waited, 1},        // the builder finishes it
        {nullptr, none, 0, 30, "built", waited, 2},                     // missing until it is built
        {"half", built, 1e5, 180, "earlier", timedOut, 180 / 20 + 1},   // the builder never ends
        {"half", earlier, 1e5, 180, std::nullopt, timedOut, 180 / 20 + 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source ? c.source : "missing");
        registry.texts.clear(), p.shell.started.clear();
        p.files.Delete(kLocal), p.files.Delete(kSource);
        if (c.source) p.files.Put(kSource, c.source), p.files.SetModifiedTime(kSource, built);
        if (c.localTime) p.files.Put(kLocal, "earlier"), p.files.SetModifiedTime(kLocal, *c.localTime);
        if (c.builderSeconds) OpenWindow("Brekkan PictHelp IDE", c.builderSeconds);
        if (c.builderSeconds && c.builderSeconds < 180)
            p.clock.Schedule(c.builderSeconds - 0.5, [this] { p.files.Put(kSource, "half and the rest"); });
        if (!c.source) p.clock.Schedule(30, [this] { p.files.Put(kSource, "built"); });
        const double start = p.clock.Elapsed();

        CheckTmpDatabase(hub);

        EXPECT_NEAR(p.clock.Elapsed() - start, c.waited, 1e-3);
        EXPECT_EQ(p.files.ReadAll(kLocal), c.local);
        EXPECT_FALSE(p.files.Exists("C:\\Orvintal\\DATEX.IHP.$$$"));
        EventLog& hints = registry.texts["Infotip"];  // each once however often it was written in a row
        hints.erase(std::unique(hints.begin(), hints.end()), hints.end());
        EXPECT_EQ(hints, c.hints);
        EXPECT_EQ(std::count(p.shell.started.begin(), p.shell.started.end(), Started{"\"C:\\Orvintal\\HINTFEED.EXE\" /me", ShowState::Normal}),
                  static_cast<std::ptrdiff_t>(c.hintStarts));
        p.clock.Advance(1e5);  // every window of the case is gone
    }
}

// Window messages run during the wait: a second choice from the menu waits in a gate of its own, which ends with
// the first.
TEST_F(TmpDatabaseGateTest, ASecondWaitInsideTheFirstEndsWithIt) {
    p.files.Put(kSource, "half");
    OpenWindow("Brekkan Beitragskonten [TmpDb]", 10);
    double innerEnded = -1;
    p.clock.Schedule(3, [&] { CheckTmpDatabase(hub), innerEnded = p.clock.Elapsed(); });
    CheckTmpDatabase(hub);
    EXPECT_NEAR(innerEnded, 10, 1e-3);
    EXPECT_NEAR(p.clock.Elapsed(), 10, 1e-3);
}

}  // namespace
}  // namespace kolvane
