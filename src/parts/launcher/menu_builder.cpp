#include "launcher/menu_builder.h"

#include <span>
#include <string_view>

#include "platform/text.h"

namespace kolvane {
namespace {

// A fixed entry: its caption exactly as shown (trailing blanks included), its key and its picture number.
struct Row {
    std::string_view caption;
    std::string_view key;
    int icon = kNoIcon;
};

constexpr Row Separator(std::string_view key) { return {kSeparatorCaption, key}; }

constexpr Row kMemberEntries[] = {{"Mitglieder verwalten  ", "Verwaltung", 42}, {"Mitglieder suchen", "Suchen"}};
constexpr Row kExplorerEntry{"Interface Explorer  ", "Explorer"};
constexpr Row kMessageEntries[] = {{"Kurzmitteilungen", "Kurzmitteilungen", 95}, {"Form-Dokumente  ", "Dokumente"}};
constexpr Row kTemplatesMenu{"Dokumentvorlagen ", "Bibliothek"};
constexpr Row kTemplateManager[] = {Separator("Trennung2a"), {"Einträge verwalten ...", "Bibliothek"}};
constexpr Row kLegalLibrary{"Rechts-Bibliothek ", "Rechts-Bibliothek"};
constexpr Row kContributionsEntries[] = {{"Beitragsverwaltung", "Beiträge", 113}, {"Beitragszahlungen", "Beiträge", 113}};
constexpr Row kPaymentEntries[] = {{"Quittungsbelege", "Quittungen"},
                                   {"Überweisungen ", "Überweisungen"},
                                   {"Serienbriefe", "Serienbriefe"},
                                   Separator("Trennung4")};
constexpr Row kTaxOfficesMenu{"Finanzämter", "Finanzämter"};
constexpr Row kTaxOfficeEntries[] = {
    {"Fristenkontrolle   ", "Bescheide", 7},     {"Posteingangsbuch ", "Fristen"},
    {"Fristenwächter ", "Fristenwacht"},          {"Zuständigkeit ", "Zuständigkeit"},
    Separator("Trennung41"),                      {"Route berechnen ... ", "BerechnungWeg", 118},
    {"Tage berechnen ... ", "BerechnungTag"},     {"Elster Online ... ", "ElsterOnline"},
    Separator("Trennung41"),                      {"Bearbeiten ... ", "Bearbeiten"},
};
constexpr Row kExtensionsMenu{"Erweiterungen", "Erweiterungen"};
constexpr Row kExtensionsTop[] = {{"Steuererklärungen ...", "Erklärungen", 119},
                                  {"Status-Informationen ", "Status-Infos", 88}};
constexpr Row kTodayEntry{"Heute zu tun ...", "Heute"};
constexpr Row kExtensionsMiddle[] = {{"PDF-Checker ", "PDF-Checker"}, Separator("Trennung42")};
constexpr Row kExtensionsBottom[] = {{"Termindrucker ... ", "Termindrucker", 62},
                                     {"Terminplaner ", "Terminplaner"},
                                     Separator("Trennung43"),
                                     {"Tetris ... ", "Tetris"}};
constexpr Row kContactsMenu{"Mail-Kontakte ...", "Mail-Kontakte", 10};
constexpr Row kNoContactsMenu{"Mail-Kontakte ...", "Mail-Kontakte", 1};
constexpr Row kAddContacts{"Kontakte hinzufügen", "Sendmail_Opt"};
constexpr Row kMailSettings[] = {Separator("Trennung55"), {"Mail-Settings ...", "Sendmail_Opt"}};
constexpr Row kPrintersMenu{"Druckerverwaltung ", "Druckerverwaltung"};
// A submenu's own entry is never reported as chosen, so the printer control panel, whose key the submenu
// carries, gets an entry of its own inside it.
constexpr Row kPrinterPanelSeparator = Separator("Trennung56");
constexpr Row kPrinterPanel{"Drucker verwalten ...", "Druckerverwaltung"};
constexpr Row kBackupMenu{"Datensicherung", "Datensicherung"};
constexpr Row kBackupEntries[] = {
    {"Komplettsicherung ... ", "Komplettsicherung", 12},
    {"Mitgliederliste drucken   ", "Mitgliederliste"},
    Separator("Trennung29"),
    {"Dropbox-Synchronisierung ... ", "DropboxSync", 116},
    Separator("Trennung30"),
    {"Erklärungen kopieren  ", "Steuerkopie", 99},
    {"Synchronisierungen", "Hotsync"},
    {"CSV-Datenbank", "CSVDatabase"},
};
constexpr Row kToolsMenu{"Zubehör", "Zubehör"};
constexpr Row kToolsEntries[] = {{"Berichte der Mitglieder  ", "Berichte", 18},
                                 Separator("Trennung24"),
                                 {"Datenreorganisierung ", "ReorgData"},
                                 {"IHP-Datenbank ", "IndexDB"},
                                 Separator("Trennung5")};
constexpr Row kUpdateMenu{"Internet-Update ", "Updates", 51};
// The captions of the form entries `mnuUpdateType` 1 and 2, whose "&" marks the access key.
constexpr Row kUpdateEntries[] = {{"&Komplettes Update ", "UpdateType_1"}, {"&Webpack-Update ", "UpdateType_2"}};
constexpr Row kSystemCheck{"System-Check", "VersionsCheck"};
constexpr Row kAdviceCentres{"Beratungsstellen ", "Beratungsstellen", 2};
constexpr Row kInformation{"Informationen ... ", "Informationen"};
constexpr Row kClosingEntries[] = {{"Einstellungen ... ", "Einstellungen"},
                                   {"Hilfethemen", "Hilfethemen"},
                                   Separator("Trennung6"),
                                   {"Beenden", "Beenden"}};

constexpr char kTemplateList[] = "VORLAGEN.DAT";
constexpr char kTemplateSection[] = "DOCS";
constexpr int kTemplateIcon = 66;
constexpr char kContactList[] = "KONTAKTE.DAT";
constexpr int kContactGroups = 5;

class Builder {
public:
    Builder(Hub& hub, PopupMenu& popup) : hub_(hub), popup_(popup) {}

