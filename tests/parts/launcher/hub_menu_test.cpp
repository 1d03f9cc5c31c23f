#include "launcher/hub_menu.h"

#include "app/tray_symbol.h"
#include "launcher/menu_placement.h"
#include "launcher_fixture.h"

namespace kolvane {
namespace {

// The layout switches with the member block's three places, and `ShowNoContacts`: missing or not a number counts
// as 0 (the mail contacts, and 0 is stored), 1 shows today's list instead (a peer's text "1" is kept), 2 neither.
// Without a template list the templates are a plain entry.
TEST_F(LauncherTest, LayoutSwitches) {
    const struct {
        MenuLayout layout;
        std::optional<RegData> contacts;
        std::vector<std::string> top;
        std::size_t count;  // of the top level's entries
        std::vector<std::string> shown = {};
    } cases[] = {
        {ReadMenuLayout(hub), std::nullopt, {"Mitglieder verwalten  ", "Mitglieder suchen", "-", "Interface Explorer  ", "-"}, 25},
        {{.Dienststellen = 0, .Beitraege = 2, .Versetzung = 1}, SzData("1"),
         {"Interface Explorer  ", "-", "Mitglieder verwalten  ", "Mitglieder suchen", "-", "Kurzmitteilungen"}, 25,
         {"Informationen ... ", "Beitragszahlungen"}},
        {{.Steuererklaerung = 0, .Explorer = 0, .Dienststellen = 2, .Bibliothek = 0, .Beitraege = 0, .Versetzung = 2},
         DwordData(2), {"-", "Mitglieder verwalten  ", "Mitglieder suchen", "Kurzmitteilungen"}, 19},
        {{}, SzData("ja"), {}, 25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Store("ShowNoContacts", c.contacts);
        BuildMenu(hub, c.layout);
        const std::vector<std::string> top = Captions("");
        EXPECT_TRUE(std::equal(c.top.begin(), c.top.end(), top.begin()));
        EXPECT_EQ(top.size(), c.count);
        for (const std::string& caption : c.shown) EXPECT_EQ(std::ranges::count(top, caption), 1) << caption;
        const bool mail = !c.contacts || c.contacts->bytes == std::string("ja", 3);
        EXPECT_EQ(Captions("Mail-Kontakte ...").size(), mail ? 3u : 0u) << "add contacts, separator, settings";
        EXPECT_EQ(Captions("Erweiterungen")[2] == "Heute zu tun ...", c.contacts && c.contacts->bytes[0] == '1');
        const RegData after = mail ? DwordData(0) : *c.contacts;
        const RegData stored = *p.registry.QueryValue(kSettingsKey.root, kSettingsKey.path, "ShowNoContacts");
        EXPECT_EQ(std::pair(stored.type, stored.bytes), std::pair(after.type, after.bytes));
        const int templates = hubMenu.popup.Find("Bibliothek");
        EXPECT_TRUE(templates == 0 || !hubMenu.popup.HasChildren(templates));
    }
}

// The dispatcher runs the action of the chosen entry's key; submenus, separators and numbers outside the menu run
// nothing. Printers named like actions, captions, other entries or a separator only ever choose that printer;
// nine at most are shown, and the check mark follows the default printer the user confirms. Then with no printer,
// templates and contact groups with gaps (later ones keep their numbers): one entry of each kind at its place with
// its submenu, key and picture, and the count; the end-to-end menu scenario reads the plain entries and separators.
TEST_F(LauncherTest, EachEntryRunsTheActionOfItsKeyAndPrinterEntriesChooseTheirPrinter) {
    struct : PrinterDialog {
        std::vector<std::string> preselected;
        std::string ChooseDefault(const std::string&, const std::string& printer) override {
            preselected.push_back(printer);
            return "-";  // the user confirms another printer than the chosen entry's
        }
    } printerDialog;
    hubMenu.printerDialog = &printerDialog;
    p.dialogs.printers = {"Beenden", "Lager & Versand", "-", "Drucker_1", "5", "6", "7", "8", "9", "10"};
    BuildMenu(hub, {.Drucker = 1});
    for (const char* key : {"Finanz\xE4mter", "Updates", "Trennung3"}) cP_Click(hub, hubMenu, hubMenu.popup.Find(key));
    for (int outside : {0, -1, hubMenu.popup.Count() + 1}) cP_Click(hub, hubMenu, outside);
    Put("ADDRBOOK.DLL");
    cP_Click(hub, hubMenu, Number("Kontakte hinzuf\xFCgen"));
    EXPECT_EQ(hubMenu.tItemNr, std::to_string(Number("Kontakte hinzuf\xFCgen")));
    EXPECT_EQ(Captions("Druckerverwaltung "), (std::vector<std::string>{"Beenden", "Lager && Versand", "-", "Drucker_1",
                                                "5", "6", "7", "8", "9", "-", "Drucker verwalten ..."}));
    for (int position : {1, 2, 3, 4}) cP_Click(hub, hubMenu, hubMenu.popup.Find(PrinterEntryKey(position)));
    EXPECT_EQ(printerDialog.preselected, (std::vector<std::string>{"Beenden", "Lager & Versand", "-", "Drucker_1"}));
    EXPECT_EQ(p.kernel.terminations, 0);
    EXPECT_TRUE(hubMenu.printers.At(3).checked && hubMenu.popup.Entry(hubMenu.popup.Find(PrinterEntryKey(3))).checked);
    EXPECT_FALSE(hubMenu.popup.Entry(Number("Drucker_1")).checked);
    p.dialogs.printers = {};
    Put("VORLAGEN.DAT=[DOCS]\r\n0=Vollmacht\r\n1=\r\n2=Antrag & Anlage\r\n9=Kindergeld\r\n");
    p.files.Put(DatabaseFile(hub, "KONTAKTE.DAT"), "[101]\r\nCaption=A\r\n[102]\r\nCaption=\r\n[103]\r\nCaption=B & C\r\n");
    BuildMenu(hub, {.Drucker = 1});
    EXPECT_EQ(Captions("Druckerverwaltung "), std::vector<std::string>{"Drucker verwalten ..."});
    const std::pair<int, const char*> spots[] = {{10, "Dokumentvorlagen |Antrag && Anlage|DocVorlage2|66"},
        {39, "Mail-Kontakte ...|B && C|Sendmail_3|0"}, {65, "Internet-Update |&Webpack-Update |UpdateType_2|0"}};
    for (const auto& [n, shown] : spots) {
        const PopupEntry& e = hubMenu.popup.Entry(n);
        EXPECT_EQ((e.parent ? hubMenu.popup.Entry(e.parent).caption : "") + "|" + e.caption + "|" + e.key + "|" + std::to_string(e.icon), shown);
    }
    EXPECT_EQ(hubMenu.popup.Count(), 72);
    ChoosePrinter(hubMenu, 1);  // "kein Drucker": no dialog
    cP_Click(hub, hubMenu, Number("Drucker verwalten ..."));
    EXPECT_EQ(printerDialog.preselected.size(), 4u);
    EXPECT_EQ(Outcome(), (std::vector<std::string>{"%ADDRBOOK.DLL\" 100",
                                                   "\"C:\\Windows\\SysWOW64\\Rundll32.exe\" shell32.dll,Control_RunDLL main.cpl @2"}));
}

// A press opens the popup, or with the left button the quick action `Maustaste` 1 to 8. The popup pumps messages
// while it waits: presses arrive in the middle of it. No second popup opens, and an action that waits long (a
// component's start) leaves the icon answering; its missing program disables the entry its own choice came from.
// The presses during the password prompt, and the hub in front so that a click elsewhere closes the popup, are
// walked end to end.
TEST_F(LauncherTest, PressesWhileThePopupOrAnActionWaits) {
    struct : PopupView {
        Launcher* l;
        int choice = 0, opened = 0;  // choice: the entry the user chooses the next time; 0: none
        int Track(const PopupMenu&) override {
            ++opened;
            OnSymbolMouse(l->hub, kSymbolRightPress);
            return std::exchange(choice, 0);
        }
    } popupView;
    popupView.l = this;
    hubMenu.popupView = &popupView;
    Put("ACCOUNTS.EXE");
    BuildMenu(hub, {});
    // No such quick action, the first one without the popup, then none: the popup instead, closed without a choice.
    for (int quick : {9, -1, 1, 0}) {
        hub.settings.WriteInt(Setting::Maustaste, static_cast<std::int16_t>(quick));
        OnSymbolMouse(hub, kSymbolLeftPress);
    }
    EXPECT_EQ(popupView.opened, 1);
    p.shell.onStart = [&](const MemoryShell::Started&) {
        p.shell.onStart = nullptr;
        popupView.choice = Number("Interface Explorer  ");
        OnSymbolMouse(hub, kSymbolRightPress);
    };
    popupView.choice = Number("Mitglieder verwalten  ");
    OnSymbolMouse(hub, kSymbolRightPress);
    // Each opening tells of the missing deadline component and waits a second after it.
    EXPECT_EQ(Outcome(), (std::vector<std::string>{"%ACCOUNTS.EXE\"", "%ACCOUNTS.EXE\"", "waited 2000 ms"}));
    EXPECT_EQ(std::tuple(popupView.opened, hubMenu.popup.Entry(Number("Interface Explorer  ")).enabled,
                         hubMenu.popup.Entry(Number("Mitglieder verwalten  ")).enabled), std::tuple(3, false, true));
}

// From the icon towards the middle of its screen, whichever edge holds the task bar, on a screen left of the
// primary one too; the icon itself stays uncovered.
TEST(MenuPlacement, OpensFromTheIconTowardsTheMiddleOfTheScreen) {
    const ScreenRect primary{0, 0, 1280, 1024}, bottomRight{1180, 994, 1204, 1018}, topLeft{4, 4, 28, 28}, left{-100, 1050, -76, 1074};
    EXPECT_EQ(PlaceMenu(primary, bottomRight), (MenuPlacement{{1204, 994}, true, true, bottomRight}));
    EXPECT_EQ(PlaceMenu(primary, topLeft), (MenuPlacement{{4, 28}, false, false, topLeft}));
    EXPECT_EQ(PlaceMenu({-1920, 0, 0, 1080}, left), (MenuPlacement{{-76, 1050}, true, true, left}));
}

}  // namespace
}  // namespace kolvane
