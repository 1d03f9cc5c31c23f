#pragma once
// The hub's popup menu as a list of entries in the order they were added. An entry is known by its number
// (1-based, the order of adding) and carries the key of its action; captions are only shown, never compared.
// Entries are added while the menu is built at start and afterwards only disabled or checked.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/menu_entries.h"

namespace kolvane {

inline constexpr char kSeparatorCaption[] = "-";
inline constexpr int kNoIcon = 0;

struct PopupEntry {
    std::string caption;  // shown as it stands, trailing blanks included; "-" draws a separator
    std::string key;      // the action key, or a name of its own for separators, submenus and printers
    int parent = 0;       // 0 at the top level, else the number of the submenu's entry
    int icon = kNoIcon;   // the number of its picture in the menu's pictures, kNoIcon for none
    int itemData = 0;     // a printer's position 1 to 9, else 0
    bool checked = false;
    bool enabled = true;

    bool IsSeparator() const { return caption == kSeparatorCaption; }
};

class PopupMenu final : public MenuEntries {
public:
    // Returns the new entry's number.
    int AddItem(std::string caption, std::string key, int parent = 0, int icon = kNoIcon, int itemData = 0);
    int Count() const { return static_cast<int>(entries_.size()); }
    bool Has(int itemNr) const { return itemNr >= 1 && itemNr <= Count(); }
    // itemNr must be an entry of the menu (Has).
    const PopupEntry& Entry(int itemNr) const { return entries_[static_cast<std::size_t>(itemNr - 1)]; }
    std::span<const PopupEntry> Entries() const { return entries_; }
    // The number of the first entry with exactly this key; 0 when there is none.
    int Find(std::string_view key) const;
    // Whether entries were added under this one, which makes it a submenu.
    bool HasChildren(int itemNr) const;
    // Numbers that are no entry are ignored.
    void Disable(int itemNr) override;
    void SetChecked(int itemNr, bool checked);
    void Clear() { entries_.clear(); }

private:
    std::vector<PopupEntry> entries_;
};

}  // namespace kolvane
