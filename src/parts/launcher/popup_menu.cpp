#include "launcher/popup_menu.h"

#include <algorithm>

namespace kolvane {

int PopupMenu::AddItem(std::string caption, std::string key, int parent, int icon, int itemData) {
    entries_.push_back({std::move(caption), std::move(key), parent, icon, itemData});
    return Count();
}

int PopupMenu::Find(std::string_view key) const {
    auto found = std::find_if(entries_.begin(), entries_.end(), [&](const PopupEntry& e) { return e.key == key; });
    return found == entries_.end() ? 0 : static_cast<int>(found - entries_.begin()) + 1;
}

bool PopupMenu::HasChildren(int itemNr) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const PopupEntry& e) { return e.parent == itemNr; });
}

void PopupMenu::Disable(int itemNr) {
    if (Has(itemNr)) entries_[static_cast<std::size_t>(itemNr - 1)].enabled = false;
}

void PopupMenu::SetChecked(int itemNr, bool checked) {
    if (Has(itemNr)) entries_[static_cast<std::size_t>(itemNr - 1)].checked = checked;
}

}  // namespace kolvane
