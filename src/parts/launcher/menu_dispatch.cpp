#include "launcher/menu_dispatch.h"

#include <array>

#include "launcher/action_keys.h"
#include "launcher/component_table.h"

namespace kolvane {
namespace {

// `Maustaste` 1 to 8, in order.
constexpr std::array<ActionKey, 8> kQuickActions{ActionKey::Verwaltung,   ActionKey::Explorer,
                                                 ActionKey::Kurzmitteilungen, ActionKey::Dokumente,
                                                 ActionKey::Erklaerungen, ActionKey::Bibliothek,
                                                 ActionKey::Beitraege,    ActionKey::Quittungen};

}  // namespace

void cP_Click(Hub& hub, HubMenu& menu, int itemNr) {
    if (hub.accessGate.promptOpen || !menu.popup.Has(itemNr)) return;
    menu.tItemNr = std::to_string(itemNr);
    for (int k = 0; k < kActionKeyCount; ++k) {
        const auto key = static_cast<ActionKey>(k);
        if (menu.popup.Entry(itemNr).key == ActionName(key)) RunAction(hub, key, {menu.popup, itemNr});
    }
    const int position = menu.popup.Entry(itemNr).itemData;
    if (position >= 1 && position <= kMaxPrinters) ChoosePrinter(menu, position);
}

void RunQuickAction(Hub& hub, HubMenu& menu, int maustaste) {
    if (maustaste < 1 || maustaste > static_cast<int>(kQuickActions.size())) return;
    const int itemNr = menu.popup.Find(ActionName(kQuickActions[static_cast<std::size_t>(maustaste - 1)]));
    if (itemNr != 0) cP_Click(hub, menu, itemNr);
}

void ChoosePrinter(HubMenu& menu, int position) {
    const std::string printer = menu.printers.At(position).caption;
    if (!menu.printerDialog || printer == kNoPrinterCaption) return;
    const std::string chosen = menu.printerDialog->ChooseDefault(kPrinterDialogTitle, printer);
    for (FormPrinter& entry : menu.printers.entries) entry.checked = !entry.caption.empty() && entry.caption == chosen;
    for (int itemNr = 1; itemNr <= menu.popup.Count(); ++itemNr) {
        const int p = menu.popup.Entry(itemNr).itemData;
        if (p >= 1 && p <= kMaxPrinters) menu.popup.SetChecked(itemNr, menu.printers.At(p).checked);
    }
}

}  // namespace kolvane
