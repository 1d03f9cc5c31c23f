#include "hub/database_backup.h"

#include <optional>

#include "platform/dates.h"
#include "platform/text.h"
#include "store/database_index.h"
#include "store/member_record.h"
#include "store/safe_ini_writer.h"

namespace kolvane {

namespace {

constexpr char kBackup[] = "DATEX.BAK";
constexpr char kOlderBackup[] = "DATEX.OLD";
constexpr char kExitMarker[] = "EXIT.SUB";
// Names for a backup set aside on a network folder; enough for every "No" of one day.
constexpr int kMaxAsideNames = 100;

bool IsToday(Hub& hub, const std::optional<FileTime>& time) {
    const DateTime now = hub.os.clock.Now();
    return time && ShortDate(time->year, time->month, time->day) == ShortDate(now.year, now.month, now.day);
}

void ReportBackupKept(Hub& hub, const std::string& text) {
    hub.os.dialogs.ShowMessage({text, kDatabaseErrorTitle, MsgButtons::Ok, MsgIcon::Exclamation});
}

// A network folder has no recycle bin: a "deleted" backup would be gone for good, so it is renamed beside it
// under the day's name. What became of it, or nothing when it stayed where it was.
std::optional<std::string> PutAway(Hub& hub, const std::string& backup) {
    if (!IsUncPath(hub.LrDatabase)) {
        if (!hub.os.shell.MoveToRecycleBin(backup)) return std::nullopt;
        return std::string("liegt im Papierkorb");
    }
    const DateTime now = hub.os.clock.Now();
    const std::string stem = DatabaseFile(hub, "DATEX_" + DottedIsoDate(now.year, now.month, now.day));
    const std::string extension = backup.substr(backup.rfind('.'));
    for (int number = 1; number <= kMaxAsideNames; ++number) {
        const std::string aside = stem + (number == 1 ? "" : "_" + std::to_string(number)) + extension;
        if (hub.os.files.Exists(aside)) continue;
        if (!hub.os.files.Replace(backup, aside)) return std::nullopt;
        return "heißt jetzt " + aside.substr(hub.LrDatabase.size());
    }
    return std::nullopt;
}

void Restore(Hub& hub) {
    const std::string database = DatabaseFile(hub, std::string(kDatabaseFileName));
    // The newer backup wins; the older one is the fallback when the newer cannot be used. Not when the database
    // could not be written: the older data would then pass for the newest without a word.
    const CopyResult newer = CopyDatabase(hub.os.files, DatabaseFile(hub, kBackup), database);
    if ((newer == CopyResult::Unsound || newer == CopyResult::Unreadable) &&
        hub.os.files.Exists(DatabaseFile(hub, kOlderBackup)))
        CopyDatabase(hub.os.files, DatabaseFile(hub, kOlderBackup), database);
    Wait(hub, 1);
    hub.log.Write(hub.os.files.Exists(database) ? "Datenbank aus der Datensicherung wiederhergestellt"
                                                : "Wiederherstellung der Datenbank misslungen");
    if (hub.os.files.Exists(database)) {
        Message(hub, "Eine Sicherungsdatei der Datenbank wurde wiederhergestellt.   ", MsgButtons::Ok,
                MsgIcon::Exclamation);
    } else {
        ReportBackupKept(hub,
                         "Die Datensicherung der Datenbank konnte nicht wiederhergestellt werden: DATEX.BAK und "
                         "DATEX.OLD sind leer, beschädigt oder nicht lesbar, oder im Datenbankordner "
                         "fehlen die Schreibrechte.\nDie Sicherungsdateien bleiben unverändert.");
    }
}

void BeginWithNewDatabase(Hub& hub) {
    hub.log.Write("Keine Wiederherstellung: neue Datenbank gewählt");
    hub.settings.WriteInt(Setting::FirstRun, 0);
    const std::string backup = DatabaseFile(hub, kBackup);
    if (!hub.os.files.Exists(backup)) return;
    PutAway(hub, backup);
    Wait(hub, 1);
}

void Quit(Hub& hub) {
    // The marker makes every program of the suite shut down too.
    ReplaceFileWith(hub.os.files, DatabaseFile(hub, kExitMarker), "\r\n");
    Wait(hub, 1);
    CloseHub(hub, "Wiederherstellung abgebrochen (EXIT.SUB geschrieben)");
    hub.os.kernel.Terminate();  // should the close command not have ended the process
}

}  // namespace

DatabaseState ClassifyDatabase(std::string_view bytes) {
    if (bytes.empty() || !DatabaseIndex(std::string(bytes)).HasSection(kHeaderSection))
        return DatabaseState::NoDatabase;
    return bytes.find('\0') == std::string_view::npos ? DatabaseState::Sound : DatabaseState::Damaged;
}

CopyResult CopyDatabase(Files& files, const std::string& from, const std::string& to) {
    const std::optional<std::string> bytes = files.ReadAll(from);
    if (!bytes) return CopyResult::Unreadable;
    if (ClassifyDatabase(*bytes) != DatabaseState::Sound) return CopyResult::Unsound;
    return ReplaceFileWith(files, to, *bytes) ? CopyResult::Copied : CopyResult::Failed;
}

BackupResult BackUpDatabase(Hub& hub, OlderBackup older) {
    const std::string database = DatabaseFile(hub, std::string(kDatabaseFileName));
    const std::optional<std::string> bytes = ReadWholeFile(hub.os.files, hub.os.clock, database);
    if (!bytes) return BackupResult::Unreadable;
    switch (ClassifyDatabase(*bytes)) {
        case DatabaseState::Sound:
            break;
        case DatabaseState::NoDatabase:
            return BackupResult::NoDatabase;
        case DatabaseState::Damaged:
            ReportBackupKept(hub, "Die Datenbank " + database +
                                      " ist beschädigt (sie enthält ungültige Zeichen).\nDie Datensicherung "
                                      "wurde nicht angelegt, damit DATEX.BAK und DATEX.OLD erhalten bleiben.\nBitte "
                                      "prüfen Sie die Datenbank oder stellen Sie eine Datensicherung wieder her.");
            return BackupResult::NotMade;
    }
    // Each step replaces a file in one move, so a failure at any point leaves DATEX.BAK in place and
    // DATEX.OLD either as it was or already holding what DATEX.BAK holds.
    const std::string backup = DatabaseFile(hub, kBackup);
    const std::string temporary = TemporaryFileOf(backup);
    const auto fail = [&](const std::string& kept) {
        hub.os.files.Delete(temporary);
        hub.log.Write("Datensicherung DATEX.BAK nicht angelegt");
        ReportBackupKept(hub, std::string("Die Datensicherung DATEX.BAK konnte nicht angelegt werden "
                                          "(Datenträger voll, keine Schreibrechte oder die Datei wird von einem "
                                          "anderen Programm benutzt).\n") + kept);
        return BackupResult::NotMade;
    };
    constexpr char kBothKept[] = "DATEX.BAK und DATEX.OLD sind unverändert.";
    if (!hub.os.files.WriteAll(temporary, *bytes)) return fail(kBothKept);
    // Only a sound backup becomes the older generation; a damaged one is simply replaced.
    bool olderReplaced = false;
    if (hub.os.files.Exists(backup)) {
        const std::optional<std::string> previous = hub.os.files.ReadAll(backup);
        if (!previous) return fail(kBothKept);
        if (ClassifyDatabase(*previous) == DatabaseState::Sound) {
            const std::string olderBackup = DatabaseFile(hub, kOlderBackup);
            std::string olderKept = kBothKept;
            if (older == OlderBackup::Recoverable && hub.os.files.Exists(olderBackup)) {
                const std::optional<std::string> putAway = PutAway(hub, olderBackup);
                if (!putAway) return fail(kBothKept);
                olderKept = "DATEX.BAK ist unverändert, das bisherige DATEX.OLD " + *putAway + ".";
            }
            if (!ReplaceFileWith(hub.os.files, olderBackup, *previous)) return fail(olderKept);
            olderReplaced = true;
        }
    }
    if (!hub.os.files.Replace(temporary, backup))
        return fail(olderReplaced ? "DATEX.BAK ist unverändert, DATEX.OLD enthält jetzt denselben Stand wie DATEX.BAK."
                                  : kBothKept);
    hub.log.Write(olderReplaced ? "Datensicherung: DATEX.BAK nach DATEX.OLD, DATEX.DAT nach DATEX.BAK"
                                : "Datensicherung: DATEX.DAT nach DATEX.BAK");
    return BackupResult::Made;
}

void RotateBackups(Hub& hub) {
    if (IsToday(hub, hub.os.files.ModifiedTime(DatabaseFile(hub, kBackup)))) return;
    // A database held by another program just now gets the day's backup at the next start; a file that is
    // no database is reported by the first-use check, which ends the start.
    if (BackUpDatabase(hub, OlderBackup::Dropped) == BackupResult::Made) Wait(hub, 1);
}

void OfferRestore(Hub& hub) {
    const std::optional<FileTime> time = hub.os.files.ModifiedTime(DatabaseFile(hub, kBackup));
    const MsgAnswer answer =
        Message(hub,
                "Die Datenbank von Orvintal wurde nicht gefunden. \n"
                "Klicken Sie ''Abbrechen'' um die Anwendung zu beenden, \n"
                "oder ''Nein'' um eine neue Datenbank zu erstellen.\n\n"
                "Eine Datenbanksicherung jetzt wiederherstellen ?\n"
                "[Backup vom: " +
                    (time ? GeneralDate(*time) : std::string()) + "]",
                MsgButtons::YesNoCancel, MsgIcon::Exclamation);
    switch (answer) {
        case MsgAnswer::Yes:
            Restore(hub);
            return;
        case MsgAnswer::No:
            BeginWithNewDatabase(hub);
            return;
        default:
            Quit(hub);
    }
}

}  // namespace kolvane
