#pragma once
// The access password and the prompt's option, kept scrambled in the header section of the member database
// DATEX.DAT, so that every workstation that shares the database shares the password.
#include <optional>
#include <string>
#include <string_view>

#include "hub/hub.h"
#include "store/safe_ini_writer.h"

namespace kolvane {

// The longest password the database can carry: its reader returns at most 254 characters.
inline constexpr std::size_t kLongestPassword = 254;
inline constexpr char kPasswordUnreadable[] =
    "Das Kennwort kann nicht geprüft werden, weil die Datenbank nicht gelesen werden kann.\n"
    "Bitte versuchen Sie es in einem Moment noch einmal.";

// The stored password, empty when none is set; nothing when the database cannot be read (missing, not
// reachable, without its header, or the value damaged), which is not the same as "no password".
std::optional<std::string> ReadStoredPassword(Hub& hub);
// An empty password removes it. A failed save has been reported to the user; the old password stays.
SaveResult WriteStoredPassword(Hub& hub, std::string_view password);

// "Foreground": whether the prompt was kept in front when it was last confirmed.
bool ReadPromptForeground(const Hub& hub);
void WritePromptForeground(Hub& hub, bool foreground);

}  // namespace kolvane
