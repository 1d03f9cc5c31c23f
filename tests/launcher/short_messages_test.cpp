#include "launcher_fixture.h"

namespace kolvane {
namespace {

class ShortMessagesTest : public LauncherTest {
protected:
    ShortMessagesTest() { PutProgram("QUILL.EXE"); }
    // The writer loads for the given seconds and then reports through `Quickload`; never when negative.
    void WriterLoads(double seconds) {
        p.shell.onStart = [this, seconds](const MemoryShell::Started& s) {
            quickwriteAtStart = Stored(Setting::Quickwrite);
            quickloadAtStart = hub.settings.Exists(Setting::Quickload);
            if (s.commandLine == Quoted("QUILL.EXE") && seconds >= 0)
                p.clock.Schedule(seconds, [this] { p.registry.Put(kSettingsKey.root, kSettingsKey.path, "Quickload",
                                                                  DwordValue(1)); });
        };
    }
    std::string quickwriteAtStart;
    bool quickloadAtStart = true;
};

TEST_F(ShortMessagesTest, TheWriterStartsEmptyAndQuickwriteComesBackOnceItHasLoaded) {
    struct Case {
        const char* name;
        std::optional<RegData> quickwrite;
        double loads;  // seconds until the writer reports, negative for never
        double waited;
        const char* after;
    };
    const Case cases[] = {
        {"reports after 4 seconds", DwordValue(1), 4, 4, "1"},
        {"never reports: 30 passes", DwordValue(1), -1, 30, "1"},
        {"Quickwrite 0", DwordValue(0), 2, 2, "0"},
        {"Quickwrite missing counts as 0", std::nullopt, 2, 2, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Store("Quickwrite", c.quickwrite);
        Store("Quickload", DwordValue(1));  // left over from the last run
        WriterLoads(c.loads);
        const double start = p.clock.Elapsed();
        Choose(ActionKey::Kurzmitteilungen);
        EXPECT_NEAR(p.clock.Elapsed() - start, c.waited, 1e-3);
        EXPECT_EQ(quickwriteAtStart, "0");
        EXPECT_FALSE(quickloadAtStart);
        EXPECT_EQ(Stored(Setting::Quickwrite), c.after);
        p.clock.Advance(60);
    }
}

TEST_F(ShortMessagesTest, AMissingWriterIsNotAwaited) {
    p.files.Delete(ProgramFile(hub, "QUILL.EXE"));
    Store("Quickwrite", DwordValue(1));
    Choose(ActionKey::Kurzmitteilungen, 5);
    EXPECT_EQ(p.clock.Elapsed(), 0);
    EXPECT_EQ(menu.disabled, std::vector<int>{5});
    EXPECT_EQ(Stored(Setting::Quickwrite), "1");
}

}  // namespace
}  // namespace kolvane
