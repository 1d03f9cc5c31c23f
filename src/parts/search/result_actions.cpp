#include "search/result_actions.h"

#include <charconv>
#include <cstdio>
#include <tuple>
#include <optional>

#include "hub/hub_database.h"
#include "platform/text.h"
#include "search/member_search.h"
#include "settings/registry_keys.h"
#include "settings/registry_store.h"
#include "hub/let_events_run.h"

namespace kolvane {

namespace {

constexpr char kTaxesFile[] = "TAXES.CFG";
constexpr char kMemberAdministration[] = "ACCOUNTS.EXE";
constexpr char kTaxData[] = "Taxstore.exe";
constexpr char kTaxReturns[] = "RETURNS.EXE";
constexpr char kTransferForm[] = "FORMDESK.EXE";
constexpr char kAdministrationMainClass[] = "ThunderRT6Main";
constexpr char kAdministrationFormClass[] = "ThunderRT6FormDC";
constexpr char kAdministrationTextClass[] = "ThunderRT6textbox";
constexpr char kMailSubject[] = "Kelmsdorfer Lohnsteuerberatung für Arbeitnehmer e.V.";
constexpr char kReceiptsBanned[] =
    "Die Quittungen können von diesem Computer nicht gedruckt werden. \n"
    "Bitte wenden Sie sich an den Beratungsstellenleiter ...";
constexpr char kBadMailAddress[] =
    "\" kann nicht verwendet werden.\nBitte korrigieren Sie sie in der Mitgliederverwaltung.";
constexpr int kTransferResetSeconds = 3;
constexpr RegKeyPath kTransferKeys[] = {
    {RegRoot::CurrentUser, "Software\\Brekkan"},
    {RegRoot::CurrentUser, "Software\\Brekkan\\Quarnbeck"},
    kTransferFormKey,
};

bool Numeric(const std::string& id) { return IsDigits(id) && id.size() <= 4; }

int Number(const std::string& id) {
    int n = 0;
    std::from_chars(id.data(), id.data() + id.size(), n);
    return n;
}

// One value of the member's record; the others stay scrambled, so that a damage elsewhere in the record
// does not stop the user with a notice about a value this action never uses.
std::string ReadMemberValue(const Hub& hub, const std::string& id, std::string_view key) {
    if (!Numeric(id)) return {};
    return HubDatabase(hub).Read(MemberSection(Number(id)), key);
}

void Tell(Hub& hub, const std::string& text, MsgIcon icon) {
    hub.os.dialogs.ShowMessage({text, std::string(" ") + kMemberSearchCaption, MsgButtons::Ok, icon});
}

void HandOver(Hub& hub, const std::string& id) {
    hub.settings.WriteText(Setting::LastUser, FormattedId(id));
    hub.settings.WriteText(Setting::Kurzmitteilung, FormattedId(id));
}

bool StartWith(Hub& hub, std::string_view program, const std::string& argument) {
    return StartComponent(hub, std::string(program), " " + argument, ShowState::Normal);
}

// "dd.mm.yyyy" before today; anything else is no date of leaving.
bool Departed(Hub& hub, const std::string& austritt) {
    int d = 0, m = 0, y = 0;
    if (austritt.size() != 10 || std::sscanf(austritt.c_str(), "%2d.%2d.%4d", &d, &m, &y) != 3) return false;
    const DateTime today = hub.os.clock.Now();
    return std::tie(y, m, d) < std::tie(today.year, today.month, today.day);
}

void SimpleHandOver(Hub& hub, const ObjekteItem& item, const HitRow& hit) {
    if (Numeric(hit.id)) {
        HandOver(hub, hit.id);
        LetEventsRun(hub);
    }
    StartWith(hub, item.program, hit.id);
}

// A running member administration takes the member into its open window; a second copy is never started.
void OpenInAdministration(Hub& hub, const HitRow& hit) {
    const std::string id = FormattedId(hit.id);
    if (Numeric(hit.id) && !Departed(hub, ReadMemberValue(hub, hit.id, "AUSTRITT"))) HandOver(hub, hit.id);
    Windows& windows = hub.os.windows;
    if (windows.Find(std::string(kAdministrationMainClass), std::string(kMemberAdministrationCaption)) == kNoWindow) {
        hub.settings.WriteText(Setting::LastUser, id);
        StartWith(hub, kMemberAdministration, id);
        return;
    }
    const WindowId form =
        windows.Find(std::string(kAdministrationFormClass), std::string(kMemberAdministrationCaption));
    if (form == kNoWindow) return;
    const WindowId box = windows.FindChild(form, kNoWindow, std::string(kAdministrationTextClass), std::nullopt);
    // Bounded: a hung member administration does not freeze the hub.
    if (box != kNoWindow) windows.SetText(box, id);
}

// Only what would break the address is percent-encoded: "?", "&" and "#" would start fields of their own
// or cut the address, "%" would be read as an escape, blanks and control characters end the text early.
// Everything else (umlauts included) goes to the mail program as the member administration stored it.
std::string PercentEncoded(const std::string& address) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : address) {
        const auto b = static_cast<unsigned char>(c);
        if (b <= ' ' || b == 0x7F || std::string_view("?&#%").find(c) != std::string_view::npos)
            out += {'%', kHex[b >> 4], kHex[b & 15]};
        else
            out += c;
    }
    return out;
}

