#pragma once
// Flags for actions that let messages run while they wait: the clicks and ticks that arrive meanwhile learn
// that the action is still under way.
namespace kolvane {

// Sets a flag for as long as a scope runs.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

// Lets a handler run once at a time. A handler that asks in a box or waits lets messages run, and a second click
// or tick arriving meanwhile must not run it again inside itself: a second confirm would back up and store twice.
class ReentryGuard {
public:
    explicit ReentryGuard(bool& running) : running_(running), entered_(!running) { running_ = true; }
    ~ReentryGuard() {
        if (entered_) running_ = false;
    }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;
    // False when the handler is running already: the caller returns at once.
    bool Entered() const { return entered_; }

private:
    bool& running_;
    bool entered_;
};

}  // namespace kolvane
