#include "members/number_ranges.h"

#include <algorithm>
#include <optional>

#include "hub/busy_pointer.h"
#include "hub/database_backup.h"
#include "hub/database_folder.h"
#include "hub/flag_scope.h"
#include "hub/hub_database.h"
#include "platform/ini_codec.h"
#include "platform/text.h"

namespace kolvane {
namespace {

constexpr char kNumbersWrong[] =
    "Sie haben Fehler bei der Vergabe der Lizenz-Nummern gemacht.   \n"
    "Werte müssen Zahlen sein und pro Feld immer größer werden.";
constexpr char kTooManyDigits[] = "In Orvintal sind max. 4-stellige Mitgliedsnummern erlaubt. ";
constexpr char kNoGap[] =
    "Sie haben Fehler bei der Vergabe der Lizenz-Nummern gemacht.   \n"
    "Zwischen der Haupt- und Nebenstelle müssen Zahlen frei bleiben.   \n"
    "Mindestens 5 Zähler Abstand zwischen den Beratungsstellen.";
constexpr char kBackupMade[] =
    "Eine Sicherungskopie der Datenbank wurde erfolgreich erstellt.    \n"
    "Verwenden Sie ''DATEX.BAK'' für eine eventl. Rücksicherung.";
constexpr char kReorganisationTitle[] = " Orvintal Reorganisation";
constexpr char kCleanUpQuestion[] =
    "Fehlerhafte oder unbenutzte Nummern werden gelöscht.   \n"
    "Gelöschte Mitglieder können nicht wiederhergestellt werden.   \n"
    "Eine Datensicherung kann die Datenverluste verhindern.\n\n"
    "Bereinigung der Datenbank jetzt durchführen ?   ";

constexpr char kReorganiser[] = "RESTARTR.EXE";
constexpr char kReorganiserStarting[] = "Brekkan Reorganisation";
constexpr char kReorganiserWorking[] = " Reorganisation";
// The component compacts the whole database, over the network too; half an hour is far beyond that. A
// component that hangs keeps its own window; the hub just stops holding this window open for it.
constexpr int kMaxWorkingPasses = 360;  // of 5 seconds

std::optional<int> Number(const std::string& field) { return ParseMemberNumber(IniTrim(field)); }

MsgAnswer Tell(Hub& hub, const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) {
    return hub.os.dialogs.ShowMessage({text, title, buttons, icon});
}

// Titled with the window's caption and one blank.
MsgAnswer TellInWindow(Hub& hub, const std::string& text, MsgButtons buttons = MsgButtons::Ok) {
    return Tell(hub, text, std::string(kLizenzierungCaption) + " ", buttons, MsgIcon::Exclamation);
}

std::nullopt_t Refuse(Hub& hub, LizenzierungForm& form, const char* text, std::size_t focus) {
    Tell(hub, text, kLizenzierungCaption, MsgButtons::Ok, MsgIcon::Critical);
    form.focus = focus;
    return std::nullopt;
}

// The four numbers, or the user was told what is wrong.
std::optional<std::array<int, 4>> CheckBlocks(Hub& hub, LizenzierungForm& form) {
    std::array<int, 4> n{};
    for (std::size_t field = TAnfang1; field <= TEnde2; ++field) {
        const std::optional<int> number = Number(form.fields[field]);
        if (number) {
            n[field] = *number;
            continue;
        }
        if (IsDigits(IniTrim(form.fields[field]))) return Refuse(hub, form, kTooManyDigits, field);
        return Refuse(hub, form, kNumbersWrong, TAnfang1);
    }
    if (n[TAnfang1] >= n[TEnde1] || n[TEnde1] >= n[TAnfang2] || n[TAnfang2] >= n[TEnde2])
        return Refuse(hub, form, kNumbersWrong, TAnfang1);
    if (n[TAnfang2] < n[TEnde1] + 5) {
        TellInWindow(hub, kNoGap);
        form.fields[TEnde1] = std::to_string(n[TAnfang2] - 6);
        form.focus = TEnde1;
        return std::nullopt;
    }
    return n;
}

// What the database keeps: each start one below the block's first number, the main office's never below 1.
std::array<std::string, 4> StoredBlocks(const std::array<int, 4>& n) {
    return {FormatMemberNumber(std::max(n[TAnfang1] - 1, 1)), FormatMemberNumber(n[TEnde1]), FormatMemberNumber(n[TAnfang2] - 1),
            FormatMemberNumber(n[TEnde2])};
}

bool ConfirmReorganisation(Hub& hub, const std::array<std::string, 4>& stored) {
    return Tell(hub,
                "Sie sind dabei Mitglieder ohne gültige Nummer zu löschen.    \n"
                "Nummern zwischen den Beratungsstellen werden nun entfernt    \n"
                "und anschließend wird die Datenbank geprüft und kompremiert.    \n\n"
                "Einträge zwischen den Werten: " +
                    stored[TEnde1] + " und " + stored[TAnfang2] + " sowie alle Werte     \nnach der Nummer: " +
                    stored[TEnde2] + " werden aus der Datenbank entfernt.\n\n" +
                    "Möchten Sie wirklich mit der Reorganisation fortfahren ?",
                kReorganisationTitle, MsgButtons::OkCancel, MsgIcon::Exclamation) == MsgAnswer::Ok;
}

bool BackUp(Hub& hub) {
    // The reorganisation that follows deletes members: the older backup it replaces stays recoverable.
    switch (BackUpDatabase(hub, OlderBackup::Recoverable)) {
        case BackupResult::Made:
            TellInWindow(hub, kBackupMade);
            hub.os.clock.Pump(0);
            return true;
        case BackupResult::Unreadable:
        case BackupResult::NoDatabase:
            TellInWindow(hub, "Die Datenbank " + DatabaseFile(hub, std::string(kDatabaseFileName)) +
                                  " fehlt, ist leer oder kann gerade nicht gelesen werden.\n"
                                  "Es wurde keine Sicherungskopie erstellt, und die Nummernkreise bleiben unverändert.");
            return false;
        case BackupResult::NotMade:
            return false;  // the user was told, and the backups are as they were
    }
    return false;
}

bool Store(Hub& hub, const std::array<std::string, 4>& stored) {
    std::array<DatabaseValue, 4> values;
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = {kRangeKeys[i].key, stored[i]};
    if (HubDatabase(hub).Write(kHeaderSection, values) != SaveResult::Saved) return false;
    hub.log.Write("Mitgliedsnummernbereiche A1 bis B2 in DATEX.DAT geändert");
    hub.memberRanges = ParseMemberRanges({stored[0], stored[1], stored[2], stored[3]});
    return true;
}

void Reorganise(Hub& hub) {
    StartComponent(hub, kReorganiser, " /a", ShowState::Normal);
    Wait(hub, 2);
    for (int pass = 0; pass < 2; ++pass)
        if (WindowExists(hub, kReorganiserStarting)) Wait(hub, 3);
    for (int pass = 0; pass < kMaxWorkingPasses && WindowExists(hub, kReorganiserWorking); ++pass) Wait(hub, 5);
}

}  // namespace

LizenzierungForm LizenzierungLoad(Hub& hub) {
    const DatabaseIndex index = HubDatabase(hub).Load();
    DamageNotice notice(hub.os.dialogs);
    LizenzierungForm form;
    for (std::size_t field = TAnfang1; field <= TEnde2; ++field)
        form.fields[field] = index.Read(kHeaderSection, kRangeKeys[field].key, notice);
    for (std::size_t start : {TAnfang1, TAnfang2})
        if (const std::optional<int> stored = Number(form.fields[start]))
            form.fields[start] = FormatMemberNumber(start == TAnfang1 && *stored <= 1 ? 1 : *stored + 1,
                                                     IniTrim(form.fields[start]).size());
    return form;
}

void LizenzierungLeave(LizenzierungForm& form) {
    for (std::string& field : form.fields)
        if (const std::optional<int> number = Number(field)) field = FormatMemberNumber(*number);
}

bool LizenzierungConfirm(Hub& hub, LizenzierungForm& form, LizenzierungView& view) {
    const ReentryGuard guard(form.confirming);
    if (!guard.Entered()) return false;
    const std::optional<std::array<int, 4>> blocks = CheckBlocks(hub, form);
    if (!blocks) return false;
    const std::array<std::string, 4> stored = StoredBlocks(*blocks);
    if (!ConfirmReorganisation(hub, stored) || !BackUp(hub) || !Store(hub, stored)) return false;
    view.Lock();
    const bool cleanUp = TellInWindow(hub, kCleanUpQuestion, MsgButtons::OkCancel) == MsgAnswer::Ok;
    const BusyPointer busy(hub.os.windows, MousePointer::Hourglass);  // the default pointer is back on return
    if (cleanUp) Reorganise(hub);
    view.Hide();
    Wait(hub, 2);
    return true;
}

void LizenzierungHelp(Hub& hub) { ShowHelpTopic(hub, "4.4 Lizenzinformationen.htm"); }

bool ShowMemberRanges(Hub& hub) {
    LizenzierungView* view = hub.lizenzierungView;
    if (!view) return false;
    bool shown = true;  // an open window brought to the front counts as shown
    ShowOnce(*view, [&] {
        shown = DatabaseFolderAtHand(hub);
        if (!shown) return;
        LizenzierungForm form = LizenzierungLoad(hub);
        view->ShowModal(hub, form);
    });
    return shown;
}

}  // namespace kolvane
