#pragma once
// The database wait window for tests: it runs as the real one does, ticking on the fake clock, and
// records what it shows; a test plays the user through the events at scheduled moments.
#include <gtest/gtest.h>

#include "hub/database_wait.h"
#include "platform/clock_memory.h"

namespace kolvane {

class FakeDatabaseWaitView : public DatabaseWaitView {
public:
    explicit FakeDatabaseWaitView(MemoryClock& clock) : clock_(clock) {}

    void Run(const DatabaseWaitForm& form, DatabaseWaitEvents& events) override {
        ++runs;
        shown = form;
        events_ = &events;
        open = true;
        const double openedAt = clock_.Elapsed();
        while (open) {
            if (clock_.Elapsed() - openedAt > kMaxOpenSeconds) {
                ADD_FAILURE() << "the window stayed open for a simulated day";
                break;
            }
            clock_.Advance(kWaitTickSeconds);
            if (open) events.Tick();
        }
        events_ = nullptr;
        closedAt = clock_.Elapsed();
    }
    void Update(const DatabaseWaitForm& form) override { shown = form; }
    void Close() override { open = false; }

    // The user's events; valid while the window is open.
    DatabaseWaitEvents& User() {
        EXPECT_NE(events_, nullptr) << "the window is not open";
        return *events_;
    }

    static constexpr double kMaxOpenSeconds = 86400;
    int runs = 0;
    bool open = false;
    double closedAt = -1;
    DatabaseWaitForm shown;

private:
    MemoryClock& clock_;
    DatabaseWaitEvents* events_ = nullptr;
};

}  // namespace kolvane
