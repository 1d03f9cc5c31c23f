#pragma once
// The window `Datenbank`, shown while the network database cannot be reached: its texts, its list of
// remedies and the state of its controls. The Win32 view copies this form to its controls; the logic
// that changes it is in database_wait.cpp.
#include <array>
#include <string>
#include <string_view>

namespace kolvane {

inline constexpr char kDatabaseWaitCaption[] = " Brekkan Orvintal®";
inline constexpr char kDatabaseWaitLabel1[] =
    "Die Verbindung zur Serverdatenbank wurde verloren oder fehlerhafte Registrierung. Wählen Sie eventuell "
    "eine Aufgabe zur Lösung des Problems:";
inline constexpr char kDatabaseWaitPicture2[] = "Verbindung zum Netzwerkserver unterbrochen.";
inline constexpr char kDatabaseWaitCheckLabel[] = "Verbindung im Hintergrund überprüfen ";
inline constexpr char kDatabaseWaitReady[] = "&Ausführen";
inline constexpr char kDatabaseWaitCancel[] = "Abbrechen";
inline constexpr char kDatabaseWaitHelp[] = "&Hilfe";
// The info beside `Image1`; a click on either hides it.
inline constexpr char kDatabaseWaitInfoIntro[] = "Orvintal erwartet die Datenbank DATEX.DAT im Netzwerkordner\n";
inline constexpr char kDatabaseWaitInfoOutro[] =
    "\nBitte prüfen Sie die Verbindung zum Server. Sobald die Datenbank wieder erreichbar ist, setzt "
    "Orvintal den Start fort.";

enum class WaitAction {
    Quit,          // close the hub
    StartRepair,   // start a component that repairs the installation; the hub then closes
    StartChecker,  // start the system checker; the window stays
    Retry,         // back to the start's database test
    KeepWaiting,   // the background check goes on
};

struct WaitEntry {
    std::string_view text;
    WaitAction action;
    std::string_view program;  // in the program folder
    std::string_view switches;
};

// `LStartApp`, index 0 to 5.
inline constexpr std::array<WaitEntry, 6> kWaitEntries{{
    {"Orvintal jetzt beenden", WaitAction::Quit, "", ""},
    {"Einrichtungsassistenten starten", WaitAction::StartRepair, "HUBAGENT.EXE", ""},
    {"Benutzerordner auswählen", WaitAction::StartRepair, "HUBAGENT.EXE", " /dir"},
    {"System-Checker starten", WaitAction::StartChecker, "VERPROBE.EXE", ""},
    {"Prüfung erneut starten", WaitAction::Retry, "", ""},
    {"Verbindung wiederherstellen!", WaitAction::KeepWaiting, "", ""},
}};

inline constexpr int kQuitEntry = 0;
inline constexpr int kKeepWaitingEntry = static_cast<int>(kWaitEntries.size()) - 1;

// The background check runs every 65 seconds while `vCheckDB` is ticked; `Timer2` moves the picture.
inline constexpr double kDatabaseCheckSeconds = 65;
inline constexpr double kWaitTickSeconds = 0.1;
inline constexpr int kAnimationFrames = 29;

// Heights of the window: with the info, and without it (2865 twips).
inline constexpr int kWaitHeightWithInfoTwips = 3800;
inline constexpr int kWaitHeightTwips = 2865;
// The gap between the window and the right edge of the screen.
inline constexpr int kWaitRightGapTwips = 600;

struct DatabaseWaitForm {
    std::string databaseFolder;  // named in the info
    int selected = kKeepWaitingEntry;
    bool checkDatabase = true;  // `vCheckDB`
    bool infoShown = true;
    int frame = 1;         // picture of `Picture2`, 1 to kAnimationFrames
    bool decided = false;  // the window's tag "1": the user has chosen an entry from the list
};

std::string DatabaseWaitInfo(const DatabaseWaitForm& form);
int DatabaseWaitHeightTwips(const DatabaseWaitForm& form);
// The picture after this one: after the last, the first again.
int NextFrame(int frame);
// Left edge of the window, in the unit of the two widths: the window sits at the right of the screen.
int DatabaseWaitLeft(int screenWidth, int windowWidth, int rightGap);

}  // namespace kolvane
