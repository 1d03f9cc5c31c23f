#pragma once
// Sets a flag for as long as a scope runs. An action that waits lets messages run, and the flag tells the
// clicks and ticks that arrive meanwhile that the action is still under way.
namespace kolvane {

class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace kolvane
