#include "launcher/component_table.h"

#include <array>

#include "launcher/document_templates.h"
#include "launcher/launch.h"
#include "launcher/special_launches.h"
#include "tasks/tmp_database_gate.h"

namespace kolvane {
namespace {

void Standard(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    StandardLaunch(hub, row.program, row.switches, chosen);
}

void Unchecked(Hub& hub, const ComponentRow& row, const MenuEntryRef&) { StartUnchecked(hub, row.program, row.switches); }

using A = ActionKey;
constexpr bool G = true;   // guarded: waits for the temporary contributions database
constexpr bool U = false;  // unguarded

constexpr int kRowCount = static_cast<int>(ActionKey::DocVorlage0);

// One line per action, in the order of the keys.
constexpr std::array<ComponentRow, kRowCount> kTable{{
    {A::Verwaltung, "ACCOUNTS.EXE", "", G, LaunchMemberAdministration},
    {A::Suchen, "", "", U, OpenMemberSearch},
    {A::Explorer, "LINKPORT.EXE", "", G, Standard},
    {A::Kurzmitteilungen, "QUILL.EXE", "", G, LaunchShortMessages},
    {A::Dokumente, "OUTTRAY.EXE", "", G, Standard},
    {A::Serienbriefe, "NOTEPOST.EXE", "", G, Standard},
    {A::Erklaerungen, "RETURNS.EXE", "", G, Standard},
    {A::Ueberweisungen, "FORMDESK.EXE", "", U, Standard},
    {A::Bibliothek, "SHEETVUE.EXE", "", U, LaunchTemplateManager},
    {A::Quittungen, "VOUCHER.EXE", "", U, LaunchReceipts},
    {A::Bearbeiten, "TAXOFFIC.EXE", "", U, Standard},
    {A::Mitgliederliste, "LINKPORT.EXE", " /PrintDatabase", U, Standard},
    {A::Komplettsicherung, "DATASAFE.EXE", "", U, Standard},
    {A::DropboxSync, "NETSHARE.EXE", "", U, LaunchDropboxSync},
    {A::CSVDatabase, "SHEETOUT.EXE", "", U, LaunchCsvExport},
    {A::Steuerkopie, "RETURNS.EXE", " /s", U, Standard},
    {A::Bescheide, "MAILLOG.EXE", "", G, OpenOutgoingMailBook},
    {A::Fristen, "MAILLOG.EXE", "", G, OpenIncomingMailBook},
    {A::Fristenwacht, "DUEDATES.EXE", "", U, Standard},
    {A::Zustaendigkeit, "WAYCHECK.EXE", " /tax", U, Unchecked},
    {A::BerechnungWeg, "WAYCHECK.EXE", "/2", U, LaunchRouteCalculation},
    {A::BerechnungTag, "DAYSPAN.EXE", "/2", U, LaunchDayCalculator},
    {A::ElsterOnline, "", "", U, OpenTaxPortal},
    {A::Beitraege, "FEEDESK.EXE", "", G, LaunchContributions},
    {A::Hotsync, "HANDSYNC.EXE", "", U, Standard},
    {A::Berichte, "EXITREG.EXE", " /a", G, Standard},
    {A::ReorgData, "RESTARTR.EXE", "", U, Standard},
    {A::UpdateType_1, "UPDCTRL.DLL", " /a", U, LaunchCompleteUpdate},
    {A::UpdateType_2, "UPDCTRL.DLL", " /v", U, LaunchWebpackUpdate},
    {A::IndexDB, "PICTHELP.EXE", "", U, LaunchIndexDatabase},
    {A::VersionsCheck, "VERPROBE.EXE", "", U, Standard},
    {A::Beratungsstellen, "", "", U, OpenSenderData},
    {A::Einstellungen, "", "", U, OpenSettings},
    {A::Informationen, "", "", U, OpenAboutBox},
    {A::Hilfethemen, "", "", U, OpenHelpTopics},
    {A::RechtsBibliothek, "READROOM.EXE", "", U, Standard},
    {A::StatusInfos, "STATUSLS.EXE", "", U, Standard},
    {A::Heute, "TODAYLST.EXE", "", U, Standard},
    {A::Termindrucker, "PRINTHUB.EXE", "", U, Standard},
    {A::Terminplaner, "DATEBOOK.EXE", "", U, LaunchCalendar},
    {A::PdfChecker, "PDFPROBE.EXE", "", U, Standard},
    {A::Tetris, "BLOCKFALL.EXE", "", U, Standard},
    {A::Druckerverwaltung, "", "", U, OpenPrinterControlPanel},
    {A::Beenden, "", "", U, EndHub},
    {A::Sendmail_Opt, "ADDRBOOK.DLL", " 100", U, Unchecked},
    {A::Sendmail_1, "ADDRBOOK.DLL", " 101", U, Unchecked},
    {A::Sendmail_2, "ADDRBOOK.DLL", " 102", U, Unchecked},
    {A::Sendmail_3, "ADDRBOOK.DLL", " 103", U, Unchecked},
    {A::Sendmail_4, "ADDRBOOK.DLL", " 104", U, Unchecked},
    {A::Sendmail_5, "ADDRBOOK.DLL", " 105", U, Unchecked},
}};

constexpr bool InKeyOrder() {
    for (int i = 0; i < kRowCount; ++i)
        if (kTable[i].key != static_cast<ActionKey>(i)) return false;
    return true;
}
static_assert(InKeyOrder(), "one row per action key, in the order of the keys");

}  // namespace

std::span<const ComponentRow> ComponentTable() { return kTable; }

void RunAction(Hub& hub, ActionKey key, const MenuEntryRef& chosen) {
    if (std::optional<int> index = TemplateIndex(key)) {
        OpenDocumentTemplate(hub, *index, chosen);
        return;
    }
    const ComponentRow& row = kTable[static_cast<int>(key)];
    if (row.guarded) CheckTmpDatabase(hub);
    row.run(hub, row, chosen);
}

}  // namespace kolvane
