#pragma once
// The hub's timers played on the fake clock, and a hub whose start has come as far as its timers.
#include "hub/hub_fixture.h"
#include "tasks/timer_schedule.h"

namespace kolvane {

// Plays the window's timers as Windows does: switching a timer on arms it anew (SetTimer), a tick is
// dispatched every period while it is on, also inside another tick's wait.
struct TimerDriver {
    TimerDriver(Hub& hub, MemoryClock& clock) : hub(hub), clock(clock) {
        hub.switchTimer = [this](HubTimer timer, bool on) {
            const int generation = ++generations[static_cast<int>(timer)];  // forgets the earlier arming
            if (on) Arm(timer, generation);
        };
    }
    void Arm(HubTimer timer, int generation) {
        clock.Schedule(TimerPeriodMs(timer) / 1000.0, [this, timer, generation] {
            if (generations[static_cast<int>(timer)] != generation) return;
            Arm(timer, generation);
            OnTimer(hub, timer);
        });
    }
    Hub& hub;
    MemoryClock& clock;
    int generations[6] = {};
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
