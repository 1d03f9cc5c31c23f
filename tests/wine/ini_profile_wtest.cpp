// The INI codec against the profile functions themselves: every file of a corpus (made here, plus the
// files of tests/corpus/ini) is read and edited through GetPrivateProfileStringA/WritePrivateProfileStringA
// (by way of Win32IniFiles) and through the codec, and the answers and the resulting bytes must agree.
//
// Known platform difference, not hidden: Wine rewrites the whole file from what it parsed (blank lines and
// indentation dropped, CR LF everywhere, nothing kept after a NUL), where Windows keeps the bytes an edit
// does not touch, and so does the codec. Wine's own conformance test marks the lost NUL bytes as a Wine
// fault (todo_wine). So a file already in Wine's form must come out byte for byte as Wine writes it; any
// other file must come out so that Wine's rewrite of the codec's bytes equals Wine's own result, and
// Wine's form of every file is checked byte for byte as a corpus file of its own.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/ini_codec.h"
#include "platform/ini_files_win32.h"
#include "wine/scratch_folder.h"

namespace {

using namespace kolvane;
using namespace std::string_literals;

using winecheck::FileBytes;
using Scratch = winecheck::ScratchFolder;

std::string Escaped(const std::optional<std::string>& bytes) {
    return bytes ? winecheck::Escaped(*bytes) : "(no file)";
}

// The file as Wine writes it back after a change: Wine loads it once, adds a section at the end and
// writes everything it parsed; the added section is taken off again here. (Taking it off through
// Wine would load and rewrite the file a second time, and Wine's rewrite is not idempotent around NULs.)
std::optional<std::string> WineForm(Scratch& scratch, const std::optional<std::string>& bytes) {
    if (!bytes) return bytes;
    const std::string path = scratch.NewFile(".ini", bytes);
    ::WritePrivateProfileStringA("kolvane wine form", "k", "v", path.c_str());
    std::optional<std::string> written = FileBytes(path);
    const std::string added = "[kolvane wine form]\r\nk=v\r\n";
    const bool taggedAtEnd = written && written->size() >= added.size() &&
                             written->compare(written->size() - added.size(), added.size(), added) == 0;
    CHECK(taggedAtEnd, "Wine's form of " + Escaped(bytes));
    if (taggedAtEnd) written->resize(written->size() - added.size());
    return written;
}

struct CorpusFile {
    std::string name;
    std::optional<std::string> bytes;  // none: the file does not exist
};

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

std::vector<CorpusFile> MadeCorpus() {
    std::vector<CorpusFile> corpus = {
        {"missing file", std::nullopt},
        {"empty file", ""s},
        {"canonical", "[App1]\r\nkey1=string1\r\nkey2=string2\r\n[App2]\r\nkey4=string4\r\n"s},
        {"loose", "; Kopf\n\n  [ a ]  \n  x = 1  \n\tY\t=\t\"q\" \n\n; Schluss\n\n[b]\ny=2\n\n"s},
        {"CR only", "[a]\rx=1\r[b]\ry=2\r"s},
        {"mixed breaks", "[a]\n\rx=1\r\r\n[b]\n\ny=2"s},
        {"duplicates", "[a]\r\nk=1\r\nK=2\r\n[b]\r\nk=3\r\n[A]\r\nk=4\r\nonly=5\r\n"s},
        {"names without value", "[a]\r\nk\r\nk=2\r\n;c=3\r\n[x\r\n"s},
        {"quotes", "[q]\r\nd=\"a b\"\r\ns='c'\r\nm=\"d'\r\nl=\"\r\ne=\"\"\r\nt=\"\"\"\r\n"s},
        {"case", "[Abc]\r\nKey=1\r\n[\xC4]\r\n\xD6=2\r\n[\xE4]\r\n\xF6=3\r\n"s},
        {"blanks", "\x1A[ s ]\x0B\r\n \t k \x0C= \t v w \x1A\r\n\xA0n\xA0=\xA0v\xA0\r\n\x01" "c\x01=\x01v\x01\r\n"s},
        {"NUL bytes", "vor \0 NUL\r\n[s]\r\nk=a\0b\r\nn\0m=1\r\n[t\0u]\r\nz=2\r\n"s},
        {"no final break", "[a]\r\nx=1"s},
        {"only blanks", "  \r\n\r\n\t"s},
        {"keys before sections", "k=0\r\n[]\r\nk=1\r\n[a]b]\r\nk=2\r\n"s},
        {"long values", "[L]\r\nl254=" + Repeat('b', 254) + "\r\nl255=" + Repeat('c', 255) + "\r\nq253=\"" +
                            Repeat('d', 253) + "\"\r\nq254=\"" + Repeat('e', 254) + "\"\r\nq255=\"" +
                            Repeat('f', 255) + "\"\r\n"},
        {"line of 100000", "[s]\r\nk=" + Repeat('x', 100000) + "\r\n" + Repeat('y', 100000) + "\r\nj=1"},
        {"longest value", "[s]\r\nk=" + Repeat('x', kIniTextMax) + "\r\nj=1\r\n"},
    };
    std::mt19937 random(4711);
    static const std::vector<std::string> pieces = {"[", "]", "=", "\r", "\n", "\r\n", " ", "\t", "\x1A", "\0"s,
                                                    "\"", "'", ";", "a", "A", "k", "K", "[a]", "k=", "x", "\xE4"};
    for (int n = 0; n < 24; ++n) {
        std::string bytes;
        const int count = std::uniform_int_distribution<int>(1, 120)(random);
        for (int i = 0; i < count; ++i) {
            if (n % 3 == 0) {
                bytes.push_back(static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random)));
            } else {
                bytes += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
            }
        }
        // A byte-order mark makes Wine read the file as Unicode: that is a case of its own below.
        const unsigned char first = static_cast<unsigned char>(bytes[0]);
        if (first == 0xEF || first == 0xFE || first == 0xFF) bytes[0] = 'x';
        corpus.push_back({"random " + std::to_string(n), bytes});
    }
    return corpus;
}

