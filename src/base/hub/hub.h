#pragma once
// The hidden hub window `Root` as the portable core sees it: the state its hidden controls carry, the windows
// that more than one part opens, and the small helpers every part of the hub uses (files of the program and
// database folders, waits, starting a component, message boxes, closing through the command box).
#include <functional>
#include <memory>
#include <string>

#include "hub/diagnostic_log.h"
#include "hub/start_timing.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "store/member_ranges.h"

namespace kolvane {

// By this exact caption (two trailing blanks) every program of the suite finds the hub.
inline constexpr char kHubCaption[] = "Brekkan Orvintal  ";
inline constexpr char kHubClass[] = "ThunderRT6FormDC";
inline constexpr char kCommandBoxClass[] = "ThunderRT6TextBox";
inline constexpr char kCloseCommand[] = "$Ende$";
// Caption prefixes that tell a starting hub what the window it finds is doing: closing because a second
// hub was started, or restarting itself.
inline constexpr char kSecondInstancePrefix[] = "Zweite Instanz";
inline constexpr char kRestartPrefix[] = "Dritte Instanz";

class SplashView;
class DatabaseWaitView;
class AbsenderView;
class LizenzierungView;
class OptionenView;
class PasswortView;
class KennwortView;
class SuchenView;

// The access password's prompt in front of the menu, the options window and the password change: one for the
// whole hub, so that nothing gets past an unanswered prompt.
struct AccessGate {
    PasswortView* prompt = nullptr;  // null: a needed prompt cannot be shown and the gate stays shut
    bool promptOpen = false;
};

enum class HubTimer { Timer1 = 1, Timer2, Timer3, Timer4, Timer5 };

struct Hub {
    explicit Hub(Platform& platform);

    Platform& os;
    Settings settings;
    DiagnosticLog log;
    StartTiming startTiming;
    std::string programFolder;  // the component folder, without trailing backslash
    std::string LrDatabase;     // the database folder, with trailing backslash once found
    std::string tag;            // the database wait window's reply: "0" cancel ... "3" component started
    int text1Tag = 1;           // seconds of start delay still to wait
    WindowId Root = kNoWindow;
    WindowId Text1 = kNoWindow;
    bool restart = false;  // a predecessor hands over to this process
    std::unique_ptr<HeldMutex> mutex;
    bool timers[6] = {};       // indexed by HubTimer: which timers run
    bool tickRunning[6] = {};  // indexed by HubTimer: a tick is under way (its waits pump messages)
    // Switches the window's real timer; empty on the in-memory platform, where tests drive the ticks.
    std::function<void(HubTimer, bool)> switchTimer;
    std::string timer3Tag = "0";  // "1" once the backup question is settled for this run
    bool backupFolderMissed = false;  // the automatic backup found the database folder unreachable and said so
    std::string symbolTag = "0";  // "1" once the start is complete: the menu may open
    // The hub's own windows, shown through views the Win32 program (or a test) provides; may be null.
    SplashView* splashView = nullptr;
    DatabaseWaitView* databaseWaitView = nullptr;
    AbsenderView* absenderView = nullptr;
    LizenzierungView* lizenzierungView = nullptr;
    OptionenView* optionenView = nullptr;
    KennwortView* kennwortView = nullptr;
    SuchenView* suchenView = nullptr;
    AccessGate accessGate;
    MemberRanges memberRanges;  // the member number blocks, read from the database at start
    std::string bTrayiconTag;            // today's update check: "1" done already, "0" the reminder was shown
    bool deadlineCheckWaiting = false;   // the deadline check waits its seconds before the component starts
    std::string closeRequest;  // who asked the hub to close, for the log; empty: another program's command
};

std::string ProgramFile(const Hub& hub, const std::string& name);
std::string DatabaseFile(const Hub& hub, const std::string& name);
bool ProgramFileExists(Hub& hub, const std::string& name);
bool DatabaseFileExists(Hub& hub, const std::string& name);

void Wait(Hub& hub, double seconds);
// Starts a program of the component folder by its quoted full path followed by the switches (which carry
// their own leading blank) when the program exists. Returns whether it was started.
bool StartComponent(Hub& hub, const std::string& program, const std::string& switches, ShowState show);
// Opens a page of the suite's help file Orvintal.chm with the system's help viewer, when the file lies in the
// component folder. topic: the page's name inside the file, e.g. "1.0 Erste Schritte.htm".
void ShowHelpTopic(Hub& hub, const std::string& topic);
// A message box titled with the hub caption and one blank.
MsgAnswer Message(Hub& hub, const std::string& text, MsgButtons buttons, MsgIcon icon);
// Records who asked the hub to close, in the log and for the line of its end.
void NoteCloseRequest(Hub& hub, const std::string& who);
// Closes the hub the one orderly way: "$Ende$" into its own command box. who: what asked for it, for the log.
void CloseHub(Hub& hub, const std::string& who);
// Puts the text into the first text box of the suite's top-level window with the caption; a program
// that is not running (or has no box) gets nothing, and nobody is told.
void SendCommand(Hub& hub, const std::string& caption, const std::string& text);
void EnableTimer(Hub& hub, HubTimer timer, bool on);
bool TimerEnabled(const Hub& hub, HubTimer timer);
bool WindowExists(Hub& hub, const std::string& caption);

}  // namespace kolvane
