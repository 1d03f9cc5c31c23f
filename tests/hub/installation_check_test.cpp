#include "hub/installation_check.h"

#include "hub_fixture.h"

namespace kolvane {
namespace {

using Started = MemoryShell::Started;

constexpr char kRegsvr32[] = "\"C:\\Windows\\SysWOW64\\Regsvr32.exe\" /s ";

class InstallationCheckTest : public HubTest {
protected:
    InstallationCheckTest() { Install(); }
    bool CheckComponents() {
        try {
            CheckSystemComponents(hub);
            return false;
        } catch (const ProcessTerminated&) {
            return true;
        }
    }
    void Unregister() {
        p.registry.DeleteValue(kMenuComponentClsidKey.root, kMenuComponentClsidKey.path, "");
    }
};

TEST_F(InstallationCheckTest, ComponentsAreFoundInTheProgramOrTheSystemFolders) {
    struct Case {
        const char* name;
        std::vector<std::string> places;  // where Ssubtmr.dll lies
        bool registered;                  // Regsvr32 runs on the program folder's copy
    };
    const Case cases[] = {
        {"only in the program folder", {"C:\\Orvintal"}, true},
        {"program folder and System", {"C:\\Orvintal", "C:\\Windows\\System"}, false},
        {"program folder and System32", {"C:\\Orvintal", "C:\\Windows\\System32"}, false},
        {"program folder and the platform's system folder", {"C:\\Orvintal", "C:\\Windows\\SysWOW64"}, true},
        {"only in System32", {"C:\\Windows\\System32"}, false},
        {"only in System", {"C:\\Windows\\System"}, false},
        {"only in the platform's system folder", {"C:\\Windows\\SysWOW64"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem other;
        other.p.files.Delete("C:\\Windows\\System32\\Ssubtmr.dll");
        for (const std::string& place : c.places) other.p.files.Put(place + "\\Ssubtmr.dll", "");

        CheckSystemComponents(other.hub);

        const std::vector<Started> expected =
            c.registered ? std::vector<Started>{{kRegsvr32 + std::string("\"C:\\Orvintal\\Ssubtmr.dll\""),
                                                 ShowState::Hidden}}
                         : std::vector<Started>{};
        EXPECT_EQ(other.p.shell.started, expected);
        EXPECT_TRUE(other.p.dialogs.shown.empty());
    }
}

TEST_F(InstallationCheckTest, MissingComponentEndsTheStartAfterItsMessage) {
    for (const char* name : {"Ssubtmr.dll", "Ssubtmr6.dll", "CNewMenu.dll", "MsStdFmt.dll"}) {
        SCOPED_TRACE(name);
        InstalledSystem other;
        other.p.files.Delete(std::string("C:\\Windows\\System32\\") + name);
        other.p.files.Delete("C:\\Windows\\System32\\MsStdFmt.dll");  // a later one is never looked at

        EXPECT_THROW(CheckSystemComponents(other.hub), ProcessTerminated);

        ASSERT_EQ(other.p.dialogs.shown.size(), 1u);
        EXPECT_EQ(other.p.dialogs.shown[0],
                  (MessageBoxRequest{std::string("Die Systemkomponente ''") + name + "'' konnte nicht gefunden werden.   ",
                                     "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Critical}));
    }
}

TEST_F(InstallationCheckTest, RegisteredMenuLibraryIsLeftAlone) {
    p.files.Put("C:\\Orvintal\\CNewMenu.dll", "");
    EXPECT_FALSE(CheckComponents());
    EXPECT_TRUE(p.shell.started.empty());
    EXPECT_TRUE(p.dialogs.shown.empty());
}

TEST_F(InstallationCheckTest, MenuLibraryIsReportedRegisteredOnlyWhenItIs) {
    const MessageBoxRequest registered{"Die Systemkomponente ''CNewMenu.dll'' wurde registriert. ",
                                       "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Critical};
    struct Case {
        const char* name;
        bool inProgramFolder;
        const char* registersIt;  // the library whose registration writes the class, if any
        bool hangs;
        bool reportedRegistered;
    };
    const Case cases[] = {
        {"registration of CNEWMENU.DLL", true, "CNEWMENU.DLL", false, true},
        {"registration of CNEWMENU6.DLL", true, "CNEWMENU6.DLL", false, true},
        {"registration without effect", true, nullptr, false, false},
        {"Regsvr32 does not end", true, nullptr, true, false},
        {"no library in the program folder", false, nullptr, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem other;
        other.p.registry.DeleteValue(kMenuComponentClsidKey.root, kMenuComponentClsidKey.path, "");
        if (c.inProgramFolder) {
            other.p.files.Delete("C:\\Windows\\System32\\CNewMenu.dll");
            other.p.files.Put("C:\\Orvintal\\CNewMenu.dll", "");
        }
        if (c.registersIt) {
            const std::string command = kRegsvr32 + std::string("\"C:\\Orvintal\\") + c.registersIt + "\"";
            other.p.shell.hasEnded = [&, command](const Started& started) {
                // Regsvr32 writes the class as it ends.
                if (started.commandLine == command)
                    RegSetSetting(other.p.registry, kMenuComponentClsidKey.root, kMenuComponentClsidKey.path, "",
                                  std::string("PopupMenu"));
                return true;
            };
        }
        if (c.hangs) other.p.shell.hasEnded = [](const Started&) { return false; };
        const double before = other.p.clock.Elapsed();

        CheckSystemComponents(other.hub);

        ASSERT_EQ(other.p.dialogs.shown.size(), 1u);
        if (c.reportedRegistered) {
            EXPECT_EQ(other.p.dialogs.shown[0], registered);
        } else {
            EXPECT_EQ(other.p.dialogs.shown[0].text,
                      "Die Systemkomponente ''CNewMenu.dll'' konnte nicht registriert werden.\nDas Men\xFC von Orvintal "
                      "wird eventuell nicht angezeigt. Bitte installieren Sie Orvintal erneut oder wenden Sie sich an "
                      "Ihren Systembetreuer.");
        }
        if (c.inProgramFolder) {
            EXPECT_EQ(other.p.shell.started,
                      (std::vector<Started>{
                          {kRegsvr32 + std::string("\"C:\\Orvintal\\CNEWMENU.DLL\""), ShowState::Hidden, true},
                          {kRegsvr32 + std::string("\"C:\\Orvintal\\CNEWMENU6.DLL\""), ShowState::Hidden, true}}));
        } else {
            EXPECT_TRUE(other.p.shell.started.empty());
        }
        const double waited = other.p.clock.Elapsed() - before;
        if (c.hangs) {
            EXPECT_GE(waited, 60 - 0.01) << "each Regsvr32 run gets its bounded wait";
            EXPECT_LT(waited, 62);
        } else {
            EXPECT_LT(waited, 1);
        }
    }
}

TEST_F(InstallationCheckTest, MenuLibraryInSystem32IsNotRegisteredFromTheProgramFolder) {
    Unregister();
    p.files.Put("C:\\Orvintal\\CNewMenu.dll", "");
    p.files.Put("C:\\Windows\\System32\\CNEWMENU6.DLL", "");
    CheckComponents();
    EXPECT_TRUE(p.shell.started.empty());
}

TEST_F(InstallationCheckTest, PackFilesAreUnpackedAndRemovedOnceTheUnpackerHasEnded) {
    for (const char* pack : {"DATA.PAK", "FORMULAR.PAK", "LIBRARY.PAK"}) p.files.Put(std::string("C:\\Orvintal\\") + pack, "x");
    p.files.Put("C:\\Orvintal\\PACKLIB.DLL", "");
    // The unpacker of the forms takes its time and is still reading when the bound is reached.
    p.shell.hasEnded = [](const Started& started) { return started.commandLine.find(" /uf ") == std::string::npos; };
    const double before = p.clock.Elapsed();

    CheckInstallation(hub);

    EXPECT_EQ(p.shell.started,
              (std::vector<Started>{
                  {"\"C:\\Orvintal\\PACKLIB.DLL\" /us \"C:\\Orvintal\\Data.pak\"", ShowState::Normal, true},
                  {"\"C:\\Orvintal\\PACKLIB.DLL\" /uf \"C:\\Orvintal\\Formular.pak\"", ShowState::Normal, true},
                  {"\"C:\\Orvintal\\PACKLIB.DLL\" /um \"C:\\Orvintal\\Library.pak\"", ShowState::Normal, true}}));
    EXPECT_FALSE(p.files.Exists("C:\\Orvintal\\DATA.PAK"));
    EXPECT_TRUE(p.files.Exists("C:\\Orvintal\\FORMULAR.PAK")) << "unpacked again at the next start";
    EXPECT_FALSE(p.files.Exists("C:\\Orvintal\\LIBRARY.PAK"));
    EXPECT_GE(p.clock.Elapsed() - before, 300 - 0.01);
    EXPECT_LT(p.clock.Elapsed() - before, 302);
}

TEST_F(InstallationCheckTest, PackFilesWaitForTheUnpacker) {
    p.files.Put("C:\\Orvintal\\DATA.PAK", "x");
    p.files.Put("C:\\Orvintal\\PACKLIB.DLL", "");
    bool unpacked = false;
    p.clock.Schedule(12, [&] { unpacked = true; });
    p.shell.hasEnded = [&](const Started&) {
        EXPECT_TRUE(p.files.Exists("C:\\Orvintal\\DATA.PAK")) << "never removed while the unpacker runs";
        return unpacked;
    };
    CheckInstallation(hub);
    EXPECT_FALSE(p.files.Exists("C:\\Orvintal\\DATA.PAK"));
    EXPECT_NEAR(p.clock.Elapsed(), 12, 0.2);
}

TEST_F(InstallationCheckTest, PackFilesNeedThePackTool) {
    p.files.Put("C:\\Orvintal\\DATA.PAK", "x");
    CheckInstallation(hub);
    EXPECT_TRUE(p.shell.started.empty());
    EXPECT_TRUE(p.files.Exists("C:\\Orvintal\\DATA.PAK"));
}

TEST_F(InstallationCheckTest, NewTemplateComponentIsStaged) {
    p.files.Put("C:\\Orvintal\\VORLAGEN.DAT", "[UPDATE]\r\nEXE=01.11.2026 10:00:00\r\n");
    p.files.Put("C:\\Orvintal\\TEMPLATE.TMP", "alt");
    p.files.Put("C:\\Orvintal\\TEMPLATE.EXE", "neu");
    p.files.SetModifiedTime("C:\\Orvintal\\TEMPLATE.EXE", {2026, 12, 1, 9, 5, 0});

    CheckInstallation(hub);

    EXPECT_EQ(p.ini.Read("C:\\Orvintal\\VORLAGEN.DAT", "UPDATE", "EXE"), "01.12.2026 09:05:00");
    EXPECT_EQ(p.files.ReadAll("C:\\Orvintal\\TEMPLATE.TMP"), "neu");
    EXPECT_FALSE(p.files.Exists("C:\\Orvintal\\TEMPLATE.EXE"));
    EXPECT_EQ(p.shell.started, (std::vector<Started>{{"\"C:\\Orvintal\\TEMPLATE.TMP\"", ShowState::Normal}}));
}

TEST_F(InstallationCheckTest, TemplateComponentOfTheRecordedTimeIsLeftAlone) {
    p.files.Put("C:\\Orvintal\\VORLAGEN.DAT", "[UPDATE]\r\nEXE=01.12.2026 09:05:00\r\n");
    p.files.Put("C:\\Orvintal\\TEMPLATE.TMP", "alt");
    p.files.Put("C:\\Orvintal\\TEMPLATE.EXE", "neu");
    p.files.SetModifiedTime("C:\\Orvintal\\TEMPLATE.EXE", {2026, 12, 1, 9, 5, 0});
    CheckInstallation(hub);
    EXPECT_FALSE(p.files.Exists("C:\\Orvintal\\TEMPLATE.TMP")) << "a staged copy of earlier goes";
    EXPECT_TRUE(p.files.Exists("C:\\Orvintal\\TEMPLATE.EXE"));
    EXPECT_TRUE(p.shell.started.empty());
}

TEST_F(InstallationCheckTest, FailedStagingIsTriedAgainAtTheNextStart) {
    p.files.Put("C:\\Orvintal\\VORLAGEN.DAT", "[UPDATE]\r\nEXE=01.11.2026 10:00:00\r\n");
    p.files.Put("C:\\Orvintal\\TEMPLATE.EXE", "neu");
    p.files.Put("C:\\Orvintal\\TEMPLATE.TMP\\x", "");  // the staged copy cannot be written
    CheckInstallation(hub);
    EXPECT_EQ(p.ini.Read("C:\\Orvintal\\VORLAGEN.DAT", "UPDATE", "EXE"), "01.11.2026 10:00:00");
    EXPECT_EQ(p.files.ReadAll("C:\\Orvintal\\TEMPLATE.EXE"), "neu");
    EXPECT_TRUE(p.shell.started.empty());
}

TEST_F(InstallationCheckTest, MissingSampleFilesAreCounted) {
    const char* samples[] = {"Data\\Ort.dat", "Data\\Plz.dat", "Formulare\\DISPATCH.DAT", "Resource\\Db01000.dat",
                             "Vorlagen\\user.dat"};
    for (int missing = 0; missing <= 5; ++missing) {
        SCOPED_TRACE(missing);
        InstalledSystem other;
        for (int i = 0; i < missing; ++i) other.p.files.Delete(std::string("C:\\Orvintal\\") + samples[i]);
        other.p.dialogs.answers = {MsgAnswer::Cancel};

        CheckInstallation(other.hub);

        if (missing == 0) {
            EXPECT_TRUE(other.p.dialogs.shown.empty());
            continue;
        }
        ASSERT_EQ(other.p.dialogs.shown.size(), 1u);
        EXPECT_EQ(other.p.dialogs.shown[0],
                  (MessageBoxRequest{
                      "Einige wichtige Systemordner von Orvintal sind nicht im Installationsordner vorhanden, sodass "
                      "Funktionen eventuell nicht verf\xFC" "gbar sind. M\xF6glicherweise wurde ein Update nicht "
                      "vollst\xE4ndig durchgef\xFChrt oder die Ordner wurden gel\xF6scht.\n \n"
                      "Einige Inhalte in den Ordnern: 'Data', 'Formulare', 'Resource' und 'Vorlagen' im "
                      "Installationsordner sind fehlerhaft.\n \n"
                      "Bitte beheben Sie die " + std::to_string(missing) +
                          " Fehler mit einem Online-Update oder mit Wiederherstellung einer Datensicherung.",
                      "Brekkan Orvintal   ", MsgButtons::OkCancel, MsgIcon::Exclamation}));
    }
}

}  // namespace
}  // namespace kolvane
