#pragma once
// The hub's timers played on the fake clock, and a hub whose start has come as far as its timers.
#include <memory>

#include "hub/hub_fixture.h"
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

// An installed system whose start has come as far as its timers (icon shown), which run on the clock; its
// database lies in the program folder.
struct TimedSystem : InstalledSystem {
    TimedSystem() : InstalledSystem(true) {
        hub.LrDatabase = "C:\\Orvintal\\";
        p.tray.Add(TrayPicture::Starting, "Orvintal");
    }
    void PutProgram(const std::string& name) { p.files.Put(ProgramFile(hub, name), "MZ"); }
    // Moves the clock on in steps of at most a second, so that every tick runs at its moment (a single advance
    // would run all that falls due at its end); true when the hub ended.
    bool RunFor(double seconds) {
        const double end = p.clock.Elapsed() + seconds;
        return Ends([&] {
            while (p.clock.Elapsed() < end - 1e-6) p.clock.Advance(std::min(1.0, end - p.clock.Elapsed()));
        });
    }
    // One tick as the window would dispatch it; true when it ended the hub.
    bool Tick(HubTimer timer) {
        return Ends([&] { OnTimer(hub, timer); });
    }
    std::string Quoted(const std::string& program) const { return "\"" + ProgramFile(hub, program) + "\""; }
    int Count(const std::string& commandLine) const {
        return static_cast<int>(std::ranges::count(p.shell.started, commandLine, &Started::commandLine));
    }

    TimerDriver driver{hub, p.clock};
};

}  // namespace kolvane
