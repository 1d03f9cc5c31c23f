#pragma once
// What the tools of the window `Optionen` share: their message boxes and the folder texts they fill in.
#include <string>

#include "options/options_form.h"

namespace kolvane {

// Titled with a blank and the window's caption unless a title is given.
MsgAnswer OptionsAsk(Hub& hub, const std::string& text, MsgButtons buttons, MsgIcon icon,
                     const std::string& title = std::string(" ") + kOptionenCaption);

// A folder chosen by a button ends in a backslash; a document folder only from 5 characters on.
std::string FolderWithBackslash(std::string folder, std::size_t shortest = 0);

// The folder part of a full file name, with its backslash.
std::string FolderOfFile(const std::string& file);

}  // namespace kolvane
