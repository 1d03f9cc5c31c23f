#pragma once
// The popup menu as an action sees it. A handler whose program is missing disables the entry it was chosen
// from; it is told that entry when it starts and keeps it, because a second choice made during one of its
// waits (the temporary database, a component's start) must not redirect the disabling to another entry.
// Implemented by the popup menu; the tests use a recording fake.

namespace kolvane {

class MenuEntries {
public:
    virtual ~MenuEntries() = default;
    // The entry stays in the menu, greyed, until the hub restarts.
    virtual void Disable(int itemNr) = 0;
};

// The entry a choice came from: the menu and the entry's number there.
struct MenuEntryRef {
    MenuEntries& menu;
    int itemNr;

    void Disable() const { menu.Disable(itemNr); }
};

}  // namespace kolvane
