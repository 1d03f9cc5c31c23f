#pragma once
// INI files read and edited the way the Windows profile functions (GetPrivateProfileStringA,
// WritePrivateProfileStringA) treat them, so that the hub and the suite's programs see the same values.
//
// Reading, as measured under Wine 8:
// - Lines end at CR LF, LF or CR. Blanks around a line, a name or a value are trimmed; blank means
//   tab, LF, VT, FF, CR, ^Z (0x1A) and space, never 0xA0 and no other control character.
// - "[name]" starts a section: the name runs to the last ']' of the line and is trimmed; a line that
//   starts with '[' but has no ']' is an ordinary line. Lines before the first header belong to no
//   section; Wine reads them under the empty section name, which Windows' A function crashes on, so
//   the empty name is refused here and they cannot be read.
// - Any other non-blank line is an entry: the name before the first '=', the value after it; a line
//   without '=' is a name without a value, which reads as empty. A NUL byte ends a name or a value.
// - Names are compared without regard to ASCII case only: Wine 8 does not pair "Ä" with "ä".
// - First match wins: the first section of a name, and in it the first entry of a name; an entry in a
//   later section of the same name is not seen.
// - A value's matching outer quotes (both '"' or both '\'') are removed and at most 254 characters come
//   back (a buffer of 255). Wine's quote removal inside that buffer drops one more character from a
//   quoted value of exactly 254 characters between its quotes; that is kept, so that both readers agree.
// - A missing file, section or key reads as empty.
// - The bytes are Windows-1252 throughout. A UTF-8 byte-order mark is part of the first line, as on
//   Windows; Wine decodes such a file as UTF-8 instead.
//
// Editing keeps every byte that the edit does not touch (order, comments, blank lines, line endings,
// lines it does not understand), as Windows does. Wine instead rewrites the whole file from what it
// parsed: it drops blank lines and indentation, ends every line with CR LF and loses what follows a NUL;
// on a file already in that form both write the same bytes.
// - Writing an existing key replaces the rest of its line after the '=' (or adds "=value" to a name
//   without value); an unchanged value leaves the file as it was. Blanks in front of a value are
//   dropped, blanks behind it are written (a reader trims them).
// - A new key goes after the last non-blank line of the first section of that name, as "key=value"
//   CR LF; a new section goes to the end of the file, as "[section]" CR LF "key=value" CR LF, with a
//   line break first when the file does not end in one. No blank line is added.
// - Deleting a key removes its whole line: the first entry of that name in any section of that name,
//   as Wine does. Deleting a section removes the first section of that name from its header up to the
//   next header.
// - Names and values that could not be read back as written are refused (IniSectionNameWritable,
//   IniKeyNameWritable, IniValueWritable).
//
// Every function takes any bytes: NUL bytes, endless lines, no final line break, binary garbage.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kolvane {

// The readers' buffer: 255 characters, so at most 254 come back.
inline constexpr std::size_t kIniReadBuffer = 255;
// The longest name or value that the A functions carry to Windows intact: they pass it on as a counted
// Unicode string of at most 65535 bytes with its terminator. Wine writes "?!" for anything longer.
inline constexpr std::size_t kIniTextMax = 32766;

bool IniIsBlank(char c);
// Trims the blanks of the profile functions from both ends.
std::string_view IniTrim(std::string_view text);
// The name as lookups compare it: ASCII letters in lower case, every other byte as it is.
std::string IniFoldName(std::string_view name);

// A name that a read can look up: not empty after trimming, without NUL (the Windows functions would
// cut it there; an empty section name crashes GetPrivateProfileStringA), at most kIniTextMax long.
bool IniNameReadable(std::string_view name);
// Names an edit accepts: not empty, without surrounding blanks (Wine deletes only by the exact name),
// without NUL, CR or LF (they would split or cut the line). A key must not contain '=' nor start
// with '['; a section must not contain ']'. Either would make the line read back as something else.
// At most kIniTextMax long.
bool IniSectionNameWritable(std::string_view section);
bool IniKeyNameWritable(std::string_view key);
// A value is written without NUL, CR and LF, and at most kIniTextMax long.
bool IniValueWritable(std::string_view value);

// The part of a stored value that a reader gets back: matching outer quotes removed, cut to the buffer.
std::string_view IniReadBack(std::string_view stored);

// A byte range [begin, end) of the file.
struct IniSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// One entry line: "name=value" or a name without '='.
struct IniEntry {
    IniSpan line;            // from the first byte of the line to the first byte of the next line
    std::size_t lineEnd = 0; // where the line break starts (or the end of the file)
    IniSpan name;            // trimmed, ending at a NUL
    IniSpan value;           // trimmed, ending at a NUL; empty without '='
    bool hasValue = false;   // the line has an '='
    std::size_t valueSlot = 0;  // an edit writes the value from here to lineEnd: after the '=', or after the name
};

// A section, or the lines before the first header (headed false, no name).
struct IniSection {
    bool headed = false;
    IniSpan name;                 // trimmed, ending at a NUL
    std::size_t begin = 0;        // the header line's first byte
    std::size_t end = 0;          // the next header's first byte, or the end of the file
    std::size_t insertAt = 0;     // after the last non-blank line: where a new key goes
    std::size_t firstEntry = 0;   // its entries in IniDocument::Entries()
    std::size_t entryCount = 0;
};

enum class IniEdit { Refused, Unchanged, Changed };

// The bytes of one INI file with their parsed layout; every lookup goes through the layout.
class IniDocument {
public:
    explicit IniDocument(std::string bytes = {});

    const std::string& Bytes() const { return bytes_; }
    const std::vector<IniSection>& Sections() const { return sections_; }
    const std::vector<IniEntry>& Entries() const { return entries_; }
    std::string_view Text(IniSpan span) const;

    // What GetPrivateProfileStringA with a buffer of 255 returns; empty when not found.
    std::string Read(std::string_view section, std::string_view key) const;
    // WritePrivateProfileStringA(section, key, value).
    IniEdit Write(std::string_view section, std::string_view key, std::string_view value);
    // WritePrivateProfileStringA(section, key, NULL).
    IniEdit DeleteKey(std::string_view section, std::string_view key);
    // WritePrivateProfileStringA(section, NULL, NULL).
    IniEdit DeleteSection(std::string_view section);

    // The first headed section whose name matches, or nullptr.
    const IniSection* FindSection(std::string_view section) const;
    // The first entry of the section whose name matches, or nullptr.
    const IniEntry* FindEntry(const IniSection& section, std::string_view key) const;
    // What a reader gets from an entry (or from none).
    std::string ReadEntry(const IniEntry* entry) const;

private:
    void Parse();
    void Splice(std::size_t begin, std::size_t end, std::string_view replacement);

    std::string bytes_;
    std::vector<IniSection> sections_;
    std::vector<IniEntry> entries_;
};

}  // namespace kolvane
