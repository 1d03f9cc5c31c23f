#pragma once
// The hub's timers played on the fake clock, and a hub whose start has come as far as its timers.
#include <algorithm>
#include <memory>

#include "hub/hub_fixture.h"
#include "settings/registry_keys.h"
#include "settings/registry_store.h"
#include "tasks/timer_schedule.h"

namespace kolvane {

// Plays the window's timers as Windows does: switching a timer on arms it anew (SetTimer), a tick is
// dispatched every period while it is on, also inside another tick's wait. The hub may outlive the driver.
class TimerDriver {
public:
    TimerDriver(Hub& hub, MemoryClock& clock) : state_(std::make_shared<State>(hub, clock)) {
        hub.switchTimer = [weak = std::weak_ptr<State>(state_)](HubTimer timer, bool on) {
            if (auto state = weak.lock()) {
                int generation = ++state->generation[static_cast<int>(timer)];  // forgets the earlier arming
                if (on) Arm(state, timer, generation);
            }
        };
    }

private:
    struct State {
        State(Hub& h, MemoryClock& c) : hub(h), clock(c) {}
        Hub& hub;
        MemoryClock& clock;
        int generation[6] = {};
    };
    static void Arm(const std::shared_ptr<State>& state, HubTimer timer, int generation) {
        state->clock.Schedule(TimerPeriodMs(timer) / 1000.0, [weak = std::weak_ptr<State>(state), timer, generation] {
            auto state = weak.lock();
            if (!state || state->generation[static_cast<int>(timer)] != generation) return;
            Arm(state, timer, generation);
            OnTimer(state->hub, timer);
        });
    }
    std::shared_ptr<State> state_;
};

// Moves the clock on by the seconds, in steps of at most one so that every tick runs at its moment (a single
// advance would run all that falls due at its end); the ticks' own waits count. True when the hub ended.
inline bool RunClock(MemoryClock& clock, double seconds) {
    const double end = clock.Elapsed() + seconds;
    return Ends([&] {
        while (clock.Elapsed() < end - 1e-6) clock.Advance(std::min(1.0, end - clock.Elapsed()));
    });
}

inline RegData SzData(const std::string& text) { return {RegType::Sz, text + '\0'}; }
inline RegData DwordData(std::int32_t value) {
    return {RegType::Dword, std::string(reinterpret_cast<const char*>(&value), sizeof value)};
}

// An installed system whose start has come as far as its timers (icon shown), which run on the clock.
struct TimedSystem : InstalledSystem {
    TimedSystem() {
        hub.Text1 = p.windows.Create(kCommandBoxClass, "", hub.Root);
        p.windows.Get(hub.Text1).onChange = [this](const std::string& text) { OnCommandText(hub, text); };
        hub.LrDatabase = "C:\\Orvintal\\";
        p.tray.Add(TrayPicture::Starting, "Orvintal");
    }
    void PutProgram(const std::string& name) { p.files.Put(ProgramFile(hub, name), "MZ"); }
    void PutDatabaseFile(const std::string& name, const std::string& bytes = "") {
        p.files.Put(DatabaseFile(hub, name), bytes);
    }
    bool RunFor(double seconds) { return RunClock(p.clock, seconds); }
    // One tick as the window would dispatch it; true when it ended the hub.
    bool Tick(HubTimer timer) {
        return Ends([&] { OnTimer(hub, timer); });
    }
    std::vector<std::string> Started() const {
        std::vector<std::string> lines;
        for (const auto& start : p.shell.started) lines.push_back(start.commandLine);
        return lines;
    }
    int Count(const std::string& commandLine) const {
        auto lines = Started();
        return static_cast<int>(std::count(lines.begin(), lines.end(), commandLine));
    }
    std::string Quoted(const std::string& program) const { return "\"" + ProgramFile(hub, program) + "\""; }

    TimerDriver driver{hub, p.clock};
};

class TimerTest : public ::testing::Test, protected TimedSystem {};

}  // namespace kolvane
