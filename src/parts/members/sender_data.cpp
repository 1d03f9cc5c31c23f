#include "members/sender_data.h"

#include <optional>
#include <vector>

#include "hub/database_folder.h"
#include "hub/flag_scope.h"
#include "hub/hub_database.h"
#include "platform/ini_codec.h"
#include "platform/text.h"
#include "store/crypt.h"

namespace kolvane {

using S = Setting;

const std::array<SenderField, kSenderFieldCount> kSenderFields{{
    {"ALizenz1", "Name:", S::ALizenz1},
    {"ALizenz2", "Straße:", S::ALizenz2},
    {"ALizenz3", "Standort:", S::ALizenz3},
    {"ALizenz4", "Telefon:", S::ALizenz4},
    {"ALizenz5", "E-Mail:", S::ALizenz5},
    {"ALizenz6", "Bst-ID:", S::ALizenz6},
    {"ALizenz7", "Steuer-Nr:", S::Steuernummer},
    {"BLizenz1", "Name:", S::BLizenz1},
    {"BLizenz2", "Straße:", S::BLizenz2},
    {"BLizenz3", "Standort:", S::BLizenz3},
    {"BLizenz4", "Telefon:", S::BLizenz4},
    {"BLizenz5", "E-Mail:", S::BLizenz5},
    {"BLizenz6", "Bst-ID:", S::BLizenz6},
    {"BLizenz7", "Steuer-Nr:", S::Steuernummer},
}};

namespace {

constexpr char kIdRefused[] = "Die Beratungsstelle (''10/10'') wurde fehlerhaft eingegeben.    ";
constexpr char kDesignationTitle[] = " Beratungsstelle";
constexpr char kDesignationPrompt[] =
    "Die Bezeichnung der Beratungsstelle kann einen abweichenden Namen verwenden. Geben Sie bitte den Ort der "
    "Beratungsstelle als Bezeichnung für die %sgeschäftsstelle ein. Dieser wird dann im Briefkopf als Absenderort "
    "vor dem Datum verwendet und in der Auswahl-Beschriftung von Schaltflächen benutzt.";

constexpr std::array<Office, 2> kOffices{Office::Main, Office::Branch};

// The tax number is kept only in the settings key; the other twelve boxes also in the database.
bool InDatabase(std::size_t field) { return field % kSenderRows != kTaxNumberRow; }

std::string_view DesignationKey(Office office) { return office == Office::Main ? "BS1" : "BS2"; }

// Two digits, "/", two digits; or nothing at all.
bool IdAccepted(std::string_view id) {
    return id.empty() || (id.size() == 5 && id[2] == '/' && IsDigits(id.substr(0, 2)) && IsDigits(id.substr(3)));
}

// The place of a location "postcode place": the text after its first blank, when that blank stands third
// or later. Blanks around the place would not survive the database.
std::string PlaceOf(std::string_view location) {
    const std::size_t blank = location.find(' ');
    if (blank == std::string_view::npos || blank < 2) return {};
    return std::string(IniTrim(location.substr(blank + 1)));
}

// An accepted ID stays; otherwise the user is told, and the box is emptied and gets the focus.
bool IdKept(Hub& hub, AbsenderForm& form, std::size_t field) {
    std::string& id = form.texts[field];
    if (IdAccepted(id)) return true;
    hub.os.dialogs.ShowMessage({kIdRefused, " " + id, MsgButtons::Ok, MsgIcon::Critical});
    id.clear();
    form.focus = field;
    return false;
}

// Every text the database is to hold must read back as typed; the user mends the first one that would not.
bool StorableInDatabase(Hub& hub, AbsenderForm& form) {
    for (std::size_t field = 0; field < kSenderFieldCount; ++field) {
        if (!InDatabase(field) || CanStore(form.texts[field])) continue;
        hub.os.dialogs.ShowMessage(CryptRejectedMessage());
        form.focus = field;
        return false;
    }
    return true;
}

// One save: the plain keys of the older form go, the twelve texts come in scrambled, and an office without a
// designation gets the place of its location.
// cppcheck-suppress constParameter ; writes the database through the hub, whose services const would not protect
SaveResult SaveToDatabase(Hub& hub, const AbsenderForm& form) {
    std::vector<std::string_view> plainKeys;
    std::vector<DatabaseValue> values;
    for (std::size_t field = 0; field < kSenderFieldCount; ++field) {
        if (!InDatabase(field)) continue;
        plainKeys.push_back(kSenderFields[field].name);
        values.push_back({kSenderFields[field].name, form.texts[field]});
    }
    std::array<std::string, 2> places;
    std::vector<DatabaseValue> designations;
    for (std::size_t i = 0; i < kOffices.size(); ++i) {
        places[i] = PlaceOf(form.texts[SenderFieldOf(kOffices[i], kLocationRow)]);
        if (!places[i].empty()) designations.push_back({DesignationKey(kOffices[i]), places[i]});
    }
    return HubDatabase(hub).Write(kHeaderSection, SectionChange{plainKeys, values, designations});
}

// False when a value could not be written: the key wins over the database on opening, so the window would show
// the old data again. Every value is tried, so that as much as possible is stored.
bool SaveToSettings(Hub& hub, const AbsenderForm& form) {
    bool written = true;
    for (std::size_t field = 0; field < kSenderFieldCount; ++field)
        if (InDatabase(field)) written &= hub.settings.WriteText(kSenderFields[field].setting, form.texts[field]);
    const std::string& name = form.texts[SenderFieldOf(Office::Main, 0)];
    // An empty owner would be offered in the password prompt and never be replaced by a real name.
    if (!hub.settings.Exists(S::RegisteredOwner) && !name.empty())
        written &= hub.settings.WriteText(S::RegisteredOwner, name);
    written &= hub.settings.WriteText(S::Steuernummer, form.texts[SenderFieldOf(Office::Main, kTaxNumberRow)]);
    return hub.settings.WriteInt(S::AddContract, form.bAddContract ? 1 : 0) && written;
}

}  // namespace

AbsenderForm AbsenderLoad(Hub& hub) {
    AbsenderForm form;
    const DatabaseIndex index = HubDatabase(hub).Load();
    DamageNotice notice(hub.os.dialogs);
    for (std::size_t field = 0; field < kSenderFieldCount; ++field) {
        if (!InDatabase(field)) continue;
        form.texts[field] = index.Read(kHeaderSection, kSenderFields[field].name, notice);
        hub.settings.Get(kSenderFields[field].setting, form.texts[field]);  // the settings key wins
    }
    std::string taxNumber;
    hub.settings.Get(S::Steuernummer, taxNumber);
    for (Office office : kOffices) form.texts[SenderFieldOf(office, kTaxNumberRow)] = taxNumber;
    form.bAddContract = hub.settings.ReadInt(S::AddContract) == 1;
    return form;
}

std::size_t AbsenderNextOnEnter(std::size_t field) {
    return field + 1 < SenderFieldOf(Office::Branch, kTaxNumberRow) ? field + 1 : kSenderReady;
}

std::string AbsenderIdTyped(const std::string& before, const std::string& now) {
    return now.size() == 2 && before.size() < 2 ? now + "/" : now;
}

bool AbsenderLeave(Hub& hub, AbsenderForm& form, std::size_t field, FocusMove move) {
    if (field == SenderFieldOf(Office::Main, kTaxNumberRow))
        form.texts[SenderFieldOf(Office::Branch, kTaxNumberRow)] = form.texts[field];
    return move != FocusMove::InWindow || field % kSenderRows != kIdRow || IdKept(hub, form, field);
}

void AbsenderDesignation(Hub& hub, Office office) {
    MemberDatabase database = HubDatabase(hub);
    const std::string current = database.Read(kHeaderSection, DesignationKey(office));
    std::string prompt(kDesignationPrompt);
    prompt.replace(prompt.find("%s"), 2, office == Office::Main ? "Haupt" : "Neben");
    const std::optional<std::string> answer = hub.os.dialogs.AskText({prompt, kDesignationTitle, current});
    if (answer && !answer->empty()) database.Write(kHeaderSection, DesignationKey(office), *answer);
}

bool AbsenderSave(Hub& hub, AbsenderForm& form) {
    const ReentryGuard guard(form.saving);
    if (!guard.Entered()) return false;
    for (Office office : kOffices)
        if (!IdKept(hub, form, SenderFieldOf(office, kIdRow))) return false;
    if (!StorableInDatabase(hub, form)) return false;
    switch (SaveToDatabase(hub, form)) {
        case SaveResult::Saved:
            hub.log.Write("Absenderdaten in DATEX.DAT gespeichert");
            break;
        case SaveResult::Missing:  // never created here; the user was told, the settings key still takes the data
        case SaveResult::Damaged:
            break;
        case SaveResult::Refused:
        case SaveResult::Busy:
        case SaveResult::Failed:
            return false;  // told why; the window keeps what was typed for another try
    }
    if (!SaveToSettings(hub, form)) {
        hub.os.dialogs.ShowMessage({"Die Absenderdaten konnten nicht vollständig in den Einstellungen gespeichert "
                                    "werden.\nMöglicherweise fehlen die Rechte dazu. Bitte versuchen Sie es erneut.",
                                    kAbsenderCaption, MsgButtons::Ok, MsgIcon::Exclamation});
        return false;
    }
    CheckDatenbank(hub);
    return true;
}

bool CheckDatenbank(Hub& hub) {
    const DatabaseIndex index = HubDatabase(hub).Load();
    DamageNotice notice(hub.os.dialogs);
    if (index.Read(kHeaderSection, "A1", notice).empty()) {
        hub.os.dialogs.ShowMessage({kEnterOfficesText, kWelcomeTitle, MsgButtons::Ok, MsgIcon::Information});
        StartComponent(hub, "HUBAGENT.EXE", "", ShowState::Normal);
        CloseHub(hub, "Absenderdaten ohne Beratungsstelle, Übergabe an HUBAGENT.EXE");
        return true;
    }
    hub.memberRanges = index.ReadRanges(notice);
    return false;
}

void AbsenderFolders(Hub& hub) { StartComponent(hub, "HUBAGENT.EXE", " /dir", ShowState::Normal); }

void AbsenderHelp(Hub& hub) { ShowHelpTopic(hub, "4.5 Beratungsstellungen.htm"); }

void ShowSenderData(Hub& hub) {
    AbsenderView* view = hub.absenderView;
    if (!view) return;
    ShowOnce(*view, [&] {
        if (!DatabaseFolderAtHand(hub)) return;
        AbsenderForm form = AbsenderLoad(hub);
        view->ShowModal(hub, form);
    });
}

}  // namespace kolvane
