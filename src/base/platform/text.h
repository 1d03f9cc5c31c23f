#pragma once
// Small helpers on Windows-1252 text held in std::string.
#include <string>
#include <string_view>

namespace kolvane {

// Upper and lower case as Windows-1252 pairs them (ä/Ä, é/É, š/Š, ÿ/Ÿ ...); ß has no upper form.
char ToUpperChar(char c);
char ToLowerChar(char c);
std::string ToUpper(std::string_view text);
std::string ToLower(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);

// Only ASCII digits, and at least one.
bool IsDigits(std::string_view text);
// The text up to its first NUL, as registry strings are used.
std::string CutAtNul(std::string_view text);
bool EndsWith(std::string_view text, std::string_view suffix);
// A network path: the text begins with two backslashes.
bool IsUncPath(std::string_view path);
// A menu entry that shows a text from a file or the system as it is: a native menu would take "&" for the mark
// of an access key and drop it.
std::string ShownAsIs(std::string_view text);

}  // namespace kolvane
