#pragma once
// The hub's timers played on the fake clock, and a hub of an installed system whose start has reached the
// timers.
#include <algorithm>
#include <memory>

#include "hub/hub_fixture.h"
#include "settings/registry_keys.h"
#include "settings/registry_store.h"
#include "tasks/timer_schedule.h"

namespace kolvane {

// Plays the window's timers as Windows does: switching a timer on arms it anew (SetTimer), every period a
// tick is dispatched while the timer is on, and ticks fall due inside another tick's waits, since those let
// window messages run. Ends with the driver: the hub may outlive it.
class TimerDriver {
public:
    TimerDriver(Hub& hub, MemoryClock& clock) : state_(std::make_shared<State>(hub, clock)) {
        hub.switchTimer = [weak = std::weak_ptr<State>(state_)](HubTimer timer, bool on) {
            if (auto state = weak.lock()) Switch(state, timer, on);
        };
    }

private:
    struct State {
        State(Hub& h, MemoryClock& c) : hub(h), clock(c) {}
        Hub& hub;
        MemoryClock& clock;
        int generation[6] = {};  // a timer switched again forgets its earlier arming
    };

    static void Switch(const std::shared_ptr<State>& state, HubTimer timer, bool on) {
        int& generation = state->generation[static_cast<int>(timer)];
        ++generation;
        if (on) Arm(state, timer, generation);
    }

    static void Arm(const std::shared_ptr<State>& state, HubTimer timer, int generation) {
        std::weak_ptr<State> weak = state;
        state->clock.Schedule(TimerPeriodMs(timer) / 1000.0, [weak, timer, generation] {
            auto state = weak.lock();
            if (!state || state->generation[static_cast<int>(timer)] != generation) return;
            Arm(state, timer, generation);
            OnTimer(state->hub, timer);
        });
    }

    std::shared_ptr<State> state_;
};

inline constexpr char kFolder[] = "C:\\Orvintal";

// Registry data as the suite's programs store a value: text with its NUL, or a 32-bit number.
inline RegData SzData(const std::string& text) { return {RegType::Sz, text + '\0'}; }
inline RegData DwordData(std::int32_t value) {
    return {RegType::Dword, std::string(reinterpret_cast<const char*>(&value), sizeof value)};
}

// Moves the clock on by the seconds in steps of at most one, so that every tick runs at its moment (one
// advance would run all that falls due at its end); the waits of the ticks count towards the seconds. True
// when the hub ended meanwhile.
inline bool RunClock(MemoryClock& clock, double seconds) {
    const double end = clock.Elapsed() + seconds;
    try {
        while (clock.Elapsed() < end - 1e-6) clock.Advance(std::min(1.0, end - clock.Elapsed()));
        return false;
    } catch (const ProcessTerminated&) {
        return true;
    }
}

// A hub whose start has come as far as its timers: settings key, database folder, the timers on the clock.
class TimerTest : public HubTest {
protected:
    TimerTest() {
        RegCreateKey(p.registry, kSettingsKey.root, kSettingsKey.path, "");
        hub.LrDatabase = std::string(kFolder) + "\\";
    }

    void PutProgram(const std::string& name) { p.files.Put(ProgramFile(hub, name), "MZ"); }
    void PutDatabaseFile(const std::string& name, const std::string& bytes = "") {
        p.files.Put(DatabaseFile(hub, name), bytes);
    }
    // Moves the clock on while the timers tick; true when the hub ended meanwhile.
    bool Run(double seconds) { return RunClock(p.clock, seconds); }
    // One tick as the window would dispatch it; true when it ended the hub.
    bool Tick(HubTimer timer) {
        try {
            OnTimer(hub, timer);
            return false;
        } catch (const ProcessTerminated&) {
            return true;
        }
    }
    // The command lines started so far, in order.
    std::vector<std::string> Started() const {
        std::vector<std::string> lines;
        for (const auto& start : p.shell.started) lines.push_back(start.commandLine);
        return lines;
    }
    std::string Quoted(const std::string& program) const { return "\"" + ProgramFile(hub, program) + "\""; }

    TimerDriver driver{hub, p.clock};
};

}  // namespace kolvane
