#include "launcher/menu_builder.h"

#include <algorithm>

#include "menu_fixture.h"

namespace kolvane {
namespace {

struct Line {
    std::string parent;  // caption of the submenu, empty at the top level
    std::string caption;
    std::string key;
    int icon = 0;
    int itemData = 0;
    friend bool operator==(const Line&, const Line&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Line& l) {
        return out << "[" << l.parent << "] \"" << l.caption << "\" " << l.key << " icon " << l.icon << " data "
                   << l.itemData;
    }
};

// Every switch on, two printers, three templates with gaps (an empty value among them: later templates keep
// their numbers) and two contact groups: the whole menu, written down apart from the code's tables. The last
// printer entry is ours: the printer control panel, whose key the submenu carries, needs an entry to be chosen.
const Line kFullMenu[] = {
    {"", "Mitglieder verwalten  ", "Verwaltung", 42},
    {"", "Mitglieder suchen", "Suchen"},
    {"", "-", "Trennung1"},
    {"", "Interface Explorer  ", "Explorer"},
    {"", "-", "Trennung2"},
    {"", "Kurzmitteilungen", "Kurzmitteilungen", 95},
    {"", "Form-Dokumente  ", "Dokumente"},
    {"", "Dokumentvorlagen ", "Bibliothek"},
    {"Dokumentvorlagen ", "Vollmacht", "DocVorlage0", 66},
    {"Dokumentvorlagen ", "Antrag && Anlage", "DocVorlage2", 66},
    {"Dokumentvorlagen ", "Kindergeld", "DocVorlage9", 66},
    {"Dokumentvorlagen ", "-", "Trennung2a"},
    {"Dokumentvorlagen ", "Eintr\xE4ge verwalten ...", "Bibliothek"},
    {"", "Rechts-Bibliothek ", "Rechts-Bibliothek"},
    {"", "-", "Trennung3"},
    {"", "Beitragsverwaltung", "Beitr\xE4ge", 113},
    {"", "Quittungsbelege", "Quittungen"},
    {"", "\xDC" "berweisungen ", "\xDC" "berweisungen"},
    {"", "Serienbriefe", "Serienbriefe"},
    {"", "-", "Trennung4"},
    {"", "Finanz\xE4mter", "Finanz\xE4mter"},
    {"Finanz\xE4mter", "Fristenkontrolle   ", "Bescheide", 7},
    {"Finanz\xE4mter", "Posteingangsbuch ", "Fristen"},
    {"Finanz\xE4mter", "Fristenw\xE4" "chter ", "Fristenwacht"},
    {"Finanz\xE4mter", "Zust\xE4ndigkeit ", "Zust\xE4ndigkeit"},
    {"Finanz\xE4mter", "-", "Trennung41"},
    {"Finanz\xE4mter", "Route berechnen ... ", "BerechnungWeg", 118},
    {"Finanz\xE4mter", "Tage berechnen ... ", "BerechnungTag"},
    {"Finanz\xE4mter", "Elster Online ... ", "ElsterOnline"},
    {"Finanz\xE4mter", "-", "Trennung41"},
    {"Finanz\xE4mter", "Bearbeiten ... ", "Bearbeiten"},
    {"", "Erweiterungen", "Erweiterungen"},
    {"Erweiterungen", "Steuererkl\xE4rungen ...", "Erkl\xE4rungen", 119},
    {"Erweiterungen", "Status-Informationen ", "Status-Infos", 88},
    {"Erweiterungen", "PDF-Checker ", "PDF-Checker"},
    {"Erweiterungen", "-", "Trennung42"},
    {"Erweiterungen", "Mail-Kontakte ...", "Mail-Kontakte", 10},
    {"Mail-Kontakte ...", "Vorstand", "Sendmail_1"},
    {"Mail-Kontakte ...", "Beratung && Kasse", "Sendmail_3"},
    {"Mail-Kontakte ...", "-", "Trennung55"},
    {"Mail-Kontakte ...", "Mail-Settings ...", "Sendmail_Opt"},
    {"Erweiterungen", "Termindrucker ... ", "Termindrucker", 62},
    {"Erweiterungen", "Terminplaner ", "Terminplaner"},
    {"Erweiterungen", "-", "Trennung43"},
    {"Erweiterungen", "Tetris ... ", "Tetris"},
    {"", "Druckerverwaltung ", "Druckerverwaltung"},
    {"Druckerverwaltung ", "Kyocera FS-1020", "Drucker_1", 0, 1},
    {"Druckerverwaltung ", "HP LaserJet", "Drucker_2", 0, 2},
    {"Druckerverwaltung ", "-", "Trennung56"},
    {"Druckerverwaltung ", "Drucker verwalten ...", "Druckerverwaltung"},
    {"", "Datensicherung", "Datensicherung"},
    {"Datensicherung", "Komplettsicherung ... ", "Komplettsicherung", 12},
    {"Datensicherung", "Mitgliederliste drucken   ", "Mitgliederliste"},
    {"Datensicherung", "-", "Trennung29"},
    {"Datensicherung", "Dropbox-Synchronisierung ... ", "DropboxSync", 116},
    {"Datensicherung", "-", "Trennung30"},
    {"Datensicherung", "Erkl\xE4rungen kopieren  ", "Steuerkopie", 99},
    {"Datensicherung", "Synchronisierungen", "Hotsync"},
    {"Datensicherung", "CSV-Datenbank", "CSVDatabase"},
    {"", "Zubeh\xF6r", "Zubeh\xF6r"},
    {"Zubeh\xF6r", "Berichte der Mitglieder  ", "Berichte", 18},
    {"Zubeh\xF6r", "-", "Trennung24"},
    {"Zubeh\xF6r", "Datenreorganisierung ", "ReorgData"},
    {"Zubeh\xF6r", "IHP-Datenbank ", "IndexDB"},
    {"Zubeh\xF6r", "-", "Trennung5"},
    {"Zubeh\xF6r", "Internet-Update ", "Updates", 51},
    {"Internet-Update ", "&Komplettes Update ", "UpdateType_1"},
    {"Internet-Update ", "&Webpack-Update ", "UpdateType_2"},
    {"Zubeh\xF6r", "System-Check", "VersionsCheck"},
    {"", "-", "Trennung5"},
    {"", "Beratungsstellen ", "Beratungsstellen", 2},
    {"", "Einstellungen ... ", "Einstellungen"},
    {"", "Hilfethemen", "Hilfethemen"},
    {"", "-", "Trennung6"},
    {"", "Beenden", "Beenden"},
};

class MenuBuilderTest : public MenuTest {
protected:
    void PutTemplates(const std::vector<std::pair<int, std::string>>& captions) {
        std::string bytes = "[DOCS]\r\n";
        for (const auto& [index, caption] : captions) bytes += std::to_string(index) + "=" + caption + "\r\n";
        p.files.Put(ProgramFile(hub, "VORLAGEN.DAT"), bytes);
    }
    std::vector<Line> Lines() const {
        std::vector<Line> lines;
        for (const PopupEntry& e : hubMenu.popup.Entries()) {
            const std::string parent = e.parent ? hubMenu.popup.Entry(e.parent).caption : "";
            lines.push_back({parent, e.caption, e.key, e.icon, e.itemData});
        }
        return lines;
    }
    std::vector<std::string> Captions(const std::string& parent = "") const {
        std::vector<std::string> captions;
        for (const Line& line : Lines())
            if (line.parent == parent) captions.push_back(line.caption);
        return captions;
    }
    bool Has(const std::string& caption) const { return std::ranges::count(Lines(), caption, &Line::caption) > 0; }
};

TEST_F(MenuBuilderTest, FullMenuInItsOrderWithCaptionsKeysAndPictures) {
    PutTemplates({{0, "Vollmacht"}, {1, ""}, {2, "Antrag & Anlage"}, {9, "Kindergeld"}});
    p.files.Put(DatabaseFile(hub, "KONTAKTE.DAT"),
                "[101]\r\nCaption=Vorstand\r\n[102]\r\nCaption=\r\n[103]\r\nCaption=Beratung & Kasse\r\n");
    Build({.Drucker = 1});

    const std::vector<Line> lines = Lines();
    const std::vector<Line> expected(std::begin(kFullMenu), std::end(kFullMenu));
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "entry " << i + 1;
    for (const PopupEntry& e : hubMenu.popup.Entries()) {
        EXPECT_TRUE(e.enabled);
        EXPECT_FALSE(e.checked);
    }
}

TEST_F(MenuBuilderTest, DefaultsWithNothingStored) {
    Build(ReadMenuLayout(hub));
    EXPECT_EQ(Captions(), (std::vector<std::string>{
                              "Mitglieder verwalten  ", "Mitglieder suchen", "-", "Interface Explorer  ", "-",
                              "Kurzmitteilungen", "Form-Dokumente  ", "Dokumentvorlagen ", "Rechts-Bibliothek ", "-",
                              "Beitragsverwaltung", "Quittungsbelege", "\xDC" "berweisungen ", "Serienbriefe", "-",
                              "Finanz\xE4mter", "Erweiterungen", "Datensicherung", "Zubeh\xF6r", "-",
                              "Beratungsstellen ", "Einstellungen ... ", "Hilfethemen", "-", "Beenden"}));
    EXPECT_FALSE(hubMenu.popup.HasChildren(Number("Dokumentvorlagen "))) << "no template list: a plain entry";
    EXPECT_EQ(Captions("Mail-Kontakte ..."), (std::vector<std::string>{"Kontakte hinzuf\xFCgen", "-", "Mail-Settings ..."}));
}

// The values the full menu does not show.
TEST_F(MenuBuilderTest, LayoutSwitches) {
    struct Case {
        const char* name;
        MenuLayout layout;
        std::vector<std::string> shown;
        std::vector<std::string> notShown;
    };
    const Case cases[] = {
        {"information instead", {.Dienststellen = 0}, {"Informationen ... "}, {"Beratungsstellen "}},
        {"neither", {.Dienststellen = 2}, {}, {"Beratungsstellen ", "Informationen ... "}},
        {"no contributions", {.Beitraege = 0}, {}, {"Beitragsverwaltung", "Beitragszahlungen"}},
        {"payments", {.Beitraege = 2}, {"Beitragszahlungen"}, {"Beitragsverwaltung"}},
        {"other contributions value", {.Beitraege = 3}, {}, {"Beitragsverwaltung", "Beitragszahlungen"}},
        {"no templates", {.Bibliothek = 0}, {}, {"Dokumentvorlagen "}},
        {"no legal library", {.Steuererklaerung = 0}, {}, {"Rechts-Bibliothek "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Build(c.layout);
        for (const std::string& caption : c.shown) EXPECT_TRUE(Has(caption)) << caption;
        for (const std::string& caption : c.notShown) EXPECT_FALSE(Has(caption)) << caption;
    }
}

TEST_F(MenuBuilderTest, MemberBlockOrder) {
    struct Case {
        int versetzung, explorer;
        std::vector<std::string> top;
    };
    const Case cases[] = {
        {0, 1, {"Mitglieder verwalten  ", "Mitglieder suchen", "-", "Interface Explorer  ", "-", "Kurzmitteilungen"}},
        {0, 0, {"Mitglieder verwalten  ", "Mitglieder suchen", "-", "Kurzmitteilungen"}},
        {1, 1, {"Interface Explorer  ", "-", "Mitglieder verwalten  ", "Mitglieder suchen", "-", "Kurzmitteilungen"}},
        {2, 0, {"-", "Mitglieder verwalten  ", "Mitglieder suchen", "Kurzmitteilungen"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("Versetzung " + std::to_string(c.versetzung) + ", Explorer " + std::to_string(c.explorer));
        Build({.Explorer = c.explorer, .Versetzung = c.versetzung});
        std::vector<std::string> top = Captions();
        top.resize(c.top.size());
        EXPECT_EQ(top, c.top);
        const std::string separatorKey = c.versetzung == 0 ? "Trennung1" : "Trennung1a";
        EXPECT_NE(hubMenu.popup.Find(separatorKey), 0);
    }
}

TEST_F(MenuBuilderTest, ContactsSwitchChoosesTodayOrTheMailContacts) {
    struct Case {
        const char* name;
        std::optional<RegData> stored;
        bool today, mail;
        std::optional<RegData> after;
    };
    const Case cases[] = {
        {"missing", std::nullopt, false, true, DwordValue(0)},
        {"0", DwordValue(0), false, true, DwordValue(0)},
        {"1", DwordValue(1), true, false, DwordValue(1)},
        {"2", DwordValue(2), false, false, DwordValue(2)},
        {"text 1 from a peer", SzValue("1"), true, false, SzValue("1")},
        {"not a number", SzValue("ja"), false, true, DwordValue(0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Store("ShowNoContacts", c.stored);
        Build();
        EXPECT_EQ(Has("Heute zu tun ..."), c.today);
        EXPECT_EQ(Has("Mail-Kontakte ..."), c.mail);
        const auto after = p.registry.QueryValue(kSettingsKey.root, kSettingsKey.path, "ShowNoContacts");
        ASSERT_TRUE(after.has_value());
        EXPECT_EQ(after->type, c.after->type);
        EXPECT_EQ(after->bytes, c.after->bytes);
    }
}

TEST_F(MenuBuilderTest, PrintersUpToNineShownAsNamed) {
    struct Case {
        const char* name;
        std::vector<std::string> installed;
        std::vector<std::string> shown;
        std::string firstFormCaption;
    };
    std::vector<std::string> twelve;
    for (int i = 1; i <= 12; ++i) twelve.push_back("Drucker " + std::to_string(i));
    std::vector<std::string> firstNine(twelve.begin(), twelve.begin() + 9);
    firstNine.insert(firstNine.end(), {"-", "Drucker verwalten ..."});
    const Case cases[] = {
        {"none installed", {}, {"Drucker verwalten ..."}, "kein Drucker"},
        {"twelve installed", twelve, firstNine, "Drucker 1"},
        {"names that look like other things", {"Beenden", "Suchen", "Lager & Versand", "-"},
         {"Beenden", "Suchen", "Lager && Versand", "-", "-", "Drucker verwalten ..."}, "Beenden"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p.dialogs.printers = c.installed;
        Build({.Drucker = 1});
        EXPECT_EQ(Captions("Druckerverwaltung "), c.shown);
        EXPECT_EQ(hubMenu.printers.At(1).caption, c.firstFormCaption);
        for (int position = 1; position <= std::min<int>(9, static_cast<int>(c.installed.size())); ++position) {
            const int n = hubMenu.popup.Find(PrinterEntryKey(position));
            ASSERT_NE(n, 0);
            EXPECT_EQ(hubMenu.popup.Entry(n).itemData, position);
            EXPECT_EQ(hubMenu.printers.At(position).caption, c.installed[static_cast<std::size_t>(position - 1)]);
        }
    }
}

}  // namespace
}  // namespace kolvane
