#include "platform/ini_codec.h"

#include <algorithm>

#include "platform/ini_lines.h"

namespace kolvane {

namespace {

constexpr std::string_view kCrLf = "\r\n";

bool HasAnyOf(std::string_view text, std::string_view bytes) {
    return text.find_first_of(bytes) != std::string_view::npos;
}

// Shared part of the two name rules.
bool NameWritable(std::string_view name) {
    using namespace std::string_view_literals;
    return !name.empty() && name.size() <= kIniTextMax && !IniIsBlank(name.front()) &&
           !IniIsBlank(name.back()) && !HasAnyOf(name, "\0\r\n"sv);
}

}  // namespace

bool IniIsBlank(char c) { return ini_lines::IsBlank(c); }

std::string_view IniTrim(std::string_view text) {
    while (!text.empty() && IniIsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IniIsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string IniFoldName(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), IniFoldChar);
    return folded;
}

bool IniNameReadable(std::string_view name) {
    return !IniTrim(name).empty() && name.size() <= kIniTextMax && name.find('\0') == std::string_view::npos;
}

bool IniSectionNameWritable(std::string_view section) {
    return NameWritable(section) && section.find(']') == std::string_view::npos;
}

bool IniKeyNameWritable(std::string_view key) {
    return NameWritable(key) && key.front() != '[' && key.find('=') == std::string_view::npos;
}

bool IniValueWritable(std::string_view value) {
    using namespace std::string_view_literals;
    return value.size() <= kIniTextMax && !HasAnyOf(value, "\0\r\n"sv);
}

std::string_view IniReadBack(std::string_view stored) {
    const bool quoted = stored.size() >= 2 && (stored.front() == '"' || stored.front() == '\'') &&
                        stored.back() == stored.front();
    if (quoted) stored.remove_prefix(1);
    std::string_view text = stored.substr(0, kIniReadBuffer - 1);
    // The closing quote is dropped as the last character of the buffer whenever the rest fits the
    // buffer with its terminator, even when the cut already removed it (Wine: one character less).
    if (quoted && stored.size() <= kIniReadBuffer) text.remove_suffix(1);
    return text;
}

IniDocument::IniDocument(std::string bytes) : bytes_(std::move(bytes)) { Parse(); }

std::string_view IniDocument::Text(IniSpan span) const {
    return std::string_view(bytes_).substr(span.begin, span.end - span.begin);
}

void IniDocument::Parse() {
    sections_.assign(1, IniSection{});  // the lines before the first header
    entries_.clear();
    IniScanLines(bytes_, [&](const IniLine& line) {
        if (line.header) {
            sections_.back().end = line.line.begin;
            IniSection section;
            section.headed = true;
            section.name = line.name;
            section.begin = line.line.begin;
            section.insertAt = line.line.end;
            section.firstEntry = entries_.size();
            sections_.push_back(section);
            return;
        }
        entries_.push_back({line.line, line.lineEnd, line.name, line.value, line.hasValue, line.valueSlot});
        IniSection& section = sections_.back();
        ++section.entryCount;
        section.insertAt = line.line.end;
    });
    sections_.back().end = bytes_.size();
}

const IniSection* IniDocument::FindSection(std::string_view section) const {
    if (!IniNameReadable(section)) return nullptr;
    const std::string_view wanted = IniTrim(section);
    for (const IniSection& candidate : sections_) {
        if (candidate.headed && IniNamesEqual(Text(candidate.name), wanted)) return &candidate;
    }
    return nullptr;
}

const IniEntry* IniDocument::FindEntry(const IniSection& section, std::string_view key) const {
    if (!IniNameReadable(key)) return nullptr;
    const std::string_view wanted = IniTrim(key);
    for (std::size_t i = section.firstEntry; i < section.firstEntry + section.entryCount; ++i) {
        if (IniNamesEqual(Text(entries_[i].name), wanted)) return &entries_[i];
    }
    return nullptr;
}

std::string IniDocument::ReadEntry(const IniEntry* entry) const {
    return entry != nullptr && entry->hasValue ? std::string(IniReadBack(Text(entry->value))) : std::string();
}

std::string IniDocument::Read(std::string_view section, std::string_view key) const {
    const IniSection* found = FindSection(section);
    return found != nullptr ? ReadEntry(FindEntry(*found, key)) : std::string();
}

IniEdit IniDocument::Write(std::string_view section, std::string_view key, std::string_view value) {
    if (!IniSectionNameWritable(section) || !IniKeyNameWritable(key) || !IniValueWritable(value)) {
        return IniEdit::Refused;
    }
    // Wine drops the blanks in front of the value and keeps those behind it (a reader trims them).
    while (!value.empty() && IniIsBlank(value.front())) value.remove_prefix(1);
    const std::string line = std::string(key) + "=" + std::string(value) + std::string(kCrLf);
    // An inserted line must start on a line of its own, also after a last line without a break.
    auto lineBreakBefore = [&](std::size_t at) {
        return at > 0 && !ini_lines::IsLineBreak(bytes_[at - 1]) ? std::string(kCrLf) : std::string();
    };

    const IniSection* found = FindSection(section);
    if (found == nullptr) {
        const std::size_t end = bytes_.size();
        Splice(end, end, lineBreakBefore(end) + "[" + std::string(section) + "]" + std::string(kCrLf) + line);
        return IniEdit::Changed;
    }
    const IniEntry* entry = FindEntry(*found, key);
    if (entry == nullptr) {
        const std::size_t at = found->insertAt;
        Splice(at, at, lineBreakBefore(at) + line);
        return IniEdit::Changed;
    }
    if (entry->hasValue && Text(entry->value) == value) return IniEdit::Unchanged;
    Splice(entry->valueSlot, entry->lineEnd, (entry->hasValue ? "" : "=") + std::string(value));
    return IniEdit::Changed;
}

IniEdit IniDocument::DeleteKey(std::string_view section, std::string_view key) {
    if (!IniSectionNameWritable(section) || !IniKeyNameWritable(key)) return IniEdit::Refused;
    // Unlike a read, the delete goes on to later sections of the same name.
    for (const IniSection& candidate : sections_) {
        if (!candidate.headed || !IniNamesEqual(Text(candidate.name), section)) continue;
        if (const IniEntry* entry = FindEntry(candidate, key)) {
            Splice(entry->line.begin, entry->line.end, {});
            return IniEdit::Changed;
        }
    }
    return IniEdit::Unchanged;
}

IniEdit IniDocument::DeleteSection(std::string_view section) {
    if (!IniSectionNameWritable(section)) return IniEdit::Refused;
    const IniSection* found = FindSection(section);
    if (found == nullptr) return IniEdit::Unchanged;
    Splice(found->begin, found->end, {});
    return IniEdit::Changed;
}

void IniDocument::Splice(std::size_t begin, std::size_t end, std::string_view replacement) {
    bytes_.replace(begin, end - begin, replacement);
    Parse();
}

}  // namespace kolvane
