#include "app/startup_sequence.h"

#include <algorithm>
#include <cstdlib>

#include "app/database_discovery.h"
#include "app/database_fingerprint.h"
#include "app/database_marks.h"
#include "app/database_wait.h"
#include "app/installation_check.h"
#include "app/tray_symbol.h"
#include "launcher/admin_rights.h"
#include "launcher/hub_menu.h"
#include "hub/hint_message.h"
#include "hub/shutdown.h"
#include "app/version.h"
#include "platform/dates.h"
#include "platform/text.h"
#include "settings/registry_keys.h"
#include "settings/registry_store.h"
#include "store/safe_ini_writer.h"
#include "members/sender_data.h"
#include "tasks/deadline_watch.h"
#include "tasks/update_check.h"

namespace kolvane {

namespace {

constexpr char kMutexName[] = "Orvintal";
constexpr char kQuietSecondStart[] = "/s";
constexpr char kPictHelpCaption[] = "Brekkan PictHelp IDE";
constexpr char kEnvironmentCaption[] = "Brekkan Environment";
// A predecessor that restarts the hub gives up the mutex within moments; never wait for it forever.
constexpr int kRestartMutexPasses = 15;
constexpr int kMaxStartDelay = 60;
constexpr int kNetworkStartPasses = 30;
constexpr int kHintLoopErrorPass = 120;
constexpr int kHintLoopLastPass = 122;
constexpr int kIndexBuildPasses = 180;

std::string ModifierSystem(Hub& hub) {
    std::string text;
    RegGetSetting(hub.os.registry, hub.os.kernel, kHomeGroupStatusKey.root, kHomeGroupStatusKey.path,
                  kModifierSystemValue, text);
    return CutAtNul(text);
}

void EnsureSettingsKey(Hub& hub) {
    for (const RegKeyPath& key : {kBrekkanKey, kSettingsKey})
        if (!RegKeyExists(hub.os.registry, key.root, key.path)) RegCreateKey(hub.os.registry, key.root, key.path, "");
}

std::string MajorMinor(const ProgramVersion& v) { return std::to_string(v.major) + "." + std::to_string(v.minor); }

// ---- single instance, decided before anything is written ----

// A hub that restarts itself renames its window and closes; this start takes over. The menu's restart puts
// "Dritte Instanz" in front of the caption, the options' restart "Zweite Instanz" behind it, and the closing
// predecessor's close sequence then "Zweite Instanz" in front of either.
void DetectRestart(Hub& hub) {
    for (const std::string& handOver :
         {std::string(kRestartPrefix) + kHubCaption, std::string(kHubCaption) + kSecondInstancePrefix}) {
        if (!WindowExists(hub, handOver) && !WindowExists(hub, kSecondInstancePrefix + handOver)) continue;
        hub.restart = true;
        Wait(hub, 1);
        return;
    }
}

void EndIfAnotherHubRuns(Hub& hub) {
    hub.os.windows.SetText(hub.Root, "XXX");  // so that the search cannot find this process itself
    if (WindowExists(hub, kHubCaption)) {
        if (hub.os.kernel.CommandLine() != kQuietSecondStart) StartComponent(hub, kHintfeed, " /x", ShowState::Normal);
        Wait(hub, 4);
        EndStart(hub, "ein Hub läuft schon (zweiter Start)");
    }
    hub.os.windows.SetText(hub.Root, kHubCaption);
}

void ActivatePreviousInstance(Hub& hub) {
    if (!hub.os.kernel.PreviousInstance()) return;
    std::string remembered = hub.os.windows.GetText(hub.Root);
    hub.os.windows.SetText(hub.Root, kSecondInstancePrefix + remembered);
    hub.os.windows.SetForeground(hub.os.windows.Find(std::nullopt, remembered));
}

void TakeInstanceMutex(Hub& hub) {
    for (int pass = 0;; ++pass) {
        MutexResult result = hub.os.kernel.CreateOwnedMutex(kMutexName);
        if (!result.alreadyExisted) {
            hub.mutex = std::move(result.mutex);
            return;
        }
        result.mutex.reset();
        if (!hub.restart || pass == kRestartMutexPasses) break;
        Wait(hub, 1);
    }
    StartComponent(hub, kHintfeed, " /x", ShowState::Normal);
    EndStart(hub, "der Mutex Orvintal gehört einem anderen Hub");
}

// ---- the sequence ----

void FirstRunOfInstallation(Hub& hub) {
    if (hub.settings.Exists(Setting::FirstRun)) return;
    UnloadSplash(hub);
    DateTime now = hub.os.clock.Now();
    hub.settings.WriteText(Setting::Fristwaechter, GeneralDate(now));
    hub.settings.WriteText(Setting::Steuerjahr, std::to_string((now.year - 1) % 100));
    hub.settings.WriteText(Setting::Jahrgang, std::to_string(now.year - 1));
    hub.settings.WriteInt(Setting::NoTmpBeitrag, 1);
    hub.settings.WriteInt(Setting::NoKillIHP, 1);
    StartComponent(hub, "HUBAGENT.EXE", "", ShowState::Normal);
    EndStart(hub, "erster Start der Installation, Übergabe an HUBAGENT.EXE");
}

void StartDelay(Hub& hub) {
    // A value that is present but not a number leaves the designed delay of one second.
    std::int32_t delay = 0;
    if (!hub.settings.Exists(Setting::StartTime))
        hub.settings.WriteInt(Setting::StartTime, 1);
    else if (hub.settings.Get(Setting::StartTime, delay))
        hub.text1Tag = std::clamp<std::int32_t>(delay, 0, kMaxStartDelay);
    while (hub.text1Tag != 0) {
        --hub.text1Tag;
        Wait(hub, 1);
    }
    UnloadSplash(hub);
}

void ReadDatabaseFolder(Hub& hub) {
    std::string folder;
    if (!hub.settings.Get(Setting::Database, folder)) {
        hub.settings.WriteText(Setting::Database, hub.programFolder + "\\");
    } else {
        hub.LrDatabase = CutAtNul(folder);
    }
    if (hub.LrDatabase == "<DATABASE>") hub.LrDatabase = hub.programFolder + "\\";
    if (!EndsWith(hub.LrDatabase, "\\")) hub.LrDatabase += "\\";
}

void WaitForNetworkDatabaseAtFirstStart(Hub& hub) {
    if (!hub.settings.Exists(Setting::FirstStart) || !IsUncPath(hub.LrDatabase)) return;
    for (int pass = 1; pass <= kNetworkStartPasses; ++pass) {
        Wait(hub, 1);
        if (pass == 10 || pass == 20) StartComponent(hub, kHintfeed, " /n", ShowState::Normal);
        if (DatabaseFileExists(hub, "DATEX.DAT")) return;
    }
}

bool NetworkDatabaseMissing(Hub& hub) { return IsUncPath(hub.LrDatabase) && !DatabaseFileExists(hub, "DATEX.DAT"); }

void ShowHelpForMissingDatabase(Hub& hub) {
    if (ProgramFileExists(hub, "HELPVIEW.EXE") && ProgramFileExists(hub, "Orvintal.chf"))
        hub.os.shell.StartProcess("\"" + ProgramFile(hub, "HELPVIEW.EXE") + "\" " + ProgramFile(hub, "Orvintal.chf,21"),
                                  ShowState::Normal);
}

void WaitWithHintsForNetworkDatabase(Hub& hub) {
    int pass = 0;
    while (pass < kHintLoopLastPass && !DatabaseFileExists(hub, "DATEX.DAT")) {
        if (!WindowExists(hub, kHintfeedCaption) && ProgramFileExists(hub, kHintfeed)) {
            if (hub.settings.ReadInt(Setting::CloseExplorer) == 1) {
                CloseHub(hub, "CloseExplorer beim Warten auf die Netzwerkdatenbank");
                return;
            }
            StartComponent(hub, kHintfeed, " /n", ShowState::Normal);
            Wait(hub, 2);
        }
        ++pass;
        Wait(hub, 1);
        if (hub.settings.Exists(Setting::StopError)) pass = kHintLoopErrorPass;
        if (pass == kHintLoopErrorPass) {
            hub.settings.Delete(Setting::StopError);
            ShowDatabaseWaitWindow(hub);
        }
    }
}

void EnsureDatabaseAvailable(Hub& hub) {
    for (;;) {
        hub.settings.WriteInt(Setting::CloseExplorer, 0);
        if (hub.settings.Exists(Setting::StopError)) hub.settings.Delete(Setting::StopError);
        if (hub.settings.Exists(Setting::NoKillIHP)) hub.settings.WriteInt(Setting::NoKillIHP, 1);
        if (!NetworkDatabaseMissing(hub)) return;
        ShowDatabaseWaitWindow(hub);
        if (hub.tag == "0") EndStart(hub, "Warten auf die Netzwerkdatenbank abgebrochen");
        if (hub.tag != "2") break;
    }
    if (!NetworkDatabaseMissing(hub)) return;
    ShowHelpForMissingDatabase(hub);
    WaitWithHintsForNetworkDatabase(hub);
}

void CreateWorkingFolders(Hub& hub) {
    for (const char* folder : {"Belege", "Printer"})
        if (!DatabaseFileExists(hub, folder)) hub.os.files.CreateFolder(DatabaseFile(hub, folder));
    std::string modifier = ModifierSystem(hub);
    std::string images = DatabaseFile(hub, "Printer\\" + modifier);
    // Without a modifier the name ends in a backslash, which only the folder test sees through.
    if (!hub.os.files.IsFolder(images)) hub.os.files.CreateFolder(images);
    if (!hub.settings.Exists(Setting::Belege)) hub.settings.WriteText(Setting::Belege, DatabaseFile(hub, "Belege"));
    if (!hub.settings.Exists(Setting::Images)) hub.settings.WriteText(Setting::Images, images);
}

void RecordVersionChange(Hub& hub) {
    std::string stored = "0.00";
    if (hub.settings.Get(Setting::Version_A, stored)) stored = CutAtNul(stored);
    std::string running = MajorMinor(hub.os.kernel.Version());
    if (stored == running) return;
    ShowSplash(hub);
    Wait(hub, 1);
    hub.os.windows.SetPointer(MousePointer::Default);
    hub.settings.WriteText(Setting::Version_A, running);
    ShowSplash(hub);
    // Busy until the start has shown its last message.
    hub.os.windows.SetPointer(MousePointer::ArrowHourglass);
    Wait(hub, 1);
}

void RecordInstallation(Hub& hub) {
    EnsureSettingsKey(hub);
    ProgramVersion v = hub.os.kernel.Version();
    hub.settings.WriteText(Setting::InstallDir, hub.programFolder);
    hub.settings.WriteText(Setting::Version, MajorMinor(v) + "." + std::to_string(v.revision));
}

void CopyDatabaseLocally(Hub& hub) {
    if (IsUncPath(hub.LrDatabase)) return;
    if (StartComponent(hub, kHintfeed, " /t", ShowState::Hidden)) Wait(hub, 1);
    std::string local = ProgramFile(hub, "DATEX.NET");
    std::string database = DatabaseFile(hub, "DATEX.DAT");
    if (hub.os.files.Exists(local)) {
        auto localTime = hub.os.files.ModifiedTime(local);
        if (localTime && localTime == hub.os.files.ModifiedTime(database) &&
            StartComponent(hub, kHintfeed, " /x", ShowState::Hidden))
            Wait(hub, 1);
    }
    if (hub.os.files.Exists(database)) CopyFileWhole(hub.os.files, database, local);
}

void BuildMenuFromSettings(Hub& hub) {
    hub.settings.WriteInt(Setting::NowClose, 0);
    if (!hub.settings.Exists(Setting::Steuererklaerung)) hub.settings.WriteInt(Setting::CheckNr, 0);
    BuildMenu(hub, ReadMenuLayout(hub));
}

void RegisterApplicationPath(Hub& hub, const RegKeyPath& key, const std::string& program) {
    if (RegKeyExists(hub.os.registry, key.root, key.path)) return;
    RegCreateKey(hub.os.registry, key.root, key.path, "");
    RegSetSetting(hub.os.registry, key.root, key.path, "", ProgramFile(hub, program));
    RegSetSetting(hub.os.registry, key.root, key.path, kAppPathValue, hub.programFolder + "\\");
}

void RegisterApplicationPaths(Hub& hub) {
    RegisterApplicationPath(hub, kAppPathOrvintalKey, "Kolvane.exe");
    if (ProgramFileExists(hub, "PdfProbe.exe")) RegisterApplicationPath(hub, kAppPathPdfProbeKey, "PdfProbe.exe");
}

void CountStartsForTaxOfficeSync(Hub& hub) {
    if (hub.settings.ReadInt(Setting::Dorvenhal) != 1) return;
    std::string running;
    if (!hub.settings.Get(Setting::Running, running)) {
        hub.settings.WriteText(Setting::Running, "0");
        return;
    }
    std::string next = std::to_string(std::atoi(CutAtNul(running).c_str()) + 1);
    hub.settings.WriteText(Setting::Running, next);
    if (next != "5") return;
    hub.settings.WriteText(Setting::Running, "0");
    if (StartComponent(hub, "TAXOFFIC.EXE", " /a", ShowState::Normal)) Wait(hub, 1);
}

void MoveTaxTips(Hub& hub) {
    std::string tips;
    if (!hub.settings.Get(Setting::Steuertips, tips)) return;
    tips = CutAtNul(tips);
    if (!tips.empty()) hub.settings.WriteText(Setting::Steuertips_03, tips);
    hub.settings.Delete(Setting::Steuertips);
}

bool IsToday(Hub& hub, const std::optional<FileTime>& time) {
    DateTime now = hub.os.clock.Now();
    return time && ShortDate(time->year, time->month, time->day) == ShortDate(now.year, now.month, now.day);
}

void PrepareContributionsIndex(Hub& hub) {
    if (ProgramFileExists(hub, "DATEX.IHP")) hub.settings.WriteText(Setting::DB_IHP, "1");
    hub.settings.WriteInt(Setting::Encoder, 0);
    std::string shared = DatabaseFile(hub, "DATEX.IHP");
    std::string local = ProgramFile(hub, "DATEX.IHP");
    if (hub.os.files.Exists(shared) && !IsToday(hub, hub.os.files.ModifiedTime(shared))) {
        hub.os.files.Delete(shared);
        hub.os.files.Delete(local);
    }
    if (ToLower(hub.programFolder + "\\") != ToLower(hub.LrDatabase) && hub.os.files.Exists(shared) &&
        !hub.os.files.Exists(local))
        CopyFileWhole(hub.os.files, shared, local);
    if (IsUncPath(hub.LrDatabase) && !hub.os.files.Exists(shared))
        StartComponent(hub, "PICTHELP.EXE", "", ShowState::Normal);
    Wait(hub, 1);
    Wait(hub, 1);
    for (int pass = 0; pass < kIndexBuildPasses; ++pass) {
        bool building = hub.os.windows.Find(std::string(kHubClass), std::string(kPictHelpCaption)) != kNoWindow ||
                        DatabaseFileExists(hub, "DATEX.CCP");
        if (!building) break;
        Wait(hub, 1);
    }
}

void CheckPrinter(Hub& hub) {
    if (!hub.settings.Exists(Setting::CheckPrint) && hub.os.dialogs.PrinterNames().empty()) {
        hub.settings.WriteInt(Setting::CheckPrint, 1);
        Message(hub,
                "Es konnte kein Drucker an Ihrem Computer gefunden werden.\n"
                "Sollte ein Gerät vorhanden sein, müssen Sie die Treiber installieren.     \n"
                "Derzeit können keine Briefe und Dokumente ausgedruckt werden.",
                MsgButtons::Ok, MsgIcon::Exclamation);
        Wait(hub, 1);
    }
    UnloadSplash(hub);
    hub.os.windows.SetPointer(MousePointer::Default);
}

void WelcomeNewInstallation(Hub& hub) {
    if (!hub.settings.Exists(Setting::FirstRun) || hub.settings.Exists(Setting::ALizenz1) ||
        WindowExists(hub, kEnvironmentCaption))
        return;
    hub.os.dialogs.ShowMessage({kEnterOfficesText, kWelcomeTitle, MsgButtons::Ok, MsgIcon::Information});
    ShowSenderData(hub);
}

void UpdateDatabaseFingerprint(Hub& hub) {
    hub.settings.WriteInt(Setting::Pelmondo, 1);
    if (hub.settings.ReadInt(Setting::NoTmpBeitrag) == 1) return;
    std::string database = DatabaseFile(hub, "DATEX.DAT");
    // Only a digest of the whole file may replace the stored one: a missing or locked database changes nothing.
    std::optional<std::string> digest = FileFingerprint(hub.os.files, hub.os.md5, database);
    if (!digest) return;
    std::string stored;
    if (!hub.settings.Get(Setting::HashFile, stored)) {
        hub.settings.WriteText(Setting::HashFile, *digest);
        return;
    }
    if (CutAtNul(stored).substr(0, 32) == *digest) return;
    hub.log.Write("Datenbank seit dem letzten Start verändert (HashFile)");
    hub.settings.WriteText(Setting::HashFile, *digest);
    if (auto time = hub.os.files.ModifiedTime(database))
        hub.settings.WriteText(Setting::MDBFileData, DottedIsoDate(time->year, time->month, time->day));
    if (ProgramFileExists(hub, "FEEDESK.EXE")) {
        Wait(hub, 1);
        StartComponent(hub, "FEEDESK.EXE", " /x", ShowState::Hidden);
        Wait(hub, 1);
        Wait(hub, 1);
        if (StartComponent(hub, kHintfeed, " /pD", ShowState::Hidden)) Wait(hub, 1);
    }
}

}  // namespace

void RunStartup(Hub& hub) {
    hub.log.Write("Start, Version " KOLVANE_VERSION_TEXT);
    DetectRestart(hub);
    EndIfAnotherHubRuns(hub);
    ActivatePreviousInstance(hub);
    TakeInstanceMutex(hub);

    EnsureSettingsKey(hub);
    ShowSplash(hub);
    Wait(hub, 1);
    Wait(hub, 1);
    if (hub.settings.ReadInt(Setting::RunAdmin) == 1) AdminRechte(hub);
    for (const RegKeyPath& key : kHtmlHelpRestrictionKeys)
        RegSetSetting(hub.os.registry, key.root, key.path, kMaxAllowedZoneValue, std::int16_t{4});
    FirstRunOfInstallation(hub);
    StartDelay(hub);
    ReadDatabaseFolder(hub);
    GetDatabase(hub);
    WaitForNetworkDatabaseAtFirstStart(hub);
    if (hub.settings.ReadInt(Setting::NoTmpBeitrag) == 1 && DatabaseFileExists(hub, "BUDGET.XML"))
        hub.os.files.Delete(DatabaseFile(hub, "BUDGET.XML"));
    EnsureDatabaseAvailable(hub);
    GetDatabase(hub);
    CheckSystemComponents(hub);
    CreateWorkingFolders(hub);
    if (WebUpdateCheck(hub)) return;

    ShowSplash(hub);
    RecordVersionChange(hub);
    RecordInstallation(hub);
    if (!hub.restart && hub.settings.ReadInt(Setting::Startbild) == 0) ShowSplash(hub);
    CopyDatabaseLocally(hub);
    CheckInstallation(hub);
    MarkDatabaseLoaded(hub);
    BuildMenuFromSettings(hub);
    AddTrayIcon(hub);
    RestoreOrRotateDatabase(hub);
    if (RunFirstStartAssistantIfNew(hub)) return;
    RegisterApplicationPaths(hub);
    ReadMemberRanges(hub);
    CountStartsForTaxOfficeSync(hub);
    MoveTaxTips(hub);
    if (!ProgramFileExists(hub, "TAXBANDS.EXE")) HideMenuEntry(hub, "mnuSteuerklassen");
    hub.os.windows.SetText(hub.Root, kHubCaption);
    StartComponent(hub, "ADVICE.EXE", "", ShowState::Normal);
    PrepareContributionsIndex(hub);
    CheckPrinter(hub);
    WelcomeNewInstallation(hub);
    UpdateDatabaseFingerprint(hub);
    MarkImportUnused(hub);
    hub.settings.WriteInt(Setting::Quickwrite, 1);
    EnableTimer(hub, HubTimer::Timer4, true);
    if (DatabaseFileExists(hub, "EXIT.SUB")) hub.os.files.Delete(DatabaseFile(hub, "EXIT.SUB"));
    EnableTimer(hub, HubTimer::Timer5, true);
    Fristenchecker(hub);
    hub.log.Write("Start vollständig");
    hub.startTiming.WaitBegins();  // for the completion timer's first tick
}

}  // namespace kolvane
