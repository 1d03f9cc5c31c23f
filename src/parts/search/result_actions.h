#pragma once
// The menu `mnuObjekte` over a hit of the member search: it hands the member to another program of the
// suite, by its command line, by the values "LastUser", "Kurzmitteilung", "Jahrgang" and "Steuerjahr"
// that the started programs read, or by a text sent to the member administration when it runs already.
#include <array>
#include <string>
#include <string_view>

#include "hub/hub.h"
#include "search/member_match.h"

namespace kolvane {

enum class ObjekteEntry {
    mnuInterface, mnuBearbeiten,
    mnuSteuerFiles1, mnuSteuerFiles2, mnuSteuerFiles3, mnuSteuerFiles4, mnuSteuerFiles5, mnuSteuerFiles6,
    mnuKurzmitteilung, mnuFormbriefe, mnuMails, mnuKurzbriefe, mnuUeberweisungen, mnuQuittungen,
};

struct ObjekteItem {
    ObjekteEntry entry;
    std::string_view caption;
    std::string_view program;  // of a simple hand-over: started with the member's id
};

// The entries in the menu's order.
inline constexpr std::array<ObjekteItem, 14> kObjekteItems{{
    {ObjekteEntry::mnuInterface, "Interface Explorer", "LINKPORT.EXE"},
    {ObjekteEntry::mnuBearbeiten, "Mitgliederverwaltung ", ""},
    {ObjekteEntry::mnuSteuerFiles1, "ESt.-VJ. 200_ ", ""},
    {ObjekteEntry::mnuSteuerFiles2, "ESt.-VJ. 200_ ", ""},
    {ObjekteEntry::mnuSteuerFiles3, "ESt.-VJ. 200_ ", ""},
    {ObjekteEntry::mnuSteuerFiles4, "ESt.-VJ. 200_ ", ""},
    {ObjekteEntry::mnuSteuerFiles5, "ESt.-VJ. 200_ ", ""},
    {ObjekteEntry::mnuSteuerFiles6, "ESt.-VJ. 200_ ", ""},
    {ObjekteEntry::mnuKurzmitteilung, "Kurzmitteilung", "QUILL.EXE"},
    {ObjekteEntry::mnuFormbriefe, "Form-Dokumente", "OUTTRAY.EXE"},
    {ObjekteEntry::mnuMails, "E-Mail senden", ""},
    {ObjekteEntry::mnuKurzbriefe, "Fristsetzung", "DUEWATCH.EXE"},
    {ObjekteEntry::mnuUeberweisungen, "Überweisungen ", ""},
    {ObjekteEntry::mnuQuittungen, "Quittungen", "SLIPPRN.EXE"},
}};

inline constexpr int kTaxYears = 6;
inline constexpr char kMemberAdministrationCaption[] = "Brekkan Verwaltung";

// What the menu shows besides the table: the tax years' captions and the entries switched off.
struct ObjekteMenu {
    std::array<std::string, kTaxYears> taxYears;  // empty: the table's caption
    bool mails = false;
    bool quittungen = true;  // off once the receipts were found banned on this computer
    std::string Caption(const ObjekteItem& item) const;
    bool Enabled(ObjekteEntry entry) const;
};

// The tax years' captions from TAXES.CFG of the program folder.
void LoadTaxYears(Hub& hub, ObjekteMenu& menu);
// Before the menu opens over a hit: "E-Mail senden" only for a member with an address.
void PrepareObjekteMenu(const Hub& hub, ObjekteMenu& menu, const HitRow& hit);
void RunObjekteEntry(Hub& hub, ObjekteMenu& menu, ObjekteEntry entry, const HitRow& hit);

// The member number formatted "#000" ("042", "1000"); a text that is no number stays as it is.
std::string FormattedId(const std::string& id);

}  // namespace kolvane