// The corpus folder beside this source file, through Wine's drive Z: onto the host's root.
std::vector<CorpusFile> FolderCorpus() {
    std::string folder = __FILE__;
    folder = "Z:" + folder.substr(0, folder.rfind('/')) + "/../corpus/ini/";
    for (char& c : folder) c = c == '/' ? '\\' : c;
    std::vector<CorpusFile> corpus;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return corpus;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || found.cFileName[0] == '.') continue;
        corpus.push_back({found.cFileName, FileBytes(folder + found.cFileName)});
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return corpus;
}

std::string AsciiUpper(std::string text) {
    for (char& c : text) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

struct Name {
    std::string section;
    std::string key;
};

// What to look up: the names the codec sees in the file, in other spellings, and names that are absent.
std::vector<Name> ReadNames(const IniDocument& document) {
    std::vector<Name> names = {{"a", "k"}, {"s", "k"}, {"nope", "k"}};
    const auto& sections = document.Sections();
    const std::size_t step = sections.size() / 12 + 1;
    for (std::size_t i = 0; i < sections.size(); i += step) {
        const std::string section(document.Text(sections[i].name));
        if (!IniNameReadable(section)) continue;
        names.push_back({section, "nope"});
        for (std::size_t e = sections[i].firstEntry; e < sections[i].firstEntry + sections[i].entryCount; ++e) {
            const std::string key(document.Text(document.Entries()[e].name));
            if (!IniNameReadable(key)) continue;
            names.push_back({section, key});
            names.push_back({AsciiUpper(section), AsciiUpper(key)});
            names.push_back({" " + section + "\t", "\x1A" + key + " "});
            names.push_back({"nope", key});
            if (names.size() > 80) return names;
        }
    }
    return names;
}

enum class Op { Write, DeleteKey, DeleteSection };

struct Edit {
    Op op;
    std::string section;
    std::string key;
    std::string value;
};

std::vector<Edit> Edits(const IniDocument& document) {
    std::vector<Edit> edits = {
        {Op::Write, "Neu", "k", "v"},
        {Op::Write, "a", "k", "  neu  "},
        {Op::DeleteKey, "a", "k", ""},
        {Op::DeleteSection, "a", "", ""},
        {Op::DeleteKey, "nope", "k", ""},
        {Op::DeleteSection, "nope", "", ""},
    };
    const auto& sections = document.Sections();
    const std::size_t step = sections.size() / 6 + 1;
    for (std::size_t i = 0; i < sections.size(); i += step) {
        const std::string section(document.Text(sections[i].name));
        if (!IniSectionNameWritable(section)) continue;
        edits.push_back({Op::Write, AsciiUpper(section), "NeuerSchl\xFCssel", "Wert"});
        edits.push_back({Op::DeleteSection, section, "", ""});
        for (std::size_t e = sections[i].firstEntry; e < sections[i].firstEntry + sections[i].entryCount; ++e) {
            const IniEntry& entry = document.Entries()[e];
            const std::string key(document.Text(entry.name));
            if (!IniKeyNameWritable(key)) continue;
            edits.push_back({Op::Write, section, AsciiUpper(key), "ge\xE4ndert"});
            edits.push_back({Op::Write, section, key, " \tneu\t "});
            edits.push_back({Op::Write, section, key, std::string(document.Text(entry.value))});  // unchanged
            edits.push_back({Op::DeleteKey, section, key, ""});
            break;
        }
    }
    return edits;
}

IniEdit ApplyToCodec(IniDocument& document, const Edit& edit) {
    switch (edit.op) {
        case Op::Write: return document.Write(edit.section, edit.key, edit.value);
        case Op::DeleteKey: return document.DeleteKey(edit.section, edit.key);
        case Op::DeleteSection: return document.DeleteSection(edit.section);
    }
    return IniEdit::Refused;
}

bool ApplyToWindows(IniFiles& ini, const std::string& path, const Edit& edit) {
    switch (edit.op) {
        case Op::Write: return ini.Write(path, edit.section, edit.key, edit.value);
        case Op::DeleteKey: return ini.DeleteKey(path, edit.section, edit.key);
        case Op::DeleteSection: return ini.DeleteSection(path, edit.section);
    }
    return false;
}

void CheckFile(Scratch& scratch, Win32IniFiles& ini, const CorpusFile& file) {
    const IniDocument document(file.bytes.value_or(""));
    const std::string path = scratch.NewFile(".ini", file.bytes);
    for (const Name& name : ReadNames(document)) {
        const std::string context = file.name + ": read [" + Escaped(name.section) + "] " + Escaped(name.key);
        const std::string windows = ini.Read(path, name.section, name.key);
        CHECK_EQ(Escaped(document.Read(name.section, name.key)), Escaped(windows), context);
    }

    const bool inWineForm = WineForm(scratch, file.bytes) == file.bytes;
    for (const Edit& edit : Edits(document)) {
        const std::string context = file.name + ": edit " + std::to_string(static_cast<int>(edit.op)) + " [" +
                                    Escaped(edit.section) + "] " + Escaped(edit.key) + "=" + Escaped(edit.value);
        const std::string target = scratch.NewFile(".ini", file.bytes);
        const bool windowsResult = ApplyToWindows(ini, target, edit);
        const std::optional<std::string> windows = FileBytes(target);

        IniDocument edited(file.bytes.value_or(""));
        const IniEdit result = ApplyToCodec(edited, edit);
        const std::optional<std::string> codec =
            result == IniEdit::Changed ? std::optional<std::string>(edited.Bytes()) : file.bytes;

        CHECK_EQ(windowsResult, result != IniEdit::Refused, context);
        if (inWineForm || codec == windows) {
            CHECK_EQ(Escaped(codec), Escaped(windows), context);
        } else if (!IniIsBlank(edit.value.empty() ? 'x' : edit.value.back())) {
            // Wine writes the blanks behind a value, but its loader trims them, so Wine's form of the
            // codec's bytes cannot show them; such writes are compared on the files in Wine's form.
            CHECK_EQ(Escaped(WineForm(scratch, codec)), Escaped(windows), context + " (in Wine's form)");
        }
    }
}

// Names and values that the codec refuses are refused by Win32IniFiles before Windows sees them.
void CheckRefusals(Scratch& scratch, Win32IniFiles& ini) {
    const std::string file = "k=0\r\n[s]\r\nk=1\r\n";
    const std::string tooLong(kIniTextMax + 1, 'x');
    const Edit refused[] = {
        {Op::Write, "s", "k", tooLong},     {Op::Write, "s", tooLong, "v"},     {Op::Write, tooLong, "k", "v"},
        {Op::Write, "", "k", "v"},          {Op::Write, " s", "k", "v"},        {Op::Write, "a]b", "k", "v"},
        {Op::Write, "s", "k ", "v"},        {Op::Write, "s", "a=b", "v"},       {Op::Write, "s", "[k", "v]"},
        {Op::Write, "s", "k", "a\r\n[x]"},  {Op::Write, "s", "k", "a\0b"s},     {Op::Write, "s\0t"s, "k", "v"},
        {Op::DeleteKey, "s", " k", ""},     {Op::DeleteKey, "", "k", ""},       {Op::DeleteSection, "", "", ""},
        {Op::DeleteSection, " s ", "", ""},
    };
    for (const Edit& edit : refused) {
        const std::string context = "refused [" + Escaped(edit.section) + "] " + Escaped(edit.key) + "=" +
                                    Escaped(edit.value);
        IniDocument document(file);
        CHECK(ApplyToCodec(document, edit) == IniEdit::Refused, context);
        const std::string path = scratch.NewFile(".ini", file);
        CHECK(!ApplyToWindows(ini, path, edit), context);
        CHECK_EQ(Escaped(FileBytes(path)), Escaped(file), context);
    }
    // Reads that would crash GetPrivateProfileStringA or match a cut name read as empty.
    const std::string path = scratch.NewFile(".ini", file);
    CHECK_EQ(ini.Read(path, "", "k"), "", "empty section");
    CHECK_EQ(ini.Read(path, "s", "k\0x"s), "", "NUL in key");
    CHECK_EQ(IniDocument(file).Read("s", "k\0x"s), "", "NUL in key");
}

// Where Wine is known to differ from Windows the codec follows Windows; the difference is shown here.
void ShowKnownDifferences(Scratch& scratch, Win32IniFiles& ini) {
    // Windows reads a file with a UTF-8 byte-order mark as ANSI: the mark belongs to the first line.
    // Wine decodes it as UTF-8.
    const std::string marked = "\xEF\xBB\xBF[s]\r\nk=\xC3\xA4\r\n";
    const std::string path = scratch.NewFile(".ini", marked);
    const std::string windows = ini.Read(path, "s", "k");
    const std::string codec = IniDocument(marked).Read("s", "k");
    if (windows != codec) {
        std::printf("known Wine difference: UTF-8 byte-order mark: Wine reads \"%s\", the codec \"%s\"\n",
                    Escaped(windows).c_str(), Escaped(codec).c_str());
    }
}

}  // namespace

int main() {
    Scratch scratch("kolvane-ini-");
    Win32IniFiles ini;
    const std::vector<CorpusFile> folder = FolderCorpus();
    CHECK(folder.size() >= 5, "corpus files in tests/corpus/ini");
    std::vector<CorpusFile> corpus = MadeCorpus();
    corpus.insert(corpus.end(), folder.begin(), folder.end());
    for (const CorpusFile& file : corpus) {
        CheckFile(scratch, ini, file);
        // Wine's form of the file, reached after a rewrite or two (the second one trims what stood in
        // front of a NUL), must agree byte for byte.
        std::optional<std::string> form = file.bytes;
        for (int rewrite = 0; rewrite < 3; ++rewrite) {
            std::optional<std::string> next = WineForm(scratch, form);
            if (next == form) break;
            form = next;
        }
        CHECK(WineForm(scratch, form) == form, file.name + ": Wine's form is reached");
        if (form != file.bytes) CheckFile(scratch, ini, {file.name + " in Wine's form", form});
    }
    CheckRefusals(scratch, ini);
    ShowKnownDifferences(scratch, ini);
    return winecheck::Summary();
}
