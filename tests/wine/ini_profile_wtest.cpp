// The INI codec and the member index against the profile functions themselves: every file of a corpus
// (tests/corpus/ini: tricky lines, random ones, a scrambled member database among them) is read and
// edited through GetPrivateProfileStringA/WritePrivateProfileStringA (by way of Win32IniFiles) and through
// the codec, and the answers and the resulting bytes must agree; the index reads what the codec reads.
//
// Known platform difference, not hidden: Wine rewrites the whole file from what it parsed (blank lines and
// indentation dropped, CR LF everywhere, nothing kept after a NUL), where Windows keeps the bytes an edit
// does not touch, and so does the codec. Wine's own conformance test marks the lost NUL bytes as a Wine
// fault (todo_wine). So a file already in Wine's form must come out byte for byte as Wine writes it; any
// other file must come out so that Wine's rewrite of the codec's bytes equals Wine's own result, and
// Wine's form of every file is checked byte for byte as a corpus file of its own. One more difference is
// left out: Wine decodes a file with a UTF-8 byte-order mark as UTF-8, where Windows and the codec read
// the mark as ANSI bytes of the first line.
#include "platform/ini_codec.h"
#include "platform/ini_files_win32.h"
#include "store/database_index.h"
#include "wine/wine_check.h"

namespace {

using namespace kolvane;
using namespace std::string_literals;
using namespace winecheck;

// The file as Wine writes it back after a change: Wine loads it once, adds a section at the end and
// writes everything it parsed; the added section is taken off again here. (Taking it off through
// Wine would load and rewrite the file a second time, and Wine's rewrite is not idempotent around NULs.)
std::optional<std::string> WineForm(const std::optional<std::string>& bytes) {
    if (!bytes) return bytes;
    const std::string path = NewFile(".ini", bytes), added = "[kolvane wine form]\r\nk=v\r\n";
    ::WritePrivateProfileStringA("kolvane wine form", "k", "v", path.c_str());
    std::optional<std::string> written = FileBytes(path);
    if (CHECK(written && written->ends_with(added), "Wine's form of " + Escaped(*bytes)))
        written->resize(written->size() - added.size());
    return written;
}

struct CorpusFile { std::string name; std::optional<std::string> bytes; };  // no bytes: the file does not exist

// The files of tests/corpus/ini (through Wine's drive Z: onto the host's root; random ones among them, of
// random bytes or of the pieces that INI lines are made of, none with a byte-order mark, see above) and a
// missing file.
std::vector<CorpusFile> Corpus() {
    std::vector<CorpusFile> corpus = {{"missing file", std::nullopt}};
    std::string folder = "Z:" + std::string(__FILE__).substr(0, std::string(__FILE__).rfind('/')) + "/../corpus/ini/";
    for (char& c : folder) c = c == '/' ? '\\' : c;
    for (const std::string& name : Win32Files().List(folder, "*"))
        if (name[0] != '.') corpus.push_back({name, FileBytes(folder + name)});
    CHECK(corpus.size() >= 40, "corpus files in tests/corpus/ini");
    return corpus;
}

std::string AsciiUpper(std::string text) {
    for (char& c : text) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

enum Op { Write, DeleteKey, DeleteSection };

struct Edit { Op op; std::string section, key = {}, value = {}; };

// An edit applied to the codec's document, or through Win32IniFiles to the file at path.
template <typename Target, typename... Path>
auto Apply(Target& target, const Edit& edit, const Path&... path) {
    return edit.op == Write       ? target.Write(path..., edit.section, edit.key, edit.value)
           : edit.op == DeleteKey ? target.DeleteKey(path..., edit.section, edit.key)
                                  : target.DeleteSection(path..., edit.section);
}

// An edit through the codec and through Win32IniFiles must give the same answer and the same bytes; the
// codec's answer is returned.
IniEdit CheckEdit(Win32IniFiles& ini, const CorpusFile& file, bool inWineForm, const Edit& edit) {
    const std::string context = file.name + ": [" + Escaped(edit.section) + "] " + Escaped(edit.key) + " " +
                                std::to_string(int(edit.op)) + " " + Escaped(edit.value);
    const std::string target = NewFile(".ini", file.bytes);
    const bool windowsResult = Apply(ini, edit, target);
    const std::string windows = FileBytes(target).value_or("(no file)");
    IniDocument edited(file.bytes.value_or(""));
    const IniEdit result = Apply(edited, edit);
    const std::string codec = result == IniEdit::Changed ? edited.Bytes() : file.bytes.value_or("(no file)");
    CHECK(windowsResult == (result != IniEdit::Refused), context);
    // Wine writes the blanks behind a value, but its loader trims them, so Wine's form of the codec's bytes
    // cannot show them; such writes are compared on the files in Wine's form only.
    if (inWineForm || codec == windows)
        CHECK_TEXT(codec, windows, context);
    else if (!IniIsBlank(edit.value.empty() ? 'x' : edit.value.back()))
        CHECK_TEXT(WineForm(codec).value_or(""), windows, context + " in Wine's form");
    return result;
}

// Three names that are usually absent, then per section (of at most twelve) an absent key and the first keys
// the codec sees. Each is read in other spellings; the absent ones and every few others are edited.
void CheckFile(Win32IniFiles& ini, const CorpusFile& file) {
    const IniDocument document(file.bytes.value_or(""));
    const DatabaseIndex index(file.bytes.value_or(""));
    std::vector<std::pair<std::string, std::string>> names = {{"a", "k"}, {"s", "k"}, {"nope", "k"}};
    const auto& sections = document.Sections();
    for (std::size_t i = 0; i < sections.size(); i += sections.size() / 12 + 1) {
        names.emplace_back(document.Text(sections[i].name), "nope");
        for (std::size_t e = 0; e < std::min<std::size_t>(sections[i].entryCount, 4); ++e)
            names.emplace_back(names.back().first, document.Text(document.Entries()[sections[i].firstEntry + e].name));
    }
    const std::string path = NewFile(".ini", file.bytes);
    const bool inWineForm = WineForm(file.bytes) == file.bytes;
    for (std::size_t n = 0; n < names.size(); ++n) {
        const auto& [section, key] = names[n];
        for (const auto& [s, k] : {names[n], {AsciiUpper(section), AsciiUpper(key)},
                                   {" " + section + "\t", "\x1A" + key + " "}, {"nope", key}}) {
            const std::string windows = ini.Read(path, s, k);
            const std::string context = file.name + ": read [" + Escaped(s) + "] " + Escaped(k);
            CHECK_TEXT(document.Read(s, k), windows, context);
            CHECK_TEXT(index.ReadStored(s, k), windows, context + " by the index");
        }
        if (n >= 3 && n % (names.size() / 6 + 1) != 0) continue;
        const Edit edits[] = {{Write, AsciiUpper(section), "NeuerSchl\xFCssel", "Wert"}, {DeleteSection, section},
                              {Write, section, AsciiUpper(key), "ge\xE4ndert"}, {Write, section, key, " \tneu\t "},
                              {Write, section, key, document.Read(section, key)}, {DeleteKey, section, key}};
        for (const Edit& edit : edits) CheckEdit(ini, file, inWineForm, edit);
    }
}

// Names and values that the codec refuses are refused by Win32IniFiles before Windows sees them; reads
// that would crash GetPrivateProfileStringA (an empty section) or match a name cut at a NUL read as empty.
void CheckRefusals(Win32IniFiles& ini) {
    const CorpusFile file{"refused", "k=0\r\n[s]\r\nk=1\r\n"};
    const std::string x(kIniTextMax + 1, 'x');  // too long
    for (const Edit& edit : {Edit{Write, "s", "k", x}, {Write, "", "k", "v"}, {Write, " s", "k", "v"},
                             {Write, "a]b", "k", "v"}, {Write, "s", "a=b", "v"}, {Write, "s", "[k", "v]"},
                             {Write, "s", "k", "a\r\n[x]"}, {Write, "s", "k", "a\0b"s}, {Write, "s\0t"s, "k", "v"},
                             {DeleteKey, "s", " k"}, {DeleteKey, "", "k"}, {DeleteSection, ""}})
        CHECK(CheckEdit(ini, file, true, edit) == IniEdit::Refused, "refused " + Escaped(edit.section + edit.key));
    const std::string path = NewFile(".ini", file.bytes);
    CHECK(ini.Read(path, "", "k").empty() && ini.Read(path, "s", "k\0x"s).empty() &&
              IniDocument(*file.bytes).Read("s", "k\0x"s).empty(), "empty section, NUL in key");
}

}  // namespace

int main() {
    Win32IniFiles ini;
    for (const CorpusFile& file : Corpus()) {
        CheckFile(ini, file);
        // Wine's form of the file, reached after a rewrite or two (the second one trims what stood in
        // front of a NUL), must agree byte for byte.
        std::optional<std::string> form = file.bytes;
        for (int rewrite = 0; rewrite < 3 && WineForm(form) != form; ++rewrite) form = WineForm(form);
        CHECK(WineForm(form) == form, file.name + ": Wine's form is reached");
        if (form != file.bytes) CheckFile(ini, {file.name + " in Wine's form", form});
    }
    CheckRefusals(ini);
    return winecheck::Summary();
}
