#pragma once
// The window `Lizenzierung` (" Orvintal Lizenzierung"): the member number blocks of the main office and the
// branch office, and the hand-off of the database to the reorganisation component, which removes the members
// whose numbers no longer lie in a block. The hub itself deletes no member.
//
// The database keeps each block's start one below its first number ("A1" 899 for a block from 900); the
// window shows the first number, so that confirming unchanged blocks stores the same values.
#include <array>
#include <cstddef>
#include <string>

#include "hub/hub.h"
#include "hub/modal_window.h"
#include "members/number_ranges_window.h"

namespace kolvane {

inline constexpr char kLizenzierungCaption[] = " Orvintal Lizenzierung";

// The four fields in their order, which is also the order Enter walks and the order of the header keys.
enum RangeField : std::size_t { TAnfang1, TEnde1, TAnfang2, TEnde2, kRangeReady };

struct LizenzierungForm {
    std::array<std::string, 4> fields;
    std::size_t focus = TAnfang1;  // where the cursor goes when the window stays open
    bool confirming = false;       // `bReady` is under way (its boxes and waits let messages run)
};

class LizenzierungView;

// The blocks as the database holds them, each start shown as the block's first number with the stored text's
// digits; the number format comes when the user leaves a field.
LizenzierungForm LizenzierungLoad(Hub& hub);
// Leaving a field: every field holding a number shows it with at least three digits.
void LizenzierungLeave(LizenzierungForm& form);
// `bReady`: checks the blocks, backs the database up, stores the blocks and offers the reorganisation. False
// while the window stays open: the user was told why, the fields show what was typed, nothing was stored; or a
// confirm was under way already.
bool LizenzierungConfirm(Hub& hub, LizenzierungForm& form, LizenzierungView& view);
// `bHilfe`.
void LizenzierungHelp(Hub& hub);

// The window on screen. Implemented by number_ranges_win32.cpp and by the tests' fake.
class LizenzierungView : public ModalWindow {
public:
    // Shows the window modally; returns once LizenzierungConfirm said true or on `bAbbrechen`.
    virtual void ShowModal(Hub& hub, LizenzierungForm& form) = 0;
    // The blocks are stored: fields and buttons take no more input.
    virtual void Lock() = 0;
    virtual void Hide() = 0;
};

}  // namespace kolvane
