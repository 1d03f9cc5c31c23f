#pragma once
// The search history in REFIND.DAT of the database folder: a plain INI file (not scrambled), section
// "REFIND", one remembered term per key "100" to "150", newest first.
#include <string>
#include <vector>

#include "hub/hub.h"

namespace kolvane {

inline constexpr char kHistoryFile[] = "REFIND.DAT";
inline constexpr std::size_t kHistorySize = 51;  // the keys 100 to 150

// The non-empty terms of the keys in order, from the bytes of the file, each as `AddToHistory` keeps a term.
std::vector<std::string> NamesIn(std::string bytes);
// The file's bytes with the list under the keys 100 onwards in place of every section of that name (a key
// beyond 150 that an older program left there goes too, since it would never be read back); every other
// line stays.
std::string WithNames(std::string bytes, const std::vector<std::string>& history);

// `GetNames`: `NamesIn` of the file; a missing or unreadable file gives none.
std::vector<std::string> GetNames(Hub& hub);
// The term goes first, as the file will give it back (without blanks around it and outer quotes), so
// that it is compared with the entries read from there; an earlier entry of the same text (in any
// case) goes, and so does what falls beyond the last key. A term that reads back empty is not kept.
void AddToHistory(std::vector<std::string>& history, const std::string& typed);
// `WriteNames`: `WithNames` of the file, replacing it in one step. False when the file could not be written;
// it is then as it was.
bool WriteNames(Hub& hub, const std::vector<std::string>& history);

}  // namespace kolvane