    int Add(const Row& row, int parent = 0) {
        return popup_.AddItem(std::string(row.caption), std::string(row.key), parent, row.icon);
    }
    void Add(std::span<const Row> rows, int parent = 0) {
        for (const Row& row : rows) Add(row, parent);
    }

    void MemberBlock(const MenuLayout& layout) {
        if (layout.Versetzung == 0) {
            Add(kMemberEntries);
            Add(Separator("Trennung1"));
            if (layout.Explorer == 1) Add(kExplorerEntry);
        } else {
            if (layout.Explorer == 1) Add(kExplorerEntry);
            Add(Separator("Trennung1a"));
            Add(kMemberEntries);
        }
        if (layout.Explorer == 1) Add(Separator("Trennung2"));
    }

    // Without the template list there is nothing to put into a submenu: the entry opens the template manager.
    void Templates() {
        const std::string list = ProgramFile(hub_, kTemplateList);
        if (!hub_.os.files.Exists(list)) {
            Add(kTemplatesMenu);
            return;
        }
        const int menu = Add(kTemplatesMenu);
        for (int i = 0; i < 10; ++i) {
            const std::string caption = hub_.os.ini.Read(list, kTemplateSection, std::to_string(i));
            if (!caption.empty())
                popup_.AddItem(ShownAsIs(caption), "DocVorlage" + std::to_string(i), menu, kTemplateIcon);
        }
        Add(kTemplateManager, menu);
    }

    void Extensions(bool today, bool mail) {
        const int menu = Add(kExtensionsMenu);
        Add(kExtensionsTop, menu);
        if (today) Add(kTodayEntry, menu);
        Add(kExtensionsMiddle, menu);
        if (mail) MailContacts(menu);
        Add(kExtensionsBottom, menu);
    }

    void MailContacts(int parent) {
        const std::string list = DatabaseFile(hub_, kContactList);
        int menu = 0;
        if (hub_.os.files.Exists(list)) {
            menu = Add(kContactsMenu, parent);
            for (int n = 1; n <= kContactGroups; ++n) {
                const std::string caption = hub_.os.ini.Read(list, "10" + std::to_string(n), "Caption");
                if (!caption.empty()) popup_.AddItem(ShownAsIs(caption), "Sendmail_" + std::to_string(n), menu);
            }
        } else {
            menu = Add(kNoContactsMenu, parent);
            Add(kAddContacts, menu);
        }
        Add(kMailSettings, menu);
    }

    void Printers(FormPrinters& printers) {
        const int menu = Add(kPrintersMenu);
        const std::vector<std::string> names = hub_.os.dialogs.PrinterNames();
        int position = 0;
        for (const std::string& name : names) {
            if (++position > kMaxPrinters) break;
            printers.At(position).caption = name;
            popup_.AddItem(ShownAsIs(name), PrinterEntryKey(position), menu, kNoIcon, position);
        }
        if (printers.At(1).caption.empty()) printers.At(1).caption = kNoPrinterCaption;
        if (!names.empty()) Add(kPrinterPanelSeparator, menu);
        Add(kPrinterPanel, menu);
    }

    void Tools() {
        const int menu = Add(kToolsMenu);
        Add(kToolsEntries, menu);
        const int updates = Add(kUpdateMenu, menu);
        Add(kUpdateEntries, updates);
        Add(kSystemCheck, menu);
    }

private:
    Hub& hub_;
    PopupMenu& popup_;
};

}  // namespace

std::string PrinterEntryKey(int position) { return "Drucker_" + std::to_string(position); }

void BuildPopup(Hub& hub, const MenuLayout& layout, PopupMenu& popup, FormPrinters& printers) {
    // Missing (or not a number) counts as 0: the mail contacts instead of today's list, and 0 is stored.
    std::int32_t showNoContacts = 0;
    const bool contactsSwitch = hub.settings.Get(Setting::ShowNoContacts, showNoContacts);
    const bool mail = !contactsSwitch || showNoContacts == 0;
    if (mail) hub.settings.WriteInt(Setting::ShowNoContacts, 0);

    popup.Clear();
    printers = {};
    Builder b(hub, popup);
    b.MemberBlock(layout);
    b.Add(kMessageEntries);
    if (layout.Bibliothek == 1) b.Templates();
    if (layout.Steuererklaerung == 1) b.Add(kLegalLibrary);
    b.Add(Separator("Trennung3"));
    if (layout.Beitraege == 1) b.Add(kContributionsEntries[0]);
    if (layout.Beitraege == 2) b.Add(kContributionsEntries[1]);
    b.Add(kPaymentEntries);
    b.Add(kTaxOfficeEntries, b.Add(kTaxOfficesMenu));
    b.Extensions(contactsSwitch && showNoContacts == 1, mail);
    if (layout.Drucker == 1) b.Printers(printers);
    b.Add(kBackupEntries, b.Add(kBackupMenu));
    b.Tools();
    b.Add(Separator("Trennung5"));
    if (layout.Dienststellen == 1) b.Add(kAdviceCentres);
    if (layout.Dienststellen == 0) b.Add(kInformation);
    b.Add(kClosingEntries);
}

}  // namespace kolvane
