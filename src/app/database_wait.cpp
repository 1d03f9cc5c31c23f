#include "app/database_wait.h"

#include "hub/flag_scope.h"
#include "platform/wait.h"
#include "store/member_record.h"

namespace kolvane {

namespace {

constexpr char kTagCancel[] = "0";
constexpr char kTagDatabaseBack[] = "1";
constexpr char kTagRetry[] = "2";
constexpr char kTagRepairStarted[] = "3";
// Periods are added up from the clock's readings; a check is not put off by a rounding error.
constexpr double kTimerSlack = 0.001;

class DatabaseWaitWindow final : public DatabaseWaitEvents {
public:
    explicit DatabaseWaitWindow(Hub& hub) : hub_(hub), view_(hub.databaseWaitView), stopwatch_(hub.os.clock) {
        form_.databaseFolder = hub.LrDatabase;
    }

    void Show() {
        hub_.tag.clear();
        if (view_) {
            view_->Run(form_, *this);
            return;
        }
        while (!closed_) {
            hub_.os.clock.Pump(kWaitTickSeconds);
            Tick();
        }
    }

    void EntryChosen(int index) override {
        if (busy_ || !IsEntry(index)) return;
        form_.selected = index;
        form_.decided = true;
        Refresh();
        Ready();
    }

    void EntrySelected(int index) override {
        if (!IsEntry(index)) return;
        form_.selected = index;
        Refresh();
    }

    // Does what the selected entry says, whether or not it was chosen from the list.
    void ReadyPressed() override {
        if (!busy_) Ready();
    }

    void CancelPressed() override { Cancel(); }

    void HelpPressed() override { ShowHelpTopic(hub_, "1.0 Erste Schritte.htm"); }

    void CheckDatabaseClicked(bool ticked) override {
        form_.checkDatabase = ticked;
        checkedAt_ = stopwatch_.Seconds();  // a timer switched on counts its period from now
        Refresh();
    }

    void InfoClicked() override {
        form_.infoShown = false;
        Refresh();
    }

    // Without a decision, closing the window means quitting.
    void CloseRequested() override {
        if (busy_) return;
        if (!form_.decided) {
            Cancel();
            return;
        }
        CloseWindow();
    }

    void Tick() override {
        const double now = stopwatch_.Seconds();
        if (closed_) return;
        form_.frame = NextFrame(form_.frame);
        if (!busy_ && form_.checkDatabase) {
            if (now - checkedAt_ + kTimerSlack >= kDatabaseCheckSeconds) {
                checkedAt_ = now;
                CheckDatabase();
                if (closed_) return;
            }
        }
        Refresh();
    }

private:
    static bool IsEntry(int index) { return index >= 0 && index < static_cast<int>(kWaitEntries.size()); }

    void Refresh() {
        if (view_ && !closed_) view_->Update(form_);
    }

    void CloseWindow() {
        closed_ = true;
        if (view_) view_->Close();
    }

    void Cancel() {
        CloseHub(hub_, "Datenbank-Wartefenster abgebrochen");
        hub_.os.kernel.Terminate();  // should the close command not have ended the process
    }

    // The decision is whether the database can be found: touching the folder first makes the system
    // reconnect a share that has come back.
    void CheckDatabase() {
        FlagScope busy(busy_);
        hub_.os.files.List(hub_.LrDatabase, "*");
        if (!DatabaseFileExists(hub_, std::string(kDatabaseFileName))) return;
        hub_.tag = kTagDatabaseBack;
        Wait(hub_, 1);
        CloseWindow();
    }

    // A repair program that is missing or does not start must not close the hub: the user could not
    // tell why it went away.
    bool StartRepair(const WaitEntry& entry) {
        const std::string program(entry.program);
        if (!ProgramFileExists(hub_, program)) {
            Message(hub_,
                    "Das Programm " + program + " wurde im Programmordner " + hub_.programFolder +
                        " nicht gefunden.\nBitte wählen Sie eine andere Aufgabe oder installieren Sie Orvintal "
                        "erneut.",
                    MsgButtons::Ok, MsgIcon::Exclamation);
            return false;
        }
        if (!StartComponent(hub_, program, std::string(entry.switches), ShowState::Normal)) {
            Message(hub_,
                    "Das Programm " + program + " konnte nicht gestartet werden.\nBitte wählen Sie eine andere "
                                                "Aufgabe.",
                    MsgButtons::Ok, MsgIcon::Exclamation);
            return false;
        }
        return true;
    }

    void Ready() {
        FlagScope busy(busy_);
        const WaitEntry& entry = kWaitEntries[static_cast<std::size_t>(form_.selected)];
        switch (entry.action) {
            case WaitAction::Quit:
                hub_.tag = kTagCancel;
                Cancel();
                return;
            case WaitAction::StartRepair:
                if (!StartRepair(entry)) return;
                hub_.tag = kTagRepairStarted;
                Wait(hub_, 3);
                break;
            case WaitAction::StartChecker:
                StartComponent(hub_, std::string(entry.program), std::string(entry.switches), ShowState::Normal);
                break;
            case WaitAction::Retry:
                hub_.tag = kTagRetry;
                break;
            case WaitAction::KeepWaiting:
                break;
        }
        if (hub_.tag == kTagRepairStarted)
            Cancel();
        else if (entry.action == WaitAction::Retry)
            CloseWindow();
    }

    Hub& hub_;
    DatabaseWaitView* view_;
    DatabaseWaitForm form_;
    Stopwatch stopwatch_;
    double checkedAt_ = 0;
    bool busy_ = false;
    bool closed_ = false;
};

}  // namespace

void ShowDatabaseWaitWindow(Hub& hub) { DatabaseWaitWindow(hub).Show(); }

}  // namespace kolvane