void SendMail(Hub& hub, const HitRow& hit) {
    if (Numeric(hit.id)) HandOver(hub, hit.id);
    const std::string address = ReadMemberValue(hub, hit.id, "MAIL");
    if (address.empty()) return;
    if (address.find('@') == std::string::npos || address.find_first_of("\r\n") != std::string::npos) {
        Tell(hub, "Die E-Mail-Adresse \"" + address + kBadMailAddress, MsgIcon::Exclamation);
        return;
    }
    hub.os.shell.Execute("Open", "mailto:" + PercentEncoded(address) + "?Subject=" + kMailSubject + "&Body=", "",
                         "", ShowState::Normal);
}

std::string TaxesValue(Hub& hub, int year, const char* key) {
    return hub.os.ini.Read(ProgramFile(hub, kTaxesFile), "0" + std::to_string(year), key);
}

// The member's return of year y: the returns folder, y, "\", the id, ".ESt" and y again.
std::string ReturnFile(const std::string& folder, int y, const std::string& id) {
    return folder + std::to_string(y) + "\\" + id + ".ESt" + std::to_string(y);
}

void OpenTaxReturn(Hub& hub, int i, const HitRow& hit) {
    const std::string dir = TaxesValue(hub, i, "Dir");
    if (!IsDigits(dir) || dir.size() != 4) return;  // a year without its folder is not set up
    const int year = Number(dir);
    std::string folder = hub.settings.ReadText(Setting::Erklaerungen);
    if (!folder.empty() && !folder.ends_with('\\')) folder += '\\';
    // Only a return of year Y itself lets the tax data program stay closed: a member with last year's
    // alone is starting this year's, the usual case at the start of each tax year.
    const bool exists = hub.os.files.Exists(ReturnFile(folder, year, hit.id));
    if (Numeric(hit.id)) hub.settings.WriteText(Setting::LastUser, FormattedId(hit.id));
    hub.settings.WriteText(Setting::Jahrgang, dir);
    hub.settings.WriteText(Setting::Steuerjahr, std::to_string(year % 100));
    if (!(hub.settings.ReadInt(Setting::AutoOnlyNew) == 1 && exists))
        StartComponent(hub, kTaxData, "", ShowState::Normal);
    StartWith(hub, kTaxReturns, hit.id);
}

void OpenTransfer(Hub& hub, const HitRow& hit) {
    Registry& registry = hub.os.registry;
    for (const RegKeyPath& key : kTransferKeys)
        if (!RegKeyExists(registry, key.root, key.path)) RegCreateKey(registry, key.root, key.path, "");
    std::int32_t before = 0;
    RegGetSetting(registry, hub.os.kernel, kTransferFormKey.root, kTransferFormKey.path, kKontodatenValue, before);
    RegSetSetting(registry, kTransferFormKey.root, kTransferFormKey.path, kKontodatenValue, std::int16_t{1});
    RegSetSetting(registry, kTransferFormKey.root, kTransferFormKey.path, kInhaberValue,
                  hit.name + ", " + hit.firstNames);
    StartComponent(hub, kTransferForm, "", ShowState::Normal);
    if (before == 0) return;
    Wait(hub, kTransferResetSeconds);
    RegSetSetting(registry, kTransferFormKey.root, kTransferFormKey.path, kKontodatenValue, std::int16_t{0});
}

void PrintReceipt(Hub& hub, ObjekteMenu& menu, const ObjekteItem& item, const HitRow& hit) {
    if (hub.settings.ReadInt(Setting::QuittungVerboten) == 1) {
        Tell(hub, kReceiptsBanned, MsgIcon::Critical);
        menu.quittungen = false;
        return;
    }
    SimpleHandOver(hub, item, hit);
}

}  // namespace

std::string FormattedId(const std::string& id) { return Numeric(id) ? MemberSection(Number(id)) : id; }

std::string ObjekteMenu::Caption(const ObjekteItem& item) const {
    const int year = static_cast<int>(item.entry) - static_cast<int>(ObjekteEntry::mnuSteuerFiles1);
    if (year >= 0 && year < kTaxYears && !taxYears[static_cast<std::size_t>(year)].empty())
        return taxYears[static_cast<std::size_t>(year)];
    return std::string(item.caption);
}

bool ObjekteMenu::Enabled(ObjekteEntry entry) const {
    if (entry == ObjekteEntry::mnuMails) return mails;
    if (entry == ObjekteEntry::mnuQuittungen) return quittungen;
    return true;
}

void LoadTaxYears(Hub& hub, ObjekteMenu& menu) {
    for (int i = 0; i < kTaxYears; ++i) {
        const std::string name = TaxesValue(hub, i + 1, "Name");
        menu.taxYears[static_cast<std::size_t>(i)] = name.empty() ? "" : " " + ShownAsIs(name);
    }
}

void PrepareObjekteMenu(const Hub& hub, ObjekteMenu& menu, const HitRow& hit) {
    menu.mails = !ReadMemberValue(hub, hit.id, "MAIL").empty();
}

void RunObjekteEntry(Hub& hub, ObjekteMenu& menu, ObjekteEntry entry, const HitRow& hit) {
    const ObjekteItem& item = kObjekteItems[static_cast<std::size_t>(entry)];
    switch (entry) {
        case ObjekteEntry::mnuBearbeiten: return OpenInAdministration(hub, hit);
        case ObjekteEntry::mnuMails: return SendMail(hub, hit);
        case ObjekteEntry::mnuUeberweisungen: return OpenTransfer(hub, hit);
        case ObjekteEntry::mnuQuittungen: return PrintReceipt(hub, menu, item, hit);
        default: break;
    }
    if (!item.program.empty()) return SimpleHandOver(hub, item, hit);
    OpenTaxReturn(hub, static_cast<int>(entry) - static_cast<int>(ObjekteEntry::mnuSteuerFiles1) + 1, hit);
}

}  // namespace kolvane
