#pragma once
// A hub whose outward steps all land in one ordered log, so that a test can check the order of a close or
// shutdown path: settings written, files deleted, timers switched, captions, the splash, the icon,
// programs started, texts that reached other programs' windows.
#include <gtest/gtest.h>

#include <vector>

#include "hub/splash.h"
#include "hub_fixture.h"

namespace kolvane {

// The test platform's files seen through a second door that notes the replaces and deletes.
class LoggingFiles : public MemoryFiles {
public:
    LoggingFiles(const std::filesystem::path& root, EventLog& log) : MemoryFiles(root), log_(log) {}
    bool Replace(const std::string& from, const std::string& to) override {
        log_.push_back("replace " + to);
        return MemoryFiles::Replace(from, to);
    }
    bool Delete(const std::string& path) override {
        log_.push_back("delete " + path);
        return MemoryFiles::Delete(path);
    }

private:
    EventLog& log_;
};

class LoggingTray : public Tray {
public:
    LoggingTray(Tray& inner, EventLog& log) : inner_(inner), log_(log) {}
    bool Add(TrayPicture picture, const std::string& tip) override {
        log_.push_back("icon added");
        return inner_.Add(picture, tip);
    }
    bool Modify(TrayPicture picture, const std::string& tip) override {
        log_.push_back("icon changed");
        return inner_.Modify(picture, tip);
    }
    bool ShowBalloon(const std::string& title, const std::string& text, BalloonIcon icon) override {
        log_.push_back("balloon");
        return inner_.ShowBalloon(title, text, icon);
    }
    bool Remove() override {
        log_.push_back("icon removed");
        return inner_.Remove();
    }
    bool Restore() override {
        log_.push_back("icon restored");
        return inner_.Restore();
    }

private:
    Tray& inner_;
    EventLog& log_;
};

class FakeSplashView : public SplashView {
public:
    explicit FakeSplashView(EventLog& log) : log_(log) {}
    bool loaded = false;
    bool shown = false;
    int loads = 0;
    SplashForm form;

    bool Loaded() const override { return loaded; }
    void Load(const SplashForm& f) override {
        log_.push_back("splash loaded");
        loaded = true;
        ++loads;
        form = f;
    }
    void Show() override {
        log_.push_back("splash shown");
        shown = true;
    }
    void Unload() override {
        log_.push_back("splash unloaded");
        loaded = shown = false;
    }

private:
    EventLog& log_;
};

// The hub of a running installation: its windows, the mutex held, the icon shown, the start complete,
// the database in the program folder.
class LifecycleTest : public ::testing::Test {
protected:
    LifecycleTest() {
        RegCreateKey(p.registry, kSettingsKey.root, kSettingsKey.path, "");
        hub.Root = p.windows.Create(kHubClass, kHubCaption);
        hub.Text1 = p.windows.Create(kCommandBoxClass, "", hub.Root);
        hub.LrDatabase = "C:\\Daten\\";
        p.windows.Get(hub.Text1).onChange = [this](const std::string& text) { OnCommandText(hub, text); };
        p.windows.Get(hub.Root).onChange = [this](const std::string& text) { log.push_back("caption " + text); };
        p.shell.onStart = [this](const MemoryShell::Started& s) { log.push_back("start " + s.commandLine); };
        hub.switchTimer = [this](HubTimer timer, bool on) {
            log.push_back("Timer" + std::to_string(static_cast<int>(timer)) + (on ? " on" : " off"));
        };
        hub.splashView = &splash;
        hub.mutex = p.kernel.CreateOwnedMutex("Orvintal").mutex;
        p.tray.Add(TrayPicture::Ready, "Orvintal");
        hub.symbolTag = "1";
        for (HubTimer timer : {HubTimer::Timer1, HubTimer::Timer2, HubTimer::Timer3, HubTimer::Timer4, HubTimer::Timer5})
            hub.timers[static_cast<int>(timer)] = true;
    }

    // A program of the suite that obeys the command channel: its hidden window and text box; what reaches
    // the box lands in the log.
    WindowId Peer(const std::string& caption) {
        WindowId window = p.windows.Create(kHubClass, caption);
        WindowId box = p.windows.Create("ThunderRT6TextBox", "", window);
        p.windows.Get(box).onChange = [this, caption](const std::string& text) {
            log.push_back(caption + " got " + text);
        };
        return box;
    }
    bool MutexHeld() const { return p.kernel.heldMutexes->count("Orvintal") > 0; }
    std::int32_t Int(Setting s) { return hub.settings.ReadInt(s); }
    void Store(Setting s, std::int16_t value) { hub.settings.WriteInt(s, value); }
    void StoreText(Setting s, const std::string& value) { hub.settings.WriteText(s, value); }

    EventLog log;
    MemoryPlatform p;
    LoggingRegistry registry{p.registry, log};
    LoggingFiles files{p.root, log};
    LoggingTray tray{p.tray, log};
    Platform os{registry, p.ini, p.windows, tray, p.shell, p.kernel, files, p.clock, p.dialogs, p.md5, p.network, p.locks};
    Hub hub{os};
    FakeSplashView splash{log};
};

}  // namespace kolvane
