#pragma once
// The one reversible text scrambler of the member database: the same call scrambles plain text and
// unscrambles scrambled text. It also polices the database's character set, so a text it cannot carry
// is rejected instead of being stored in a form that would not read back.
#include <optional>
#include <string>
#include <string_view>

#include "platform/dialogs.h"

namespace kolvane {

// Every caller of the suite scrambles with this key; the components read the same database.
inline constexpr std::string_view kCryptKey = "3964";

// The notice for a rejected text. The scrambler does not show it itself: a reader that runs through
// a whole section decides how often the user sees it.
inline constexpr std::string_view kCryptRejectedTitle = " Datenbankfehler";
inline constexpr std::string_view kCryptRejectedText =
    "Der Datensatz wurde nicht gespeichert, weil unerlaubte Zeichen eingefügt wurden. \n"
    "Bitte entfernen Sie die Zeichen (Sonderzeichen) und speichern sie noch einmal. ";

// Exclamation icon, one OK button.
MessageBoxRequest CryptRejectedMessage();

// Each byte is XORed with its cyclically repeated key byte plus 96. Returns nothing when a result
// code falls outside 32..255 (then no part of the text is returned) or when the key is empty.
// An empty text gives an empty text.
std::optional<std::string> Crypt(std::string_view text, std::string_view key = kCryptKey);
// The same into out, which holds the result, or is empty when the text was rejected (then false). For a
// pass over a whole database: the result is made in out's own buffer, not moved there. The text must
// not lie in out.
bool CryptInto(std::string_view text, std::string& out, std::string_view key = kCryptKey);

// Whether a plain value survives the round trip through the database file unchanged: it scrambles
// and unscrambles without rejection, and the INI reader would neither trim blanks at either end of
// the scrambled form, nor strip matching quotes around it, nor cut it at its 255-byte buffer.
bool CanStore(std::string_view plain);

}  // namespace kolvane
