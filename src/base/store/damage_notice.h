#pragma once
// Values of the member database that do not unscramble (damaged on disk, or written by a program that
// did not police the character set) read as empty. The user hears of it through the scrambler's notice,
// once per pass: a search over thousands of members must not raise one box per damaged field.
#include <string>
#include <string_view>

#include "platform/dialogs.h"

namespace kolvane {

// NOLINTNEXTLINE(cppcoreguidelines-special-member-functions): copies are refused, it owns nothing to destroy
class DamageNotice {
public:
    explicit DamageNotice(Dialogs& dialogs) : dialogs_(dialogs) {}
    DamageNotice(const DamageNotice&) = delete;
    DamageNotice& operator=(const DamageNotice&) = delete;

    // The plain text of a stored value, or the empty text (and the notice, the first time) when it
    // does not unscramble.
    std::string Unscramble(std::string_view stored);
    bool Shown() const { return shown_; }

private:
    Dialogs& dialogs_;
    bool shown_ = false;
};

}  // namespace kolvane
