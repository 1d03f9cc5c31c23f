#include "launcher/hub_menu.h"
#include "launcher/launch.h"
#include "launcher/special_launches.h"

namespace kolvane {
namespace {

constexpr char kPaymentsProgram[] = "FEERUN.EXE";
constexpr char kReceiptPrinter[] = "SLIPPRN.EXE";
constexpr char kExplorerProgram[] = "LINKPORT.EXE";
constexpr char kExplorerCsvSwitch[] = " /CSVDatabase";

constexpr std::int16_t kOutgoingBook = 1;
constexpr std::int16_t kIncomingBook = 2;

void OpenMailBook(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen, std::int16_t book) {
    hub.settings.WriteInt(Setting::Postbuch, book);
    StandardLaunch(hub, row.program, row.switches, chosen);
}

}  // namespace

// `Pelmondo` 1 (stored when missing) sets the contributions entry's caption to the administration of
// FEEDESK.EXE, 0 to the payments of FEERUN.EXE; any other value leaves the caption as the last choice
// left it, and the caption chooses the program.
void LaunchContributions(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    HubMenu* menu = MenuOf(hub);
    std::string caption = menu ? menu->mnuBeitragskonten : std::string(kContributionsAdministration);
    std::int32_t pelmondo = -1;
    if (!hub.settings.Exists(Setting::Pelmondo)) {
        hub.settings.WriteInt(Setting::Pelmondo, 1);
        pelmondo = 1;
    } else {
        hub.settings.Get(Setting::Pelmondo, pelmondo);
    }
    if (pelmondo == 1) caption = kContributionsAdministration;
    if (pelmondo == 0) caption = kContributionsPayments;
    if (menu) menu->mnuBeitragskonten = caption;
    if (caption == kContributionsAdministration) StandardLaunch(hub, row.program, row.switches, chosen);
    else StandardLaunch(hub, kPaymentsProgram, row.switches, chosen);
}

// `ReceiptColor` 1 (also when missing) chooses the coloured receipts of VOUCHER.EXE, other values the receipt
// printer; without VOUCHER.EXE the receipt printer is used in any case.
void LaunchReceipts(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    std::int32_t mode = hub.settings.ReadInt(Setting::ReceiptColor);
    if (!ProgramFileExists(hub, std::string(row.program))) mode = 0;
    if (mode == 1) StandardLaunch(hub, row.program, row.switches, chosen);
    else StandardLaunch(hub, kReceiptPrinter, "", chosen);
}

// The spreadsheet export, or where it is missing the interface explorer's own CSV export.
void LaunchCsvExport(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    if (ProgramFileExists(hub, std::string(row.program))) StandardLaunch(hub, row.program, row.switches, chosen);
    else StandardLaunch(hub, kExplorerProgram, kExplorerCsvSwitch, chosen);
}

// MAILLOG.EXE opens the book that `Postbuch` names.
void OpenOutgoingMailBook(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    OpenMailBook(hub, row, chosen, kOutgoingBook);
}

void OpenIncomingMailBook(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    OpenMailBook(hub, row, chosen, kIncomingBook);
}

}  // namespace kolvane
