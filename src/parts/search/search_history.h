#pragma once
// The search history in REFIND.DAT of the database folder: a plain INI file (not scrambled), section
// "REFIND", one remembered term per key "100" to "150", newest first.
#include <string>
#include <vector>

#include "hub/hub.h"

namespace kolvane {

inline constexpr char kHistoryFile[] = "REFIND.DAT";
inline constexpr std::size_t kHistorySize = 51;  // the keys 100 to 150

// `GetNames`: the non-empty terms of the keys in order.
std::vector<std::string> GetNames(Hub& hub);
// The term goes first, as the file will give it back (without blanks around it and outer quotes), so
// that it is compared with the entries read from there; an earlier entry of the same text (in any
// case) goes, and so does what falls beyond the last key. A term that reads back empty is not kept.
void AddToHistory(std::vector<std::string>& history, const std::string& typed);
// `WriteNames`: the list under the keys 100 onwards, replacing the whole section in one step (a key beyond
// 150 that an older program left there goes too, since it would never be read back). False when the file
// could not be written; it is then as it was.
bool WriteNames(Hub& hub, const std::vector<std::string>& history);

}  // namespace kolvane
