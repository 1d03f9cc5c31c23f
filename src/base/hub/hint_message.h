#pragma once
// The hint message: a text the info component shows as a balloon, for every part that has news for the user.
#include <string>

#include "hub/hub.h"

namespace kolvane {

inline constexpr char kHintfeed[] = "HINTFEED.EXE";
inline constexpr char kHintfeedCaption[] = "Brekkan Hintfeed";
inline constexpr char kShowHintSwitch[] = " /me";

// Puts the text into `Infotip` and starts the info component, which shows it as a balloon.
void HintMessage(Hub& hub, const std::string& text);

}  // namespace kolvane
